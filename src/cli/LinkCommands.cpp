#include <cstdio>

#include "cli/Commands.h"

int CmdDownload(const CliArgs&) {
  std::fprintf(stderr, "torvane-cli: download is not available yet\n");
  return 2;
}

int CmdUpload(const CliArgs&) {
  std::fprintf(stderr, "torvane-cli: upload is not available yet\n");
  return 2;
}
