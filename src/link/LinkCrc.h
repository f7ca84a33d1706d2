// CRC-32 used by the container records and the region request (CRC-32/MPEG-2).
#pragma once
#include <cstddef>
#include <cstdint>

namespace rlink {
uint32_t LinkCrc32(const uint8_t* bytes, size_t count);
}
