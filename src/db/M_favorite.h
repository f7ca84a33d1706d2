// Placeholder: the favorite table module.
#pragma once
#include <cstdint>
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_favorite : public virtual DbContext {
public:
  void ResetFavorites() {}
  void DecodeFavorites(const uint8_t* block) { (void)block; }
  void EncodeFavorites(uint8_t* block) const { (void)block; }
};
