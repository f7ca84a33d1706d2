// The database block as a whole: every table decoded from and encoded to its offset.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "db/M_database.h"
#include "files/Bytes.h"

namespace {

using namespace dblayout;

// Areas of the block that carry nothing and are 0xFF in every file the editor writes.
const std::pair<size_t, size_t> kGaps[] = {{0x0F00, 0x1000}, {0x10A84, 0x11000}, {0x11644, 0x12000}, {0x7B200, kBlockSize}};

std::vector<uint8_t> RandomBlock(uint32_t seed, uint32_t marker) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> block(kBlockSize);
  for (auto& b : block) b = static_cast<uint8_t>(rng());
  for (auto [from, to] : kGaps) std::fill(block.begin() + static_cast<long>(from), block.begin() + static_cast<long>(to), 0xFF);
  bytes::PutU32(block.data() + kProgramHeaderOffset, marker);
  return block;
}

TEST(DatabaseBlock, AnyBlockComesBackByteForByte) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    const auto block = RandomBlock(seed, 0x12345678);
    auto db = std::make_unique<m_DataBase>();
    db->DecodeDatabase(block.data());
    EXPECT_EQ(db->EncodeDatabase(), block) << "seed " << seed;
  }
}

TEST(DatabaseBlock, AbsentFavoriteGroupsAreNeitherReadNorWritten) {
  auto block = RandomBlock(7, kMarkerNoFavorites);
  auto db = std::make_unique<m_DataBase>();
  db->DecodeDatabase(block.data());
  const auto out = db->EncodeDatabase();
  for (size_t i = kFavoriteOffset; i < kFavoriteOffset + kFavoriteAreaSize; ++i) ASSERT_EQ(out[i], 0xFF) << i;
  std::fill(block.begin() + static_cast<long>(kFavoriteOffset),
            block.begin() + static_cast<long>(kFavoriteOffset + kFavoriteAreaSize), 0xFF);
  EXPECT_EQ(out, block);
}

TEST(DatabaseBlock, ClearedDatabaseWritesResetTablesAndEmptyGaps) {
  auto db = std::make_unique<m_DataBase>();
  const auto block = db->EncodeDatabase();
  ASSERT_EQ(block.size(), kBlockSize);
  EXPECT_EQ(bytes::GetU32(block.data() + kProgramHeaderOffset), kMarkerCleared);
  EXPECT_EQ(bytes::GetU16(block.data() + kProgramHeaderOffset + 4), 0xFFFF);  // first service
  EXPECT_EQ(bytes::GetU16(block.data() + kProgramHeaderOffset + 6), 0xFFFF);  // last service
  for (int i = 0; i < 4; ++i) EXPECT_EQ(bytes::GetU16(block.data() + kProgramHeaderOffset + 8 + 2 * i), 0);
  EXPECT_EQ(bytes::GetU16(block.data() + kTransponderHeaderOffset), 0);
  EXPECT_EQ(bytes::GetU16(block.data() + kTerHeaderOffset), 0);
  for (auto [from, to] : kGaps)
    for (size_t i = from; i < to; ++i) ASSERT_EQ(block[i], 0xFF) << i;
  // A freed service slot: no links, every PID 0x1FFF, no transponder.
  const uint8_t* last = block.data() + kServiceOffset + kServiceRecordSize * (kServiceCount - 1);
  EXPECT_EQ(bytes::GetU16(last), 0xFFFF);
  EXPECT_EQ(bytes::GetBits(last + 6, 2, 4, 12), 0xFFFu);
  EXPECT_EQ(bytes::GetBits(last + 14, 2, 0, 13), 0x1FFFu);

  auto again = std::make_unique<m_DataBase>();
  again->DecodeDatabase(block.data());
  EXPECT_EQ(again->EncodeDatabase(), block);
}

TEST(DatabaseBlock, OpeningAnotherBlockReplacesEverything) {
  auto db = std::make_unique<m_DataBase>();
  db->DecodeDatabase(RandomBlock(11, 0x1).data());
  db->ClearDatabase();
  const auto second = RandomBlock(12, 0x2);
  db->DecodeDatabase(second.data());
  EXPECT_EQ(db->EncodeDatabase(), second);
}

}  // namespace
