#include "link/serial/SerialPortChannel.h"

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace rlink {

namespace {
// A write waits this long for the driver to take more bytes before it gives up.
constexpr int kWriteStallMs = 10000;
}  // namespace

SerialPortChannel::~SerialPortChannel() {
  CloseComPort();
  CloseDevice();
}

SerialPortChannel::OpenResult SerialPortChannel::Open(const std::string& device) {
  CloseComPort();
  CloseDevice();
  fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return OpenResult::OpenFailed;
  // Exclusive: another process holding the port (even one running as root) keeps it.
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    CloseDevice();
    return OpenResult::OpenFailed;
  }
  SetPortOpen(true);
  if (!Configure()) {
    SetPortOpen(false);
    CloseDevice();
    return OpenResult::ConfigFailed;
  }
  return OpenResult::Configured;
}

bool SerialPortChannel::Configure() {
  if (::ioctl(fd_, TIOCEXCL) != 0) return false;
  termios t{};
  if (::tcgetattr(fd_, &t) != 0) return false;
  ::cfmakeraw(&t);
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARODD | CSTOPB | CRTSCTS);
  t.c_cflag |= CS8 | PARENB | CLOCAL | CREAD;
  t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  if (::cfsetispeed(&t, B115200) != 0 || ::cfsetospeed(&t, B115200) != 0) return false;
  // TCSANOW: bytes the loader sent before the port opened stay queued.
  if (::tcsetattr(fd_, TCSANOW, &t) != 0) {
    // A pseudo-terminal has no parity and drops PARENB, which glibc reports as EINVAL.
    // Such a line is usable when everything else took effect.
    termios got{};
    if (errno != EINVAL || ::tcgetattr(fd_, &got) != 0) return false;
    if ((got.c_cflag & CSIZE) != CS8 || ::cfgetospeed(&got) != B115200 || (got.c_lflag & (ICANON | ECHO)) ||
        (got.c_iflag & (ICRNL | IXON)) || (got.c_oflag & OPOST))
      return false;
  }
  return !PurgeComPort();
}

bool SerialPortChannel::HasDevice() const { return fd_ >= 0; }

long SerialPortChannel::QueuedInput() {
  int n = 0;
  if (::ioctl(fd_, FIONREAD, &n) != 0) return -1;
  if (n == 0) {
    // Nothing queued: tell a quiet line from one whose other end has gone (a pseudo-terminal
    // whose master closed, a USB adapter pulled out), which would otherwise be waited on forever.
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) return -1;
  }
  return n;
}

int SerialPortChannel::ReadQueued(uint8_t* buffer, int n) {
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, static_cast<size_t>(n));
    if (got < 0 && errno == EINTR) continue;
    return got < 0 ? -1 : static_cast<int>(got);
  }
}

int SerialPortChannel::WriteSome(const uint8_t* bytes, int n) {
  for (;;) {
    const ssize_t put = ::write(fd_, bytes, static_cast<size_t>(n));
    if (put > 0) return static_cast<int>(put);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return -1;
    pollfd p{fd_, POLLOUT, 0};
    const int r = ::poll(&p, 1, kWriteStallMs);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0 || (p.revents & (POLLERR | POLLNVAL))) return -1;
  }
}

// Every write completes before WriteComBytes returns, so no request is ever pending here;
// in particular nothing is flushed from the driver's output queue.
bool SerialPortChannel::AbortPendingOutput() { return false; }

void SerialPortChannel::CloseDevice() {
  if (fd_ < 0) return;
  // Exclusivity belongs to the tty, not to this descriptor: give it up, or the next open
  // of the same port fails while the other end still holds the line.
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  fd_ = -1;
}

}  // namespace rlink

#endif  // !_WIN32
