// The serial device of the receiver link on Qt Serial Port, the device used on Windows.
// It needs no running event loop: the queued input count pulls what the driver holds with a
// zero-time wait, and a write waits until the driver has taken every byte, so no write is
// ever left pending and nothing already written is discarded.
#pragma once
#include <memory>
#include <string>

#include "link/ComChannel.h"
#include "link/serial/PortOpenResult.h"

class QSerialPort;

namespace rlink {

class QtSerialPortChannel : public ComChannel {
public:
  using OpenResult = PortOpenResult;

  QtSerialPortChannel();
  ~QtSerialPortChannel() override;
  QtSerialPortChannel(const QtSerialPortChannel&) = delete;
  QtSerialPortChannel& operator=(const QtSerialPortChannel&) = delete;

  // Closes any open device, then opens `device` (a port name such as "COM3" or "ttyUSB0", or
  // a full device path) exclusively with 115200 bit/s, 8 data bits, even parity, 1 stop bit
  // and no flow control. A device whose configuration fails is closed again.
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
  std::unique_ptr<QSerialPort> port_;
};

}  // namespace rlink
