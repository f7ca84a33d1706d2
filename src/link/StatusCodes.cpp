#include "link/StatusCodes.h"

namespace rlink {

std::string StatusText(int code) {
  switch (code) {
    case 1: return "Connectting...";
    case 2: return "Connect failed!";
    case 3: return "Connect Success!";
    case 5: return "Verify...";
    case 7: return "Verify failed!";
    case 8: return "Verify Success!";
    case 9: return "Transfer...";
    case 10: return "Transfer failed!";
    case 11: return "Transfer Success!";
    case 12: return "Erase flash...";
    case 13: return "Erase flash failed!";
    case 14: return "Erase flash Success!";
    case 15: return "Program flash...";
    case 16: return "Program flash failed!";
    case 17: return "Program flash Success!";
    case 18: return "Program NVM...";
    case 19: return "Program NVM failed!";
    case 20: return "Program NVM Success!";
    case 21: return "Update failed!";
    case 22: return "Update Success!";
    default: return "";
  }
}

ControlFrame EncodeControlFrame(int code) {
  uint8_t command = 0, parameter = 0;
  switch (code) {
    case 1: command = 0x01; break;
    case 4: command = 0x02; break;
    case 7: command = 0x04; break;
    case 8: command = 0x04; parameter = 1; break;
    case 9: command = 0x05; break;
    case 13: command = 0x06; break;
    case 14: command = 0x06; parameter = 1; break;
    case 16: command = 0x07; break;
    case 17: command = 0x07; parameter = 1; break;
    case 21: command = 0x09; break;
    case 22: command = 0x09; parameter = 1; break;
    case 23: command = 0x0A; break;
    case 24: command = 0x0B; break;
    default: return {kStx, 0, 0, 0};
  }
  return {kStx, command, parameter, kEtx};
}

int DecodeControlFrame(const uint8_t* frame) {
  if (frame[0] != kStx) return -1;
  const bool ok = frame[2] != 0;
  switch (frame[1]) {
    case 0x01: return kConnecting;
    case 0x02: return kStartFrame;
    case 0x04: return ok ? kVerifySuccess : kVerifyFailed;
    case 0x05: return kTransferring;
    case 0x06: return ok ? kEraseSuccess : kEraseFailed;
    case 0x07: return ok ? kProgramSuccess : kProgramFailed;
    case 0x08: return ok ? kProgramNvmSuccess : kProgramNvmFailed;
    case 0x0A: return kStartUpload;
    case 0x0B: return kStartDownload;
    default: return -1;
  }
}

}  // namespace rlink
