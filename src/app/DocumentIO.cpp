#include "app/DocumentIO.h"

#include <array>
#include <filesystem>

#include "app/MessageCatalogue.h"
#include "db/M_database.h"

namespace {

DocResult Failure(const m_DLDFile& file) {
  DocResult r;
  r.messageCode = file.LastMessageCode();
  r.detail = file.LastErrorDetail();
  r.message = r.messageCode ? GetMessageText(static_cast<uint16_t>(r.messageCode))
                            : file.LastError() == DldError::DatabaseTooLarge ? "Save File Error: the database is too large"
                                                                            : "Save File Error";
  return r;
}

}  // namespace

uint8_t ReadDldFileKind(const std::string& path) { return m_DLDFile::ReadFileKind(path); }

DocResult LoadDldFile(m_DataBase& db, const std::string& path, const std::string& workDir) {
  db.ResetFileState();
  db.ClearDatabase();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    DocResult r;
    r.messageCode = 3;
    r.message = GetMessageText(3);
    r.detail = path;
    return r;
  }
  m_DLDFile::Bytes block;
  if (!db.LoadDldBlock(path, workDir, block)) return Failure(db);
  if (db.SystemSlotFound()) db.DecodeSystemRecord(db.SystemRecord());
  db.DecodeDatabase(block.data());
  DocResult r;
  r.ok = true;
  return r;
}

DocResult SaveDldFile(m_DataBase& db, const std::string& path, const std::string& workDir, bool systemEdited) {
  const std::vector<uint8_t> block = db.EncodeDatabase();
  std::array<uint8_t, 508> record{};
  // Start from the record as loaded so bytes the editor does not interpret are written back.
  std::copy(db.SystemRecord(), db.SystemRecord() + record.size(), record.begin());
  db.EncodeSystemRecord(record.data());
  if (!db.SaveDldBlock(path, workDir, block, record.data(), systemEdited)) return Failure(db);
  DocResult r;
  r.ok = true;
  return r;
}
