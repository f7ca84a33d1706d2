// Command-line options of the receiver simulator.
#pragma once
#include <string>

struct SimOptions {
  std::string device;          // empty: create a pseudo-terminal and print its path
  std::string serve;           // container sent on an upload
  std::string save;            // where a downloaded container is written
  bool wrongFirstFrame = false;
  bool silent = false;         // never announce itself
  bool nakHeader = false;      // refuse the first header of a download once
  bool badHeaderCrc = false;   // upload: send a header whose CRC is wrong
  int nakPacket = 0;           // download: refuse packet K (1-based) once
  int corruptPacket = 0;       // upload: send packet K with a wrong checksum once
  int corruptDescriptor = 0;   // upload: send descriptor K with a wrong CRC once
  int stallAfterPackets = -1;  // fall silent after K packets
  int failErase = 0;           // send an erase failure frame before confirmation I
  int failProgram = 0;         // the same for program
  int timeoutMs = 20000;       // give up when the editor stays silent this long
};

// Parses argv; false (with a message on stderr) on bad usage.
bool ParseSimOptions(int argc, char** argv, SimOptions& out);
