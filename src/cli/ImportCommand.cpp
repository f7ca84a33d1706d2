// import: merges the satellites and transponders of a SatcoDX file into a channel file and
// saves the result.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/DocumentIO.h"
#include "cli/CliFiles.h"
#include "cli/Commands.h"
#include "db/M_database.h"
#include "files/PartitionMaps.h"
#include "import/SatcoDxImport.h"

namespace {

const char* kUsage =
    "usage: torvane-cli import FILE.dld SATCODX.sdx OUT.dld [--replace] [--tolerance MHZ]\n"
    "                          [--any-symbol-rate] [--any-polarity] [--any-fec] [--no-new]\n"
    "                          [--satellite SLOT]\n"
    "  --replace        delete the satellite's transponders (and their services) first\n"
    "  --tolerance MHZ  frequency tolerance of merging into an existing satellite (default 1)\n"
    "  --no-new         skip the file when its position is not in FILE.dld\n"
    "  --satellite SLOT slot for a new satellite when no slot is free\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

bool ParseInt(const std::string& text, long min, long max, long& value) {
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return !text.empty() && *end == '\0' && value >= min && value <= max;
}

void PrintReport(const satcodx::FileReport& f) {
  if (f.outcome == satcodx::FileReport::Refused) return;
  if (f.satellite < 0) {
    std::printf("%s: skipped (%s)\n", f.path.c_str(),
                f.noFreeSlot ? "no free satellite slot" : "position not in the file");
    return;
  }
  std::printf("%s: satellite slot %d%s: %d added, %d already present, %d deleted first, %d outside the band",
              f.path.c_str(), f.satellite, f.newSatellite ? " (new)" : "", f.added, f.matched, f.deleted,
              f.outOfRange);
  if (f.notAdded) std::printf(", %d not added (300 per satellite or no free transponder slot)", f.notAdded);
  std::printf("\n");
  if (f.databaseFull) std::printf("%s: Database is full, can not append any more!\n", f.path.c_str());
}

}  // namespace

int CmdImport(const CliArgs& args) {
  satcodx::ImportOptions options;
  long chosen = -1;
  std::string in, sdx, out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    long v = 0;
    if (a == "--replace") options.withSame = 1;
    else if (a == "--no-new") options.withNew = 1;
    else if (a == "--any-symbol-rate") options.sameTpSymbol = false;
    else if (a == "--any-polarity") options.sameTpPolarity = false;
    else if (a == "--any-fec") options.sameTpFec = false;
    else if (a == "--tolerance" && i + 1 < args.size()) {
      if (!ParseInt(args[++i], -32768, 32767, v)) {
        std::fputs("torvane-cli: the tolerance must be a whole number of MHz\n", stderr);
        return 2;
      }
      options.sameTpFreq = static_cast<int16_t>(v);
    } else if (a == "--satellite" && i + 1 < args.size()) {
      if (!ParseInt(args[++i], 0, dblayout::kSatelliteCount - 1, chosen)) {
        std::fprintf(stderr, "torvane-cli: satellite slot must be 0 to %d\n", dblayout::kSatelliteCount - 1);
        return 2;
      }
    } else if (!a.empty() && a[0] != '-' && in.empty()) in = a;
    else if (!a.empty() && a[0] != '-' && sdx.empty()) sdx = a;
    else if (!a.empty() && a[0] != '-' && out.empty()) out = a;
    else return Usage();
  }
  if (out.empty()) return Usage();

  auto db = std::make_unique<m_DataBase>();
  if (!OpenDocumentOrSay(*db, in)) return 2;

  satcodx::ImportState state;
  satcodx::Importer importer(*db, options, state);
  importer.chooseSatellite = [chosen](const satcodx::SdxFile&, const std::string&) { return static_cast<int>(chosen); };
  const satcodx::ImportResult result = importer.ImportSatcodxFiles({sdx});
  for (const auto& f : result.files) PrintReport(f);
  if (!result.error.empty()) {
    std::fprintf(stderr, "%s\n", result.error.c_str());
    return 2;  // nothing of the file was applied; OUT is not written
  }
  if (!SaveDocumentOrSay(*db, out, result.settingsChanged)) return 2;
  return 0;
}
