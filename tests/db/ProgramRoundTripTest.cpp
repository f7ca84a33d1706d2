// Decode and encode of the program header, favorite groups, providers, CA systems and services.
#include <gtest/gtest.h>

#include <cstring>

#include "ProgramTestTables.h"
#include "files/Bytes.h"

namespace {

using dblayout::kBlockSize;

struct Region {
  const char* name;
  size_t offset;
  size_t size;
};

const Region kRegions[] = {
    {"program header", dblayout::kProgramHeaderOffset, dblayout::kProgramHeaderSize},
    {"favorites", dblayout::kFavoriteOffset, dblayout::kFavoriteAreaSize},
    {"CA systems", dblayout::kCasOffset, dblayout::kCasRecordSize* dblayout::kCasCount},
    {"providers", dblayout::kProviderOffset, dblayout::kProviderRecordSize* dblayout::kProviderCount},
    {"services", dblayout::kServiceOffset, dblayout::kServiceRecordSize* dblayout::kServiceCount},
};

void ExpectRegionsEqual(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  for (const Region& r : kRegions)
    EXPECT_EQ(0, std::memcmp(a.data() + r.offset, b.data() + r.offset, r.size)) << r.name;
}

TEST(ProgramRoundTrip, RandomBlocksComeBackByteForByte) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    const std::vector<uint8_t> block = RandomBlock(seed);
    TestTables t;
    t.Decode(block);
    ExpectRegionsEqual(block, t.Encode());
    // A second pass through decode and encode changes nothing either.
    TestTables again;
    again.Decode(t.Encode());
    ExpectRegionsEqual(block, again.Encode());
  }
}

TEST(ProgramRoundTrip, DecodedFieldsMatchTheRecordBits) {
  std::vector<uint8_t> block = RandomBlock(7);
  const int slot = 5999;
  SetServiceUsedBit(block, slot, true);
  uint8_t* r = ServiceBytes(block, slot);
  TestTables t;
  t.Decode(block);
  EXPECT_EQ(t.GetServiceAudioPidText(slot), std::to_string((bytes::GetU32(r + 16) >> 6) & 0x1FFF));
  EXPECT_EQ(t.GetServicePmtPidText(slot), std::to_string(bytes::GetU16(r + 18) >> 3));
  EXPECT_EQ(t.GetServicePcrPidText(slot), std::to_string(bytes::GetU16(r + 12) & 0x1FFF));
  EXPECT_EQ(t.GetServiceVideoPidText(slot), std::to_string(bytes::GetU16(r + 14) & 0x1FFF));
  EXPECT_EQ(t.GetServiceIdText(slot), std::to_string(bytes::GetU16(r + 10)));
  EXPECT_EQ(t.GetServiceType(slot), (r[4] >> 1) & 3);
  EXPECT_EQ(t.GetServiceFavoriteMask(slot), bytes::GetU32(r + 24));
  EXPECT_EQ(t.IsServiceHd(slot), (r[4] & 0x08) != 0);
  EXPECT_EQ(t.GetServiceInfo(slot)->hdCopy, (r[4] >> 5) & 1);
}

TEST(ProgramRoundTrip, AbsentFavoriteGroupsAreNeitherReadNorWritten) {
  std::vector<uint8_t> block = RandomBlock(11);
  bytes::PutU32(block.data() + dblayout::kProgramHeaderOffset, dblayout::kMarkerNoFavorites);
  TestTables t;
  t.Decode(block);
  for (int g = 0; g < dblayout::kFavoriteGroupCount; ++g) {
    EXPECT_EQ(t.GetFavoriteGroupCount(g), 0);
    EXPECT_EQ(t.GetFavoriteGroupName(g), "");
  }
  const std::vector<uint8_t> out = t.Encode();
  for (size_t i = 0; i < dblayout::kFavoriteAreaSize; ++i)
    ASSERT_EQ(out[dblayout::kFavoriteOffset + i], 0xFF) << i;
}

TEST(ProgramRoundTrip, ClearedTablesEncodeTheResetValues) {
  TestTables t;
  const std::vector<uint8_t> out = t.Encode();
  const uint8_t header[16] = {0xAA, 0x55, 0xAA, 0x55, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(0, std::memcmp(out.data() + dblayout::kProgramHeaderOffset, header, sizeof header));

  // previous, next, type 2, transponder 0xFFF, PIDs 0x1FFF, satellite 0xFF, provider 0x1FF,
  // the 2-bit value of byte 23 = 1; everything else 0.
  uint8_t service[68] = {0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0,    0xF0, 0xFF, 0, 0,    0,    0,
                         0xFF, 0x1F, 0xFF, 0x1F, 0xC0, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0x03};
  for (int slot : {0, 5999})
    EXPECT_EQ(
        0, std::memcmp(out.data() + dblayout::kServiceOffset + 68 * static_cast<size_t>(slot), service, 68))
        << slot;

  const uint8_t provider[20] = {0xFE, 0xFF};  // used 0, 15-bit value 0x7FFF, count 0, no name
  EXPECT_EQ(0, std::memcmp(out.data() + dblayout::kProviderOffset, provider, sizeof provider));
  std::vector<uint8_t> favorite(dblayout::kFavoriteRecordSize, 0xFF);
  std::fill(favorite.begin(), favorite.begin() + 18, 0);
  EXPECT_EQ(0, std::memcmp(out.data() + dblayout::kFavoriteOffset + 31 * dblayout::kFavoriteRecordSize,
                           favorite.data(), favorite.size()));
}

}  // namespace
