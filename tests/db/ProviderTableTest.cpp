// Provider records: names, use counts, freeing and the provider view.
#include <gtest/gtest.h>

#include <cstring>

#include "ProgramTestTables.h"
#include "files/Bytes.h"

namespace {

TEST(ProviderTable, RenamingClearsTheFirst14NameBytesOnly) {
  std::vector<uint8_t> block = RandomBlock(61);
  SetProviderUsedBit(block, 3, true);
  std::memcpy(ProviderBytes(block, 3) + 4, "LongProviderXYZ", 16);
  TestTables t;
  t.Decode(block);
  EXPECT_EQ(t.GetProviderName(3), "LongProviderXYZ");
  ASSERT_TRUE(t.SetProviderName(3, "Sky"));
  EXPECT_EQ(t.GetProviderName(3), "Sky");
  const std::vector<uint8_t> out = t.Encode();
  const uint8_t* name = out.data() + dblayout::kProviderOffset + 20 * 3 + 4;
  const uint8_t expected[16] = {'S', 'k', 'y', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'Z', 0};
  EXPECT_EQ(0, std::memcmp(name, expected, 16));
  // Everything else of the record is as it was read.
  EXPECT_EQ(0, std::memcmp(name - 4, ProviderBytes(block, 3), 4));

  ASSERT_TRUE(t.SetProviderName(3, "FourteenLetter"));
  EXPECT_EQ(t.GetProviderName(3), "FourteenLette");  // 13 characters are kept
  TestTables reloaded;
  reloaded.Decode(t.Encode());
  EXPECT_EQ(reloaded.GetProviderName(3), "FourteenLette");
}

TEST(ProviderTable, UseCountsAndFreeing) {
  std::vector<uint8_t> block = RandomBlock(62);
  SetProviderUsedBit(block, 5, true);
  bytes::PutU16(ProviderBytes(block, 5) + 2, 1);
  TestTables t;
  t.Decode(block);
  EXPECT_EQ(t.GetProviderUseCount(5), 1);
  ASSERT_TRUE(t.AddProviderUse(5, 2));
  EXPECT_EQ(t.GetProviderUseCount(5), 3);
  ASSERT_TRUE(t.AddProviderUse(5, -10));
  EXPECT_EQ(t.GetProviderUseCount(5), 0);  // never below 0
  ASSERT_TRUE(t.FreeProvider(5));
  EXPECT_FALSE(t.IsProviderUsed(5));
  const std::vector<uint8_t> out = t.Encode();
  const uint8_t* r = out.data() + dblayout::kProviderOffset + 20 * 5;
  EXPECT_EQ(bytes::GetU16(r), 0xFFFE);  // used 0, value 0x7FFF
  EXPECT_EQ(bytes::GetU16(r + 2), 0);
  for (int i = 0; i < 14; ++i) EXPECT_EQ(r[4 + i], 0) << i;
  EXPECT_EQ(0, std::memcmp(r + 18, ProviderBytes(block, 5) + 18, 2));
  EXPECT_EQ(t.GetProviderInfo(5)->value, 0xFFFFFFFFu);
}

TEST(ProviderTable, BadAndFreeSlotsAreIgnored) {
  std::vector<uint8_t> block = RandomBlock(63);
  SetProviderUsedBit(block, 0, false);
  TestTables t;
  t.Decode(block);
  const std::vector<uint8_t> original = t.Encode();
  for (int slot : {-1, 0, 400}) {
    EXPECT_FALSE(t.IsProviderUsed(slot));
    EXPECT_EQ(t.GetProviderName(slot), "");
    EXPECT_EQ(t.GetProviderUseCount(slot), 0);
    EXPECT_FALSE(t.SetProviderName(slot, "x"));
    EXPECT_FALSE(t.AddProviderUse(slot, 1));
    EXPECT_FALSE(t.FreeProvider(slot));
  }
  EXPECT_TRUE(original == t.Encode());
}

TEST(ProviderTable, ViewListsUsedSlotsInSlotOrder) {
  TestTables t;
  t.BuildProviderView();
  EXPECT_EQ(t.GetProviderViewCount(), 0);
  EXPECT_EQ(t.GetProviderViewEntry(1), -1);

  std::vector<uint8_t> block = t.Encode();
  for (int slot : {2, 7, 399}) SetProviderUsedBit(block, slot, true);
  t.Decode(block);
  t.BuildProviderView();
  ASSERT_EQ(t.GetProviderViewCount(), 3);
  EXPECT_EQ(t.GetProviderViewEntry(1), 2);
  EXPECT_EQ(t.GetProviderViewEntry(2), 7);
  EXPECT_EQ(t.GetProviderViewEntry(3), 399);
  EXPECT_EQ(t.GetProviderViewEntry(4), -1);
  for (int position : {0, -5, 401}) EXPECT_EQ(t.GetProviderViewEntry(position), 2) << position;

  ASSERT_TRUE(t.FreeProvider(7));
  t.BuildProviderView();
  EXPECT_EQ(t.GetProviderViewCount(), 2);
  EXPECT_EQ(t.GetProviderViewEntry(2), 399);
}

}  // namespace
