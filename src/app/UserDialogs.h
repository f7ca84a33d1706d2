// Everything the editor asks of the user goes through this interface: notices, questions, the
// file dialogs and the busy notice. The window supplies message boxes; tests supply answers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/MessageCatalogue.h"

enum class Answer { Ok, Yes, No, Cancel };

struct FileDialogOptions {
  std::string title;       // empty: the platform's default title
  std::string filter;      // "Description|*.ext"
  std::string defaultExt;  // added when the chosen name has none (save dialogs)
};

class UserDialogs {
public:
  virtual ~UserDialogs() = default;

  // A notice the user can only dismiss.
  virtual void Notify(NoticeStyle style, const std::string& text) = 0;
  // A question; returns the button chosen.
  virtual Answer Ask(NoticeStyle style, const std::string& text) = 0;
  // Returns the chosen path, or an empty text when the dialog was cancelled.
  virtual std::string ChooseOpenPath(const FileDialogOptions& options) = 0;
  virtual std::string ChooseSavePath(const FileDialogOptions& options) = 0;
  // The busy notice shown while a load, save or import runs; visible on return.
  virtual void ShowBusyNotice(const std::string& text) = 0;
  virtual void HideBusyNotice() = 0;
  // The satellite selection dialog: `labels` are the 64 satellite labels in slot order. Returns
  // the chosen slot, or -1 when the user cancelled. Dialogs that cannot ask answer -1.
  virtual int ChooseSatellite(const std::vector<std::string>& labels, const std::string& prompt);
};

// Shows catalogue message `code` with its usual style (or the one given).
void ShowMessage(UserDialogs& dialogs, uint16_t code);
void ShowMessage(UserDialogs& dialogs, uint16_t code, NoticeStyle style);
// Asks catalogue question `code`; true only when the user chose Yes.
bool AskMessage(UserDialogs& dialogs, uint16_t code);

// The open and save dialogs of the .dld commands.
FileDialogOptions OpenDldDialogOptions();
FileDialogOptions SaveDldDialogOptions();
