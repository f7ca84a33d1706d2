// The service, provider, CA-system and favorite modules combined without the rest of the
// database, with the helpers their tests share.
#pragma once
#include <cstdint>
#include <random>
#include <vector>

#include "db/DbLayout.h"
#include "db/M_casystem.h"
#include "db/M_favorite.h"
#include "db/M_program.h"
#include "db/M_provider.h"

struct TestTables : M_program, M_provider, M_casystem, M_favorite {
  void Decode(const std::vector<uint8_t>& block) {
    DecodeProgramHeader(block.data());
    if (GetProgramMarker() != dblayout::kMarkerNoFavorites) DecodeFavorites(block.data());
    DecodeProviders(block.data());
    DecodeCaSystems(block.data());
    DecodeServices(block.data());
  }
  std::vector<uint8_t> Encode() const {
    std::vector<uint8_t> block(dblayout::kBlockSize, 0xFF);
    EncodeProgramHeader(block.data());
    if (GetProgramMarker() != dblayout::kMarkerNoFavorites) EncodeFavorites(block.data());
    EncodeProviders(block.data());
    EncodeCaSystems(block.data());
    EncodeServices(block.data());
    return block;
  }
};

inline std::vector<uint8_t> RandomBlock(uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> block(dblayout::kBlockSize);
  for (auto& b : block) b = static_cast<uint8_t>(rng());
  return block;
}

inline uint8_t* ServiceBytes(std::vector<uint8_t>& block, int slot) {
  return block.data() + dblayout::kServiceOffset + dblayout::kServiceRecordSize * static_cast<size_t>(slot);
}
inline uint8_t* ProviderBytes(std::vector<uint8_t>& block, int slot) {
  return block.data() + dblayout::kProviderOffset + dblayout::kProviderRecordSize * static_cast<size_t>(slot);
}
inline uint8_t* CasBytes(std::vector<uint8_t>& block, int slot) {
  return block.data() + dblayout::kCasOffset + dblayout::kCasRecordSize * static_cast<size_t>(slot);
}
inline uint8_t* FavoriteBytes(std::vector<uint8_t>& block, int group) {
  return block.data() + dblayout::kFavoriteOffset +
         dblayout::kFavoriteRecordSize * static_cast<size_t>(group);
}

// Used bits: a service's bit 0 of byte 4, a provider's or CA system's bit 0 of byte 0.
inline void SetServiceUsedBit(std::vector<uint8_t>& block, int slot, bool used) {
  uint8_t* r = ServiceBytes(block, slot);
  r[4] = static_cast<uint8_t>(used ? (r[4] | 1) : (r[4] & ~1));
}
inline void SetProviderUsedBit(std::vector<uint8_t>& block, int slot, bool used) {
  uint8_t* r = ProviderBytes(block, slot);
  r[0] = static_cast<uint8_t>(used ? (r[0] | 1) : (r[0] & ~1));
}
inline void SetCasUsedBit(std::vector<uint8_t>& block, int slot, bool used) {
  uint8_t* r = CasBytes(block, slot);
  r[0] = static_cast<uint8_t>(used ? (r[0] | 1) : (r[0] & ~1));
}
