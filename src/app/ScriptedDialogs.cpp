#include "app/ScriptedDialogs.h"

#include <algorithm>

namespace {
constexpr NoticeStyle kNoStyle{NoticeKind::Error, ButtonSet::Ok};
}

void ScriptedDialogs::Notify(NoticeStyle style, const std::string& text) {
  log.push_back({Shown::Notice, style, text});
}

Answer ScriptedDialogs::Ask(NoticeStyle style, const std::string& text) {
  log.push_back({Shown::Question, style, text});
  if (answers.empty()) return fallback;
  Answer a = answers.front();
  answers.pop_front();
  return a;
}

std::string ScriptedDialogs::ChooseOpenPath(const FileDialogOptions& options) {
  log.push_back({Shown::OpenDialog, kNoStyle, options.filter});
  if (paths.empty()) return {};
  std::string p = paths.front();
  paths.pop_front();
  return p;
}

std::string ScriptedDialogs::ChooseSavePath(const FileDialogOptions& options) {
  log.push_back({Shown::SaveDialog, kNoStyle, options.filter});
  if (paths.empty()) return {};
  std::string p = paths.front();
  paths.pop_front();
  return p;
}

void ScriptedDialogs::ShowBusyNotice(const std::string& text) {
  log.push_back({Shown::BusyShown, kNoStyle, text});
  busyVisible = true;
}

void ScriptedDialogs::HideBusyNotice() {
  log.push_back({Shown::BusyHidden, kNoStyle, {}});
  busyVisible = false;
}

int ScriptedDialogs::ChooseSatellite(const std::vector<std::string>& labels, const std::string& prompt) {
  log.push_back({Shown::SatelliteDialog, kNoStyle, prompt});
  satelliteLabels = labels;
  if (satellites.empty()) return -1;
  const int slot = satellites.front();
  satellites.pop_front();
  return slot;
}

std::vector<std::string> ScriptedDialogs::MessageTexts() const {
  std::vector<std::string> out;
  for (const Shown& s : log)
    if (s.type == Shown::Notice || s.type == Shown::Question) out.push_back(s.text);
  return out;
}

int ScriptedDialogs::CountOf(Shown::Type type) const {
  return static_cast<int>(
      std::count_if(log.begin(), log.end(), [type](const Shown& s) { return s.type == type; }));
}
