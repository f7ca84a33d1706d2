#include "files/Crc32.h"

#include <array>

namespace {

std::array<uint32_t, 256> MakeTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i << 24;
    for (int bit = 0; bit < 8; ++bit) c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : (c << 1);
    table[i] = c;
  }
  return table;
}

}  // namespace

uint32_t Crc32(const uint8_t* bytes, size_t count) {
  static const std::array<uint32_t, 256> table = MakeTable();
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < count; ++i) crc = table[((crc >> 24) ^ bytes[i]) & 0xFF] ^ (crc << 8);
  return crc;
}
