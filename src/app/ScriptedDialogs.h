// UserDialogs that answer from prepared queues and record what was shown, for tests and for
// running commands without a human.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "app/UserDialogs.h"

class ScriptedDialogs : public UserDialogs {
public:
  struct Shown {
    enum Type { Notice, Question, OpenDialog, SaveDialog, BusyShown, BusyHidden, SatelliteDialog } type;
    NoticeStyle style;
    std::string text;
  };

  // Answers for the next questions, in order. With the queue empty a question gets `fallback`.
  std::deque<Answer> answers;
  Answer fallback = Answer::No;
  // Paths for the next open and save dialogs, in order; an empty text or an empty queue cancels.
  std::deque<std::string> paths;
  // Slots for the next satellite selection dialogs, in order; an empty queue cancels (-1).
  std::deque<int> satellites;
  // The labels the last satellite selection dialog listed.
  std::vector<std::string> satelliteLabels;

  std::vector<Shown> log;
  bool busyVisible = false;

  void Notify(NoticeStyle style, const std::string& text) override;
  Answer Ask(NoticeStyle style, const std::string& text) override;
  std::string ChooseOpenPath(const FileDialogOptions& options) override;
  std::string ChooseSavePath(const FileDialogOptions& options) override;
  void ShowBusyNotice(const std::string& text) override;
  void HideBusyNotice() override;
  int ChooseSatellite(const std::vector<std::string>& labels, const std::string& prompt) override;

  // Texts of the notices and questions shown so far, in order.
  std::vector<std::string> MessageTexts() const;
  int CountOf(Shown::Type type) const;
};
