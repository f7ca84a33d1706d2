// Placeholder: the transponder table module.
#pragma once
#include <cstdint>
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_transponder : public virtual DbContext {
public:
  void ResetTransponders() {}
  void DecodeTransponders(const uint8_t* block) { (void)block; }
  void EncodeTransponders(uint8_t* block) const { (void)block; }
};
