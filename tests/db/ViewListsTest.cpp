#include <gtest/gtest.h>

#include "EditTestDb.h"

using namespace edittest;

namespace {

struct NameCase {
  const char* a;
  const char* b;
  int expected;
};

}  // namespace

TEST(ViewCompare, NameKeyByteRules) {
  const NameCase cases[] = {
      {"ABC", "abc", 0},      {"ABC", "ABCD", 0},   {"ABCD", "ABC", 0},   {"", "", 0},
      {"", "A", 1},           {"A", "", -1},        {"a", "B", -1},       {"Z", "[", 1},
      {"\xC0x", "Zulu", 1},   {"Zulu", "\xC0x", -1}, {"\xC1", "\xC0", 1}, {"ab1", "ab2", -1},
  };
  auto db = NewDb();
  for (const auto& c : cases) {
    const int a = AppendService(*db, {c.a});
    const int b = AppendService(*db, {c.b});
    EXPECT_EQ(db->CompareServices(a, b, SORT_NAME), c.expected) << '"' << c.a << "\" vs \"" << c.b << '"';
  }
}

TEST(ViewCompare, LinkKeysPlaceNoneAtTheirEnd) {
  auto db = NewDb();
  const int none = AppendService(*db, {"n", 0, 1, -1, -1, -1});
  const int some = AppendService(*db, {"s", 0, 1, 0, 5, 3});
  EXPECT_EQ(db->CompareServices(none, some, SORT_PROVIDER), 1);     // no provider after every provider
  EXPECT_EQ(db->CompareServices(none, some, SORT_TRANSPONDER), 1);  // 0xFFF after every transponder
  EXPECT_EQ(db->CompareServices(none, some, SORT_SATELLITE), -1);   // -1 before satellite 0
  EXPECT_EQ(db->CompareServices(none, some, 3), 0);
}

TEST(ViewSort, PartitionProcedureDecidesTheOrderOfEqualKeys) {
  auto db = NewDb();
  const int s0 = AppendService(*db, {"b"});
  const int s1 = AppendService(*db, {"a"});
  const int s2 = AppendService(*db, {"b"});
  const int s3 = AppendService(*db, {"a"});
  const int s4 = AppendService(*db, {"b"});
  db->ApplySortCommand(SORT_NAME);  // first choice: ascending
  // A stable sort would give s1 s3 s0 s2 s4; the receiver's partition sort leaves this order.
  EXPECT_EQ(View(*db), (std::vector<int>{s3, s1, s0, s2, s4}));
}

TEST(ViewSort, EmptyNamesLastAscendingFirstDescending) {
  auto db = NewDb();
  const int empty = AppendService(*db, {""});
  const int b = AppendService(*db, {"beta"});
  const int a = AppendService(*db, {"Alpha"});
  const int c = AppendService(*db, {"\xC0"});
  db->ApplySortCommand(SORT_NAME);
  EXPECT_EQ(View(*db), (std::vector<int>{a, b, c, empty}));
  db->ApplySortCommand(SORT_NAME);
  EXPECT_EQ(View(*db), (std::vector<int>{empty, c, b, a}));
}

TEST(ViewFilter, ModesAndHdFlag) {
  auto db = NewDb();
  const int tvSat0 = AppendService(*db, {"a", 0, 1, 0, 7, 2, 0, true});
  const int tvSat1 = AppendService(*db, {"b", 0, 1, 1, 8, 2});
  const int terSat2 = AppendService(*db, {"c", 0, 2, 2, 7, -1});
  AppendService(*db, {"radio", 1, 1, 0});
  ViewState v;
  v.deliveryKind = DELIVERY_ANY;
  db->SetViewState(v);
  db->BuildServiceView();
  EXPECT_EQ(View(*db), (std::vector<int>{tvSat0, tvSat1, terSat2}));

  db->SetViewMode(VIEW_SATELLITE);
  db->SetSelectedSatellite(1);
  db->BuildServiceView();
  EXPECT_EQ(View(*db), (std::vector<int>{tvSat1}));

  db->SetViewMode(VIEW_TRANSPONDER);
  db->SetSelectedTransponder(7);
  db->BuildServiceView();
  EXPECT_EQ(View(*db), (std::vector<int>{tvSat0, terSat2}));

  db->SetHdViewFlag(true);
  db->SetViewMode(VIEW_ALL);
  db->BuildServiceView();
  EXPECT_EQ(View(*db), (std::vector<int>{tvSat0}));
  db->SetViewMode(VIEW_PROVIDER);  // the HD flag does not apply here
  db->SetSelectedProvider(2);
  db->BuildServiceView();
  EXPECT_EQ(View(*db), (std::vector<int>{tvSat0, tvSat1}));
  db->SetSelectedProvider(dblayout::kProviderCount);  // every provider
  db->BuildServiceView();
  EXPECT_EQ(db->GetServiceViewCount(), 3);

  db->SetHdViewFlag(false);
  db->SetViewMode(VIEW_ACTIVE_SATELLITES);
  db->BuildSatelliteView();  // satellite 2 carries only a terrestrial service
  EXPECT_EQ(db->GetSatelliteViewCount(), 2);
  EXPECT_EQ(db->GetSatelliteViewEntry(2), 1);
  db->SetViewMode(VIEW_ALL);
  db->BuildSatelliteView();
  EXPECT_EQ(db->GetSatelliteViewCount(), 64);
}

TEST(ViewFilter, FavoriteViewFollowsGroupOrder) {
  auto db = NewDb();
  const int a = AppendService(*db, {"a"});
  const int b = AppendService(*db, {"b"});
  AppendService(*db, {"c"});
  db->ToggleServiceFavorite(b, 0x4);
  db->ToggleServiceFavorite(a, 0x4);
  db->BuildFavoriteServiceView(0x4);
  EXPECT_EQ(View(*db), (std::vector<int>{b, a}));
  db->BuildFavoriteServiceView(0x6);  // not a single group
  EXPECT_EQ(db->GetServiceViewCount(), 0);
  db->SetViewMode(VIEW_FAVORITE);
  db->SetViewFavoriteMask(0);  // any group
  db->BuildServiceView();
  EXPECT_EQ(View(*db), (std::vector<int>{a, b}));
}

TEST(ViewPositions, ClampingAndAbsentSlots) {
  auto db = NewDb();
  const int a = AppendService(*db, {"a"});
  const int b = AppendService(*db, {"b"});
  db->SetCurrentService(b);
  db->BuildServiceView();
  EXPECT_EQ(db->GetServiceViewEntry(0), a);
  EXPECT_EQ(db->GetServiceViewEntry(6001), a);
  EXPECT_EQ(db->GetServiceViewEntry(3), -1);  // inside the table, beyond the view
  EXPECT_EQ(db->FindServiceViewPosition(b), 2);
  EXPECT_EQ(db->FindServiceViewPosition(-1), 1);
  EXPECT_EQ(db->FindServiceViewPosition(77), 1);

  db->DeleteService(a);
  db->DeleteService(b);
  db->BuildServiceView();
  EXPECT_EQ(db->GetServiceViewCount(), 0);
  EXPECT_EQ(db->GetCurrentService(), -1);
}

TEST(ViewTransponders, NumberOrderAndHidingEmptyOnes) {
  auto db = NewDb();
  const int t1 = AppendTransponder(*db, 3);
  const int t2 = AppendTransponder(*db, 3);
  const int t3 = AppendTransponder(*db, 3);
  db->MoveTransponderBefore(3, t3, t1);  // numbers: t3 1, t1 2, t2 3
  AppendService(*db, {"x", 0, 1, 3, t2});
  AppendService(*db, {"y", 0, 1, 3, t3});
  ViewState v;
  v.satellite = 3;
  db->SetViewState(v);
  db->BuildTransponderView();
  EXPECT_EQ(TpView(*db), (std::vector<int>{t3, t1, t2}));
  db->SetViewMode(VIEW_USED_TRANSPONDERS);
  db->BuildTransponderView();
  EXPECT_EQ(TpView(*db), (std::vector<int>{t3, t2}));
}

TEST(ViewOrder, CyclicNextLinksDoNotHang) {
  auto db = NewDb();
  const int a = AppendService(*db, {"a"});
  const int b = AppendService(*db, {"b"});
  AppendService(*db, {"c"});
  db->SetServiceNext(b, a);  // a -> b -> a -> ...
  db->BuildServiceView();
  EXPECT_EQ(View(*db), (std::vector<int>{a, b}));
  std::string why;
  EXPECT_FALSE(db->IsServiceOrderConsistent(&why));
  EXPECT_NE(why.find("cycle"), std::string::npos);
  EXPECT_FALSE(Errors(*db).empty());
  db->DeleteService(a);  // deleting and finding still end
  db->BuildServiceView();
  db->FindServicesByName("b");
}

TEST(ViewState, SetAllAndLanguageNames) {
  auto db = NewDb();
  ViewState v;
  v.viewMode = 3;
  v.provider = 400;
  v.favoriteMask = 8;
  v.deliveryKind = 2;
  db->SetViewState(v);
  EXPECT_EQ(db->GetSelectedProvider(), 400);
  EXPECT_EQ(db->GetViewFavoriteMask(), 8u);
  EXPECT_EQ(db->GetViewDelivery(), 2);
  db->ClearDatabase();
  EXPECT_EQ(db->GetViewMode(), 0);
  EXPECT_EQ(db->GetViewFavoriteMask(), 1u);
  EXPECT_EQ(m_DataBase::GetLanguageName(0), "English");
  EXPECT_EQ(m_DataBase::GetLanguageName(19), "Slovenian");
  EXPECT_EQ(m_DataBase::GetLanguageName(20), "");
}
