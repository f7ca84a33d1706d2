// CA-system records: the 12-byte image record and the decoded view record.
#pragma once
#include <cstdint>
#include <string>

#include "db/DbLayout.h"

struct casystem_rec_s {
  uint8_t bytes[dblayout::kCasRecordSize];
};

struct cas_grogup_info_show_t {
  uint8_t used = 0;
  uint32_t identifier = 0;
  uint16_t useCount = 0;
  std::string name;
};
