// CA-system records: identifier look-up, use counts, names and the CA-system view.
#include <gtest/gtest.h>

#include <cstring>

#include "ProgramTestTables.h"
#include "files/Bytes.h"

namespace {

// Slots 0 to 3 hold CA systems; slot 1 is free.
std::vector<uint8_t> CasBlock() {
  TestTables cleared;
  std::vector<uint8_t> block = cleared.Encode();
  const struct {
    int slot;
    bool used;
    uint16_t count;
    uint16_t id;
    const char* name;
  } rows[] = {{0, true, 2, 0x0100, "SECA"},
              {1, false, 0, 0x0500, "OFF"},
              {2, true, 1, 0x05FF, "VIA"},
              {3, true, 9, 0x0500, "VIA2"}};
  for (const auto& r : rows) {
    uint8_t* p = CasBytes(block, r.slot);
    bytes::PutU16(p, static_cast<uint16_t>((r.count << 1) | (r.used ? 1 : 0)));
    bytes::PutU16(p + 2, r.id);
    std::memcpy(p + 4, r.name, std::strlen(r.name));
  }
  return block;
}

TEST(CasystemTable, FindByIdentifierMatchesTheVendorByteOfTheLowestUsedSlot) {
  TestTables t;
  t.Decode(CasBlock());
  const struct {
    int identifier;
    int slot;
  } cases[] = {{0x0500, 2}, {0x05AB, 2}, {0x0100, 0}, {0x01FF, 0}, {0x0600, -1}, {0x0000, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(t.FindCasByIdentifier(c.identifier), c.slot) << std::hex << c.identifier;
}

TEST(CasystemTable, UseCountKeepsTheUsedBit) {
  TestTables t;
  t.Decode(CasBlock());
  ASSERT_TRUE(t.AddCasUse(0, -1));
  EXPECT_EQ(t.GetCasUseCount(0), 1);
  ASSERT_TRUE(t.AddCasUse(0, -1));
  ASSERT_TRUE(t.AddCasUse(0, -1));
  EXPECT_EQ(t.GetCasUseCount(0), 0);  // never below 0
  EXPECT_TRUE(t.IsCasUsed(0));        // a CA system at count 0 stays used
  ASSERT_TRUE(t.AddCasUse(3, 0x7FFF));
  EXPECT_EQ(t.GetCasUseCount(3), 0x7FFF);  // the 15-bit count does not run into the used bit
  const std::vector<uint8_t> out = t.Encode();
  EXPECT_EQ(bytes::GetU16(out.data() + dblayout::kCasOffset), 0x0001);
  EXPECT_EQ(bytes::GetU16(out.data() + dblayout::kCasOffset + 36), 0xFFFF);
  EXPECT_FALSE(t.AddCasUse(1, 1));  // free slot
  EXPECT_EQ(t.GetCasUseCount(1), 0);
}

TEST(CasystemTable, NamesAndNoneValues) {
  TestTables t;
  t.Decode(CasBlock());
  EXPECT_EQ(t.GetCasName(3), "VIA2");
  ASSERT_TRUE(t.SetCasName(3, "Irdeto"));
  EXPECT_EQ(t.GetCasName(3), "Irde");
  ASSERT_TRUE(t.SetCasName(3, "N"));
  const std::vector<uint8_t> out = t.Encode();
  const uint8_t expected[8] = {'N', 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(0, std::memcmp(out.data() + dblayout::kCasOffset + 36 + 4, expected, 8));
  TestTables reloaded;
  reloaded.Decode(out);
  EXPECT_EQ(reloaded.GetCasName(3), "N");

  for (int slot : {-1, 1, 100}) {
    EXPECT_FALSE(t.IsCasUsed(slot));
    EXPECT_EQ(t.GetCasName(slot), "");
    EXPECT_EQ(t.GetCasUseCount(slot), 0);
    EXPECT_FALSE(t.SetCasName(slot, "x"));
  }
}

TEST(CasystemTable, ViewListsUsedSlots) {
  TestTables t;
  t.Decode(CasBlock());
  t.BuildCasView();
  ASSERT_EQ(t.GetCasViewCount(), 3);
  EXPECT_EQ(t.GetCasViewEntry(1), 0);
  EXPECT_EQ(t.GetCasViewEntry(2), 2);
  EXPECT_EQ(t.GetCasViewEntry(3), 3);
  EXPECT_EQ(t.GetCasViewEntry(101), 0);
}

}  // namespace
