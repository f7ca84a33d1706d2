#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const CliArgs&);
  const char* usage;
};

const Command kCommands[] = {
    {"sample", CmdSample, "sample --profile demo|full|empty [--kind data|default] OUT.dld"},
    {"info", CmdInfo, "info FILE.dld"},
    {"verify", CmdVerify, "verify FILE.dld"},
    {"dump", CmdDump, "dump FILE.dld [--json]"},
    {"resave", CmdResave, "resave IN.dld OUT.dld"},
    {"optimize", CmdOptimize, "optimize FILE OUT [--no-unused] [--no-multiple] [--satellite SLOT] ..."},
    {"import", CmdImport, "import FILE.dld SATCODX.sdx OUT.dld [--replace] [--tolerance MHZ] [--no-new] ..."},
    {"download", CmdDownload, "download --port DEVICE FILE"},
    {"upload", CmdUpload, "upload --port DEVICE --kind data|default OUT.dld"},
};

void PrintUsage() {
  std::fprintf(stderr, "usage: torvane-cli COMMAND ...\ncommands:\n");
  for (const auto& c : kCommands) std::fprintf(stderr, "  %s\n", c.usage);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    PrintUsage();
    return argc < 2 ? 2 : 0;
  }
  CliArgs args(argv + 2, argv + argc);
  for (const auto& c : kCommands)
    if (c.name == std::string(argv[1])) return c.run(args);
  std::fprintf(stderr, "torvane-cli: unknown command '%s'\n", argv[1]);
  PrintUsage();
  return 2;
}
