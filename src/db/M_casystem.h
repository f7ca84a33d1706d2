// Placeholder: the casystem table module.
#pragma once
#include <cstdint>
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_casystem : public virtual DbContext {
public:
  void ResetCaSystems() {}
  void DecodeCaSystems(const uint8_t* block) { (void)block; }
  void EncodeCaSystems(uint8_t* block) const { (void)block; }
};
