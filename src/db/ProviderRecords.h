// Provider records: the 20-byte image record and the decoded view record.
#pragma once
#include <cstdint>
#include <string>

#include "db/DbLayout.h"

struct provider_rec_s {
  uint8_t bytes[dblayout::kProviderRecordSize];
};

struct PROVIDER_GROGUP_INFO_SHOW_T {
  uint8_t used = 0;
  uint32_t value = 0xFFFFFFFF;  // the 15-bit value; -1 in a freed slot
  uint32_t useCount = 0;
  std::string name;
};
