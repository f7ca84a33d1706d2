#include "app/FileCommands.h"

#include <filesystem>

#include "app/DocumentIO.h"
#include "app/MessageCatalogue.h"
#include "app/RecentFiles.h"
#include "app/UserDialogs.h"
#include "db/M_database.h"
#include "files/PartitionMaps.h"

namespace {

constexpr uint16_t kMsgFileNotExist = 3;
constexpr uint16_t kMsgWrongKind = 6;
constexpr uint16_t kMsgLoading = 10;
constexpr uint16_t kMsgSaving = 13;
constexpr uint16_t kMsgOverwrite = 14;

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

bool KnownKind(uint8_t kind) { return kind == files::kKindData || kind == files::kKindDefault; }

// Runs the page check of a save; shows the problem and selects its row when there is one.
bool PageIsValid(DocumentHost& host) {
  int row = -1;
  const int code = host.CheckPageBeforeLeaving(&row);
  if (code == 0) return true;
  ShowMessage(host.Dialogs(), static_cast<uint16_t>(code), notice::kValidationError);
  host.SelectPageRow(row);
  return false;
}

void AfterLoad(DocumentHost& host, bool loaded) {
  host.Document().databaseLoaded = loaded;
  if (!loaded) return;
  host.PreparePage();
  host.EnterDocumentState();
}

}  // namespace

void FileCommands::ResetFileState(DocumentHost& host) { host.Database().ResetFileState(); }

bool FileCommands::LoadDocument(DocumentHost& host, const std::string& path) {
  UserDialogs& dialogs = host.Dialogs();
  dialogs.ShowBusyNotice(GetMessageText(kMsgLoading));
  const DocResult r = LoadDldFile(host.Database(), path, host.WorkFolder());
  dialogs.HideBusyNotice();
  if (!r.ok) {
    if (r.messageCode)
      ShowMessage(dialogs, static_cast<uint16_t>(r.messageCode), notice::kLoadError);
    else
      dialogs.Notify(notice::kLoadError, "Open File Error: " + r.detail);
    return false;
  }
  AddRecentFile(host.Settings(), path);
  return true;
}

bool FileCommands::SaveDocument(DocumentHost& host, const std::string& path) {
  UserDialogs& dialogs = host.Dialogs();
  DocumentState& doc = host.Document();
  const bool wasModified = doc.dataModified;
  doc.dataModified = false;
  dialogs.ShowBusyNotice(GetMessageText(kMsgSaving));
  const DocResult r = SaveDldFile(host.Database(), path, host.WorkFolder(), doc.settingsModified);
  dialogs.HideBusyNotice();
  if (r.ok) return true;
  // Nothing was written over the target; keep the edits marked as unsaved.
  doc.dataModified = wasModified;
  // The detail names the file and the system's reason.
  dialogs.Notify(notice::kValidationError, r.message + ": " + (r.detail.empty() ? path : r.detail));
  return false;
}

void FileCommands::Open(DocumentHost& host, OpenCommand command) {
  UserDialogs& dialogs = host.Dialogs();
  const std::string path = dialogs.ChooseOpenPath(OpenDldDialogOptions());
  if (path.empty()) return;
  if (!Exists(path)) {
    ShowMessage(dialogs, kMsgFileNotExist, notice::kLoadError);
    return;
  }
  const uint8_t kind = ReadDldFileKind(path);
  const uint8_t wanted = command == OpenCommand::Data ? files::kKindData : files::kKindDefault;
  if (kind != wanted) {
    // The open document, its path, kind and header stay as they were.
    ShowMessage(dialogs, kMsgWrongKind, notice::kValidationError);
    return;
  }
  host.Document().documentPath = path;
  host.Database().SetFileKind(kind);
  host.ResetEditor();
  AfterLoad(host, LoadDocument(host, path));
}

void FileCommands::OpenKnownFile(DocumentHost& host, const std::string& path, bool forgetMissing) {
  UserDialogs& dialogs = host.Dialogs();
  if (!Exists(path)) {
    ShowMessage(dialogs, kMsgFileNotExist, notice::kLoadError);
    if (forgetMissing) RemoveRecentFile(host.Settings(), path);
    return;
  }
  const uint8_t kind = ReadDldFileKind(path);
  if (!KnownKind(kind)) {
    ShowMessage(dialogs, kMsgWrongKind, notice::kLoadError);
    return;
  }
  host.Database().SetFileKind(kind);
  host.ResetEditor();
  host.Document().documentPath = path;
  AfterLoad(host, LoadDocument(host, path));
}

void FileCommands::Reopen(DocumentHost& host, const std::string& path) { OpenKnownFile(host, path, true); }

void FileCommands::OpenAtStartup(DocumentHost& host, const std::string& path) {
  // A path given on the command line is relative to where the program was started; the
  // document path and the recent-files list need it whole.
  std::error_code ec;
  const std::filesystem::path whole = std::filesystem::absolute(path, ec);
  OpenKnownFile(host, ec ? path : whole.lexically_normal().string(), false);
}

void FileCommands::Save(DocumentHost& host, SaveCommand command) {
  DocumentState& doc = host.Document();
  if (!doc.databaseLoaded) return;
  if (!PageIsValid(host)) return;
  if (command == SaveCommand::Save) {
    SaveDocument(host, doc.documentPath);
    return;
  }
  UserDialogs& dialogs = host.Dialogs();
  const std::string path = dialogs.ChooseSavePath(SaveDldDialogOptions());
  if (path.empty()) return;
  if (Exists(path) && !AskMessage(dialogs, kMsgOverwrite)) return;
  m_DataBase& db = host.Database();
  const uint8_t previousKind = db.FileKind();
  db.SetFileKind(command == SaveCommand::SaveToData ? files::kKindData : files::kKindDefault);
  if (!SaveDocument(host, path)) {
    db.SetFileKind(previousKind);
    return;
  }
  // The saved file becomes the document: reload it so the window shows what was written.
  doc.documentPath = path;
  host.ResetEditor();
  AfterLoad(host, LoadDocument(host, path));
}
