// The serial channel the transfer protocol runs on: one open device, polled for complete
// messages and written to in whole. A concrete device supplies the primitive operations;
// the poll and write rules live here so every device (and the in-memory one of the tests)
// behaves the same.
#pragma once
#include <cstdint>

namespace rlink {

class ComChannel {
public:
  static constexpr int kMaxTransfer = 2048;

  virtual ~ComChannel() = default;

  // True from a successful configuration until CloseComPort; every wait of a transfer ends
  // as soon as it turns false.
  bool IsPortOpen() const { return portOpen_; }

  // Poll for exactly n bytes (1..2048): returns n when exactly n bytes were queued and have
  // been taken; -1 otherwise. Fewer bytes stay queued; more are all dropped.
  int ReadComBytes(uint8_t* buffer, int n);

  // Hands all n bytes (1..2048) to the driver; returns the count written, n on success.
  int WriteComBytes(const uint8_t* bytes, int n);

  // Aborts write requests still pending. Bytes already handed to the driver are never
  // discarded. True on failure.
  bool PurgeComPort();

  // Clears the port-open flag first, then closes the device. Nothing when not open.
  void CloseComPort();

protected:
  void SetPortOpen(bool open) { portOpen_ = open; }

  virtual bool HasDevice() const = 0;
  // Bytes waiting in the input queue, -1 on error.
  virtual long QueuedInput() = 0;
  // Reads up to n queued bytes without waiting; the count read, -1 on error.
  virtual int ReadQueued(uint8_t* buffer, int n) = 0;
  // Hands up to n bytes to the driver, waiting while the driver accepts none;
  // the count accepted (at least 1), -1 on error.
  virtual int WriteSome(const uint8_t* bytes, int n) = 0;
  // Aborts output not yet handed to the driver; true on failure.
  virtual bool AbortPendingOutput() = 0;
  virtual void CloseDevice() = 0;

private:
  bool portOpen_ = false;
};

}  // namespace rlink
