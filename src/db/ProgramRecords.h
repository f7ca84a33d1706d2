// Service records: the receiver's 68-byte image record and the decoded view record.
#pragma once
#include <cstdint>
#include <string>

#include "db/DbLayout.h"

// The bytes exactly as the receiver stores them.
struct program_rec_s {
  uint8_t bytes[dblayout::kServiceRecordSize];
};

// Decoded fields and display texts of one service slot.
struct progarm_info_show_s {
  uint16_t previous = 0xFFFF;
  uint16_t next = 0xFFFF;
  uint8_t used = 0;
  uint8_t type = 0;
  uint8_t value3 = 0;  // the 3-bit value at 14
  uint8_t hdCopy = 0;
  uint8_t locked = 0;
  uint8_t skipped = 0;
  uint8_t delivery = 0;
  uint16_t transponder = 0xFFFF;  // 0xFFFF none
  uint8_t code[3] = {0, 0, 0};
  std::string serviceIdText;
  std::string pcrPidText;
  uint8_t caCount = 0;
  std::string videoPidText;
  uint8_t value5 = 0;        // the 5-bit value at 16
  uint8_t value3Again = 0;   // the 3-bit value at 14, second copy
  std::string hdText = "0";  // "0" or "1"
  uint8_t value2 = 0;        // the 2-bit value of byte 23
  std::string audioPidText;
  uint8_t scrambled = 0;
  std::string pmtPidText;
  uint32_t favoriteMask = 0;
  int32_t satellite = -1;      // -1 none
  uint16_t provider = 0xFFFF;  // 0xFFFF none
  uint16_t ca[4] = {0, 0, 0, 0};
  std::string name;
};

// Program header (16 bytes): marker, first and last service of the service order, service counts.
namespace programheader {
constexpr size_t kMarker = 0;
constexpr size_t kFirst = 4;
constexpr size_t kLast = 6;
constexpr size_t kTotal = 8;
constexpr size_t kTypeCounts = 10;  // TV, radio, data: u16 each
}  // namespace programheader
