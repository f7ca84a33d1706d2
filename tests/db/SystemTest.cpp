// System settings record: load and save, field setters, defaults, PIN and service entries.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "db/M_system.h"
#include "files/Bytes.h"

namespace {

constexpr size_t kSize = dblayout::kSystemRecordSize;

struct TestSys : M_system {};

std::vector<uint8_t> RandomRecord(unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> r(kSize);
  for (auto& b : r) b = static_cast<uint8_t>(rng());
  return r;
}

std::vector<uint8_t> Encode(const M_system& db) {
  std::vector<uint8_t> r(kSize, 0xEE);
  db.EncodeSystemRecord(r.data());
  return r;
}

TEST(SystemRecord, DecodeEncodeGivesBackEveryByte) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    TestSys db;
    const auto rec = RandomRecord(seed);
    db.DecodeSystemRecord(rec.data());
    EXPECT_EQ(rec, Encode(db)) << seed;
  }
}

// Every setter of the settings page, with where its field sits in the record.
struct FieldCase {
  const char* name;
  bool (M_system::*set)(int);
  int (M_system::*get)() const;
  unsigned offset, size, first, width;
};

#define FIELD(N, off, size, first, width) {#N, &M_system::Set##N, &M_system::Get##N, off, size, first, width}
const FieldCase kFields[] = {
    FIELD(ClockYear, 0x12, 2, 0, 16),         FIELD(AudioPriority, 0x14, 1, 0, 1),
    FIELD(SubtitleDisplay, 0x14, 1, 1, 1),    FIELD(MenuLanguage, 0x14, 1, 2, 6),
    FIELD(ParentalLock, 0x15, 1, 0, 1),       FIELD(AllowedTimeSwitch, 0x15, 1, 1, 1),
    FIELD(AudioLanguage, 0x15, 1, 2, 6),      FIELD(ClockMonth, 0x16, 1, 0, 4),
    FIELD(AllowedEndMinute, 0x16, 2, 4, 6),   FIELD(TimeZone, 0x17, 1, 2, 6),
    FIELD(AllowedEndHour, 0x18, 1, 0, 5),     FIELD(AllowedStartHour, 0x18, 2, 5, 5),
    FIELD(AllowedStartMinute, 0x19, 1, 2, 6), FIELD(ClockDay, 0x1A, 1, 0, 5),
    FIELD(ClockHour, 0x1A, 2, 5, 5),          FIELD(ClockMinute, 0x1B, 1, 2, 6),
    FIELD(CensorClass, 0x1C, 1, 0, 4),        FIELD(PowerOnSwitch, 0x1C, 1, 4, 1),
    FIELD(PowerOnHour, 0x1C, 2, 5, 5),        FIELD(EpgLanguage, 0x1D, 1, 2, 6),
    FIELD(ScreenRatio, 0x1E, 1, 0, 4),        FIELD(TeletextLanguage, 0x1E, 2, 4, 6),
    FIELD(SubtitleLanguage, 0x1F, 1, 2, 6),   FIELD(PowerOffSwitch, 0x20, 1, 0, 1),
    FIELD(TvOutput, 0x20, 1, 1, 3),           FIELD(PowerOnMinute, 0x20, 2, 4, 6),
    FIELD(PowerOffMinute, 0x21, 1, 2, 6),     FIELD(PowerOffHour, 0x22, 1, 0, 5),
    FIELD(VcrScart, 0x22, 1, 5, 3),           FIELD(VideoSaturation, 0x23, 1, 0, 4),
    FIELD(ServiceSwitch, 0x23, 1, 4, 2),      FIELD(SimpleMode, 0x23, 1, 6, 1),
    FIELD(CaInfo, 0x23, 1, 7, 1),             FIELD(UhfMode, 0xCA, 1, 0, 4),
    FIELD(UhfOffset, 0xCA, 1, 4, 4),          FIELD(UhfChannel, 0xCB, 1, 0, 8),
    FIELD(AutoUpdate, 0xCC, 1, 0, 1),         FIELD(OsdTransparency, 0xCC, 1, 4, 4),
    FIELD(BannerTime, 0xCD, 1, 3, 5),         FIELD(VideoBrightness, 0xCE, 1, 0, 4),
    FIELD(VideoContrast, 0xCE, 1, 4, 4),      FIELD(LedBrightness, 0xCF, 1, 4, 3),
    FIELD(DaylightSaving, 0xD0, 1, 0, 1),     FIELD(PanelDisplay, 0xEB, 1, 0, 4),
    FIELD(SpdifMode, 0xEB, 1, 4, 1),          FIELD(TvStandard, 0x139, 1, 2, 3),
    FIELD(RemoteMode, 0x143, 1, 6, 2),
};
#undef FIELD

TEST(SystemRecord, EachSetterChangesOnlyItsBitsAndReadsBack) {
  for (const FieldCase& f : kFields) {
    const auto rec = RandomRecord(31);
    TestSys db;
    db.DecodeSystemRecord(rec.data());
    EXPECT_EQ(static_cast<int>(bytes::GetBits(rec.data() + f.offset, f.size, f.first, f.width)), (db.*f.get)())
        << f.name;
    for (uint32_t value : {0u, bytes::Mask(f.width), 0x5555u & bytes::Mask(f.width)}) {
      ASSERT_TRUE((db.*f.set)(static_cast<int>(value))) << f.name;
      auto expect = rec;
      bytes::SetBits(expect.data() + f.offset, f.size, f.first, f.width, value);
      EXPECT_EQ(expect, Encode(db)) << f.name << " = " << value;
      EXPECT_EQ(static_cast<int>(value), (db.*f.get)()) << f.name;
      // A value that does not fit the field changes nothing.
      EXPECT_FALSE((db.*f.set)(static_cast<int>(bytes::Mask(f.width) + 1))) << f.name;
      EXPECT_FALSE((db.*f.set)(-1)) << f.name;
      EXPECT_EQ(expect, Encode(db)) << f.name;
      db.DecodeSystemRecord(rec.data());
    }
  }
}

TEST(SystemRecord, NeighbourFieldsKeepTheirValues) {
  auto rec = RandomRecord(2);
  rec[0x1A] = static_cast<uint8_t>((rec[0x1A] & 0xE0) | 17);  // clock day 17
  rec[0x139] |= 0x02;                                          // satellite-setting selector
  TestSys db;
  db.DecodeSystemRecord(rec.data());
  db.SetClockHour(23);
  EXPECT_EQ(17, db.GetClockDay());
  EXPECT_EQ(23, db.GetClockHour());
  db.SetTvStandard(4);
  const auto out = Encode(db);
  EXPECT_EQ(4u, bytes::GetBits(out.data() + 0x139, 1, 2, 3));
  EXPECT_TRUE(db.GetSatelliteSettingSelector());
  EXPECT_EQ(0x02, out[0x139] & 0x02);
}

TEST(SystemRecord, DecodesTheFieldsItDoesNotEdit) {
  std::vector<uint8_t> rec(kSize, 0);
  rec[0x131] = 0x9A;                           // nibbles 2 (0xA) and 3 (0x9)
  bytes::PutU32(rec.data() + 0x13C, (0xABCDEu << 12) | (0x11u << 3) | 5u);
  bytes::PutU16(rec.data() + 0xE8, 999);
  rec[0xEA] = 0x80;
  TestSys db;
  db.DecodeSystemRecord(rec.data());
  EXPECT_FALSE(db.GetSatelliteSettingSelector());
  EXPECT_EQ(0xABCDEu, db.GetLanguageMask());
  EXPECT_EQ(0x11, db.GetDefaultLanguagePosition());
  EXPECT_EQ(5, db.GetBoxFieldValue(kBoxValue13C));
  EXPECT_EQ(0xA, db.GetBoxFieldValue(kBoxNibbles130 + 2));
  EXPECT_EQ(0x9, db.GetBoxFieldValue(kBoxNibbles130 + 3));
  EXPECT_EQ(999, db.GetBoxFieldValue(kBoxWordE4 + 2));
  EXPECT_EQ(1, db.GetBoxFieldValue(kBoxFlagsEA + 7));
  EXPECT_EQ(0, db.GetBoxFieldValue(kBoxFlagsEA + 6));
  EXPECT_EQ(-1, db.GetBoxFieldValue(kBoxFieldCount));
}

TEST(SystemRecord, DefaultsHoldInViewAndRecord) {
  TestSys db;
  db.DecodeSystemRecord(RandomRecord(4).data());
  db.ResetSystemView();
  const struct {
    const char* name;
    int (M_system::*get)() const;
    int value;
  } defaults[] = {
      {"AllowedTimeSwitch", &M_system::GetAllowedTimeSwitch, 1}, {"TimeZone", &M_system::GetTimeZone, 24},
      {"ClockYear", &M_system::GetClockYear, 2006},              {"ClockMonth", &M_system::GetClockMonth, 1},
      {"ClockDay", &M_system::GetClockDay, 1},                   {"ClockHour", &M_system::GetClockHour, 1},
      {"ClockMinute", &M_system::GetClockMinute, 1},             {"PowerOnSwitch", &M_system::GetPowerOnSwitch, 1},
      {"PowerOffMinute", &M_system::GetPowerOffMinute, 1},       {"ScreenRatio", &M_system::GetScreenRatio, 2},
      {"TvOutput", &M_system::GetTvOutput, 1},                   {"VcrScart", &M_system::GetVcrScart, 1},
      {"VideoSaturation", &M_system::GetVideoSaturation, 4},     {"UhfOffset", &M_system::GetUhfOffset, 4},
      {"UhfChannel", &M_system::GetUhfChannel, 38},              {"AutoUpdate", &M_system::GetAutoUpdate, 1},
      {"BannerTime", &M_system::GetBannerTime, 3},               {"VideoBrightness", &M_system::GetVideoBrightness, 4},
      {"VideoContrast", &M_system::GetVideoContrast, 4},         {"MenuLanguage", &M_system::GetMenuLanguage, 0},
      {"AllowedStartHour", &M_system::GetAllowedStartHour, 0},   {"TvStandard", &M_system::GetTvStandard, 0},
  };
  // The record holds the defaults too: decoding what a save would write gives them back.
  TestSys reread;
  reread.DecodeSystemRecord(Encode(db).data());
  for (const auto& d : defaults) {
    EXPECT_EQ(d.value, (db.*d.get)()) << d.name;
    EXPECT_EQ(d.value, (reread.*d.get)()) << d.name;
  }
  EXPECT_EQ("", reread.GetPin());
  EXPECT_EQ(10, reread.GetBoxFieldValue(kBoxDwordD4));
  for (int k = 0; k < 3; ++k) EXPECT_EQ(999, reread.GetBoxFieldValue(kBoxWordE4 + k));
  for (int n = 0; n < M_system::kEntryCount; ++n) EXPECT_EQ(0xFFFF, reread.GetServiceLinkedService(n));
}

TEST(SystemRecord, Pin) {
  auto rec = RandomRecord(6);
  std::memcpy(rec.data() + 0x24, "12a4", 4);
  TestSys db;
  db.DecodeSystemRecord(rec.data());
  EXPECT_EQ("124", db.GetPin());
  db.SetPin("4321");
  auto out = Encode(db);
  EXPECT_EQ(0, std::memcmp(out.data() + 0x24, "4321", 4));
  EXPECT_EQ("4321", db.GetPin());
  std::memcpy(rec.data() + 0x24, "4321", 4);
  EXPECT_EQ(rec, out);
  // A short text fills the rest with NULs rather than reading past it.
  db.SetPin("12");
  out = Encode(db);
  EXPECT_EQ(0, std::memcmp(out.data() + 0x24, "12\0\0", 4));
  EXPECT_EQ("12", db.GetPin());
}

TEST(SystemRecord, ClearingEntriesOfADeletedService) {
  auto rec = RandomRecord(8);
  for (int n = 0; n < 8; ++n) bytes::PutU16(rec.data() + 0x28 + 2 * n, static_cast<uint16_t>(100 + n));
  bytes::PutU16(rec.data() + 0x28 + 2 * 2, 17);
  bytes::PutU16(rec.data() + 0x28 + 2 * 7, 17);
  TestSys db;
  db.DecodeSystemRecord(rec.data());

  EXPECT_EQ(0, db.ClearServiceLinkedEntries(55));
  EXPECT_EQ(rec, Encode(db));

  EXPECT_EQ(2, db.ClearServiceLinkedEntries(17));
  auto expect = rec;
  for (int n : {2, 7}) {
    bytes::PutU16(expect.data() + 0x28 + 2 * n, 0xFFFF);
    bytes::PutU16(expect.data() + 0x38 + 2 * n, 0xFFFF);
    for (int b = 0; b < 6; ++b) expect[0x48 + 8 * b + n] = 0;
  }
  bytes::SetBits(expect.data() + 0xC9, 1, 0, 3, 0);  // mode of entry 2
  bytes::SetBits(expect.data() + 0xD0, 2, 7, 3, 0);  // mode of entry 7
  EXPECT_EQ(expect, Encode(db));
  EXPECT_EQ(0xFFFF, db.GetServiceLinkedService(2));
  EXPECT_EQ(0, db.GetServiceLinkedEntry(7)->mode);
  EXPECT_EQ(bytes::GetU32(rec.data() + 0x78 + 4 * 7), db.GetServiceLinkedEntry(7)->dword1);
  EXPECT_EQ(103, db.GetServiceLinkedService(3));

  // Entries already empty are not "cleared" again.
  EXPECT_EQ(0, db.ClearServiceLinkedEntries(0xFFFF));
  EXPECT_EQ(nullptr, db.GetServiceLinkedEntry(8));
  EXPECT_EQ(-1, db.GetServiceLinkedService(-1));
}

}  // namespace
