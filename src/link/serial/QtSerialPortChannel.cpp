#include "link/serial/QtSerialPortChannel.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QString>

namespace rlink {

namespace {
// A write waits this long for the driver to take all its bytes before it gives up.
constexpr int kWriteStallMs = 10000;
}  // namespace

QtSerialPortChannel::QtSerialPortChannel() : port_(new QSerialPort) {}

QtSerialPortChannel::~QtSerialPortChannel() {
  CloseComPort();
  CloseDevice();
}

QtSerialPortChannel::OpenResult QtSerialPortChannel::Open(const std::string& device) {
  CloseComPort();
  CloseDevice();
  port_->setPortName(QString::fromStdString(device));
  // Set before opening: QSerialPort applies them while it opens and fails the open when the
  // device refuses them. (Set on an open pseudo-terminal, even parity would be refused,
  // since such a line has no parity; applied while opening it is left out and the line works.)
  port_->setBaudRate(QSerialPort::Baud115200);
  port_->setDataBits(QSerialPort::Data8);
  port_->setParity(QSerialPort::EvenParity);
  port_->setStopBits(QSerialPort::OneStop);
  port_->setFlowControl(QSerialPort::NoFlowControl);
  port_->setReadBufferSize(0);
  if (!port_->open(QIODevice::ReadWrite)) {
    // The device opened but its line settings could not be read or written (not a serial
    // line, settings out of range); QSerialPort has closed it already. Anything else (absent,
    // no permission, held by another program or channel) is a failure to open.
    const bool configFailed = port_->error() == QSerialPort::UnsupportedOperationError;
    CloseDevice();
    return configFailed ? OpenResult::ConfigFailed : OpenResult::OpenFailed;
  }
  SetPortOpen(true);
  if (PurgeComPort()) {
    SetPortOpen(false);
    CloseDevice();
    return OpenResult::ConfigFailed;
  }
  return OpenResult::Configured;
}

bool QtSerialPortChannel::HasDevice() const { return port_->isOpen(); }

long QtSerialPortChannel::QueuedInput() {
  // Take what the driver holds into the port's buffer without waiting.
  port_->clearError();
  port_->waitForReadyRead(0);
  switch (port_->error()) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:  // nothing arrived during the zero-time wait
      break;
    default:
      // A device that failed or whose other end is gone (a USB adapter pulled out: a resource
      // error; a pseudo-terminal whose master closed: its read reports end of file, a read
      // error) would otherwise be waited on forever.
      return -1;
  }
  return static_cast<long>(port_->bytesAvailable());
}

int QtSerialPortChannel::ReadQueued(uint8_t* buffer, int n) {
  const qint64 got = port_->read(reinterpret_cast<char*>(buffer), n);
  return got < 0 ? -1 : static_cast<int>(got);
}

int QtSerialPortChannel::WriteSome(const uint8_t* bytes, int n) {
  port_->clearError();
  if (port_->write(reinterpret_cast<const char*>(bytes), n) != n) {
    CloseComPort();
    CloseDevice();
    return -1;
  }
  const QDeadlineTimer deadline(kWriteStallMs);
  while (port_->bytesToWrite() > 0) {
    if (!port_->waitForBytesWritten(static_cast<int>(deadline.remainingTime())) || deadline.hasExpired()) break;
  }
  if (port_->bytesToWrite() > 0) {
    // The driver stopped taking bytes, or the device failed. What is left sits in the port's
    // own buffer, where a later write would send it ahead of its message, and QSerialPort can
    // drop it only together with the driver's queue: the line is given up instead, which
    // ends every wait of the transfer.
    CloseComPort();
    CloseDevice();
    return -1;
  }
  return n;
}

// Every write is handed to the driver in full before WriteComBytes returns, so no request is
// ever pending here. The driver's output queue is never cleared (clear(Output) would do that):
// it may still hold the previous message, sent back to back with the next one.
bool QtSerialPortChannel::AbortPendingOutput() { return false; }

void QtSerialPortChannel::CloseDevice() {
  if (port_->isOpen()) port_->close();
}

}  // namespace rlink
