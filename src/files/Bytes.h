// Little-endian access and bit fields inside byte buffers.
#pragma once
#include <cstddef>
#include <cstdint>

namespace bytes {

inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline uint32_t GetU24(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16);
}
inline void PutU16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutU24(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
}
inline void PutU32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}

inline uint32_t Mask(unsigned width) { return width >= 32 ? 0xFFFFFFFFu : ((1u << width) - 1u); }

// Bits [first, first+width) of a little-endian word of `size` bytes (1, 2 or 4) at p.
inline uint32_t GetBits(const uint8_t* p, unsigned size, unsigned first, unsigned width) {
  uint32_t w = size == 1 ? p[0] : size == 2 ? GetU16(p) : GetU32(p);
  return (w >> first) & Mask(width);
}
// Writes the field and leaves every neighbouring bit of the word as it was.
inline void SetBits(uint8_t* p, unsigned size, unsigned first, unsigned width, uint32_t value) {
  uint32_t w = size == 1 ? p[0] : size == 2 ? GetU16(p) : GetU32(p);
  const uint32_t m = Mask(width) << first;
  w = (w & ~m) | ((value << first) & m);
  if (size == 1)
    p[0] = static_cast<uint8_t>(w);
  else if (size == 2)
    PutU16(p, static_cast<uint16_t>(w));
  else
    PutU32(p, w);
}

}  // namespace bytes
