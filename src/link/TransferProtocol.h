// The lock-step protocol spoken with the receiver's loader over a ComChannel: waits, the
// connect step, and the phases of a download and an upload. Every wait pumps the pacer
// before each poll, ends as soon as the channel is closed and pauses 1 ms between polls.
#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "link/ComChannel.h"
#include "link/LinkPacer.h"
#include "link/Messages.h"
#include "link/ReceiverModel.h"

namespace rlink {

// Poll limits and counts of the protocol.
constexpr int kReplyPollLimit = 15000;
constexpr int kHeaderPollLimit = 1000;
constexpr int kDescriptorPollLimit = 1000;
constexpr int kPacketPollLimit = 3000;
constexpr int kPacketPauseMs = 100;
constexpr int kStartPauseMs = 100;  // before the start-download frame, STi5100 only
constexpr int kFailureLimit = 10;

// Called with step j (1-based) of count.
using ProgressFn = std::function<void(int step, int count)>;

class TransferProtocol {
public:
  TransferProtocol(ComChannel& channel, const LinkPacer& pacer, ReceiverModel model = kBuildModel)
      : channel_(channel), pacer_(pacer), model_(model) {}

  // True on failure (fewer than 4 bytes written).
  bool SendControlFrame(int code);
  // A status code, or -1 when the channel closed or the command is unknown.
  int WaitControlFrame();
  // 0x06, 0x15 or 0x02; 0 when none came within `limit` polls or the channel closed.
  int WaitReplyByte(int limit);
  bool SendReplyByte(uint8_t reply);

  // Waits for the loader's connect frame; true when it came first.
  bool Connect();

  // Download phases, over the bytes of the file being sent.
  bool SendStartDownload();
  bool VerifyHeader(const std::vector<uint8_t>& file);
  bool TransferPartitions(const std::vector<uint8_t>& file, int count, const ProgressFn& progress);
  // Waits for count confirmations `wanted` (erase or program); a frame of any other kind
  // counts as a mismatch, and count mismatches in a row fail the phase.
  bool WaitConfirmations(int wanted, int count, const ProgressFn& progress);

  // Upload phases. The header is patched and written at offset 0 of `out`.
  bool SendStartUpload();
  enum class HeaderResult { Good, Missing, BadCrc, WriteError };
  HeaderResult ReceiveHeader(std::FILE* out, uint8_t defaultFlag, uint8_t kind);
  bool SendVerifyResult(bool good);
  bool SendRegionRequest(int kind);
  bool ReceivePartitions(std::FILE* out, int count, const ProgressFn& progress);

private:
  // Polls up to `limit` times for exactly n bytes that `accept` takes.
  template <typename Accept>
  bool PollFor(uint8_t* buffer, int n, int limit, Accept accept);
  bool SendRecord(const uint8_t* bytes, int n);
  bool SendDataRecord(const std::vector<uint8_t>& file, size_t& pos);

  ComChannel& channel_;
  const LinkPacer& pacer_;
  ReceiverModel model_;
  unsigned packetCounter_ = 1;
};

}  // namespace rlink
