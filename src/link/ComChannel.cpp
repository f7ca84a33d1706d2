#include "link/ComChannel.h"

#include <cstring>

namespace rlink {

int ComChannel::ReadComBytes(uint8_t* buffer, int n) {
  if (n < 1 || n > kMaxTransfer || !portOpen_) return -1;
  const long queued = QueuedInput();
  if (queued < 0) {
    // The device failed or hung up: end every wait instead of polling a dead line.
    CloseComPort();
    return -1;
  }
  if (queued < n) return -1;
  if (queued > n) {
    // Two messages piled up: neither can be trusted, so both go.
    uint8_t drop[kMaxTransfer];
    long left = queued;
    while (left > 0) {
      const int got = ReadQueued(drop, left > kMaxTransfer ? kMaxTransfer : static_cast<int>(left));
      if (got <= 0) break;
      left -= got;
    }
    PurgeComPort();
    return -1;
  }
  uint8_t tmp[kMaxTransfer];
  int total = 0;
  while (total < n) {
    const int got = ReadQueued(tmp + total, n - total);
    if (got <= 0) break;
    total += got;
  }
  if (total < n) return -1;
  std::memcpy(buffer, tmp, static_cast<size_t>(n));
  return n;
}

int ComChannel::WriteComBytes(const uint8_t* bytes, int n) {
  PurgeComPort();
  if (n < 1 || n > kMaxTransfer || !portOpen_) return -1;
  int total = 0;
  while (total < n) {
    const int put = WriteSome(bytes + total, n - total);
    if (put <= 0) break;
    total += put;
  }
  return total;
}

bool ComChannel::PurgeComPort() {
  if (!HasDevice()) return true;
  return AbortPendingOutput();
}

void ComChannel::CloseComPort() {
  if (!portOpen_ || !HasDevice()) return;
  portOpen_ = false;
  CloseDevice();
}

}  // namespace rlink
