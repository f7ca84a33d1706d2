#include <cstdio>

#include "cli/Commands.h"

int CmdSample(const CliArgs&) {
  std::fprintf(stderr, "torvane-cli: sample is not available yet\n");
  return 2;
}
