#include "app/DocumentState.h"

#include "app/UserDialogs.h"

bool ConfirmClose(const DocumentState& state, UserDialogs& dialogs) {
  if (!state.IsModified()) return true;
  return AskMessage(dialogs, 15);
}
