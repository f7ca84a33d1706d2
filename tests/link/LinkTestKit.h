// Helpers of the link tests: hand-made containers, an in-memory channel with a scripted
// loader, a recording observer and a running receiver simulator.
#pragma once
#include <sys/types.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/ComChannel.h"
#include "link/TransferObserver.h"

namespace linktest {

using Bytes = std::vector<uint8_t>;

// A container of `kind` partitions whose data records carry sizes[i] (cycled) arbitrary
// bytes. Descriptors hold a block count of 0 (valid CRC), which an upload must correct.
Bytes MakeContainer(uint8_t kind, const std::vector<uint32_t>& sizes, uint8_t seed = 1);

// What an upload of `served` must store: header bytes 59..63 and descriptor block counts
// rewritten, CRCs refreshed.
Bytes ExpectedUpload(const Bytes& served, uint8_t defaultFlag, uint8_t kind);

// In-memory channel: messages queued by the test become visible one at a time, as a
// lock-step loader would send them; every write is recorded and handed to onWrite.
class FakeChannel : public rlink::ComChannel {
public:
  FakeChannel() { SetPortOpen(true); }
  std::deque<Bytes> incoming;
  std::vector<Bytes> written;
  std::function<void(const Bytes&)> onWrite;
  bool failWrites = false;

protected:
  bool HasDevice() const override { return device_; }
  long QueuedInput() override { return incoming.empty() ? 0 : static_cast<long>(incoming.front().size()); }
  int ReadQueued(uint8_t* buffer, int n) override;
  int WriteSome(const uint8_t* bytes, int n) override;
  bool AbortPendingOutput() override { return false; }
  void CloseDevice() override { device_ = false; }

private:
  bool device_ = true;
};

// A loader on a FakeChannel answering a download: header and descriptor replies come from
// the scripts (default ACK), each packet's reply from packetReply (0 = silence), and once
// the last packet is acknowledged the confirmation frames (erase then program) are queued.
struct DownloadPeer {
  explicit DownloadPeer(FakeChannel& channel, uint8_t kind);
  std::function<uint8_t(int n)> headerReply = [](int) { return uint8_t{0x06}; };
  std::function<uint8_t(int n)> descriptorReply = [](int) { return uint8_t{0x06}; };
  std::function<uint8_t(int n)> packetReply = [](int) { return uint8_t{0x06}; };
  std::vector<Bytes> confirmations;
  int headers = 0, descriptors = 0, packets = 0;

private:
  void OnWrite(const Bytes& m);
  FakeChannel& channel_;
  uint8_t kind_;
  int acceptedDescriptors_ = 0;
  long recordLeft_ = 0;
};

struct RecordingObserver : rlink::TransferObserver {
  std::vector<std::string> statuses;
  int progressCalls = 0;
  void OnStatus(const std::string& text) override { statuses.push_back(text); }
  void OnProgress(rlink::ProgressPhase, int, int) override { ++progressCalls; }
  bool Saw(const std::string& text) const;
};

// torvane-receiver-sim on a fresh pseudo-terminal.
class Simulator {
public:
  explicit Simulator(const std::vector<std::string>& args);
  ~Simulator();
  const std::string& Device() const { return device_; }
  int Wait();  // exit code

private:
  pid_t pid_ = -1;
  std::string device_;
};

}  // namespace linktest
