// Which satellite slot a new satellite of the import takes: the free marks of a slot, slots that
// still carry records, and the chooser asked when no slot is free.
#include <gtest/gtest.h>

#include "SdxFixture.h"

using namespace sdxtest;
using satcodx::Importer;
using satcodx::ImportResult;
using satcodx::ImportState;

namespace {

struct Outcome {
  int asked = 0;
  ImportResult result;
};

// Imports `path`; the chooser counts its calls and answers `choice`.
Outcome ImportWithChooser(m_DataBase& db, const std::string& path, int choice) {
  ImportState state;
  Importer imp(db, {}, state);
  Outcome run;
  imp.chooseSatellite = [&](const satcodx::SdxFile&, const std::string&) {
    ++run.asked;
    return choice;
  };
  run.result = imp.ImportSatcodxFiles({path});
  return run;
}

}  // namespace

TEST(SatelliteSlot, ClearedSlotsAreFreeAndNamedSatellitesAreNot) {
  m_DataBase db;
  db.ClearDatabase();
  ImportState state;
  Importer imp(db, {}, state);
  for (int s = 0; s < dblayout::kSatelliteCount; ++s) EXPECT_TRUE(imp.IsSatelliteSlotFree(s)) << s;
  EXPECT_FALSE(imp.IsSatelliteSlotFree(-1));
  EXPECT_FALSE(imp.IsSatelliteSlotFree(dblayout::kSatelliteCount));

  // A satellite set up on the Satellite page (its LNB type chosen) is in use.
  db.SetAntennaName(0, "Astra 19.2E");
  db.SetAntennaLongitude(0, "19.2");
  db.SetAntennaLnbType(0, 1);
  EXPECT_FALSE(imp.IsSatelliteSlotFree(0));
  EXPECT_EQ(imp.FindFreeSatellite(), 1);

  // Into a cleared database a new position goes to the first free slot without asking.
  Rec hotbird = At(11494);
  hotbird.name = "Hotbird 13.0E";
  hotbird.position = "0130";
  const Outcome run = ImportWithChooser(db, WriteSdx("free.sdx", {hotbird}), 5);
  EXPECT_EQ(run.asked, 0);
  ASSERT_EQ(run.result.files.size(), 1u);
  EXPECT_EQ(run.result.files[0].satellite, 1);
  EXPECT_EQ(db.GetAntennaName(1), "Hotbird 13.0E");
  EXPECT_EQ(db.GetAntennaName(0), "Astra 19.2E");
  EXPECT_FALSE(imp.IsSatelliteSlotFree(1));  // taken now, so the next new satellite goes on
}

TEST(SatelliteSlot, ASlotCarryingRecordsIsInUseWhateverItsMarks) {
  // Slot 2 keeps its free marks but holds a transponder; slot 4 is free and holds a service.
  auto db = Database({2, 4, 6});
  db->SetAntennaName(2, "Eutelsat 16E");
  db->SetAntennaLongitude(2, "16.0");
  ASSERT_GE(AddTp(*db, 2, 11000), 0);
  ASSERT_TRUE(db->MarkServiceUsed(0));
  ASSERT_TRUE(db->SetServiceDelivery(0, DELIVERY_SATELLITE));
  ASSERT_TRUE(db->SetServiceSatellite(0, 4));
  ImportState state;
  Importer imp(*db, {}, state);
  EXPECT_FALSE(imp.IsSatelliteSlotFree(2));
  EXPECT_FALSE(imp.IsSatelliteSlotFree(4));
  EXPECT_TRUE(imp.IsSatelliteSlotFree(6));
  EXPECT_EQ(imp.FindSatelliteAt(160), 2);

  // A file of its position merges into it instead of making a second satellite at 16.0.
  Rec same = At(11000);
  same.position = "0160";
  Outcome run = ImportWithChooser(*db, WriteSdx("same.sdx", {same, At(11100)}), -1);
  EXPECT_EQ(run.result.files[0].satellite, 2);
  EXPECT_FALSE(run.result.files[0].newSatellite);
  EXPECT_EQ(db->GetSatelliteTransponderCount(2), 2);

  // A new position passes both over and takes slot 6.
  run = ImportWithChooser(*db, WriteSdx("new.sdx", {At(11494)}), -1);
  EXPECT_EQ(run.asked, 0);
  EXPECT_EQ(run.result.files[0].satellite, 6);
  EXPECT_EQ(db->GetAntennaName(2), "Eutelsat 16E");
  EXPECT_EQ(db->GetAntennaName(4), "");
}

TEST(SatelliteSlot, WithNoFreeSlotTheChooserIsAskedAndACancelLeavesTheDatabaseUntouched) {
  auto db = Database({});
  db->SetAntennaName(7, "Old");
  db->SetAntennaLongitude(7, "30.5");
  ASSERT_GE(AddTp(*db, 7, 12000), 0);
  const std::vector<uint8_t> before = db->EncodeDatabase();
  const std::string path = WriteSdx("none.sdx", {At(11494), At(11495, '1')});

  for (int refused : {-1, -200, dblayout::kSatelliteCount}) {
    const Outcome run = ImportWithChooser(*db, path, refused);
    EXPECT_EQ(run.asked, 1);
    EXPECT_FALSE(run.result.imported);
    EXPECT_FALSE(run.result.dataChanged);
    EXPECT_TRUE(run.result.files[0].noFreeSlot);
    EXPECT_EQ(db->EncodeDatabase(), before) << "choice " << refused;
  }

  // The chosen slot is taken over: new name and position, its transponder kept, the file's added.
  const Outcome run = ImportWithChooser(*db, path, 7);
  EXPECT_EQ(run.asked, 1);
  EXPECT_TRUE(run.result.imported);
  EXPECT_EQ(db->GetAntennaName(7), "Astra 19.2E");
  EXPECT_EQ(db->GetAntennaLongitude(7), 192);
  EXPECT_EQ(Transponders(*db, 7),
            (std::vector<std::string>{"12000/22000/1/5", "11494/22000/1/5", "11495/22000/0/5"}));
}
