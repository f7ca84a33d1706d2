// The import into the satellite and transponder tables: new and existing satellites, the
// matching options, the table limits and files that are refused.
#include <gtest/gtest.h>

#include "SdxFixture.h"

using namespace sdxtest;
using satcodx::FileReport;
using satcodx::ImportOptions;
using satcodx::ImportResult;
using satcodx::ImportState;
using satcodx::Importer;

namespace {

ImportResult Import(m_DataBase& db, const std::vector<std::string>& paths, ImportOptions o = {},
                    ImportState* state = nullptr) {
  ImportState local;
  Importer imp(db, o, state ? *state : local);
  return imp.ImportSatcodxFiles(paths);
}

// Satellite slot 0 used at 19.2 E with one transponder at 11494 MHz, 22000, V, 5/6.
std::unique_ptr<m_DataBase> WithAstra() {
  auto db = Database({5, 6, 7});
  db->SetAntennaLongitude(0, "19.2");
  AddTp(*db, 0, 11494, 22000, 1, 5);
  return db;
}

}  // namespace

TEST(SatcoDxImport, CreatesASatelliteInAFreeSlotAndAddsItsTransponders) {
  auto db = Database({3, 4});
  const std::string a = WriteSdx("a.sdx", {At(11494, '0'), At(11494, '0'), At(10744, '1', "22000", '4')});
  Rec other = At(12000);
  other.name = "Hotbird 13.0E";
  other.position = "0130";
  const std::string b = WriteSdx("b.sdx", {other});
  const ImportResult r = Import(*db, {a, b});
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_TRUE(r.imported);
  EXPECT_TRUE(r.dataChanged);

  EXPECT_EQ(db->GetAntennaName(3), "Astra 19.2E");
  EXPECT_EQ(db->GetAntennaLongitude(3), 192);
  EXPECT_EQ(db->GetAntennaView(3)->longitudeText, "19.2");
  // The second file's satellite gets a slot of its own instead of taking over slot 3.
  EXPECT_EQ(db->GetAntennaName(4), "Hotbird 13.0E");
  EXPECT_EQ(db->GetAntennaLongitude(4), 130);

  // Two identical records give one transponder (strict matching for a new satellite).
  EXPECT_EQ(Transponders(*db, 3), (std::vector<std::string>{"11494/22000/1/5", "10744/22000/0/4"}));
  EXPECT_EQ(db->GetSatelliteTransponderCount(3), 2);
  EXPECT_EQ(db->GetTransponderCount(), 3);
  const int t = db->FindTransponderByNumber(3, 2);
  const std::vector<uint8_t> block = db->EncodeDatabase();
  const uint8_t* rec = &block[dblayout::kTransponderOffset + t * dblayout::kTransponderRecordSize];
  EXPECT_EQ(rec[8] & rec[9] & rec[10] & rec[11], 0xFF);
  EXPECT_EQ(rec[12] & 0xFC, 0);
  EXPECT_EQ(rec[13] | rec[14] | rec[15], 0);

  // A second import finds the satellite it created and adds nothing.
  const ImportResult again = Import(*db, {a});
  EXPECT_TRUE(again.imported);
  EXPECT_FALSE(again.dataChanged);
  EXPECT_EQ(again.files[0].satellite, 3);
  EXPECT_EQ(again.files[0].matched, 3);
  EXPECT_EQ(db->GetTransponderCount(), 3);
}

TEST(SatcoDxImport, TolerantMatchingFollowsTheOptions) {
  struct Case {
    const char* what;
    ImportOptions options;
    Rec record;
    bool matches;
  };
  ImportOptions tol1;
  ImportOptions tolMinus2;
  tolMinus2.sameTpFreq = -2;
  ImportOptions anySymbol;
  anySymbol.sameTpSymbol = false;
  ImportOptions anyPolarity;
  anyPolarity.sameTpPolarity = false;
  ImportOptions anyFec;
  anyFec.sameTpFec = false;
  const Case cases[] = {
      {"same MHz", tol1, At(11494), true},
      {"999 kHz more is the same MHz", tol1, [] { Rec r = At(11494); r.frequency = "011494999"; return r; }(), true},
      {"F + 1 within tolerance 1", tol1, At(11495), true},
      {"F + 2 beyond tolerance 1", tol1, At(11496), false},
      {"F - 1 below tolerance 1", tol1, At(11493), false},
      {"F - 2 within tolerance -2", tolMinus2, At(11492), true},
      {"F - 3 beyond tolerance -2", tolMinus2, At(11491), false},
      {"F + 1 above tolerance -2", tolMinus2, At(11495), false},
      {"other symbol rate", tol1, At(11494, '0', "27500"), false},
      {"other symbol rate, not compared", anySymbol, At(11494, '0', "27500"), true},
      {"other polarisation", tol1, At(11494, '1'), false},
      {"other polarisation, not compared", anyPolarity, At(11494, '1'), true},
      {"other FEC", tol1, At(11494, '0', "22000", '3'), false},
      {"other FEC, not compared", anyFec, At(11494, '0', "22000", '3'), true},
  };
  for (const Case& c : cases) {
    auto db = WithAstra();
    const ImportResult r = Import(*db, {WriteSdx("t.sdx", {c.record})}, c.options);
    ASSERT_TRUE(r.imported) << c.what << r.error;
    EXPECT_EQ(r.files[0].satellite, 0) << c.what;
    EXPECT_EQ(r.files[0].matched, c.matches ? 1 : 0) << c.what;
    EXPECT_EQ(db->GetSatelliteTransponderCount(0), c.matches ? 1 : 2) << c.what;
  }
}

TEST(SatcoDxImport, ReplaceModeDeletesTheSatellitesTranspondersAndServicesFirst) {
  auto db = WithAstra();
  AddTp(*db, 0, 12000);
  AddTp(*db, 1, 11000);  // another satellite keeps its transponder
  ViewState view;
  view.satellite = 0;
  view.transponder = db->FindTransponderByNumber(0, 1);
  db->SetViewState(view);
  const int service = db->AddService(1, false);
  ASSERT_GE(service, 0);
  db->SetServiceTransponder(service, db->FindTransponderByNumber(0, 1));
  db->SetServiceLinkedService(2, service);

  ImportOptions replace;
  replace.withSame = 1;
  // Identical records match each other strictly; 11495 is no longer matched tolerantly.
  const ImportResult r =
      Import(*db, {WriteSdx("r.sdx", {At(11495, '0'), At(11495, '0'), At(11494, '0')})}, replace);
  ASSERT_TRUE(r.imported) << r.error;
  EXPECT_EQ(r.files[0].deleted, 2);
  EXPECT_TRUE(r.settingsChanged);
  EXPECT_EQ(Transponders(*db, 0), (std::vector<std::string>{"11495/22000/1/5", "11494/22000/1/5"}));
  EXPECT_FALSE(db->IsServiceUsed(service));
  EXPECT_EQ(db->GetServiceLinkedService(2), 0xFFFF);
  EXPECT_EQ(db->GetSatelliteTransponderCount(1), 1);
  EXPECT_EQ(db->GetTransponderCount(), 3);
}

TEST(SatcoDxImport, UnknownPositionIsSkippedWhenNewSatellitesAreOff) {
  auto db = Database({3});
  ImportOptions noNew;
  noNew.withNew = 1;
  const ImportResult r = Import(*db, {WriteSdx("n.sdx", {At(11494)})}, noNew);
  EXPECT_FALSE(r.imported);
  EXPECT_FALSE(r.dataChanged);
  EXPECT_EQ(r.files[0].outcome, FileReport::Skipped);
  EXPECT_EQ(db->GetTransponderCount(), 0);
  EXPECT_EQ(db->GetAntennaName(3), "");
}

TEST(SatcoDxImport, RecordsOutsideTheSatelliteBandAreLeftOut) {
  auto db = Database({3});
  const ImportResult r = Import(*db, {WriteSdx("o.sdx", {At(1999), At(12751), At(11000, '0', "00999"),
                                                         At(11000, '0', "45001"), At(2000, '0', "01000"),
                                                         At(12750, '0', "45000")})});
  EXPECT_EQ(r.files[0].outOfRange, 4);
  EXPECT_EQ(Transponders(*db, 3), (std::vector<std::string>{"2000/1000/1/5", "12750/45000/1/5"}));
}

TEST(SatcoDxImport, PolarisationDigitsAboveThreeKeepThePreviousOneAcrossImports) {
  auto db = Database({3});
  ImportState state;
  Import(*db, {WriteSdx("p1.sdx", {At(11000, '7'), At(11100, '2'), At(11200, '9'), At(11300, '1'),
                                   At(11400, '4')})}, {}, &state);
  EXPECT_EQ(Transponders(*db, 3), (std::vector<std::string>{"11000/22000/0/5", "11100/22000/1/5",
                                                             "11200/22000/1/5", "11300/22000/0/5",
                                                             "11400/22000/0/5"}));
  state.lastPolarisation = 1;
  Import(*db, {WriteSdx("p2.sdx", {At(11500, '8')})}, {}, &state);
  EXPECT_EQ(Transponders(*db, 3).back(), "11500/22000/1/5");
}

TEST(SatcoDxImport, SatelliteWithThreeHundredTranspondersTakesNoMore) {
  auto db = WithAstra();
  for (int n = 1; n < dblayout::kTranspondersPerSatellite; ++n) ASSERT_GE(AddTp(*db, 0, 3000 + n), 0);
  ASSERT_EQ(db->GetSatelliteTransponderCount(0), 300);
  const ImportResult r = Import(*db, {WriteSdx("f.sdx", {At(11700), At(11800)})});
  EXPECT_TRUE(r.imported);
  EXPECT_FALSE(r.dataChanged);
  EXPECT_EQ(r.files[0].notAdded, 2);
  EXPECT_EQ(db->GetSatelliteTransponderCount(0), 300);
  EXPECT_EQ(db->GetTransponderCount(), 300);
}

TEST(SatcoDxImport, FullTransponderTableStopsTheFileAndTheNextFileIsStillTried) {
  auto db = Database({20});
  for (int sat = 0; db->GetTransponderCount() < dblayout::kTransponderCount; ++sat)
    for (int n = 0; n < dblayout::kTranspondersPerSatellite && db->GetTransponderCount() < dblayout::kTransponderCount; ++n)
      ASSERT_GE(AddTp(*db, sat, 3000 + n), 0);
  Rec other = At(11000);
  other.position = "0000";
  const ImportResult r = Import(*db, {WriteSdx("full.sdx", {At(11000), At(11100)}),
                                      WriteSdx("next.sdx", {other})});
  ASSERT_EQ(r.files.size(), 2u);
  EXPECT_TRUE(r.files[0].databaseFull);
  EXPECT_EQ(r.files[0].satellite, 20);
  EXPECT_EQ(r.files[0].added, 0);
  EXPECT_EQ(r.files[1].satellite, 0);
  EXPECT_TRUE(r.files[1].databaseFull);
  EXPECT_FALSE(r.imported);
  EXPECT_EQ(db->GetTransponderCount(), dblayout::kTransponderCount);
}

TEST(SatcoDxImport, WithoutAFreeSatelliteSlotTheChooserDecides) {
  auto db = Database({});  // all 64 slots in use
  const std::string path = WriteSdx("c.sdx", {At(11494)});
  ImportState state;
  Importer skip(*db, {}, state);
  int asked = 0;
  skip.chooseSatellite = [&](const satcodx::SdxFile& f, const std::string& p) {
    ++asked;
    EXPECT_EQ(f.position, 192);
    EXPECT_EQ(p, path);
    return -1;
  };
  ImportResult r = skip.ImportSatcodxFiles({path});
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(r.files[0].noFreeSlot);
  EXPECT_FALSE(r.dataChanged);

  Importer take(*db, {}, state);
  take.chooseSatellite = [](const satcodx::SdxFile&, const std::string&) { return 63; };
  r = take.ImportSatcodxFiles({path});
  EXPECT_TRUE(r.imported);
  EXPECT_EQ(db->GetAntennaLongitude(63), 192);
  EXPECT_EQ(db->GetSatelliteTransponderCount(63), 1);
}

TEST(SatcoDxImport, AMalformedFileIsRefusedWholeAndEndsTheImport) {
  auto db = Database({3, 4});
  const std::string good = WriteSdx("good.sdx", {At(11494)});
  Rec bad = At(11700);
  bad.symbolRate = "27.50";
  Rec elsewhere = At(11600);
  elsewhere.position = "0130";
  const std::string broken = WriteSdx("broken.sdx", {elsewhere, At(11600), bad});
  const std::string later = WriteSdx("later.sdx", {At(11800)});
  const ImportResult r = Import(*db, {good, broken, later});
  EXPECT_NE(r.error.find("record 3: '27.50' is not a valid symbol rate"), std::string::npos) << r.error;
  EXPECT_TRUE(r.imported);  // the first file stays imported
  ASSERT_EQ(r.files.size(), 2u);
  EXPECT_EQ(r.files[1].outcome, FileReport::Refused);
  EXPECT_EQ(db->GetSatelliteTransponderCount(3), 1);
  EXPECT_EQ(db->GetAntennaName(4), "");  // no satellite made for the broken file
  EXPECT_EQ(db->GetTransponderCount(), 1);
}

TEST(SatcoDxImport, MoreThan255FilesAreRefusedUnread) {
  auto db = Database({3});
  const std::vector<std::string> paths(256, WriteSdx("m.sdx", {At(11494)}));
  const ImportResult r = Import(*db, paths);
  EXPECT_FALSE(r.error.empty());
  EXPECT_TRUE(r.files.empty());
  EXPECT_EQ(db->GetTransponderCount(), 0);
}
