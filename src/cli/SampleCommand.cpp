#include <cstdio>

#include "app/SampleFile.h"
#include "cli/Commands.h"
#include "files/PartitionMaps.h"

int CmdSample(const CliArgs& args) {
  const char* usage = "usage: torvane-cli sample --profile demo|full|empty [--kind data|default] OUT.dld\n";
  SampleProfile profile = SampleProfile::Demo;
  uint8_t kind = files::kKindData;
  std::string out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--profile" && i + 1 < args.size()) {
      if (!ParseSampleProfile(args[++i], profile)) {
        std::fprintf(stderr, "torvane-cli: unknown profile '%s'\n%s", args[i].c_str(), usage);
        return 2;
      }
    } else if (a == "--kind" && i + 1 < args.size()) {
      const std::string& k = args[++i];
      if (k == "data") kind = files::kKindData;
      else if (k == "default") kind = files::kKindDefault;
      else {
        std::fprintf(stderr, "torvane-cli: unknown kind '%s'\n%s", k.c_str(), usage);
        return 2;
      }
    } else if (out.empty() && !a.empty() && a[0] != '-') {
      out = a;
    } else {
      std::fprintf(stderr, "%s", usage);
      return 2;
    }
  }
  if (out.empty()) {
    std::fprintf(stderr, "%s", usage);
    return 2;
  }
  const DocResult r = WriteSampleFile(out, profile, kind);
  if (!r.ok) {
    std::fprintf(stderr, "%s: %s%s%s\n", out.c_str(), r.message.c_str(), r.detail.empty() ? "" : " - ", r.detail.c_str());
    return 2;
  }
  std::printf("wrote %s\n", out.c_str());
  return 0;
}
