#include "app/RecentFiles.h"

#include <algorithm>

#include "app/SettingsFile.h"

std::string RecentFileKey(int k) { return "File Name" + std::to_string(k); }

namespace {
void WriteEntries(SettingsFile& settings, const std::vector<std::string>& entries, int upTo) {
  settings.WriteInt(kRecentSection, kRecentCountKey, static_cast<long>(entries.size()));
  for (int k = 0; k < upTo; ++k) {
    const std::string value = k < static_cast<int>(entries.size()) ? entries[k] : std::string();
    settings.WriteText(kRecentSection, RecentFileKey(k).c_str(), value);
  }
  settings.Save();
}
}  // namespace

std::vector<std::string> ReadRecentFiles(SettingsFile& settings) {
  settings.Load();
  long count = settings.ReadInt(kRecentSection, kRecentCountKey, 0);
  count = std::clamp<long>(count, 0, kMaxRecentFiles);
  std::vector<std::string> entries;
  for (int k = 0; k < count; ++k)
    entries.push_back(settings.ReadText(kRecentSection, RecentFileKey(k).c_str(), ""));
  return entries;
}

void AddRecentFile(SettingsFile& settings, const std::string& path) {
  std::vector<std::string> entries = ReadRecentFiles(settings);
  auto it = std::find(entries.begin(), entries.end(), path);
  if (it != entries.end()) entries.erase(it);
  entries.insert(entries.begin(), path);
  if (entries.size() > static_cast<size_t>(kMaxRecentFiles)) entries.resize(kMaxRecentFiles);
  WriteEntries(settings, entries, static_cast<int>(entries.size()));
}

void RemoveRecentFile(SettingsFile& settings, const std::string& path) {
  std::vector<std::string> entries = ReadRecentFiles(settings);
  auto it = std::find(entries.begin(), entries.end(), path);
  if (it == entries.end()) return;
  entries.erase(it);
  WriteEntries(settings, entries, static_cast<int>(entries.size()) + 1);
}

std::vector<std::string> OpenDropDownCaptions(const std::vector<std::string>& entries) {
  std::vector<std::string> captions;
  for (size_t n = 1; n <= entries.size(); ++n) captions.push_back(std::to_string(n) + entries[n - 1]);
  return captions;
}
