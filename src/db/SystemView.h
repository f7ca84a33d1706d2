// The decoded view of the system settings record.
#pragma once
#include <cstdint>
#include <string>

#include "db/SystemFields.h"

// One of the eight entries of the record that refer to a service.
struct box_service_entry_s {
  uint16_t service = 0xFFFF;  // service slot, 0xFFFF none
  uint16_t second = 0xFFFF;
  uint8_t bytes[6] = {};
  uint32_t dword1 = 0;
  uint32_t dword2 = 0;
  uint16_t word = 0;
  uint8_t mode = 0;
};

struct BOX_INFO_SHOW_T {
  static constexpr int kEntryCount = 8;
  uint32_t field[kBoxFieldCount] = {};  // one plain integer per field, indexed by BoxField
  std::string pin;
  uint8_t bytesF4[16] = {};
  uint8_t bytes104[20] = {};
  uint8_t bytes118[24] = {};
  box_service_entry_s entry[kEntryCount];
};
