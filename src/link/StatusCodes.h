// Status codes 1..24 shared by the control frames and the progress window, their texts and
// the 4-byte control frame encoding.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace rlink {

constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;
constexpr uint8_t kStx = 0x02;
constexpr uint8_t kEtx = 0x03;

enum StatusCode : int {
  kConnecting = 1,
  kConnectFailed = 2,
  kConnectSuccess = 3,
  kStartFrame = 4,
  kVerifying = 5,
  kVerifyFailed = 7,
  kVerifySuccess = 8,
  kTransferring = 9,
  kTransferFailed = 10,
  kTransferSuccess = 11,
  kErasing = 12,
  kEraseFailed = 13,
  kEraseSuccess = 14,
  kProgramming = 15,
  kProgramFailed = 16,
  kProgramSuccess = 17,
  kProgrammingNvm = 18,
  kProgramNvmFailed = 19,
  kProgramNvmSuccess = 20,
  kUpdateFailed = 21,
  kUpdateSuccess = 22,
  kStartUpload = 23,
  kStartDownload = 24,
};

using ControlFrame = std::array<uint8_t, 4>;

// The text of a status code; empty for codes without one.
std::string StatusText(int code);

// 02 command parameter 03; a code without a frame gives 02 00 00 00.
ControlFrame EncodeControlFrame(int code);

// The status code of a received frame (byte 0 must be 0x02; byte 3 is not checked);
// -1 for a command with no code.
int DecodeControlFrame(const uint8_t* frame);

}  // namespace rlink
