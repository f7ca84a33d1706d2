// Satellite table: byte-exact load and save, field setters, texts and the setting selector.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "db/DbLayout.h"
#include "db/M_antenna.h"
#include "files/Bytes.h"

namespace {

struct TestSat : M_antenna {
  bool selector = false;
  bool SatelliteSettingSelector() const override { return selector; }
};

std::vector<uint8_t> RandomBlock(unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> block(dblayout::kBlockSize);
  for (auto& b : block) b = static_cast<uint8_t>(rng());
  return block;
}

std::vector<uint8_t> Encode(const M_antenna& db) {
  std::vector<uint8_t> block(dblayout::kBlockSize, 0xFF);
  db.EncodeAntennas(block.data());
  return block;
}

uint8_t* Slot(std::vector<uint8_t>& block, int slot) { return block.data() + slot * dblayout::kSatelliteSlotSize; }

constexpr size_t kTableBytes = dblayout::kSatelliteCount * dblayout::kSatelliteSlotSize;

TEST(AntennaTable, DecodeEncodeGivesBackEverySlotByte) {
  for (unsigned seed = 1; seed <= 3; ++seed) {
    auto db = std::make_unique<TestSat>();
    const auto block = RandomBlock(seed);
    db->DecodeAntennas(block.data());
    const auto out = Encode(*db);
    EXPECT_EQ(0, std::memcmp(out.data(), block.data(), kTableBytes)) << "seed " << seed;
    // Nothing outside the table is written.
    EXPECT_EQ(0xFF, out[kTableBytes]);
  }
}

TEST(AntennaTable, SlotTailByteIsKeptButNotRead) {
  auto block = RandomBlock(7);
  auto a = std::make_unique<TestSat>();
  a->DecodeAntennas(block.data());
  Slot(block, 5)[59] ^= 0xFF;
  auto b = std::make_unique<TestSat>();
  b->DecodeAntennas(block.data());
  EXPECT_EQ(a->GetAntennaLabel(5), b->GetAntennaLabel(5));
  EXPECT_EQ(a->GetAntennaLnbFrequencyText(5), b->GetAntennaLnbFrequencyText(5));
  EXPECT_EQ(Slot(block, 5)[59], Encode(*b)[5 * 60 + 59]);
}

// Each setter changes exactly its own bits: the expected block is the old one with only that
// field rewritten.
TEST(AntennaTable, EachSetterChangesOnlyItsBits) {
  struct Case {
    const char* name;
    bool selector;
    std::function<bool(M_antenna&)> set;
    std::function<void(uint8_t*)> expect;
  };
  const int s = 17;
  const std::vector<Case> cases = {
      {"LnbType", false, [&](M_antenna& d) { return d.SetAntennaLnbType(s, 7); },
       [](uint8_t* r) { r[0] = 7; bytes::SetBits(r + 4, 1, 5, 1, 1); }},
      {"22K", false, [&](M_antenna& d) { return d.SetAntenna22K(s, 2); }, [](uint8_t* r) { bytes::SetBits(r + 2, 1, 1, 2, 2); }},
      {"12V", false, [&](M_antenna& d) { return d.SetAntenna12V(s, 1); }, [](uint8_t* r) { bytes::SetBits(r + 2, 1, 0, 1, 1); }},
      {"Power", false, [&](M_antenna& d) { return d.SetAntennaPower(s, 6); }, [](uint8_t* r) { bytes::SetBits(r + 4, 1, 0, 4, 6); }},
      {"Diseqc", false, [&](M_antenna& d) { return d.SetAntennaDiseqc(s, 3); }, [](uint8_t* r) { bytes::SetBits(r + 1, 1, 0, 4, 3); }},
      {"DiseqcSecondSet", true, [&](M_antenna& d) { return d.SetAntennaDiseqc(s, 4); }, [](uint8_t* r) { bytes::SetBits(r + 9, 1, 0, 4, 4); }},
      {"Motor", false, [&](M_antenna& d) { return d.SetAntennaMotor(s, 2); }, [](uint8_t* r) { bytes::SetBits(r + 1, 1, 4, 4, 4); }},
      {"MotorSecondSet", true, [&](M_antenna& d) { return d.SetAntennaMotor(s, 1); }, [](uint8_t* r) { bytes::SetBits(r + 9, 1, 4, 4, 2); }},
      {"Longitude", false, [&](M_antenna& d) { return d.SetAntennaLongitude(s, "350.5"); },
       [](uint8_t* r) { bytes::SetBits(r + 2, 2, 3, 13, 3505); }},
      {"LnbFrequency", false, [&](M_antenna& d) { return d.SetAntennaLnbFrequency(s, "10750"); },
       [](uint8_t* r) { bytes::PutU16(r + 6, 10750); }},
      {"Name", false, [&](M_antenna& d) { return d.SetAntennaName(s, "Astra"); },
       [](uint8_t* r) { std::memcpy(r + 16, "Astra", 6); }},
      {"AutoScanFrequency", false, [&](M_antenna& d) { return d.SetAutoScanTpFrequency(s, 1, "12750"); },
       [](uint8_t* r) { bytes::SetBits(r + 43, 2, 2, 14, 12750); }},
      {"AutoScanSymbolRate", false, [&](M_antenna& d) { return d.SetAutoScanTpSymbolRate(s, 2, "45000"); },
       [](uint8_t* r) { bytes::PutU16(r + 53, 45000); }},
      {"AutoScanPolarity", false, [&](M_antenna& d) { return d.SetAutoScanTpPolarity(s, 0, 1); },
       [](uint8_t* r) { bytes::SetBits(r + 35, 2, 0, 2, 1); }},
  };
  for (const Case& c : cases) {
    auto block = RandomBlock(11);
    auto db = std::make_unique<TestSat>();
    db->DecodeAntennas(block.data());
    db->selector = c.selector;
    ASSERT_TRUE(c.set(*db)) << c.name;
    c.expect(Slot(block, s));
    const auto out = Encode(*db);
    EXPECT_EQ(0, std::memcmp(out.data(), block.data(), kTableBytes)) << c.name;
    // The view agrees with the bytes: a fresh decode reads the same values back.
    auto again = std::make_unique<TestSat>();
    again->selector = c.selector;
    again->DecodeAntennas(out.data());
    EXPECT_EQ(db->GetAntennaLabel(s), again->GetAntennaLabel(s)) << c.name;
    EXPECT_EQ(db->GetAntennaDiseqc(s), again->GetAntennaDiseqc(s)) << c.name;
    EXPECT_EQ(db->GetAntennaMotor(s), again->GetAntennaMotor(s)) << c.name;
    EXPECT_EQ(db->GetAntenna22KText(s), again->GetAntenna22KText(s)) << c.name;
    EXPECT_EQ(db->GetAntennaPower(s), again->GetAntennaPower(s)) << c.name;
    EXPECT_EQ(db->GetAntennaLnbFrequencyText(s), again->GetAntennaLnbFrequencyText(s)) << c.name;
    for (int n = 0; n < 3; ++n) {
      EXPECT_EQ(db->GetAutoScanTpFrequencyText(s, n), again->GetAutoScanTpFrequencyText(s, n)) << c.name;
      EXPECT_EQ(db->GetAutoScanTpSymbolRateText(s, n), again->GetAutoScanTpSymbolRateText(s, n)) << c.name;
      EXPECT_EQ(db->GetAutoScanTpPolarity(s, n), again->GetAutoScanTpPolarity(s, n)) << c.name;
    }
  }
}

TEST(AntennaTable, LongitudeTexts) {
  const struct {
    int tenths;
    const char* text;
  } cases[] = {{0, "  0.0 E"}, {192, " 19.2 E"}, {1800, "180.0 E"}, {1801, "179.9 W"}, {3505, "  9.5 W"}, {3600, "  0.0 W"}};
  auto block = RandomBlock(3);
  for (const auto& c : cases) {
    bytes::SetBits(Slot(block, 0) + 2, 2, 3, 13, static_cast<uint32_t>(c.tenths));
    auto db = std::make_unique<TestSat>();
    db->DecodeAntennas(block.data());
    EXPECT_EQ(c.text, db->GetAntennaLongitudeText(0)) << c.tenths;
    EXPECT_EQ(c.tenths, db->GetAntennaLongitude(0));
  }
}

TEST(AntennaTable, LongitudeFromText) {
  const struct {
    const char* text;
    int tenths;
    const char* shown;
  } cases[] = {
      {"19.2", 192, "19.2 E"},    {"330E", 3300, " 30.0 W"}, {"350.5", 3505, "  9.5 W"},
      {"360", 3600, "  0.0 W"},   {"180", 1800, "180 E"},
      {"19.25", 193, " 19.3 E"},  // more decimals than tenths: rounded, text follows the value
  };
  for (const auto& c : cases) {
    TestSat db;
    ASSERT_TRUE(db.SetAntennaLongitude(4, c.text)) << c.text;
    EXPECT_EQ(c.tenths, db.GetAntennaLongitude(4)) << c.text;
    EXPECT_EQ(c.shown, db.GetAntennaLongitudeText(4)) << c.text;
  }
  TestSat db;
  db.SetAntennaLongitude(4, "19.2");
  for (const char* bad : {"", "abc", "1.2.3", "-5", "900"}) {
    EXPECT_FALSE(db.SetAntennaLongitude(4, bad)) << bad;
    EXPECT_EQ(192, db.GetAntennaLongitude(4)) << bad;
  }
}

TEST(AntennaTable, SettingTexts) {
  TestSat db;
  const char* lnb[] = {"9750/10600", "9750/10750", "9750", "10600", "One Cable L",
                       "One Cable H", "5150",       "10000/10450", "11300"};
  db.SetAntenna22K(0, 1);
  for (int t = 0; t < 9; ++t) {
    db.SetAntennaLnbType(0, t);
    EXPECT_EQ(lnb[t], db.GetAntennaLnbFrequencyText(0));
    EXPECT_EQ(t <= 1 ? "Auto" : "ON", db.GetAntenna22KText(0)) << t;
  }
  db.SetAntennaLnbType(0, 9);
  db.SetAntennaLnbFrequency(0, "11475");
  EXPECT_EQ("11475", db.GetAntennaLnbFrequencyText(0));
  EXPECT_EQ("User(5150)", M_antenna::LnbTypeMenuText(9));

  const char* power[] = {"OFF", "13", "18", "13/18", "13.5", "18.5", "13.5/18.5"};
  for (int p = 0; p < 7; ++p) EXPECT_EQ(power[p], M_antenna::LnbPowerText(p));
  const char* diseqc[] = {"OFF", "DisEqC A", "DisEqC B", "DisEqC C", "DisEqC D"};
  for (int p = 0; p < 5; ++p) EXPECT_EQ(diseqc[p], M_antenna::DiseqcText(p));
  const char* motor[] = {"OFF", "OFF", "DISEqC1.2", "DISEqC1.2", "USALS", "USALS", ""};
  for (int m = 0; m < 7; ++m) EXPECT_EQ(motor[m], M_antenna::MotorText(m));

  db.SetAntennaName(2, "Hotbird");
  db.SetAntennaLongitude(2, "13.0");
  EXPECT_EQ("  3:  [13.0 E]  Hotbird", db.GetAntennaLabel(2));
  EXPECT_EQ("  [Blank], Please select.", db.GetAntennaLabel(-1));
}

TEST(AntennaTable, LnbTypeAndMotorEdgeCases) {
  TestSat db;
  // The page's LNB-type change: the tone follows the type.
  db.SetAntennaLnbType(1, 7);
  db.SetAntenna22K(1, 0);
  EXPECT_EQ(0, db.GetAntenna22K(1));
  db.SetAntennaLnbType(1, 1);
  db.SetAntenna22K(1, 2);
  EXPECT_EQ(2, db.GetAntenna22K(1));

  // USALS on port B.
  db.SetAntennaDiseqc(1, 2);
  db.SetAntennaMotor(1, 2);
  EXPECT_EQ(0x42, Encode(db)[1 * 60 + 1]);

  // Under the selector bit the motor lands in byte 9 and byte 1 keeps its value.
  db.selector = true;
  db.SetAntennaMotor(1, 1);
  const auto out = Encode(db);
  EXPECT_EQ(0x42, out[1 * 60 + 1]);
  EXPECT_EQ(2, out[1 * 60 + 9] >> 4);
  EXPECT_EQ(2, db.GetAntennaMotor(1));
  EXPECT_EQ("DISEqC1.2", db.GetAntennaMotorText(1));
  db.selector = false;
  EXPECT_EQ(4, db.GetAntennaMotor(1));
  EXPECT_EQ(2, db.GetAntennaDiseqc(1));
}

TEST(AntennaTable, NameStaysInsideItsField) {
  auto block = RandomBlock(5);
  auto db = std::make_unique<TestSat>();
  db->DecodeAntennas(block.data());
  const std::string eighteen = "ABCDEFGHIJKLMNOPQR";
  db->SetAntennaName(3, eighteen);
  auto out = Encode(*db);
  EXPECT_EQ(0, out[3 * 60 + 16 + 18]);
  EXPECT_EQ(0, std::memcmp(out.data() + 3 * 60 + 35, Slot(block, 3) + 35, 24));  // auto scan bytes
  auto reread = std::make_unique<TestSat>();
  reread->DecodeAntennas(out.data());
  EXPECT_EQ(eighteen, reread->GetAntennaName(3));

  // A longer name is cut to 18 characters so the NUL stays in the field.
  db->SetAntennaName(3, eighteen + "STUVW");
  out = Encode(*db);
  EXPECT_EQ(eighteen, db->GetAntennaName(3));
  EXPECT_EQ(0, out[3 * 60 + 34]);
  EXPECT_EQ(0, std::memcmp(out.data() + 3 * 60 + 35, Slot(block, 3) + 35, 24));

  // A short name leaves the bytes behind its NUL as they were.
  db->SetAntennaName(3, "AB");
  out = Encode(*db);
  EXPECT_EQ(0, out[3 * 60 + 18]);
  EXPECT_EQ('D', out[3 * 60 + 19]);
  EXPECT_EQ("AB", db->GetAntennaName(3));
}

TEST(AntennaTable, SlotsOutsideTheTable) {
  auto db = std::make_unique<TestSat>();
  const auto block = RandomBlock(9);
  db->DecodeAntennas(block.data());
  for (int slot : {-1, 64, 1000}) {
    EXPECT_EQ(0xFFFF, db->GetAntennaDiseqc(slot));
    EXPECT_EQ(0, db->GetAntennaMotor(slot));
    EXPECT_EQ(-1, db->GetAntennaLnbType(slot));
    EXPECT_EQ(-1, db->GetAutoScanTpPolarity(slot, 0));
    EXPECT_EQ("", db->GetAntennaName(slot));
    EXPECT_EQ("", db->GetAntennaLongitudeText(slot));
    EXPECT_FALSE(db->SetAntennaName(slot, "X"));
    EXPECT_FALSE(db->SetAntennaMotor(slot, 1));
    EXPECT_FALSE(db->SetAntennaLongitude(slot, "10"));
  }
  EXPECT_FALSE(db->SetAutoScanTpFrequency(0, 3, "11000"));
  EXPECT_FALSE(db->SetAutoScanTpFrequency(0, 0, "16384"));  // beyond the 14-bit field
  EXPECT_EQ(0, std::memcmp(Encode(*db).data(), block.data(), kTableBytes));
}

}  // namespace
