// Placeholder: the antenna table module.
#pragma once
#include <cstdint>
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_antenna : public virtual DbContext {
public:
  void ResetAntennas() {}
  void DecodeAntennas(const uint8_t* block) { (void)block; }
  void EncodeAntennas(uint8_t* block) const { (void)block; }
};
