// CRC-32 as the receiver computes it: polynomial 0x04C11DB7, initial value 0xFFFFFFFF,
// most-significant bit first, no reflection, no final XOR (CRC-32/MPEG-2).
#pragma once
#include <cstddef>
#include <cstdint>

// A count of 0 yields the initial value 0xFFFFFFFF.
uint32_t Crc32(const uint8_t* bytes, size_t count);
