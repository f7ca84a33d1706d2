// The list of recently opened files, kept in section LATEST_FILE_NAME of the settings file.
// The file is the master copy: every operation reads it first.
#pragma once
#include <string>
#include <vector>

class SettingsFile;

inline constexpr int kMaxRecentFiles = 10;
inline constexpr const char* kRecentSection = "LATEST_FILE_NAME";
inline constexpr const char* kRecentCountKey = "File Number";

// "File Name" followed directly by k: "File Name0" ... "File Name9".
std::string RecentFileKey(int k);

// Reloads the settings file and returns its entries, most recent first. A hand-edited
// "File Number" above 10 reads as 10, a negative one as 0.
std::vector<std::string> ReadRecentFiles(SettingsFile& settings);
// Puts `path` at the head of the list (texts compared exactly) and stores the list.
void AddRecentFile(SettingsFile& settings, const std::string& path);
// Takes `path` out of the list and stores the list; the key after the new last entry is written
// empty. Does nothing when the path is not in the list.
void RemoveRecentFile(SettingsFile& settings, const std::string& path);

// Captions of the Open button's drop-down list: n followed directly by entry n - 1.
std::vector<std::string> OpenDropDownCaptions(const std::vector<std::string>& entries);
