#include <gtest/gtest.h>

#include "EditTestDb.h"
#include "db/ServiceMoveTo.h"
#include "db/ServiceSearch.h"

using namespace edittest;

TEST(SortCommand, EachKeyKeepsItsOwnAlternation) {
  auto db = NewDb();
  const int b = AppendService(*db, {"b", 0, 1, 0, -1, 1});
  const int a = AppendService(*db, {"a", 0, 1, 0, -1, 2});
  const int c = AppendService(*db, {"c", 0, 1, 0, -1, 0});
  EXPECT_FALSE(db->ApplySortCommand(SORT_NAME));
  EXPECT_EQ(View(*db), (std::vector<int>{a, b, c}));
  db->ApplySortCommand(SORT_NAME);
  EXPECT_EQ(View(*db), (std::vector<int>{c, b, a}));
  db->ApplySortCommand(SORT_NAME);
  EXPECT_EQ(View(*db), (std::vector<int>{a, b, c}));
  db->ApplySortCommand(SORT_PROVIDER);  // provider's first choice: ascending
  EXPECT_EQ(View(*db), (std::vector<int>{c, b, a}));
  db->ApplySortCommand(SORT_NAME);  // name's fourth choice: descending
  EXPECT_EQ(View(*db), (std::vector<int>{c, b, a}));
  EXPECT_FALSE(db->IsSortAscending(SORT_NAME));
  EXPECT_TRUE(db->ApplySortCommand(SORT_ORIGINAL));  // moves and cuts possible again
  EXPECT_EQ(View(*db), (std::vector<int>{b, a, c}));
  db->ClearDatabase();  // the direction flags live for the whole run
  EXPECT_TRUE(db->IsSortAscending(SORT_PROVIDER));
}

TEST(SortSearch, NamePrefixRules) {
  auto db = NewDb();
  const int bbcOne = AppendService(*db, {"BBC One"});
  const int bbcTwo = AppendService(*db, {"bbc two"});
  const int bb = AppendService(*db, {"BB"});
  AppendService(*db, {"B"});
  AppendService(*db, {"Abb"});
  const int high = AppendService(*db, {"\xC0\xC1x"});
  db->BuildServiceView();
  db->FindServicesByName("bb");
  EXPECT_EQ(View(*db), (std::vector<int>{bbcOne, bbcTwo, bb}));
  db->BuildServiceView();
  db->FindServicesByName("\xC0\xC1");
  EXPECT_EQ(View(*db), (std::vector<int>{high}));
  db->BuildServiceView();
  db->FindServicesByName("\xE0");  // no case folding above 0x7F
  EXPECT_EQ(db->GetServiceViewCount(), 0);
  db->BuildServiceView();
  db->FindServicesByName("b[");  // '[' is not a letter: no folding with '{'
  EXPECT_EQ(db->GetServiceViewCount(), 0);
}

TEST(SortSearch, DialogFindAndCancelRestoreTheView) {
  auto db = NewDb();
  const int z = AppendService(*db, {"Zed"});
  const int a = AppendService(*db, {"Alpha"});
  const int a2 = AppendService(*db, {"alp"});
  db->ApplySortCommand(SORT_NAME);
  const std::vector<int> before = View(*db);
  ServiceSearch search(*db);
  search.Show();
  const auto& rows = search.TextChanged("al");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].index, std::to_string(rows[0].slot + 1));
  EXPECT_EQ(rows[0].name, db->GetServiceName(rows[0].slot));
  EXPECT_NE(rows[0].slot, z);
  EXPECT_NE(rows[1].slot, z);
  EXPECT_EQ(search.GridRowCount(), 3);
  search.Cancel();
  EXPECT_EQ(search.Result(), -1);
  EXPECT_EQ(View(*db), before);
  EXPECT_EQ(db->GetServiceSort(), SORT_NAME);

  search.Show();
  search.TextChanged("q");
  EXPECT_EQ(search.GridRowCount(), 2);
  EXPECT_EQ(search.Find(1), -1);
  search.Show();
  search.TextChanged("ALPH");
  EXPECT_EQ(search.Find(1), a);
  EXPECT_EQ(View(*db), before);
  (void)a2;
}

TEST(SortMoveTo, DialogRange) {
  ServiceMoveTo move;
  move.Show(120);
  EXPECT_EQ(move.AreaLabel(), "(area: 1 ~ 120)");
  for (const char* bad : {"0", "121", ""}) {
    EXPECT_FALSE(move.Go(bad)) << bad;
    EXPECT_EQ(move.ErrorText(), "Invalid data.\n\n(area: 1 ~ 120)");
    EXPECT_EQ(move.Text(), "");
  }
  EXPECT_TRUE(move.Go("120"));
  EXPECT_EQ(move.Result(), 120);
  EXPECT_TRUE(ServiceMoveTo::AcceptsKey('7'));
  EXPECT_TRUE(ServiceMoveTo::AcceptsKey(0x08));
  EXPECT_FALSE(ServiceMoveTo::AcceptsKey('-'));
}

TEST(SortSelect, ServiceAndTransponderSelections) {
  auto db = NewDb();
  const int t0 = AppendTransponder(*db, 5);
  const int t1 = AppendTransponder(*db, 5);
  const int none1 = AppendService(*db, {"a", 0, 1, 5, t0, -1});
  const int withP = AppendService(*db, {"b", 0, 1, 5, t1, 3, 0, true});
  const int none2 = AppendService(*db, {"c", 0, 1, 6, t0, -1});
  const int radio = AppendService(*db, {"r", 1, 1, 5, t0, -1});
  db->SetServiceMark(radio, true);  // not in the view: left alone
  db->BuildServiceView();
  db->MarkServicesOfProvider(1);
  EXPECT_TRUE(db->IsServiceMarked(none1) && db->IsServiceMarked(none2));
  EXPECT_FALSE(db->IsServiceMarked(withP));
  db->MarkServicesOfTransponder(2);
  EXPECT_EQ(db->CountMarkedServices(), 1);
  db->MarkServicesOfAntenna(1);
  EXPECT_EQ(db->CountMarkedServices(), 2);
  db->InvertServiceMarks();
  EXPECT_TRUE(db->IsServiceMarked(none2));
  db->MarkHdServices();
  EXPECT_TRUE(db->IsServiceMarked(withP));
  db->SelectAllServices();
  EXPECT_EQ(db->CountMarkedServices(), 3);
  db->UnselectAllServices();
  EXPECT_EQ(db->CountMarkedServices(), 0);
  EXPECT_TRUE(db->IsServiceMarked(radio));

  db->SetSelectedSatellite(5);
  db->BuildTransponderView();
  db->SetServiceMark(none1, true);
  db->MarkTranspondersOfAntenna(1);
  EXPECT_EQ(db->CountMarkedTransponders(), 2);
  EXPECT_TRUE(db->IsServiceMarked(none1));
  db->InvertTransponderMarks();
  EXPECT_EQ(db->CountMarkedTransponders(), 0);
  db->SelectAllTransponders();
  EXPECT_EQ(db->CountMarkedTransponders(), 2);
}
