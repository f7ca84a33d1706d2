#include "SimOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
const char* kUsage =
    "usage: torvane-receiver-sim [--device PATH] [--serve FILE.dld] [--save OUT.dld]\n"
    "  [--wrong-first-frame] [--silent] [--nak-header] [--bad-header-crc]\n"
    "  [--nak-packet K] [--corrupt-packet K] [--corrupt-descriptor K] [--stall-after-packets K]\n"
    "  [--fail-erase I] [--fail-program I] [--timeout-ms N]\n"
    "Without --device a pseudo-terminal is created and its path printed on the first line.\n";
}

bool ParseSimOptions(int argc, char** argv, SimOptions& o) {
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    auto value = [&](const char*& v) {
      if (i + 1 >= argc) return false;
      v = argv[++i];
      return true;
    };
    auto number = [&](int& n) {
      const char* v = nullptr;
      if (!value(v)) return false;
      n = std::atoi(v);
      return true;
    };
    const char* v = nullptr;
    bool ok = true;
    if (!std::strcmp(a, "--device")) ok = value(v) && (o.device = v, true);
    else if (!std::strcmp(a, "--serve")) ok = value(v) && (o.serve = v, true);
    else if (!std::strcmp(a, "--save")) ok = value(v) && (o.save = v, true);
    else if (!std::strcmp(a, "--wrong-first-frame")) o.wrongFirstFrame = true;
    else if (!std::strcmp(a, "--silent")) o.silent = true;
    else if (!std::strcmp(a, "--nak-header")) o.nakHeader = true;
    else if (!std::strcmp(a, "--bad-header-crc")) o.badHeaderCrc = true;
    else if (!std::strcmp(a, "--nak-packet")) ok = number(o.nakPacket);
    else if (!std::strcmp(a, "--corrupt-packet")) ok = number(o.corruptPacket);
    else if (!std::strcmp(a, "--corrupt-descriptor")) ok = number(o.corruptDescriptor);
    else if (!std::strcmp(a, "--stall-after-packets")) ok = number(o.stallAfterPackets);
    else if (!std::strcmp(a, "--fail-erase")) ok = number(o.failErase);
    else if (!std::strcmp(a, "--fail-program")) ok = number(o.failProgram);
    else if (!std::strcmp(a, "--timeout-ms")) ok = number(o.timeoutMs);
    else ok = false;
    if (!ok) {
      std::fputs(kUsage, stderr);
      return false;
    }
  }
  return true;
}
