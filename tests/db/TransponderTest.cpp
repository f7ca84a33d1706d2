// Satellite and terrestrial transponder tables: load and save, setters, texts, counts and
// look-ups.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "db/DbLayout.h"
#include "db/M_transponder.h"
#include "files/Bytes.h"

namespace {

using dblayout::kBlockSize;

struct TestTp : M_transponder {};

std::vector<uint8_t> RandomBlock(unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> block(kBlockSize);
  for (auto& b : block) b = static_cast<uint8_t>(rng());
  return block;
}

std::vector<uint8_t> Encode(const M_transponder& db) {
  std::vector<uint8_t> block(kBlockSize, 0xFF);
  db.EncodeSatTransponders(block.data());
  db.EncodeTerTransponders(block.data());
  return block;
}

std::unique_ptr<TestTp> Decoded(const std::vector<uint8_t>& block) {
  auto db = std::make_unique<TestTp>();
  db->DecodeSatTransponders(block.data());
  db->DecodeTerTransponders(block.data());
  return db;
}

uint8_t* SatRec(std::vector<uint8_t>& b, int slot) { return b.data() + dblayout::kTransponderOffset + 16 * slot; }
uint8_t* TerRec(std::vector<uint8_t>& b, int slot) { return b.data() + dblayout::kTerOffset + 8 * slot; }

// The byte ranges the two tables own, headers included.
constexpr size_t kSatBegin = dblayout::kTransponderHeaderOffset;
constexpr size_t kSatEnd = dblayout::kTransponderOffset + 16 * dblayout::kTransponderCount;
constexpr size_t kTerBegin = dblayout::kTerHeaderOffset;
constexpr size_t kTerEnd = dblayout::kTerOffset + 8 * dblayout::kTerCount;

bool SameTables(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  return std::memcmp(a.data() + kSatBegin, b.data() + kSatBegin, kSatEnd - kSatBegin) == 0 &&
         std::memcmp(a.data() + kTerBegin, b.data() + kTerBegin, kTerEnd - kTerBegin) == 0;
}

// A random block in which the given satellite and terrestrial slots are used.
std::vector<uint8_t> BlockWithUsed(unsigned seed, int satSlot, int terSlot) {
  auto block = RandomBlock(seed);
  bytes::SetBits(SatRec(block, satSlot) + 2, 1, 1, 1, 1);
  TerRec(block, terSlot)[0] |= 1;
  return block;
}

TEST(TransponderTables, DecodeEncodeGivesBackEveryByte) {
  for (unsigned seed = 1; seed <= 3; ++seed) {
    const auto block = RandomBlock(seed);
    const auto out = Encode(*Decoded(block));
    EXPECT_TRUE(SameTables(out, block)) << seed;
    EXPECT_EQ(0xFF, out[kSatEnd]);  // the gap behind the table stays untouched
    EXPECT_EQ(0xFF, out[kTerEnd]);
  }
}

TEST(TransponderTables, EachSetterChangesOnlyItsBits) {
  struct Case {
    const char* name;
    std::function<bool(M_transponder&)> set;
    std::function<void(std::vector<uint8_t>&)> expect;
  };
  const int t = 3999;
  const int r = 199;
  const std::vector<Case> cases = {
      {"Satellite", [&](M_transponder& d) { return d.SetTransponderSatellite(t, 63); },
       [&](std::vector<uint8_t>& b) { SatRec(b, t)[0] = 63; }},
      {"Number", [&](M_transponder& d) { return d.SetTransponderNumber(t, 300); },
       [&](std::vector<uint8_t>& b) { bytes::SetBits(SatRec(b, t) + 1, 2, 0, 9, 300); }},
      {"Frequency", [&](M_transponder& d) { return d.SetTransponderFrequency(t, "12750"); },
       [&](std::vector<uint8_t>& b) { bytes::SetBits(SatRec(b, t) + 4, 2, 2, 14, 12750); }},
      {"SymbolRate", [&](M_transponder& d) { return d.SetTransponderSymbolRate(t, "45000"); },
       [&](std::vector<uint8_t>& b) { bytes::PutU16(SatRec(b, t) + 6, 45000); }},
      {"Polarity", [&](M_transponder& d) { return d.SetTransponderPolarity(t, 1); },
       [&](std::vector<uint8_t>& b) { bytes::SetBits(SatRec(b, t) + 2, 1, 2, 2, 1); }},
      {"Fec", [&](M_transponder& d) { return d.SetTransponderFec(t, 8); },
       [&](std::vector<uint8_t>& b) { bytes::SetBits(SatRec(b, t) + 2, 1, 4, 4, 8); }},
      {"Modulation", [&](M_transponder& d) { return d.SetTransponderModulation(t, 1); },
       [&](std::vector<uint8_t>& b) { bytes::SetBits(SatRec(b, t) + 12, 1, 0, 1, 1); }},
      {"ImportFields", [&](M_transponder& d) { return d.SetTransponderImportFields(t); },
       [&](std::vector<uint8_t>& b) {
         bytes::PutU32(SatRec(b, t) + 8, 0xFFFFFFFF);
         bytes::SetBits(SatRec(b, t) + 12, 4, 2, 30, 0);
       }},
      {"TerNumber", [&](M_transponder& d) { return d.SetTerTransponderNumber(r, 200); },
       [&](std::vector<uint8_t>& b) { TerRec(b, r)[1] = 200; }},
      {"TerChannel", [&](M_transponder& d) { return d.SetTerTransponderChannel(r, "255"); },
       [&](std::vector<uint8_t>& b) { TerRec(b, r)[2] = 255; }},
      {"TerBandwidth", [&](M_transponder& d) { return d.SetTerTransponderBandwidth(r, 2); },
       [&](std::vector<uint8_t>& b) { TerRec(b, r)[3] = 2; }},
      {"TerFrequency", [&](M_transponder& d) { return d.SetTerTransponderFrequency(r, "1000000"); },
       [&](std::vector<uint8_t>& b) { bytes::PutU32(TerRec(b, r) + 4, 1000000); }},
  };
  for (const Case& c : cases) {
    auto block = BlockWithUsed(21, t, r);
    auto db = Decoded(block);
    ASSERT_TRUE(c.set(*db)) << c.name;
    c.expect(block);
    const auto out = Encode(*db);
    EXPECT_TRUE(SameTables(out, block)) << c.name;
    // The view agrees with the bytes.
    auto again = Decoded(out);
    EXPECT_EQ(db->GetTransponderLabel(t, 1), again->GetTransponderLabel(t, 1)) << c.name;
    EXPECT_EQ(db->GetTransponderFecText(t), again->GetTransponderFecText(t)) << c.name;
    EXPECT_EQ(db->GetTransponderNumber(t), again->GetTransponderNumber(t)) << c.name;
    EXPECT_EQ(db->GetTransponderSatellite(t), again->GetTransponderSatellite(t)) << c.name;
    EXPECT_EQ(db->GetTransponderLabel(r, 2), again->GetTransponderLabel(r, 2)) << c.name;
    EXPECT_EQ(db->GetTerTransponderNumber(r), again->GetTerTransponderNumber(r)) << c.name;
  }
}

TEST(TransponderTables, FreedSlotsHoldTheResetValues) {
  auto block = BlockWithUsed(5, 10, 20);
  auto db = Decoded(block);
  ASSERT_TRUE(db->FreeTransponderSlot(10));
  ASSERT_TRUE(db->FreeTerTransponderSlot(20));
  const auto out = Encode(*db);
  const uint8_t* rec = out.data() + dblayout::kTransponderOffset + 16 * 10;
  const uint8_t expect[8] = {0xFF, 0x00, 0x00, 0x00, 0xF8, 0x00, 0xDD, 0x6D};
  EXPECT_EQ(0, std::memcmp(rec, expect, 8));
  EXPECT_EQ(0, std::memcmp(rec + 8, SatRec(block, 10) + 8, 4));  // u32 at 8 kept
  EXPECT_EQ(bytes::GetU32(SatRec(block, 10) + 12) & 3u, bytes::GetU32(rec + 12));
  const uint8_t zeros[8] = {};
  EXPECT_EQ(0, std::memcmp(out.data() + dblayout::kTerOffset + 8 * 20, zeros, 8));
  EXPECT_FALSE(db->IsTransponderUsed(10));
  EXPECT_EQ("", db->GetTransponderFrequencyText(10));
  EXPECT_FALSE(db->IsTerTransponderUsed(20));
}

TEST(TransponderTables, ClearedTablesEncodeResetValuesAndZeroCounts) {
  auto db = Decoded(RandomBlock(8));
  db->ResetSatTransponders();
  db->ResetTerTransponders();
  const auto out = Encode(*db);
  EXPECT_EQ(0, db->GetTransponderCount());
  EXPECT_EQ(0, db->GetTerTransponderCount());
  for (int s = 0; s < 64; ++s) EXPECT_EQ(0, db->GetSatelliteTransponderCount(s));
  for (int t : {0, 1234, 3999}) {
    EXPECT_EQ(0xFF, out[dblayout::kTransponderOffset + 16 * t]);
    EXPECT_EQ(28125, bytes::GetU16(out.data() + dblayout::kTransponderOffset + 16 * t + 6));
  }
  EXPECT_EQ(0, db->FindFreeTransponderSlot(1));
  EXPECT_EQ(0, db->FindFreeTransponderSlot(2));
}

TEST(TransponderTables, Texts) {
  auto block = BlockWithUsed(9, 0, 0);
  auto db = Decoded(block);
  const char* fec[] = {"Auto", "1/2", "2/3", "3/4", "4/5", "5/6", "7/8", "8/9", "9/10"};
  for (int f = 0; f < 9; ++f) {
    db->SetTransponderFec(0, f);
    EXPECT_EQ(fec[f], db->GetTransponderFecText(0));
  }
  db->SetTransponderFec(0, 9);
  EXPECT_EQ("", db->GetTransponderFecText(0));

  db->SetTransponderFrequency(0, "4000");
  db->SetTransponderSymbolRate(0, "2200");
  db->SetTransponderPolarity(0, 1);
  db->SetTransponderModulation(0, 1);
  EXPECT_EQ("  04000-V-02200-S2", db->GetTransponderLabel(0, 1));
  db->SetTransponderPolarity(0, 0);
  db->SetTransponderModulation(0, 0);
  db->SetTransponderFrequency(0, "12750");
  EXPECT_EQ("  12750-H-02200-S1", db->GetTransponderLabel(0, 4));

  db->SetTerTransponderFrequency(0, "474000");
  db->SetTerTransponderChannel(0, "21");
  db->SetTerTransponderBandwidth(0, 2);
  EXPECT_EQ("474.0", db->GetTerTransponderFrequencyText(0));
  EXPECT_EQ("8 MHz", db->GetTerTransponderBandwidthText(0));
  EXPECT_EQ("  21-[474.0  MHz]-[8 MHz]", db->GetTransponderLabel(0, 2));
  db->SetTerTransponderFrequency(0, "8000");
  EXPECT_EQ("  8.0", db->GetTerTransponderFrequencyText(0));
  EXPECT_EQ("6 MHz", M_transponder::BandwidthText(0));
  EXPECT_EQ("7 MHz", M_transponder::BandwidthText(1));

  EXPECT_EQ("  [Blank], Please Select.", db->GetTransponderLabel(-1, 1));
  EXPECT_EQ("  [Blank], Please Select.", db->GetTransponderLabel(-1, 2));
}

TEST(TransponderTables, MarkingUsedShowsTheStoredFields) {
  TestTp db;
  ASSERT_TRUE(db.MarkTransponderUsed(7));
  EXPECT_EQ("S1", db.GetTransponderModulationText(7));
  EXPECT_EQ("H", db.GetTransponderPolarityText(7));
  EXPECT_EQ("28125", db.GetTransponderSymbolRateText(7));
  ASSERT_TRUE(db.MarkTerTransponderUsed(7));
  EXPECT_EQ("6 MHz", db.GetTerTransponderBandwidthText(7));
  EXPECT_EQ(0, db.GetTerTransponderNumber(7));
}

TEST(TransponderTables, CountsFollowTheCountUpdateMode) {
  TestTp db;
  const struct {
    CountUpdateMode mode;
    int total;
    int satellite;
    int ter;
  } steps[] = {
      {COUNT_INCREMENT, 1, 1, 1}, {COUNT_INCREMENT, 2, 2, 2}, {COUNT_NO_CHANGE, 2, 2, 2},
      {COUNT_DECREMENT, 1, 1, 1}, {COUNT_DECREMENT, 0, 0, 0}, {COUNT_DECREMENT, 0, 0, 0},
  };
  for (const auto& s : steps) {
    db.SetCountUpdateMode(s.mode);
    db.UpdateTransponderCount();
    db.UpdateSatelliteTransponderCount(63);
    db.UpdateTerTransponderCount();
    EXPECT_EQ(s.total, db.GetTransponderCount());
    EXPECT_EQ(s.satellite, db.GetSatelliteTransponderCount(63));
    EXPECT_EQ(s.ter, db.GetTerTransponderCount());
    EXPECT_EQ(0, db.GetSatelliteTransponderCount(62));
  }
  db.SetCountUpdateMode(COUNT_INCREMENT);
  db.UpdateSatelliteTransponderCount(64);  // no such satellite: nothing changes
  db.UpdateSatelliteTransponderCount(-1);
  const auto out = Encode(db);
  for (size_t i = 0; i < dblayout::kTransponderHeaderSize; ++i) EXPECT_EQ(0, out[kSatBegin + i]) << i;
  EXPECT_EQ(-1, db.GetSatelliteTransponderCount(64));
}

TEST(TransponderTables, LookUps) {
  TestTp db;
  const struct {
    int slot, satellite, number;
  } used[] = {{5, 2, 1}, {9, 2, 2}, {3999, 2, 3}, {12, 4, 1}};
  for (const auto& u : used) {
    db.MarkTransponderUsed(u.slot);
    db.SetTransponderSatellite(u.slot, u.satellite);
    db.SetTransponderNumber(u.slot, u.number);
  }
  EXPECT_EQ(3999, db.FindTransponderByNumber(2, 3));
  EXPECT_EQ(12, db.FindTransponderByNumber(4, 1));
  EXPECT_EQ(-1, db.FindTransponderByNumber(2, 4));
  EXPECT_EQ(-1, db.FindTransponderByNumber(3, 1));
  EXPECT_EQ(3, db.CountUsedTransponders(2));
  EXPECT_EQ(4, db.CountUsedTransponders(-1));
  EXPECT_EQ(0, db.FindFreeTransponderSlot(1));

  db.MarkTerTransponderUsed(0);
  db.SetTerTransponderNumber(0, 4);
  EXPECT_EQ(0, db.FindTransponderByNumber(-1, 4));
  EXPECT_EQ(-1, db.FindTransponderByNumber(-1, 3));
  EXPECT_EQ(1, db.FindFreeTransponderSlot(2));
  EXPECT_EQ(1, db.CountUsedTerTransponders());
}

TEST(TransponderTables, FullTablesHaveNoFreeSlot) {
  auto block = RandomBlock(4);
  for (int t = 0; t < dblayout::kTransponderCount; ++t) bytes::SetBits(SatRec(block, t) + 2, 1, 1, 1, 1);
  for (int t = 0; t < dblayout::kTerCount; ++t) TerRec(block, t)[0] |= 1;
  bytes::PutU16(block.data() + kSatBegin, 4000);
  bytes::PutU16(block.data() + kTerBegin, 200);
  auto db = Decoded(block);
  EXPECT_EQ(-1, db->FindFreeTransponderSlot(1));
  EXPECT_EQ(-1, db->FindFreeTransponderSlot(2));
  db->FreeTransponderSlot(3999);
  EXPECT_EQ(-1, db->FindFreeTransponderSlot(1));  // the header still counts a full table
  bytes::PutU16(block.data() + kSatBegin, 3999);
  db->DecodeSatTransponders(block.data());
  db->FreeTransponderSlot(3999);
  EXPECT_EQ(3999, db->FindFreeTransponderSlot(1));
}

TEST(TransponderTables, FreeAndOutsideSlotsGiveNoneAndChangeNothing) {
  auto block = RandomBlock(6);
  bytes::SetBits(SatRec(block, 1) + 2, 1, 1, 1, 0);  // slot 1 free
  TerRec(block, 1)[0] &= 0xFE;
  auto db = Decoded(block);
  for (int slot : {-1, 1, 4000}) {
    EXPECT_FALSE(db->IsTransponderUsed(slot));
    EXPECT_EQ(-1, db->GetTransponderSatellite(slot));
    EXPECT_EQ(-1, db->GetTransponderNumber(slot));
    EXPECT_EQ(-1, db->GetTransponderPolarity(slot));
    EXPECT_EQ(-1, db->GetTransponderFec(slot));
    EXPECT_EQ(-1, db->GetTransponderModulation(slot));
    EXPECT_EQ("", db->GetTransponderFrequencyText(slot));
    EXPECT_EQ("", db->GetTransponderSymbolRateText(slot));
    EXPECT_FALSE(db->SetTransponderFrequency(slot, "11000"));
    EXPECT_FALSE(db->SetTransponderSymbolRate(slot, "27500"));
    EXPECT_FALSE(db->SetTransponderNumber(slot, 1));
    EXPECT_FALSE(db->SetTransponderPolarity(slot, 1));
  }
  for (int slot : {-1, 1, 200}) {
    EXPECT_EQ(-1, db->GetTerTransponderNumber(slot));
    EXPECT_EQ(-1, db->GetTerTransponderChannel(slot));
    EXPECT_EQ(-1, db->GetTerTransponderBandwidth(slot));
    EXPECT_EQ("", db->GetTerTransponderFrequencyText(slot));
    EXPECT_FALSE(db->SetTerTransponderFrequency(slot, "474000"));
    EXPECT_FALSE(db->SetTerTransponderChannel(slot, "21"));
  }
  // Values that do not fit their field, or texts that are no number, are refused too.
  bytes::SetBits(SatRec(block, 2) + 2, 1, 1, 1, 1);
  TerRec(block, 2)[0] |= 1;
  db = Decoded(block);
  EXPECT_FALSE(db->SetTransponderFrequency(2, "16384"));
  EXPECT_FALSE(db->SetTransponderFrequency(2, "12a"));
  EXPECT_FALSE(db->SetTransponderSymbolRate(2, "65536"));
  EXPECT_FALSE(db->SetTransponderNumber(2, 512));
  EXPECT_FALSE(db->SetTerTransponderChannel(2, "256"));
  EXPECT_FALSE(db->SetTerTransponderFrequency(2, ""));
  EXPECT_TRUE(SameTables(Encode(*db), block));
}

}  // namespace
