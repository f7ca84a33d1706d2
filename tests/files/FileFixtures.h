// Builders for hand-made images and containers used by the file-layer tests.
#pragma once
#include <cstdint>
#include <random>
#include <vector>

#include "files/Bytes.h"
#include "files/Crc32.h"
#include "files/FlashLayout.h"
#include "files/Lzo.h"
#include "files/M_dldfile.h"

namespace fixtures {

using Bytes = std::vector<uint8_t>;

inline Bytes RandomBytes(size_t n, uint32_t seed) {
  std::mt19937 gen(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(gen());
  return b;
}

// A database block that looks like a real one: some tables, the rest erased.
inline Bytes SampleBlock(uint32_t seed = 1) {
  Bytes block(flash::kDatabaseBlockSize, 0xFF);
  std::mt19937 gen(seed);
  for (size_t i = 0; i < 0x18000; ++i) block[i] = static_cast<uint8_t>(gen() % 7);
  return block;
}

// A block whose first n bytes are random (incompressible) and the rest erased.
inline Bytes BlockWithRandomHead(size_t n) {
  Bytes block(flash::kDatabaseBlockSize, 0xFF);
  const Bytes head = RandomBytes(n, 99);
  std::copy(head.begin(), head.end(), block.begin());
  return block;
}

inline size_t PackedSize(const Bytes& block) { return lzo::Compress(block.data(), block.size()).size(); }

// A block with a random head of n bytes and k isolated random bytes spread over the erased rest;
// each isolated byte adds only a few bytes to the packed size, which allows fine steps.
inline Bytes TunedBlock(size_t n, size_t k) {
  Bytes block = BlockWithRandomHead(n);
  const Bytes spread = RandomBytes(k, 7);
  for (size_t j = 0; j < k && n + 64 * (j + 1) < block.size(); ++j) block[n + 64 * (j + 1)] = spread[j] & 0x7F;
  return block;
}

// Smallest x in [a, b) with f(x) >= target (f roughly increasing), or b.
template <typename F>
size_t Search(size_t a, size_t b, size_t target, F f) {
  while (a < b) {
    const size_t mid = (a + b) / 2;
    if (f(mid) < target) a = mid + 1; else b = mid;
  }
  return a;
}

// A block that compresses to a length in [lo, hi], found by search so that the test does not
// depend on the exact output of the LZO release. Empty when no such block was found.
inline Bytes BlockCompressingTo(size_t lo, size_t hi) {
  const size_t coarse = Search(0, 300000, lo, [](size_t n) { return PackedSize(BlockWithRandomHead(n)); });
  const size_t n = coarse > 3000 ? coarse - 3000 : 0;
  const size_t k = Search(0, 6000, lo, [n](size_t k) { return PackedSize(TunedBlock(n, k)); });
  for (size_t x = k; x < k + 40; ++x) {
    Bytes block = TunedBlock(n, x);
    const size_t packed = PackedSize(block);
    if (packed >= lo && packed <= hi) return block;
  }
  return Bytes{};
}

inline Bytes SystemRecord(uint8_t seed) {
  Bytes r(flash::kSystemRecordSize);
  for (size_t i = 0; i < r.size(); ++i) r[i] = static_cast<uint8_t>(i * 7 + seed);
  return r;
}

// Writes a 512-byte slot (record + CRC) into an image.
inline void PutSlot(Bytes& image, size_t offset, const Bytes& record) {
  std::copy(record.begin(), record.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
  bytes::PutU32(image.data() + offset + flash::kSystemRecordSize, Crc32(record.data(), record.size()));
}

// Recomputes the CRC of the record at `offset` (tag, then a length field of lengthBytes).
inline void FixRecordCrc(Bytes& file, size_t offset, int lengthBytes) {
  const uint8_t* p = file.data() + offset + 1;
  const uint32_t length = lengthBytes == 1 ? p[0] : lengthBytes == 2 ? bytes::GetU16(p) : bytes::GetU24(p);
  uint8_t* payload = file.data() + offset + 1 + lengthBytes;
  bytes::PutU32(payload + length - 4, Crc32(payload, length - 4));
}

// Offsets of every record of a container: header, then descriptor/data pairs.
struct RecordOffsets {
  std::vector<size_t> descriptors, data;
};
inline RecordOffsets Walk(const Bytes& c, int pairs) {
  RecordOffsets r;
  size_t off = 79;
  for (int i = 0; i < pairs && off + 4 <= c.size(); ++i) {
    r.descriptors.push_back(off);
    off += 26;
    r.data.push_back(off);
    off += 4 + bytes::GetU24(c.data() + off + 1);
  }
  return r;
}

}  // namespace fixtures
