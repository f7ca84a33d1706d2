// Placeholder: the system settings record module.
#pragma once
#include <cstdint>
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_system : public virtual DbContext {
public:
  void ResetSystemView() {}
  void DecodeSystemRecord(const uint8_t* record) { (void)record; }
  void EncodeSystemRecord(uint8_t* record) const { (void)record; }
};
