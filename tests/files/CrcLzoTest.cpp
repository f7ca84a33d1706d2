#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FileFixtures.h"
#include "files/Crc32.h"
#include "files/Lzo.h"

namespace {

// Bit-at-a-time reference of the same CRC, to check the table-driven one on arbitrary data.
uint32_t ReferenceCrc(const uint8_t* p, size_t n) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    crc ^= static_cast<uint32_t>(p[i]) << 24;
    for (int b = 0; b < 8; ++b) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
  }
  return crc;
}

TEST(Crc32, CheckValues) {
  const char* check = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(check), 9), 0x0376E6E7u);
  EXPECT_EQ(Crc32(nullptr, 0), 0xFFFFFFFFu);
  for (size_t n : {1u, 255u, 256u, 4097u}) {
    const auto data = fixtures::RandomBytes(n, static_cast<uint32_t>(n));
    EXPECT_EQ(Crc32(data.data(), n), ReferenceCrc(data.data(), n)) << n;
  }
}

TEST(Lzo, RoundTripsAllKindsOfInput) {
  const std::vector<fixtures::Bytes> inputs = {
      {},
      fixtures::Bytes(65536, 0xFF),
      fixtures::RandomBytes(65536, 3),
      fixtures::SampleBlock(),
  };
  for (const auto& in : inputs) {
    const auto packed = lzo::Compress(in.data(), in.size());
    ASSERT_GE(packed.size(), 3u);
    EXPECT_EQ(packed[packed.size() - 3], 0x11);  // LZO1X end marker 0x11 0x00 0x00
    fixtures::Bytes out(in.size() + 16, 0xAA);
    size_t produced = 0;
    ASSERT_EQ(lzo::Decompress(packed.data(), packed.size(), out.data(), out.size(), produced), lzo::DecodeResult::Ok);
    ASSERT_EQ(produced, in.size());
    EXPECT_TRUE(std::equal(in.begin(), in.end(), out.begin()));
  }
}

TEST(Lzo, HostileInputStaysInsideTheBuffer) {
  // A stream that expands far beyond the buffer it is given.
  const fixtures::Bytes zeros(200000, 0);
  const auto bomb = lzo::Compress(zeros.data(), zeros.size());
  fixtures::Bytes out(1000 + 64, 0x5A);
  size_t produced = 7;
  EXPECT_EQ(lzo::Decompress(bomb.data(), bomb.size(), out.data(), 1000, produced), lzo::DecodeResult::OutputOverrun);
  EXPECT_EQ(produced, 0u);
  for (size_t i = 1000; i < out.size(); ++i) ASSERT_EQ(out[i], 0x5A) << "wrote past the bound at " << i;

  // Garbage and truncated streams are errors, not crashes.
  const auto garbage = fixtures::RandomBytes(4000, 11);
  EXPECT_NE(lzo::Decompress(garbage.data(), garbage.size(), out.data(), 1000, produced), lzo::DecodeResult::Ok);
  const auto good = lzo::Compress(fixtures::RandomBytes(900, 5).data(), 900);
  EXPECT_EQ(lzo::Decompress(good.data(), good.size() - 5, out.data(), 1000, produced), lzo::DecodeResult::Corrupt);
}

}  // namespace
