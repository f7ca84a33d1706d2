// Favorite group records: the 418-byte image record and the decoded view record.
#pragma once
#include <cstdint>
#include <string>

#include "db/DbLayout.h"

struct fav_group_rec_s {
  uint8_t bytes[dblayout::kFavoriteRecordSize];
};

struct fav_grogup_info_show_s {
  uint16_t count = 0;
  std::string name;
  uint16_t list[dblayout::kFavoriteGroupCapacity];
};
