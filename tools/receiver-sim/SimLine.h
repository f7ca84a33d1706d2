// The simulator's end of the line: a pseudo-terminal master (with the slave kept open so
// the simulator can see how much the editor has not read yet) or a serial device.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class SimLine {
public:
  ~SimLine();
  // Creates a pseudo-terminal pair in raw mode; SlavePath() names the editor's end.
  bool OpenPty();
  bool OpenDevice(const std::string& path);
  const std::string& SlavePath() const { return slavePath_; }

  // Reads exactly n bytes; false on time-out or error.
  bool ReadExact(uint8_t* buffer, size_t n, int timeoutMs);
  bool Write(const uint8_t* bytes, size_t n);
  // Writes a message that follows another of ours with no answer between: waits until the
  // editor has taken everything sent before (pseudo-terminal) or a fixed gap (device),
  // because the editor drops messages that pile up.
  bool WriteAfterDrain(const uint8_t* bytes, size_t n);
  // Waits until the editor has read everything sent (a closing pseudo-terminal drops it).
  void WaitDrained();

private:
  int fd_ = -1;
  int slaveFd_ = -1;
  std::string slavePath_;
};

uint32_t SimCrc32(const uint8_t* bytes, size_t n);
