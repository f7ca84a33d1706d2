// Placeholder: the provider table module.
#pragma once
#include <cstdint>
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_provider : public virtual DbContext {
public:
  void ResetProviders() {}
  void DecodeProviders(const uint8_t* block) { (void)block; }
  void EncodeProviders(uint8_t* block) const { (void)block; }
};
