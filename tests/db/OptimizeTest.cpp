#include <gtest/gtest.h>

#include "EditTestDb.h"

using namespace edittest;

namespace {

std::unique_ptr<m_DataBase> DbOnSatellite(int sat) {
  auto db = NewDb();
  ViewState v;
  v.satellite = sat;
  db->SetViewState(v);
  return db;
}

OptimizeOptions Multiple(bool freqRule) {
  OptimizeOptions o;
  o.multipleTp = true;
  o.multipleTpFreq = freqRule;
  o.sameSymbolRate = o.samePolarity = o.sameFec = true;
  return o;
}

}  // namespace

TEST(Optimize, BothRulesClearChangeNothing) {
  auto db = DbOnSatellite(1);
  AppendTransponder(*db, 1);
  AppendTransponder(*db, 1);
  const auto before = db->EncodeDatabase();
  const OptimizeResult r = db->RunOptimize(OptimizeOptions());
  EXPECT_EQ(r.unusedDeleted + r.multipleMerged, 0);
  EXPECT_EQ(db->EncodeDatabase(), before);
  EXPECT_EQ(m_DataBase::OptimizeReport(r), "Multiple Transponder deleted : 0\n\nUnused Transponder deleted   : 0");
}

TEST(Optimize, ThreeIdenticalEmptyTranspondersLeaveOne) {
  auto db = DbOnSatellite(1);
  for (int i = 0; i < 3; ++i) AppendTransponder(*db, 1, 11000, 27500, 1, 3);
  AppendTransponder(*db, 1, 11000, 22000, 1, 3);  // other symbol rate
  EXPECT_EQ(db->RemoveMultipleTransponders(1, Multiple(false)), 2);
  EXPECT_EQ(db->GetSatelliteTransponderCount(1), 2);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(Optimize, MergeMovesServicesOfTheBusierTransponderExceptKnownIds) {
  auto db = DbOnSatellite(1);
  const int one = AppendTransponder(*db, 1);
  const int three = AppendTransponder(*db, 1);
  const int keep = AppendService(*db, {"k", 0, 1, 1, one, -1, 100});
  const int dup = AppendService(*db, {"d", 0, 1, 1, three, -1, 100});
  const int m1 = AppendService(*db, {"m1", 0, 1, 1, three, -1, 101});
  const int m2 = AppendService(*db, {"m2", 0, 1, 1, three, -1, 102});
  // A terrestrial service whose terrestrial slot carries the victim's slot number stays put.
  AppendTerTransponder(*db, 1);
  AppendTerTransponder(*db, 2);
  const int ter = AppendService(*db, {"t", 0, 2, 1, three, -1, 100});
  EXPECT_EQ(db->MergeTransponders(one, three), three);
  EXPECT_FALSE(db->IsTransponderUsed(three));
  EXPECT_FALSE(db->IsServiceUsed(dup));
  for (int s : {keep, m1, m2}) EXPECT_EQ(db->GetServiceTransponder(s), one);
  EXPECT_TRUE(db->IsServiceUsed(ter));
  EXPECT_EQ(db->GetServiceTransponder(ter), three);
  EXPECT_EQ(db->GetTransponderNumber(one), 1);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(Optimize, FrequencyToleranceLiesBelowTheLaterCandidate) {
  struct Case {
    int first, second;
    bool freqRule;
    int merges;
  };
  const Case cases[] = {{11000, 11001, true, 1}, {11001, 11000, true, 0}, {11000, 11001, false, 0}, {11000, 11000, false, 1}};
  for (const auto& c : cases) {
    auto db = DbOnSatellite(1);
    AppendTransponder(*db, 1, c.first);
    AppendTransponder(*db, 1, c.second);
    EXPECT_EQ(db->RemoveMultipleTransponders(1, Multiple(c.freqRule)), c.merges) << c.first << " " << c.second;
  }
  auto db = DbOnSatellite(-1);
  AppendTransponder(*db, 1);
  AppendTransponder(*db, 1);
  EXPECT_EQ(db->RemoveMultipleTransponders(-1, Multiple(false)), 0);  // no satellite selected
}

TEST(Optimize, UnusedPass) {
  auto db = DbOnSatellite(1);
  const int used = AppendTransponder(*db, 1);
  const int terUsed = AppendTransponder(*db, 1);
  const int unused = AppendTransponder(*db, 1);
  AppendService(*db, {"s", 0, 1, 1, used});
  AppendService(*db, {"t", 0, 2, 1, terUsed});  // counts as a use, whatever the delivery
  db->BuildTransponderView();
  OptimizeOptions o;
  o.unusedTp = true;
  EXPECT_EQ(db->RunOptimize(o).unusedDeleted, 1);
  EXPECT_FALSE(db->IsTransponderUsed(unused));
  EXPECT_EQ(db->GetTransponderViewCount(), 2);

  auto lone = DbOnSatellite(4);
  AppendTransponder(*lone, 4);
  lone->BuildTransponderView();
  EXPECT_EQ(lone->RemoveUnusedTransponders(), 1);
  EXPECT_EQ(lone->GetSatelliteTransponderCount(4), 0);
}
