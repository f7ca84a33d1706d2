// Placeholder: the satellite and terrestrial transponder table module.
#pragma once
#include <cstdint>
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_transponder : public virtual DbContext {
public:
  void ResetSatTransponders() {}
  void DecodeSatTransponders(const uint8_t* block) { (void)block; }
  void EncodeSatTransponders(uint8_t* block) const { (void)block; }
  void ResetTerTransponders() {}
  void DecodeTerTransponders(const uint8_t* block) { (void)block; }
  void EncodeTerTransponders(uint8_t* block) const { (void)block; }
};
