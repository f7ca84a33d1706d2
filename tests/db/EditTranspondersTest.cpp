#include <gtest/gtest.h>

#include "EditTestDb.h"

using namespace edittest;

namespace {

// Five transponders of satellite 2, shown in the transponder view.
std::unique_ptr<m_DataBase> SatDb(std::vector<int>* t, int n = 5) {
  auto db = NewDb();
  for (int i = 0; i < n; ++i) t->push_back(AppendTransponder(*db, 2, 10000 + i));
  ViewState v;
  v.satellite = 2;
  db->SetViewState(v);
  db->BuildTransponderView();
  return db;
}

std::vector<int> Numbers(const m_DataBase& db, const std::vector<int>& t) {
  std::vector<int> n;
  for (int slot : t) n.push_back(db.GetTransponderNumber(slot));
  return n;
}

}  // namespace

TEST(EditTransponder, AddTakesTheRowNumberAndRenumbers) {
  std::vector<int> t;
  auto db = SatDb(&t);
  const int added = db->AddTransponder(3);
  ASSERT_GE(added, 0);
  EXPECT_EQ(db->GetTransponderNumber(added), 3);
  EXPECT_EQ(Numbers(*db, t), (std::vector<int>{1, 2, 4, 5, 6}));
  EXPECT_EQ(db->GetTransponderFrequencyText(added), "4000");
  EXPECT_EQ(db->GetTransponderSymbolRateText(added), "28125");
  EXPECT_EQ(db->GetSatelliteTransponderCount(2), 6);
  EXPECT_EQ(db->GetTransponderViewEntry(3), added);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditTransponder, DeleteRenumbersWithoutGapAndDropsItsServices) {
  std::vector<int> t;
  auto db = SatDb(&t);
  const int onIt = AppendService(*db, {"sat", 0, 1, 2, t[1]});
  const int terSameNumber = AppendService(*db, {"ter", 0, 2, 2, t[1]});
  AppendTerTransponder(*db, 1);
  const int terTp = AppendTerTransponder(*db, 2);
  db->SetServiceTransponder(terSameNumber, terTp);
  ASSERT_EQ(terTp, t[1]);  // both tables use slot number 1
  db->DeleteTransponder(t[1], true);
  EXPECT_FALSE(db->IsServiceUsed(onIt));
  EXPECT_TRUE(db->IsServiceUsed(terSameNumber));  // refers to the terrestrial table
  EXPECT_EQ(Numbers(*db, {t[0], t[2], t[3], t[4]}), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(db->GetSatelliteTransponderCount(2), 4);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditTransponder, OnlyTransponderAndSatelliteLimit) {
  std::vector<int> t;
  auto db = SatDb(&t, 1);
  db->DeleteMarkedTransponders();  // none marked, nothing current
  EXPECT_EQ(db->GetSatelliteTransponderCount(2), 1);
  db->SetSelectedTransponder(t[0]);
  db->DeleteMarkedTransponders();
  EXPECT_EQ(db->GetSatelliteTransponderCount(2), 0);
  EXPECT_EQ(db->GetTransponderViewCount(), 0);

  for (int i = 0; i < dblayout::kTranspondersPerSatellite; ++i) ASSERT_GE(db->AddTransponder(1), 0);
  EXPECT_EQ(db->AddTransponder(1), -1);
  db->SetSelectedSatellite(-1);
  EXPECT_EQ(db->AddTransponder(1), -1);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditTransponder, MovesRenumberOnlyTheMovedRange) {
  struct Case {
    int tp, anchor;
    bool after;
    std::vector<int> numbers;
  };
  const Case cases[] = {
      {4, 1, true, {1, 2, 4, 5, 3}},   // 5 after 2 -> 3
      {0, 3, true, {4, 1, 2, 3, 5}},   // 1 after 4 -> 4
      {4, 0, false, {2, 3, 4, 5, 1}},  // 5 before 1 -> 1
      {0, 4, false, {4, 1, 2, 3, 5}},  // 1 before 5 -> 4
      {2, 2, true, {1, 2, 3, 4, 5}},   // itself: nothing
  };
  for (const auto& c : cases) {
    std::vector<int> t;
    auto db = SatDb(&t);
    if (c.after)
      db->MoveTransponderAfter(2, t[c.tp], t[c.anchor]);
    else
      db->MoveTransponderBefore(2, t[c.tp], t[c.anchor]);
    EXPECT_EQ(Numbers(*db, t), c.numbers) << c.tp << (c.after ? " after " : " before ") << c.anchor;
  }
}

TEST(EditTransponder, MarkedBlockMovesAndPolarity) {
  std::vector<int> t;
  auto db = SatDb(&t);
  db->SetTransponderMark(t[0], true);
  db->SetTransponderMark(t[2], true);
  EXPECT_EQ(db->CountMarkedTransponders(), 2);
  EXPECT_EQ(db->MoveMarkedTranspondersAfter(5, 2), t[0]);
  EXPECT_EQ(TpView(*db), (std::vector<int>{t[1], t[3], t[4], t[0], t[2]}));
  EXPECT_EQ(db->MoveMarkedTranspondersBefore(1, 2), t[0]);
  EXPECT_EQ(TpView(*db), (std::vector<int>{t[0], t[2], t[1], t[3], t[4]}));
  EXPECT_EQ(db->MoveMarkedTranspondersAfter(6, 2), -1);

  db->UnselectAllTransponders();
  db->SetTransponderMark(t[4], true);  // only the last row
  db->SetSelectedTransponder(t[0]);
  db->SetMarkedTranspondersPolarity(1);
  EXPECT_EQ(db->GetTransponderPolarity(t[4]), 1);
  EXPECT_EQ(db->GetTransponderPolarity(t[0]), 0);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditTerTransponder, DeleteLeavesGapAndAddNeverDuplicatesANumber) {
  auto db = NewDb();
  std::vector<int> t;
  for (int n = 1; n <= 5; ++n) t.push_back(AppendTerTransponder(*db, n));
  ViewState v;
  v.deliveryKind = DELIVERY_TERRESTRIAL;
  db->SetViewState(v);
  db->DeleteTerTransponder(t[2], false);
  db->DeleteTerTransponder(t[3], false);
  EXPECT_EQ(db->GetTerTransponderNumber(t[4]), 5);  // gap at 3 and 4
  db->BuildTransponderView();
  ASSERT_EQ(TpView(*db), (std::vector<int>{t[0], t[1], t[4]}));
  const int added = db->AddTransponder(3);  // at the row of number 5
  ASSERT_GE(added, 0);
  db->BuildTransponderView();
  EXPECT_EQ(TpView(*db), (std::vector<int>{t[0], t[1], added, t[4]}));
  EXPECT_EQ(db->GetTerTransponderCount(), 4);

  db->MoveTerTransponderBefore(t[4], t[0]);
  db->BuildTransponderView();
  EXPECT_EQ(TpView(*db), (std::vector<int>{t[4], t[0], t[1], added}));
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditTerTransponder, AddAtTheTopOfAFullNumberRangeStaysVisible) {
  auto db = NewDb();
  // Numbers 2..200 used (199 transponders); adding in front of number 2 must not push 200 out.
  for (int n = 2; n <= 200; ++n) AppendTerTransponder(*db, n);
  ViewState v;
  v.deliveryKind = DELIVERY_TERRESTRIAL;
  db->SetViewState(v);
  db->BuildTransponderView();
  const int atRow = db->GetTransponderViewEntry(1);
  const int added = db->AddTransponder(1);
  ASSERT_GE(added, 0);
  db->BuildTransponderView();
  EXPECT_EQ(db->GetTransponderViewCount(), 200);
  EXPECT_EQ(db->GetTransponderViewEntry(1), added);
  EXPECT_EQ(db->GetTransponderViewEntry(2), atRow);
  EXPECT_EQ(db->AddTransponder(1), -1);  // table full
}
