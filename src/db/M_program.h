// Placeholder: the service table module and the program header.
#pragma once
#include <cstdint>
#include "db/DbContext.h"
#include "db/DbLayout.h"

class M_program : public virtual DbContext {
public:
  void ResetProgramHeader() {}
  void DecodeProgramHeader(const uint8_t* block) { (void)block; }
  void EncodeProgramHeader(uint8_t* block) const { (void)block; }
  uint32_t GetProgramMarker() const { return dblayout::kMarkerCleared; }
  void ResetServices() {}
  void DecodeServices(const uint8_t* block) { (void)block; }
  void EncodeServices(uint8_t* block) const { (void)block; }
};
