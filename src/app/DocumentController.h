// The document commands of the main window (open, reopen, save, receiver transfers, import,
// optimise) and what they may use of the window. The window calls the controller; the file
// layer and the receiver link supply a controller that does the work. The base class does
// nothing, so the window runs before those layers are wired in.
#pragma once
#include <string>

#include "app/DocumentState.h"

class m_DataBase;
class SettingsFile;
class UserDialogs;
struct OptionValues;

// What the commands may use of the main window.
class DocumentHost {
public:
  virtual ~DocumentHost() = default;
  virtual m_DataBase& Database() = 0;
  virtual DocumentState& Document() = 0;
  virtual UserDialogs& Dialogs() = 0;
  virtual SettingsFile& Settings() = 0;
  virtual OptionValues& Options() = 0;
  // Folder of the working files, without a trailing separator.
  virtual const std::string& WorkFolder() const = 0;
  // Puts the window into the no-document state, clears the database and rereads the options.
  virtual void ResetEditor() = 0;
  // Checks the active page before a save: the catalogue code of the first problem (0 when all is
  // well) and its row in the page's grid.
  virtual int CheckPageBeforeLeaving(int* row) = 0;
  // Makes `row` the current row of the active page's grid and gives the grid the focus.
  virtual void SelectPageRow(int row) = 0;
  virtual void PreparePage() = 0;
  virtual void EnterDocumentState() = 0;
  // Shows the options dialog modally; used by the commands that honour a show-options switch.
  virtual void ShowOptionsDialog() = 0;
};

enum class OpenCommand { Data, Default };
enum class SaveCommand { Save, SaveToData, SaveToDefault };
enum class TransferCommand { UpgradeData, UpgradeDefault, Download };

class DocumentController {
public:
  virtual ~DocumentController() = default;

  // The file layer's part of every editor reset: current bank, default flag, image lengths.
  virtual void ResetFileState(DocumentHost& host) { (void)host; }
  // "Open Data" / "Open Default".
  virtual void Open(DocumentHost& host, OpenCommand command) { (void)host, (void)command; }
  // A Reopen item or an item of the Open button's drop-down list, with the entry's path.
  virtual void Reopen(DocumentHost& host, const std::string& path) { (void)host, (void)path; }
  // A file named on the command line at start-up.
  virtual void OpenAtStartup(DocumentHost& host, const std::string& path) { (void)host, (void)path; }
  // "&Save", "Save to Data", "Save to Default" and the Save tool button.
  virtual void Save(DocumentHost& host, SaveCommand command) { (void)host, (void)command; }
  // "Upgrade data", "Upgrade default" and "Download to receiver".
  virtual void Transfer(DocumentHost& host, TransferCommand command) { (void)host, (void)command; }
  virtual void ImportSatcoDx(DocumentHost& host) { (void)host; }
  virtual void Optimize(DocumentHost& host) { (void)host; }
};
