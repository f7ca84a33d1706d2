// Loading a .dld file into the database and saving the database into a .dld file, without any
// window: the pipelines behind Open, Reopen, Save and the command line.
#pragma once
#include <cstdint>
#include <string>

class m_DataBase;

struct DocResult {
  bool ok = false;
  int messageCode = 0;  // catalogue code of the failure, 0 when it has none
  std::string message;  // text for the user: the catalogue text, or a plain description
  std::string detail;   // where and why (offset, record, partition, file-system cause)
};

// Reads the database and the system settings of `path` (of kind `kind`, 17 or 4) into `db`.
// The database is cleared first, so a failed load leaves it empty. `workDir` receives the
// working files of the load (empty: none are written).
DocResult LoadDldFile(m_DataBase& db, const std::string& path, const std::string& workDir);

// Saves `db` as a container of the database's current file kind at `path`. The target is written
// beside itself and renamed over the old file only when complete. `systemEdited`: the system
// settings record was changed (or must be written because the kind changes).
DocResult SaveDldFile(m_DataBase& db, const std::string& path, const std::string& workDir, bool systemEdited);

// The file kind at byte 60 of `path` (17 data, 4 default), 0 when unreadable.
uint8_t ReadDldFileKind(const std::string& path);
