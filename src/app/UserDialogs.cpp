#include "app/UserDialogs.h"

int UserDialogs::ChooseSatellite(const std::vector<std::string>&, const std::string&) { return -1; }

void ShowMessage(UserDialogs& dialogs, uint16_t code) {
  dialogs.Notify(GetNoticeStyle(code), GetMessageText(code));
}

void ShowMessage(UserDialogs& dialogs, uint16_t code, NoticeStyle style) {
  dialogs.Notify(style, GetMessageText(code));
}

bool AskMessage(UserDialogs& dialogs, uint16_t code) {
  return dialogs.Ask(GetNoticeStyle(code), GetMessageText(code)) == Answer::Yes;
}

FileDialogOptions OpenDldDialogOptions() { return {"", "All Files (*.dld)|*.dld", ""}; }

FileDialogOptions SaveDldDialogOptions() { return {"Save As...", "Settings Files(*.dld)|*.dld", "dld"}; }
