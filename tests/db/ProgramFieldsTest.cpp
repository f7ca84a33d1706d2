// Service record setters and getters: each setter writes exactly its bits, and image and view agree.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "ProgramTestTables.h"
#include "files/Bytes.h"

namespace {

constexpr int kSlot = 1234;

struct Field {
  size_t offset;
  unsigned size;  // word size in bytes: 1, 2 or 4
  unsigned first;
  unsigned width;
  uint32_t value;  // the value the field must hold afterwards
};

struct SetterCase {
  const char* name;
  std::function<bool(TestTables&)> set;
  std::vector<Field> fields;
};

const std::vector<SetterCase>& Cases() {
  static const std::vector<SetterCase> cases = {
      {"type", [](TestTables& t) { return t.SetServiceType(kSlot, 1); }, {{4, 1, 1, 2, 1}}},
      {"delivery", [](TestTables& t) { return t.SetServiceDelivery(kSlot, 2); }, {{6, 2, 0, 4, 2}}},
      {"transponder",
       [](TestTables& t) { return t.SetServiceTransponder(kSlot, 0xABC); },
       {{6, 2, 4, 12, 0xABC}}},
      {"no transponder",
       [](TestTables& t) { return t.SetServiceTransponder(kSlot, -1); },
       {{6, 2, 4, 12, 0xFFF}}},
      {"satellite", [](TestTables& t) { return t.SetServiceSatellite(kSlot, 17); }, {{21, 1, 0, 8, 17}}},
      {"no satellite", [](TestTables& t) { return t.SetServiceSatellite(kSlot, -1); }, {{21, 1, 0, 8, 0xFF}}},
      {"provider", [](TestTables& t) { return t.SetServiceProvider(kSlot, 0x155); }, {{22, 2, 0, 9, 0x155}}},
      {"no provider", [](TestTables& t) { return t.SetServiceProvider(kSlot, -1); }, {{22, 2, 0, 9, 0x1FF}}},
      {"service ID", [](TestTables& t) { return t.SetServiceId(kSlot, "65535"); }, {{10, 2, 0, 16, 65535}}},
      {"PCR PID", [](TestTables& t) { return t.SetServicePcrPid(kSlot, "8191"); }, {{12, 2, 0, 13, 8191}}},
      {"video PID",
       [](TestTables& t) { return t.SetServiceVideoPid(kSlot, "8191"); },
       {{14, 2, 0, 13, 8191}}},
      {"audio PID", [](TestTables& t) { return t.SetServiceAudioPid(kSlot, "256"); }, {{16, 4, 6, 13, 256}}},
      {"audio PID max",
       [](TestTables& t) { return t.SetServiceAudioPid(kSlot, "8191"); },
       {{16, 4, 6, 13, 8191}}},
      {"PMT PID", [](TestTables& t) { return t.SetServicePmtPid(kSlot, "4660"); }, {{18, 2, 3, 13, 4660}}},
      {"PMT PID zero", [](TestTables& t) { return t.SetServicePmtPid(kSlot, "0"); }, {{18, 2, 3, 13, 0}}},
      {"locked", [](TestTables& t) { return t.SetServiceLocked(kSlot, true); }, {{4, 1, 6, 1, 1}}},
      {"unlocked", [](TestTables& t) { return t.SetServiceLocked(kSlot, false); }, {{4, 1, 6, 1, 0}}},
      {"skipped", [](TestTables& t) { return t.SetServiceSkipped(kSlot, true); }, {{4, 1, 7, 1, 1}}},
      {"scrambled", [](TestTables& t) { return t.SetServiceScrambled(kSlot, true); }, {{16, 1, 5, 1, 1}}},
      {"free to air", [](TestTables& t) { return t.SetServiceScrambled(kSlot, false); }, {{16, 1, 5, 1, 0}}},
      {"HD", [](TestTables& t) { return t.SetServiceHd(kSlot, true); }, {{4, 1, 3, 1, 1}, {4, 1, 5, 1, 1}}},
      {"not HD",
       [](TestTables& t) { return t.SetServiceHd(kSlot, false); },
       {{4, 1, 3, 1, 0}, {4, 1, 5, 1, 0}}},
      {"favorite mask",
       [](TestTables& t) {
         t.SetServiceFavoriteMask(kSlot, 0x80000001u);
         return true;
       },
       {{24, 4, 0, 32, 0x80000001u}}},
      {"previous", [](TestTables& t) { return t.SetServicePrevious(kSlot, 5999); }, {{0, 2, 0, 16, 5999}}},
      {"next", [](TestTables& t) { return t.SetServiceNext(kSlot, -1); }, {{2, 2, 0, 16, 0xFFFF}}},
      {"3-bit value", [](TestTables& t) { return t.SetServiceValue3(kSlot, 5); }, {{14, 2, 13, 3, 5}}},
      {"5-bit value", [](TestTables& t) { return t.SetServiceValue5(kSlot, 4); }, {{16, 1, 0, 5, 4}}},
  };
  return cases;
}

// Bits a case may change, as a mask over the 68 record bytes.
std::vector<uint8_t> AllowedBits(const SetterCase& c) {
  std::vector<uint8_t> mask(dblayout::kServiceRecordSize, 0);
  for (const Field& f : c.fields)
    bytes::SetBits(mask.data() + f.offset, f.size, f.first, f.width, 0xFFFFFFFFu);
  return mask;
}

// A decoded table and a second one decoded from its own encoding: their getters must agree.
void ExpectViewMatchesImage(const TestTables& t, const char* name) {
  TestTables fresh;
  fresh.Decode(t.Encode());
  EXPECT_EQ(fresh.GetServiceType(kSlot), t.GetServiceType(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceDelivery(kSlot), t.GetServiceDelivery(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceTransponder(kSlot), t.GetServiceTransponder(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceSatellite(kSlot), t.GetServiceSatellite(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceProvider(kSlot), t.GetServiceProvider(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceIdText(kSlot), t.GetServiceIdText(kSlot)) << name;
  EXPECT_EQ(fresh.GetServicePcrPidText(kSlot), t.GetServicePcrPidText(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceVideoPidText(kSlot), t.GetServiceVideoPidText(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceAudioPidText(kSlot), t.GetServiceAudioPidText(kSlot)) << name;
  EXPECT_EQ(fresh.GetServicePmtPidText(kSlot), t.GetServicePmtPidText(kSlot)) << name;
  EXPECT_EQ(fresh.IsServiceLocked(kSlot), t.IsServiceLocked(kSlot)) << name;
  EXPECT_EQ(fresh.IsServiceSkipped(kSlot), t.IsServiceSkipped(kSlot)) << name;
  EXPECT_EQ(fresh.IsServiceScrambled(kSlot), t.IsServiceScrambled(kSlot)) << name;
  EXPECT_EQ(fresh.IsServiceHd(kSlot), t.IsServiceHd(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceFavoriteMask(kSlot), t.GetServiceFavoriteMask(kSlot)) << name;
  EXPECT_EQ(fresh.GetServicePrevious(kSlot), t.GetServicePrevious(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceNext(kSlot), t.GetServiceNext(kSlot)) << name;
  EXPECT_EQ(fresh.GetServiceInfo(kSlot)->value3, t.GetServiceInfo(kSlot)->value3) << name;
  EXPECT_EQ(fresh.GetServiceInfo(kSlot)->value5, t.GetServiceInfo(kSlot)->value5) << name;
  EXPECT_EQ(fresh.GetServiceInfo(kSlot)->hdCopy, t.GetServiceInfo(kSlot)->hdCopy) << name;
}

TEST(ProgramFields, EachSetterChangesExactlyItsBits) {
  for (uint32_t seed : {21u, 22u, 23u}) {
    std::vector<uint8_t> block = RandomBlock(seed);
    SetServiceUsedBit(block, kSlot, true);
    for (const SetterCase& c : Cases()) {
      TestTables t;
      t.Decode(block);
      ASSERT_TRUE(c.set(t)) << c.name;
      const std::vector<uint8_t> out = t.Encode();
      const uint8_t* before = block.data() + dblayout::kServiceOffset + 68 * kSlot;
      const uint8_t* after = out.data() + dblayout::kServiceOffset + 68 * kSlot;
      const std::vector<uint8_t> allowed = AllowedBits(c);
      for (size_t i = 0; i < dblayout::kServiceRecordSize; ++i)
        ASSERT_EQ((before[i] ^ after[i]) & ~allowed[i], 0) << c.name << " byte " << i;
      for (const Field& f : c.fields)
        EXPECT_EQ(bytes::GetBits(after + f.offset, f.size, f.first, f.width), f.value) << c.name;
      // The neighbouring records are untouched.
      EXPECT_EQ(0, std::memcmp(before - 68, after - 68, 68)) << c.name;
      EXPECT_EQ(0, std::memcmp(before + 68, after + 68, 68)) << c.name;
      ExpectViewMatchesImage(t, c.name);
    }
  }
}

TEST(ProgramFields, SettersIgnoreBadAndFreeSlotsAndBadValues) {
  std::vector<uint8_t> block = RandomBlock(31);
  SetServiceUsedBit(block, kSlot, true);
  SetServiceUsedBit(block, 7, false);
  TestTables t;
  t.Decode(block);
  const std::vector<uint8_t> original = t.Encode();
  for (int slot : {-1, 7, 6000}) {
    EXPECT_FALSE(t.SetServiceName(slot, "X"));
    EXPECT_FALSE(t.SetServicePcrPid(slot, "1"));
    EXPECT_FALSE(t.SetServiceLocked(slot, true));
    EXPECT_FALSE(t.SetServiceTransponder(slot, 1));
    EXPECT_FALSE(t.SetServicePrevious(slot, 1));
    EXPECT_FALSE(t.ToggleServiceHd(slot));
    t.SetServiceFavoriteMask(slot, 1);
  }
  // Texts that are not numbers of the field's range are refused whole.
  for (const char* text : {"8192", "-1", "", "12a", "99999999999"}) {
    EXPECT_FALSE(t.SetServiceAudioPid(kSlot, text)) << text;
    EXPECT_FALSE(t.SetServicePmtPid(kSlot, text)) << text;
  }
  EXPECT_FALSE(t.SetServiceId(kSlot, "65536"));
  EXPECT_FALSE(t.SetServiceType(kSlot, 3));
  EXPECT_FALSE(t.SetServiceTransponder(kSlot, 0x1000));
  EXPECT_FALSE(t.SetServiceProvider(kSlot, 0x200));
  EXPECT_FALSE(t.SetServiceNext(kSlot, 6000));
  EXPECT_FALSE(t.SetServiceValue3(kSlot, 8));
  EXPECT_FALSE(t.SetServiceValue5(kSlot, 32));
  EXPECT_TRUE(original == t.Encode());
}

TEST(ProgramFields, GettersAnswerNoneForBadAndFreeSlots) {
  std::vector<uint8_t> block = RandomBlock(41);
  SetServiceUsedBit(block, 7, false);
  TestTables t;
  t.Decode(block);
  for (int slot : {-1, 7, 6000}) {
    EXPECT_FALSE(t.IsServiceUsed(slot));
    EXPECT_EQ(t.GetServiceType(slot), -1);
    EXPECT_EQ(t.GetServiceDelivery(slot), -1);
    EXPECT_EQ(t.GetServiceTransponder(slot), -1);
    EXPECT_EQ(t.GetServiceSatellite(slot), -1);
    EXPECT_EQ(t.GetServiceProvider(slot), -1);
    EXPECT_EQ(t.GetServiceCaCount(slot), 0);
    EXPECT_EQ(t.GetServiceCa(slot, 0), 0);
    EXPECT_EQ(t.GetServiceFavoriteMask(slot), 0u);
    EXPECT_FALSE(t.IsServiceLocked(slot) || t.IsServiceSkipped(slot) || t.IsServiceScrambled(slot) ||
                 t.IsServiceHd(slot));
    EXPECT_EQ(t.GetServiceName(slot), "");
    EXPECT_EQ(t.GetServicePmtPidText(slot), "");
    EXPECT_EQ(t.GetServicePrevious(slot), -1);
    EXPECT_EQ(t.GetServiceNext(slot), -1);
  }
  EXPECT_EQ(t.GetServiceInfo(-1), nullptr);
  EXPECT_EQ(t.GetServiceInfo(6000), nullptr);
}

TEST(ProgramFields, NumberTextsAreKeptAsTypedAndReadTrimmed) {
  TestTables t;
  ASSERT_TRUE(t.MarkServiceUsed(0));
  ASSERT_TRUE(t.SetServicePcrPid(0, " 0100 "));
  EXPECT_EQ(t.GetServiceInfo(0)->pcrPidText, " 0100 ");
  EXPECT_EQ(t.GetServicePcrPidText(0), "0100");
  EXPECT_EQ(bytes::GetU16(t.GetServiceRecord(0)->bytes + 12) & 0x1FFF, 100);
}

TEST(ProgramFields, NamesKeepAtMost31CharactersAndTheBytesBehindTheNul) {
  std::vector<uint8_t> block = RandomBlock(51);
  SetServiceUsedBit(block, kSlot, true);
  TestTables t;
  t.Decode(block);
  const std::string name31(31, 'N');
  ASSERT_TRUE(t.SetServiceName(kSlot, name31 + "overflow"));
  EXPECT_EQ(t.GetServiceName(kSlot), name31);
  TestTables reloaded;
  reloaded.Decode(t.Encode());
  EXPECT_EQ(reloaded.GetServiceName(kSlot), name31);
  EXPECT_EQ(t.Encode()[dblayout::kServiceOffset + 68 * (kSlot + 1)], ServiceBytes(block, kSlot + 1)[0]);

  ASSERT_TRUE(t.SetServiceName(kSlot, "BBC"));
  const uint8_t* name = t.GetServiceRecord(kSlot)->bytes + 36;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(name), 4), std::string("BBC\0", 4));
  EXPECT_EQ(name[4], 'N');  // the old name's tail stays behind the NUL
  EXPECT_EQ(t.GetServiceName(kSlot), "BBC");
}

TEST(ProgramFields, TogglesInvertOneFlagAndHdOnlyForTv) {
  TestTables t;
  for (int slot : {0, 1, 2}) {
    ASSERT_TRUE(t.MarkServiceUsed(slot));
    ASSERT_TRUE(t.SetServiceType(slot, slot));  // 0 TV, 1 radio, 2 data
  }
  EXPECT_TRUE(t.ToggleServiceHd(0));
  EXPECT_TRUE(t.IsServiceHd(0));
  EXPECT_EQ(t.GetServiceRecord(0)->bytes[4] & 0x28, 0x28);
  for (int slot : {1, 2}) {
    const std::vector<uint8_t> before = t.Encode();
    EXPECT_FALSE(t.ToggleServiceHd(slot));
    EXPECT_TRUE(before == t.Encode());
  }
  EXPECT_TRUE(t.ToggleServiceLocked(1));
  EXPECT_TRUE(t.IsServiceLocked(1));
  EXPECT_TRUE(t.ToggleServiceLocked(1));
  EXPECT_FALSE(t.IsServiceLocked(1));
  EXPECT_TRUE(t.ToggleServiceScrambled(2));
  EXPECT_TRUE(t.IsServiceScrambled(2));
  EXPECT_FALSE(t.IsServiceSkipped(2));
}

TEST(ProgramFields, FreedSlotHoldsResetValuesAndSlot5999IsUsable) {
  TestTables t;
  const std::vector<uint8_t> cleared = t.Encode();
  EXPECT_EQ(t.FindFreeServiceSlot(), 0);
  ASSERT_TRUE(t.MarkServiceUsed(5999));
  ASSERT_TRUE(t.SetServiceName(5999, "Last"));
  ASSERT_TRUE(t.SetServicePmtPid(5999, "32"));
  EXPECT_EQ(t.GetServiceName(5999), "Last");
  t.ResetService(5999);
  EXPECT_FALSE(t.IsServiceUsed(5999));
  EXPECT_TRUE(cleared == t.Encode());
}

TEST(ProgramHeader, CountsFollowTheCountUpdateMode) {
  struct Step {
    CountUpdateMode mode;
    int type;
    int total, tv, radio, data;
  };
  const Step steps[] = {
      {COUNT_INCREMENT, 0, 1, 1, 0, 0}, {COUNT_INCREMENT, 2, 2, 1, 0, 1}, {COUNT_NO_CHANGE, 1, 2, 1, 0, 1},
      {COUNT_DECREMENT, 0, 1, 0, 0, 1}, {COUNT_DECREMENT, 0, 0, 0, 0, 1},  // never below 0
      {COUNT_INCREMENT, 1, 1, 0, 1, 1},
  };
  TestTables t;
  for (const Step& s : steps) {
    t.SetCountUpdateMode(s.mode);
    t.UpdateServiceCounts(s.type);
    EXPECT_EQ(t.GetUsedServiceCount(), s.total);
    EXPECT_EQ(t.GetUsedServiceTypeCount(0), s.tv);
    EXPECT_EQ(t.GetUsedServiceTypeCount(1), s.radio);
    EXPECT_EQ(t.GetUsedServiceTypeCount(2), s.data);
  }
  const std::vector<uint8_t> out = t.Encode();
  const uint8_t* h = out.data() + dblayout::kProgramHeaderOffset;
  EXPECT_EQ(bytes::GetU16(h + 8), 1);
  EXPECT_EQ(bytes::GetU16(h + 12), 1);
  EXPECT_EQ(bytes::GetU16(h + 14), 1);
}

TEST(ProgramHeader, FirstAndLastServiceLinks) {
  TestTables t;
  EXPECT_EQ(t.GetFirstService(), -1);
  EXPECT_TRUE(t.SetFirstService(5999));
  EXPECT_TRUE(t.SetLastService(0));
  EXPECT_FALSE(t.SetLastService(6000));
  EXPECT_EQ(t.GetFirstService(), 5999);
  EXPECT_EQ(t.GetLastService(), 0);
  const std::vector<uint8_t> out = t.Encode();
  EXPECT_EQ(bytes::GetU16(out.data() + dblayout::kProgramHeaderOffset + 4), 5999);
  EXPECT_TRUE(t.SetFirstService(0xFFFF));
  EXPECT_EQ(t.GetFirstService(), -1);
}

}  // namespace
