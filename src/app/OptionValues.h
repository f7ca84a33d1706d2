// The user's options: plain values read from section MANAGE_OPTIONS of the settings file at every
// editor reset and written back by the Options dialog's OK. Section PORTS maps each port number
// to a serial device of this machine.
#pragma once
#include <array>
#include <cstdint>
#include <string>

class SettingsFile;

inline constexpr const char* kOptionsSection = "MANAGE_OPTIONS";
inline constexpr const char* kPortsSection = "PORTS";
inline constexpr int kPortCount = 10;

struct OptionValues {
  uint8_t port = 1;  // COM1 ... COM10
  bool multipleTp = true;
  bool multipleTpFreq = true;  // frequency tolerance of 1 MHz (true) or 0 MHz
  bool multipleTpSymbol = true;
  bool multipleTpPolarity = true;
  bool multipleTpFec = true;
  bool unusedTp = true;
  uint16_t satcoDxWithSame = 0;
  int16_t satcoDxSameTpFreq = 1;  // MHz
  bool satcoDxSameTpSymbol = true;
  bool satcoDxSameTpPolarity = true;
  bool satcoDxSameTpFec = true;
  uint16_t satcoDxWithNew = 0;
  bool showSatcoDx = true;
  bool showOptimize = true;
  bool showUpgrade = true;
  bool showDownload = true;
  // Device of COM1 ... COM10 from section PORTS; empty where the file names none.
  std::array<std::string, kPortCount> portDevices;

  void SetRunShowSatcoDX(bool on) { showSatcoDx = on; }
  void SetRunShowOptimize(bool on) { showOptimize = on; }
  void SetRunShowUpgrade(bool on) { showUpgrade = on; }
  void SetRunShowDownload(bool on) { showDownload = on; }

  // Device path of port 1 ... 10: the PORTS entry, else /dev/ttyS<port - 1>; empty for any other
  // port number.
  std::string PortDevice(int port) const;
};

// Reloads the settings file and reads MANAGE_OPTIONS and PORTS; absent keys give the defaults,
// and any non-zero stored value of a 0 / 1 key reads as 1.
OptionValues ReadOptions(SettingsFile& settings);
// Reloads the settings file, writes every MANAGE_OPTIONS key (bools as 0 or 1) and stores the file.
// PORTS and the other sections are kept as they are in the file.
void WriteOptions(SettingsFile& settings, const OptionValues& options);
