// The open and save commands of the main window: Open Data, Open Default, Reopen, the file
// named at start-up, Save, Save to Data and Save to Default.
#pragma once
#include <string>

#include "app/DocumentController.h"
#include "import/SatcoDxImport.h"

class FileCommands : public DocumentController {
public:
  void ResetFileState(DocumentHost& host) override;
  void Open(DocumentHost& host, OpenCommand command) override;
  void Reopen(DocumentHost& host, const std::string& path) override;
  void OpenAtStartup(DocumentHost& host, const std::string& path) override;
  void Save(DocumentHost& host, SaveCommand command) override;
  // SB_SatCoDXClick: imports a SatcoDX file into the open database.
  void ImportSatcoDx(DocumentHost& host) override;

  // Loads `path` (kind already set, editor already reset) with the busy notice; shows the load
  // error, or records the path in the recent-files list. Returns whether the database loaded.
  static bool LoadDocument(DocumentHost& host, const std::string& path);
  // Saves the document to `path` in the database's current kind with the busy notice. A failure
  // is shown with the file and its cause and leaves the data-modified flag as it was.
  static bool SaveDocument(DocumentHost& host, const std::string& path);

private:
  // Reopen and start-up: any kind the editor knows, `forgetMissing` drops a missing path from
  // the recent-files list.
  void OpenKnownFile(DocumentHost& host, const std::string& path, bool forgetMissing);

  satcodx::ImportState m_satcoDx;  // carried from one import to the next
};
