#include "cli/CliFiles.h"

#include <cstdio>

#include "app/DocumentIO.h"
#include "db/M_database.h"
#include "files/PartitionMaps.h"

namespace {

void Say(const std::string& path, const DocResult& r) {
  std::fprintf(stderr, "%s: %s%s%s\n", path.c_str(), r.message.c_str(), r.detail.empty() ? "" : " - ",
               r.detail.c_str());
}

}  // namespace

bool OpenDocumentOrSay(m_DataBase& db, const std::string& path) {
  const uint8_t kind = ReadDldFileKind(path);
  if (kind != files::kKindData && kind != files::kKindDefault) {
    std::fprintf(stderr, "%s: %s (file kind %d)\n", path.c_str(),
                 kind == 0 ? "Open File Error: file not exist!" : "Open File Error: partition number wrong!", kind);
    return false;
  }
  db.SetFileKind(kind);
  const DocResult r = LoadDldFile(db, path, "");
  if (!r.ok) Say(path, r);
  return r.ok;
}

bool SaveDocumentOrSay(m_DataBase& db, const std::string& path, bool settingsEdited) {
  const DocResult r = SaveDldFile(db, path, "", settingsEdited);
  if (!r.ok) Say(path, r);
  return r.ok;
}
