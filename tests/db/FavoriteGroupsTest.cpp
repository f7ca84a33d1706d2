// Favorite groups: membership kept in step with the service masks, capacity, names and moves.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ProgramTestTables.h"
#include "files/Bytes.h"

namespace {

constexpr int kCapacity = dblayout::kFavoriteGroupCapacity;

// Every used service's mask bit g is set exactly when the service is listed in group g.
void ExpectMasksMatchLists(const TestTables& t, int services) {
  for (int g = 0; g < dblayout::kFavoriteGroupCount; ++g)
    for (int s = 0; s < services; ++s) {
      bool listed = false;
      for (int i = 0; i < t.GetFavoriteGroupCount(g); ++i)
        listed = listed || t.GetFavoriteGroupEntry(g, i) == s;
      ASSERT_EQ(listed, (t.GetServiceFavoriteMask(s) >> g & 1u) != 0) << "group " << g << " service " << s;
    }
}

std::vector<int> GroupList(const TestTables& t, int group) {
  std::vector<int> list;
  for (int i = 0; i < t.GetFavoriteGroupCount(group); ++i) list.push_back(t.GetFavoriteGroupEntry(group, i));
  return list;
}

struct FavoriteGroups : ::testing::Test {
  void SetUp() override {
    for (int s = 0; s <= kCapacity; ++s) ASSERT_TRUE(t.MarkServiceUsed(s));
    t.SetFavoriteNoticeHandler([this](const std::string& text) { notices.push_back(text); });
  }
  TestTables t;
  std::vector<std::string> notices;
};

TEST(FavoriteGroupOfBit, SingleBitsOnly) {
  const struct {
    uint32_t mask;
    int group;
  } cases[] = {{1, 0}, {2, 1}, {0x80000000u, 31}, {0, -1}, {3, -1}, {0x80000001u, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(M_favorite::FavoriteGroupOfBit(c.mask), c.group) << std::hex << c.mask;
}

TEST_F(FavoriteGroups, ToggleAddsAndRemovesKeepingListAndMaskInStep) {
  for (int s : {5, 6, 7}) EXPECT_TRUE(t.ToggleServiceFavorite(s, 0x80000000u));
  EXPECT_TRUE(t.ToggleServiceFavorite(6, 1));
  EXPECT_EQ(GroupList(t, 31), (std::vector<int>{5, 6, 7}));
  EXPECT_TRUE(t.IsServiceInFavorite(6, 0x80000001u));
  EXPECT_FALSE(t.IsServiceInFavorite(6, 2));

  EXPECT_TRUE(t.ToggleServiceFavorite(5, 0x80000000u));  // remove the first entry
  EXPECT_EQ(GroupList(t, 31), (std::vector<int>{6, 7}));
  const std::vector<uint8_t> out = t.Encode();
  const uint8_t* g31 = out.data() + dblayout::kFavoriteOffset + 31 * dblayout::kFavoriteRecordSize;
  EXPECT_EQ(bytes::GetU16(g31), 2);
  EXPECT_EQ(bytes::GetU16(g31 + 18), 6);
  EXPECT_EQ(bytes::GetU16(g31 + 20), 7);
  EXPECT_EQ(bytes::GetU16(g31 + 22), 0xFFFF);
  ExpectMasksMatchLists(t, kCapacity + 1);

  EXPECT_FALSE(t.ToggleServiceFavorite(5, 3));    // not a single bit
  EXPECT_FALSE(t.ToggleServiceFavorite(900, 1));  // free service
  EXPECT_FALSE(t.ToggleServiceFavorite(-1, 1));
  EXPECT_TRUE(notices.empty());
}

TEST_F(FavoriteGroups, A201stServiceIsRefusedWithTheNotice) {
  for (int s = 0; s < kCapacity; ++s) ASSERT_TRUE(t.ToggleServiceFavorite(s, 4));
  EXPECT_EQ(t.GetFavoriteGroupCount(2), kCapacity);
  EXPECT_FALSE(t.ToggleServiceFavorite(kCapacity, 4));
  EXPECT_EQ(notices, (std::vector<std::string>{"Current favorite table is full!"}));
  EXPECT_EQ(t.GetFavoriteGroupCount(2), kCapacity);
  EXPECT_EQ(t.GetServiceFavoriteMask(kCapacity), 0u);
  ExpectMasksMatchLists(t, kCapacity + 1);
}

TEST_F(FavoriteGroups, RemovingTheLastEntryOfAFullGroupLeavesTheNextGroupAlone) {
  for (int s = 0; s < kCapacity; ++s) ASSERT_TRUE(t.ToggleServiceFavorite(s, 1));
  ASSERT_TRUE(t.ToggleServiceFavorite(3, 2));
  const std::vector<uint8_t> before = t.Encode();
  EXPECT_TRUE(t.ToggleServiceFavorite(kCapacity - 1, 1));
  const std::vector<uint8_t> out = t.Encode();
  const uint8_t* g0 = out.data() + dblayout::kFavoriteOffset;
  EXPECT_EQ(bytes::GetU16(g0), kCapacity - 1);
  EXPECT_EQ(bytes::GetU16(g0 + 18 + 2 * (kCapacity - 1)), 0xFFFF);
  EXPECT_EQ(0, std::memcmp(before.data() + dblayout::kFavoriteOffset + dblayout::kFavoriteRecordSize,
                           g0 + dblayout::kFavoriteRecordSize, dblayout::kFavoriteRecordSize));
}

TEST_F(FavoriteGroups, AListedServiceWithAClearBitIsRepairedNotListedTwice) {
  std::vector<uint8_t> block = t.Encode();
  uint8_t* g1 = FavoriteBytes(block, 1);
  bytes::PutU16(g1, 2);
  bytes::PutU16(g1 + 18, 9);
  bytes::PutU16(g1 + 20, 4);
  t.Decode(block);
  EXPECT_FALSE(t.IsServiceInFavorite(4, 2));
  EXPECT_TRUE(t.ToggleServiceFavorite(4, 2));
  EXPECT_EQ(GroupList(t, 1), (std::vector<int>{9, 4}));
  EXPECT_TRUE(t.IsServiceInFavorite(4, 2));
}

TEST_F(FavoriteGroups, RemoveServiceFromFavoriteLeavesTheMask) {
  for (int s : {1, 2, 3}) ASSERT_TRUE(t.ToggleServiceFavorite(s, 8));
  EXPECT_TRUE(t.RemoveServiceFromFavorite(2, 3));
  EXPECT_FALSE(t.RemoveServiceFromFavorite(2, 3));
  EXPECT_FALSE(t.RemoveServiceFromFavorite(1, 32));
  EXPECT_EQ(GroupList(t, 3), (std::vector<int>{1, 3}));
  EXPECT_EQ(t.GetServiceFavoriteMask(2), 8u);
}

TEST_F(FavoriteGroups, StoredCountsOutsideTheListAreKeptInBounds) {
  std::vector<uint8_t> block = t.Encode();
  bytes::PutU16(FavoriteBytes(block, 0), 0xFFFF);  // reads as -1
  bytes::PutU16(FavoriteBytes(block, 1), 500);
  t.Decode(block);
  EXPECT_EQ(t.GetFavoriteGroupCount(0), 0);
  EXPECT_EQ(t.GetFavoriteGroupCount(1), kCapacity);
  EXPECT_EQ(t.GetFavoriteGroupEntry(0, 0), -1);
  EXPECT_TRUE(t.ToggleServiceFavorite(7, 1));
  EXPECT_EQ(GroupList(t, 0), (std::vector<int>{7}));
  EXPECT_FALSE(t.ToggleServiceFavorite(7, 2));  // a group counted beyond 200 is full
  EXPECT_EQ(notices.size(), 1u);
  // The next group's record is never reached.
  const std::vector<uint8_t> out = t.Encode();
  EXPECT_EQ(0, std::memcmp(out.data() + dblayout::kFavoriteOffset + 2 * dblayout::kFavoriteRecordSize,
                           FavoriteBytes(block, 2), dblayout::kFavoriteRecordSize));
}

TEST_F(FavoriteGroups, AbsentGroupsHaveNoMembersAndRefuseToggles) {
  std::vector<uint8_t> block = t.Encode();
  bytes::PutU32(block.data() + dblayout::kProgramHeaderOffset, dblayout::kMarkerNoFavorites);
  bytes::PutU32(ServiceBytes(block, 4) + 24, 1);
  t.Decode(block);
  EXPECT_EQ(t.GetServiceFavoriteMask(4), 1u);
  EXPECT_FALSE(t.IsServiceInFavorite(4, 1));
  EXPECT_FALSE(t.ToggleServiceFavorite(5, 1));
  EXPECT_EQ(t.GetServiceFavoriteMask(5), 0u);
}

TEST_F(FavoriteGroups, NamesKeep15CharactersAndLeaveTheList) {
  ASSERT_TRUE(t.ToggleServiceFavorite(3, 0x10));
  ASSERT_TRUE(t.SetFavoriteGroupName(0x10, "FifteenLetters!overflow"));
  EXPECT_FALSE(t.SetFavoriteGroupName(0x30, "x"));
  EXPECT_EQ(t.GetFavoriteGroupName(4), "FifteenLetters!");
  TestTables reloaded;
  reloaded.Decode(t.Encode());
  EXPECT_EQ(reloaded.GetFavoriteGroupName(4), "FifteenLetters!");
  EXPECT_EQ(GroupList(reloaded, 4), (std::vector<int>{3}));
  ASSERT_TRUE(t.SetFavoriteGroupName(0x10, "TV"));
  const uint8_t* name = t.GetFavoriteGroupRecord(4)->bytes + 2;
  for (int i = 2; i < 16; ++i) EXPECT_EQ(name[i], 0) << i;
  EXPECT_EQ(t.GetFavoriteGroupName(32), "");
  EXPECT_EQ(t.GetFavoriteGroupName(-1), "");
}

TEST_F(FavoriteGroups, MovesReorderOneGroupsList) {
  for (int s : {10, 11, 12, 13}) ASSERT_TRUE(t.ToggleServiceFavorite(s, 1));
  const struct {
    bool after;
    int service, anchor;
    bool moved;
    std::vector<int> list;
  } steps[] = {
      {true, 10, 13, true, {11, 12, 13, 10}},    // the first after the last
      {false, 10, 11, true, {10, 11, 12, 13}},   // back to the front
      {false, 12, 13, false, {10, 11, 12, 13}},  // already in place
      {true, 10, 10, false, {10, 11, 12, 13}},  {true, 10, 99, false, {10, 11, 12, 13}},  // anchor not listed
      {false, 13, 11, true, {10, 13, 11, 12}},
  };
  for (const auto& s : steps) {
    const bool moved = s.after ? t.MoveFavoriteEntryAfter(0, s.service, s.anchor)
                               : t.MoveFavoriteEntryBefore(0, s.service, s.anchor);
    EXPECT_EQ(moved, s.moved) << s.service << (s.after ? " after " : " before ") << s.anchor;
    EXPECT_EQ(GroupList(t, 0), s.list);
  }
  ExpectMasksMatchLists(t, kCapacity + 1);
}

}  // namespace

namespace {

TEST_F(FavoriteGroups, SeveralServicesToggleUntilTheGroupIsFull) {
  for (int s = 0; s < kCapacity - 2; ++s) ASSERT_TRUE(t.ToggleServiceFavorite(s, 1));
  // 198 listed: the first of these is removed, then three join and the group is full.
  t.ToggleServicesFavorite({0, kCapacity - 2, kCapacity - 1, kCapacity, 5}, 1);
  EXPECT_EQ(t.GetFavoriteGroupCount(0), kCapacity);
  EXPECT_FALSE(t.IsServiceInFavorite(0, 1));
  EXPECT_TRUE(t.IsServiceInFavorite(kCapacity, 1));
  EXPECT_TRUE(t.IsServiceInFavorite(5, 1));  // never reached
  EXPECT_TRUE(notices.empty());
  ExpectMasksMatchLists(t, kCapacity + 1);
}

TEST_F(FavoriteGroups, BlockMovesKeepTheGivenOrder) {
  for (int s : {10, 11, 12, 13, 14, 15}) ASSERT_TRUE(t.ToggleServiceFavorite(s, 1));
  EXPECT_EQ(t.GatherFavoriteEntries(0, {11, 13, 15}), 11);
  EXPECT_EQ(GroupList(t, 0), (std::vector<int>{10, 11, 13, 15, 12, 14}));
  t.MoveFavoriteEntriesAfter(0, {11, 13, 15}, 14);
  EXPECT_EQ(GroupList(t, 0), (std::vector<int>{10, 12, 14, 11, 13, 15}));
  t.MoveFavoriteEntriesBefore(0, {11, 13, 15}, 10);
  EXPECT_EQ(GroupList(t, 0), (std::vector<int>{11, 13, 15, 10, 12, 14}));
  EXPECT_EQ(t.GatherFavoriteEntries(0, {}), -1);
  ExpectMasksMatchLists(t, kCapacity + 1);
}

}  // namespace
