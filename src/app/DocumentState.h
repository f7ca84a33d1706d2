// The window-wide state of the open document.
#pragma once
#include <string>

class UserDialogs;

struct DocumentState {
  bool databaseLoaded = false;
  bool dataModified = false;      // channel data edited since the last load or save
  bool settingsModified = false;  // System page edited since the last load (a save keeps it)
  bool cutPending = false;        // services cut and waiting for Paste
  std::string documentPath;       // path of the open document; kept when an open is refused

  bool IsModified() const { return dataModified || settingsModified; }
};

// The close question: with unsaved changes asks message 15 and allows closing only on Yes;
// without changes allows closing at once.
bool ConfirmClose(const DocumentState& state, UserDialogs& dialogs);
