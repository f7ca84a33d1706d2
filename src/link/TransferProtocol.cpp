#include "link/TransferProtocol.h"

#include <algorithm>

#include "files/Bytes.h"
#include "link/StatusCodes.h"

namespace rlink {

namespace {
bool WriteAt(std::FILE* f, long offset, const uint8_t* bytes, size_t n) {
  return std::fseek(f, offset, SEEK_SET) == 0 && std::fwrite(bytes, 1, n, f) == n;
}
}  // namespace

bool TransferProtocol::SendControlFrame(int code) {
  const ControlFrame f = EncodeControlFrame(code);
  return channel_.WriteComBytes(f.data(), 4) != 4;
}

int TransferProtocol::WaitControlFrame() {
  uint8_t f[4];
  for (;;) {
    pacer_.Pump();
    if (!channel_.IsPortOpen()) return -1;
    if (channel_.ReadComBytes(f, 4) == 4 && f[0] == kStx) return DecodeControlFrame(f);
    pacer_.Pause(1);
  }
}

int TransferProtocol::WaitReplyByte(int limit) {
  uint8_t b = 0;
  for (int i = 0; i < limit; ++i) {
    pacer_.Pump();
    if (!channel_.IsPortOpen()) return 0;
    if (channel_.ReadComBytes(&b, 1) == 1 && (b == kAck || b == kNak || b == kStx)) return b;
    pacer_.Pause(1);
  }
  return 0;
}

bool TransferProtocol::SendReplyByte(uint8_t reply) { return channel_.WriteComBytes(&reply, 1) == 1; }

template <typename Accept>
bool TransferProtocol::PollFor(uint8_t* buffer, int n, int limit, Accept accept) {
  for (int i = 0; i < limit; ++i) {
    pacer_.Pump();
    if (!channel_.IsPortOpen()) return false;
    if (channel_.ReadComBytes(buffer, n) == n && accept(buffer)) return true;
    pacer_.Pause(1);
  }
  return false;
}

bool TransferProtocol::Connect() { return WaitControlFrame() == kConnecting; }

bool TransferProtocol::SendStartDownload() {
  if (model_ == ReceiverModel::STi5100) pacer_.Pause(kStartPauseMs);
  return !SendControlFrame(kStartDownload);
}

bool TransferProtocol::SendRecord(const uint8_t* bytes, int n) {
  return channel_.WriteComBytes(bytes, n) == n && WaitReplyByte(kReplyPollLimit) == kAck;
}

bool TransferProtocol::VerifyHeader(const std::vector<uint8_t>& file) {
  if (file.size() < 3 || file[0] != 0x11) return false;
  const size_t n = bytes::GetU16(file.data() + 1) + 3u;
  // A header that does not fit its message, or runs past the file, is never sent.
  if (n > kMaxHeaderSend || n > file.size()) return false;
  int incomplete = 0;
  for (;;) {
    if (channel_.WriteComBytes(file.data(), static_cast<int>(n)) != static_cast<int>(n)) {
      if (++incomplete >= kFailureLimit) return false;
      continue;
    }
    incomplete = 0;
    if (WaitReplyByte(kReplyPollLimit) == kAck) break;
  }
  return WaitControlFrame() == kVerifySuccess;
}

bool TransferProtocol::TransferPartitions(const std::vector<uint8_t>& file, int count, const ProgressFn& progress) {
  size_t pos = kHeaderRecordSize;
  packetCounter_ = 1;
  int failures = 0;
  for (int j = 1; j <= count; ++j) {
    for (;;) {
      if (failures >= kFailureLimit) return false;
      bool sent = false;
      size_t n = 0;
      if (pos + 1 < file.size() && file[pos] == 0x22) {
        n = file[pos + 1] + 2u;
        if (n <= kMaxDescriptorSend && pos + n <= file.size())
          sent = SendRecord(file.data() + pos, static_cast<int>(n));
      }
      if (sent) {
        pos += n;
        failures = 0;
        break;
      }
      ++failures;
    }
    if (progress) progress(j, count);
    if (pos >= file.size() || file[pos] != 0x33) continue;  // no data record to send
    if (!SendDataRecord(file, pos)) return false;
  }
  return true;
}

bool TransferProtocol::SendDataRecord(const std::vector<uint8_t>& file, size_t& pos) {
  if (pos + 4 > file.size()) return false;
  const size_t end = pos + bytes::GetU24(file.data() + pos + 1) + 4u;
  // A record cut short by the end of the file is not sent with made-up bytes.
  if (end > file.size()) return false;
  while (pos < end) {
    const size_t n = std::min<size_t>(kPacketPayload, end - pos);
    const Packet p = BuildDataPacket(static_cast<uint8_t>(packetCounter_ & 0xFF), file.data() + pos, n);
    int failures = 0;
    for (;;) {
      const bool written = channel_.WriteComBytes(p.data(), kPacketSize) == kPacketSize;
      if (written) pacer_.Pause(kPacketPauseMs);
      if (written && WaitReplyByte(kReplyPollLimit) == kAck) break;
      if (++failures >= kFailureLimit) return false;
    }
    pos += n;
    ++packetCounter_;
  }
  return true;
}

bool TransferProtocol::WaitConfirmations(int wanted, int count, const ProgressFn& progress) {
  int mismatches = 0;
  for (int i = 1; i <= count;) {
    if (WaitControlFrame() == wanted) {
      if (progress) progress(i, count);
      ++i;
      mismatches = 0;
    } else if (++mismatches >= count) {
      return false;
    }
  }
  return true;
}

bool TransferProtocol::SendStartUpload() { return !SendControlFrame(kStartUpload); }

TransferProtocol::HeaderResult TransferProtocol::ReceiveHeader(std::FILE* out, uint8_t defaultFlag, uint8_t kind) {
  uint8_t h[kHeaderRecordSize];
  bool got = false;
  for (int attempt = 0; attempt < kFailureLimit && channel_.IsPortOpen(); ++attempt) {
    got = PollFor(h, kHeaderRecordSize, kHeaderPollLimit, [](const uint8_t* b) { return b[0] == 0x11; });
    SendReplyByte(got ? kAck : kNak);
    if (got) break;
  }
  if (!got) return HeaderResult::Missing;
  if (!CheckAndPatchUploadHeader(h, defaultFlag, kind)) return HeaderResult::BadCrc;
  return WriteAt(out, 0, h, sizeof h) ? HeaderResult::Good : HeaderResult::WriteError;
}

bool TransferProtocol::SendVerifyResult(bool good) { return !SendControlFrame(good ? kVerifySuccess : kVerifyFailed); }

bool TransferProtocol::SendRegionRequest(int kind) {
  const Packet p = BuildRegionRequest(model_, kind);
  if (channel_.WriteComBytes(p.data(), kPacketSize) != kPacketSize) return false;
  WaitReplyByte(kReplyPollLimit);  // whatever the answer, the upload goes on
  return true;
}

bool TransferProtocol::ReceivePartitions(std::FILE* out, int count, const ProgressFn& progress) {
  long writePos = kHeaderRecordSize;
  int failures = 0;
  for (int j = 1; j <= count; ++j) {
    uint8_t d[kDescriptorRecordSize];
    uint32_t left = 0;
    long dataPos = 0;
    for (;;) {
      if (failures >= kFailureLimit || !channel_.IsPortOpen()) return false;
      if (PollFor(d, kDescriptorRecordSize, kDescriptorPollLimit, [](const uint8_t* b) { return b[0] == 0x22; }) &&
          IsValidDescriptor(d)) {
        const uint32_t s = PatchUploadDescriptor(d);
        if (!WriteAt(out, writePos, d, sizeof d)) return false;
        left = s + 8;
        dataPos = writePos + kDescriptorRecordSize;
        writePos = dataPos + static_cast<long>(left);
        SendReplyByte(kAck);
        failures = 0;
        break;
      }
      SendReplyByte(kNak);
      ++failures;
    }
    if (progress) progress(j, count);
    Packet p;
    while (left > 0) {
      if (failures >= kFailureLimit || !channel_.IsPortOpen()) return false;
      if (PollFor(p.data(), kPacketSize, kPacketPollLimit, [](const uint8_t*) { return true; }) &&
          IsValidDataPacket(p)) {
        const uint32_t n = std::min<uint32_t>(kPacketPayload, left);
        if (!WriteAt(out, dataPos, p.data() + 3, n)) return false;
        dataPos += static_cast<long>(n);
        left -= n;
        SendReplyByte(kAck);
        failures = 0;
        continue;
      }
      SendReplyByte(kNak);
      ++failures;
    }
  }
  return true;
}

}  // namespace rlink
