// optimize: removes unused and duplicate transponders of one satellite, or of every satellite,
// and saves the result.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/DocumentIO.h"
#include "cli/CliFiles.h"
#include "cli/Commands.h"
#include "db/M_database.h"
#include "files/PartitionMaps.h"

namespace {

const char* kUsage =
    "usage: torvane-cli optimize FILE OUT [--no-unused] [--no-multiple] [--satellite SLOT]\n"
    "                            [--exact-frequency] [--same-symbol-rate] [--same-polarity] [--same-fec]\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int CmdOptimize(const CliArgs& args) {
  OptimizeOptions options;
  options.unusedTp = true;
  options.multipleTp = true;
  options.multipleTpFreq = true;
  int only = -1;
  std::string in, out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--no-unused") options.unusedTp = false;
    else if (a == "--no-multiple") options.multipleTp = false;
    else if (a == "--exact-frequency") options.multipleTpFreq = false;
    else if (a == "--same-symbol-rate") options.sameSymbolRate = true;
    else if (a == "--same-polarity") options.samePolarity = true;
    else if (a == "--same-fec") options.sameFec = true;
    else if (a == "--satellite" && i + 1 < args.size()) {
      char* end = nullptr;
      const long slot = std::strtol(args[++i].c_str(), &end, 10);
      if (*end || args[i].empty() || slot < 0 || slot >= dblayout::kSatelliteCount) {
        std::fprintf(stderr, "torvane-cli: satellite slot must be 0 to %d\n", dblayout::kSatelliteCount - 1);
        return 2;
      }
      only = static_cast<int>(slot);
    } else if (!a.empty() && a[0] != '-' && in.empty()) in = a;
    else if (!a.empty() && a[0] != '-' && out.empty()) out = a;
    else return Usage();
  }
  if (in.empty() || out.empty()) return Usage();

  auto db = std::make_unique<m_DataBase>();
  if (!OpenDocumentOrSay(*db, in)) return 2;
  OptimizeResult total;
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) {
    if (only >= 0 && s != only) continue;
    ViewState view;
    view.viewMode = VIEW_ALL;
    view.deliveryKind = DELIVERY_SATELLITE;
    view.satellite = s;
    db->SetViewState(view);
    db->BuildTransponderView();
    const OptimizeResult r = db->RunOptimize(options);
    total.unusedDeleted += r.unusedDeleted;
    total.multipleMerged += r.multipleMerged;
  }
  std::printf("%s\n", m_DataBase::OptimizeReport(total).c_str());
  if (!SaveDocumentOrSay(*db, out, false)) return 2;
  return 0;
}
