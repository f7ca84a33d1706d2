// info, verify, dump and resave: reading and re-writing .dld files without the window.
#include <cstdio>
#include <memory>
#include <string>

#include "app/DocumentIO.h"
#include "cli/CliFiles.h"
#include "cli/Commands.h"
#include "cli/DumpJson.h"
#include "db/M_database.h"
#include "files/PartitionMaps.h"

namespace {

const char* KindName(int kind) {
  return kind == files::kKindData ? "data" : kind == files::kKindDefault ? "default" : "unknown";
}

int Usage(const char* text) {
  std::fprintf(stderr, "usage: torvane-cli %s\n", text);
  return 2;
}

}  // namespace

int CmdInfo(const CliArgs& args) {
  if (args.size() != 1) return Usage("info FILE.dld");
  auto db = std::make_unique<m_DataBase>();
  if (!OpenDocumentOrSay(*db, args[0])) return 2;
  const uint8_t kind = db->FileKind();
  std::printf("file: %s\n", args[0].c_str());
  std::printf("model: %s\n", files::ModelName(files::kBuildModel));
  std::printf("kind: %d (%s)\n", kind, KindName(kind));
  std::printf("partitions: %d\n", kind);
  for (int i = 0; i < kind; ++i) {
    uint32_t address = 0;
    const bool has = files::PartitionFlashAddress(kind, i, address);
    std::printf("  %2d  flash 0x%08X  size %6u  image offset 0x%06X\n", i, has ? address : 0xFFFFFFFFu,
                files::PartitionSize(kind, i), files::PartitionImageOffset(kind, i));
  }
  std::printf("bank: %d\n", db->CurrentBank());
  if (db->SystemSlotFound())
    std::printf("system slot: 0x%06zX\n", db->SystemSlotOffset());
  else
    std::printf("system slot: none (settings keep their defaults)\n");
  int named = 0;
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) named += !db->GetAntennaName(s).empty();
  std::printf("satellites: %d slots, %d named\n", dblayout::kSatelliteCount, named);
  std::printf("transponders: %d\n", db->GetTransponderCount());
  std::printf("terrestrial transponders: %d\n", db->GetTerTransponderCount());
  std::printf("services: %d (tv %d, radio %d, data %d)\n", db->GetUsedServiceCount(), db->GetUsedServiceTypeCount(0),
              db->GetUsedServiceTypeCount(1), db->GetUsedServiceTypeCount(2));
  int providers = 0, cas = 0;
  for (int i = 0; i < dblayout::kProviderCount; ++i) providers += db->IsProviderUsed(i);
  for (int i = 0; i < dblayout::kCasCount; ++i) cas += db->IsCasUsed(i);
  std::printf("providers: %d\n", providers);
  std::printf("ca systems: %d\n", cas);
  if (db->GetProgramMarker() == dblayout::kMarkerNoFavorites) {
    std::printf("favorite groups: absent\n");
  } else {
    int groups = 0;
    for (int g = 0; g < dblayout::kFavoriteGroupCount; ++g) groups += db->GetFavoriteGroupCount(g) > 0;
    std::printf("favorite groups: %d in use\n", groups);
  }
  return 0;
}

int CmdVerify(const CliArgs& args) {
  if (args.size() != 1) return Usage("verify FILE.dld");
  auto db = std::make_unique<m_DataBase>();
  // Opening checks every record CRC, the bank with its CRC table and the database stream.
  if (!OpenDocumentOrSay(*db, args[0])) return 2;
  int errors = 0, warnings = 0;
  std::printf("ok: container records and CRCs (%d partitions)\n", db->FileKind());
  std::printf("ok: bank %d and its CRC table\n", db->CurrentBank());
  if (db->SystemSlotFound()) {
    std::printf("ok: system slot at 0x%06zX\n", db->SystemSlotOffset());
  } else {
    std::printf("warning: no valid system settings slot\n");
    ++warnings;
  }
  for (const DbFinding& f : db->CheckDatabaseConsistency()) {
    const bool error = f.severity == DbFinding::ERROR;
    std::printf("%s: %s\n", error ? "error" : "warning", f.text.c_str());
    (error ? errors : warnings)++;
  }
  std::printf("%d errors, %d warnings\n", errors, warnings);
  return errors ? 1 : 0;
}

int CmdDump(const CliArgs& args) {
  bool json = false;
  std::string path;
  for (const auto& a : args) {
    if (a == "--json")
      json = true;
    else if (path.empty())
      path = a;
    else
      return Usage("dump FILE.dld [--json]");
  }
  if (path.empty()) return Usage("dump FILE.dld [--json]");
  auto db = std::make_unique<m_DataBase>();
  if (!OpenDocumentOrSay(*db, path)) return 2;
  const std::string out = json ? DumpJson(*db) : DumpText(*db);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

int CmdResave(const CliArgs& args) {
  if (args.size() != 2) return Usage("resave IN.dld OUT.dld");
  auto db = std::make_unique<m_DataBase>();
  if (!OpenDocumentOrSay(*db, args[0])) return 2;
  if (!SaveDocumentOrSay(*db, args[1], false)) return 2;
  std::printf("saved %s\n", args[1].c_str());
  return 0;
}
