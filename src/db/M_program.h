// Placeholder: the program table module.
#pragma once
#include <cstdint>
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_program : public virtual DbContext {
public:
  void ResetServices() {}
  void DecodeServices(const uint8_t* block) { (void)block; }
  void EncodeServices(uint8_t* block) const { (void)block; }
};
