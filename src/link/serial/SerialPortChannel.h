// The serial device of the receiver link on POSIX systems (see LinkChannel.h), a termios
// port opened non-blocking: the queued input count comes from FIONREAD, reads take what is
// queued and writes hand every byte to the driver before returning, so no write request is
// ever left pending and nothing already written is discarded.
#pragma once
#include <string>

#include "link/ComChannel.h"
#include "link/serial/PortOpenResult.h"

#ifndef _WIN32
namespace rlink {

class SerialPortChannel : public ComChannel {
public:
  using OpenResult = PortOpenResult;

  SerialPortChannel() = default;
  ~SerialPortChannel() override;
  SerialPortChannel(const SerialPortChannel&) = delete;
  SerialPortChannel& operator=(const SerialPortChannel&) = delete;

  // Closes any open device, then opens `device` exclusively and sets 115200 bit/s, 8 data
  // bits, even parity, 1 stop bit, raw bytes. A device whose configuration fails is closed
  // again.
  OpenResult Open(const std::string& device);

  bool IsDeviceOpen() const { return HasDevice(); }

protected:
  bool HasDevice() const override;
  long QueuedInput() override;
  int ReadQueued(uint8_t* buffer, int n) override;
  int WriteSome(const uint8_t* bytes, int n) override;
  bool AbortPendingOutput() override;
  void CloseDevice() override;

private:
  bool Configure();
  int fd_ = -1;
};

}  // namespace rlink
#endif  // !_WIN32
