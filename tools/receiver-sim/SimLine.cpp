#include "SimLine.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace {
void MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return;
  cfmakeraw(&t);
  cfsetispeed(&t, B115200);
  cfsetospeed(&t, B115200);
  tcsetattr(fd, TCSANOW, &t);
}
}  // namespace

SimLine::~SimLine() {
  if (fd_ >= 0) close(fd_);
  if (slaveFd_ >= 0) close(slaveFd_);
}

bool SimLine::OpenPty() {
  char name[256] = {};
  if (openpty(&fd_, &slaveFd_, name, nullptr, nullptr) != 0) return false;
  MakeRaw(slaveFd_);
  slavePath_ = name;
  return true;
}

bool SimLine::OpenDevice(const std::string& path) {
  fd_ = open(path.c_str(), O_RDWR | O_NOCTTY);
  if (fd_ < 0) return false;
  MakeRaw(fd_);
  return true;
}

bool SimLine::ReadExact(uint8_t* buffer, size_t n, int timeoutMs) {
  size_t got = 0;
  while (got < n) {
    pollfd p{fd_, POLLIN, 0};
    const int r = poll(&p, 1, timeoutMs);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    const ssize_t k = read(fd_, buffer + got, n - got);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return false;
    got += static_cast<size_t>(k);
  }
  return true;
}

bool SimLine::Write(const uint8_t* bytes, size_t n) {
  size_t put = 0;
  while (put < n) {
    const ssize_t k = write(fd_, bytes + put, n - put);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return false;
    put += static_cast<size_t>(k);
  }
  return true;
}

void SimLine::WaitDrained() {
  using namespace std::chrono_literals;
  if (slaveFd_ < 0) {
    std::this_thread::sleep_for(50ms);
    return;
  }
  std::this_thread::sleep_for(2ms);
  for (int i = 0; i < 20000; ++i) {
    int queued = 0;
    if (ioctl(slaveFd_, FIONREAD, &queued) != 0 || queued == 0) break;
    std::this_thread::sleep_for(1ms);
  }
  // The editor polls with a pause between, and an editor that reads the line into its own buffer
  // empties the queue before it has looked at the message: give it time to finish with it, also
  // on a loaded machine, so two messages never pile up at its end.
  std::this_thread::sleep_for(15ms);
}

bool SimLine::WriteAfterDrain(const uint8_t* bytes, size_t n) {
  WaitDrained();
  return Write(bytes, n);
}

uint32_t SimCrc32(const uint8_t* bytes, size_t n) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    crc ^= static_cast<uint32_t>(bytes[i]) << 24;
    for (int b = 0; b < 8; ++b) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : (crc << 1);
  }
  return crc;
}
