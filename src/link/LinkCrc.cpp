#include "link/LinkCrc.h"

namespace rlink {

// Polynomial 0x04C11DB7, initial value 0xFFFFFFFF, most-significant bit first, no final XOR.
uint32_t LinkCrc32(const uint8_t* bytes, size_t count) {
  static const auto table = [] {
    struct T { uint32_t v[256]; } t{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i << 24;
      for (int b = 0; b < 8; ++b) c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : (c << 1);
      t.v[i] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < count; ++i) crc = table.v[((crc >> 24) ^ bytes[i]) & 0xFF] ^ (crc << 8);
  return crc;
}

}  // namespace rlink
