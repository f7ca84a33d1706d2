#include <gtest/gtest.h>

#include "EditTestDb.h"

using namespace edittest;

namespace {

std::unique_ptr<m_DataBase> DbWithServices(int n, std::vector<int>* slots) {  // view built
  auto db = NewDb();
  for (int i = 0; i < n; ++i) slots->push_back(AppendService(*db, {"S" + std::to_string(i)}));
  db->BuildServiceView();
  return db;
}

}  // namespace

TEST(EditAddService, LinksBeforeTheRowServiceOrAppends) {
  auto db = NewDb();
  const int first = db->AddService(1, false);
  ASSERT_GE(first, 0);
  EXPECT_EQ(db->GetFirstService(), first);
  EXPECT_EQ(db->GetLastService(), first);
  EXPECT_EQ(db->GetUsedServiceCount(), 1);
  EXPECT_EQ(db->GetUsedServiceTypeCount(0), 1);
  EXPECT_EQ(db->GetServiceName(first), "New Service");

  const int appended = db->AddService(5, false);  // row without a service
  const int atTop = db->AddService(1, false);
  const int middle = db->AddService(3, false);  // before the service at row 3 (appended)
  EXPECT_EQ(Order(*db), (std::vector<int>{atTop, first, middle, appended}));
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditAddService, StaleViewRowOfTheReusedSlotDoesNotLinkItToItself) {
  std::vector<int> s;
  auto db = DbWithServices(3, &s);
  db->DeleteService(s[0]);  // the view still shows s[0] at row 1
  const int added = db->AddService(1, false);
  EXPECT_EQ(added, s[0]);
  EXPECT_EQ(Order(*db), (std::vector<int>{s[1], s[2], added}));
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditAddService, HdPageAndTerrestrialDelivery) {
  auto db = NewDb();
  ViewState v;
  v.deliveryKind = DELIVERY_TERRESTRIAL;
  v.satellite = 4;
  db->SetViewState(v);
  const int tv = db->AddService(1, true);
  EXPECT_TRUE(db->IsServiceHd(tv));
  EXPECT_EQ(db->GetServiceDelivery(tv), DELIVERY_TERRESTRIAL);
  EXPECT_EQ(db->GetServiceSatellite(tv), 4);
  db->SetViewServiceType(1);
  const int radio = db->AddService(1, true);
  EXPECT_FALSE(db->IsServiceHd(radio));
  EXPECT_EQ(db->GetUsedServiceTypeCount(1), 1);
}

TEST(EditAddService, RefusedWhenTheTableIsFullAndReusesFreedSlots) {
  auto db = NewDb();
  for (int i = 0; i < dblayout::kServiceCount; ++i) AppendService(*db, {"x"});
  EXPECT_EQ(db->AddService(1, false), -1);
  db->SetServiceMark(5999, true);
  db->DeleteService(5999);
  EXPECT_EQ(db->AddService(1, false), 5999);
  EXPECT_FALSE(db->IsServiceMarked(5999));  // a new service does not inherit a mark
  EXPECT_EQ(db->GetUsedServiceCount(), dblayout::kServiceCount);
}

TEST(EditDeleteService, OnlyServiceEmptiesTheOrder) {
  auto db = NewDb();
  const int s = db->AddService(1, false);
  db->DeleteService(s);
  EXPECT_EQ(db->GetFirstService(), -1);
  EXPECT_EQ(db->GetLastService(), -1);
  EXPECT_EQ(db->GetUsedServiceCount(), 0);
  EXPECT_EQ(db->GetUsedServiceTypeCount(0), 0);
  db->DeleteService(s);  // a free slot changes nothing
  EXPECT_EQ(db->GetUsedServiceCount(), 0);
}

TEST(EditDeleteService, UnlinksFirstMiddleAndLast) {
  std::vector<int> s;
  auto db = DbWithServices(5, &s);
  db->DeleteService(s[0]);
  db->DeleteService(s[2]);
  db->DeleteService(s[4]);
  EXPECT_EQ(Order(*db), (std::vector<int>{s[1], s[3]}));
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditDeleteService, RemovesFavoritesAndSystemEntries) {
  std::vector<int> s;
  auto db = DbWithServices(3, &s);
  for (uint32_t mask : {0x1u, 0x80000000u})
    for (int slot : s) db->ToggleServiceFavorite(slot, mask);
  db->SetServiceLinkedService(2, s[1]);
  db->DeleteService(s[1]);
  for (int g : {0, 31}) {
    ASSERT_EQ(db->GetFavoriteGroupCount(g), 2);
    EXPECT_EQ(db->GetFavoriteGroupEntry(g, 0), s[0]);
    EXPECT_EQ(db->GetFavoriteGroupEntry(g, 1), s[2]);
  }
  EXPECT_EQ(db->GetServiceLinkedService(2), 0xFFFF);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditDeleteService, ProviderAndCaUseCounts) {
  auto db = NewDb();
  const int a = AppendService(*db, {"a", 0, 1, 0, -1, 7});
  const int b = AppendService(*db, {"b", 0, 1, 0, -1, 8});
  const int c = AppendService(*db, {"c", 0, 1, 0, -1, 9});
  const int d = AppendService(*db, {"d", 0, 1, 0, -1, 9});
  AddProvidersAndCas(*db, {{7, 1}, {8, 0}, {9, 1}}, {{0, 0x0500, 2}, {1, 0x0501, 5}},
                     {{a, {0x05FF, 0x0100}}, {b, {0x0501}}});
  db->DeleteService(a);
  EXPECT_FALSE(db->IsProviderUsed(7));  // its last user is gone
  EXPECT_EQ(db->GetCasUseCount(0), 1);  // 0x05FF matched the first used 0x05xx slot
  EXPECT_EQ(db->GetCasUseCount(1), 5);
  db->DeleteService(b);
  EXPECT_TRUE(db->IsProviderUsed(8));  // count already 0: untouched
  EXPECT_EQ(db->GetCasUseCount(0), 0);
  // The count says one user, but d still refers to provider 9: it must not be freed under d.
  db->DeleteService(c);
  EXPECT_TRUE(db->IsProviderUsed(9));
  EXPECT_EQ(db->GetServiceProvider(d), 9);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditMoveService, SingleMovesKeepBothLinksAndEnds) {
  std::vector<int> s;
  auto db = DbWithServices(4, &s);
  EXPECT_FALSE(db->MoveServiceAfter(s[1], s[0]));  // already there
  EXPECT_FALSE(db->MoveServiceBefore(s[0], s[1]));
  EXPECT_FALSE(db->MoveServiceAfter(s[1], s[1]));
  EXPECT_TRUE(db->MoveServiceAfter(s[0], s[3]));
  EXPECT_EQ(Order(*db), (std::vector<int>{s[1], s[2], s[3], s[0]}));
  EXPECT_TRUE(db->MoveServiceBefore(s[0], s[1]));
  EXPECT_EQ(Order(*db), (std::vector<int>{s[0], s[1], s[2], s[3]}));
  EXPECT_TRUE(db->MoveServiceAfter(s[3], s[0]));
  EXPECT_EQ(Order(*db), (std::vector<int>{s[0], s[3], s[1], s[2]}));
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditMoveService, BlockPasteKeepsViewOrder) {
  std::vector<int> s;
  auto db = DbWithServices(15, &s);
  for (int i : {12, 2, 5}) db->SetServiceMark(s[i], true);
  const int first = db->GatherMarkedServices();
  EXPECT_EQ(first, s[2]);
  const int r = db->FindServiceViewPosition(first);
  EXPECT_EQ(r, 3);
  EXPECT_EQ(db->GetServiceViewEntry(10), s[8]);  // the view after gathering
  EXPECT_EQ(db->MoveMarkedServicesAfter(10), s[2]);
  std::vector<int> expected = {s[0], s[1], s[3], s[4], s[6], s[7], s[8], s[2], s[5], s[12],
                               s[9], s[10], s[11], s[13], s[14]};
  EXPECT_EQ(Order(*db), expected);

  db->MoveMarkedServicesBefore(1);
  expected = {s[2], s[5], s[12], s[0], s[1], s[3], s[4], s[6], s[7], s[8], s[9], s[10], s[11], s[13], s[14]};
  EXPECT_EQ(Order(*db), expected);
  EXPECT_EQ(db->MoveMarkedServicesAfter(16), -1);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(EditMoveService, MoveToPositionWithoutMarks) {
  std::vector<int> s;
  auto db = DbWithServices(5, &s);
  EXPECT_EQ(db->MoveServicesToPosition(1, 4), 4);
  EXPECT_EQ(Order(*db), (std::vector<int>{s[1], s[2], s[3], s[0], s[4]}));
  db->MoveServicesToPosition(5, 1);
  EXPECT_EQ(Order(*db), (std::vector<int>{s[4], s[1], s[2], s[3], s[0]}));
}

TEST(EditMarkedServices, TransponderLimitAndToggles) {
  auto db = NewDb();
  const int tp = AppendTransponder(*db, 0);
  std::vector<int> s;
  for (int i = 0; i < 122; ++i) s.push_back(AppendService(*db, {"x", 0, 1, 0, i < 119 ? tp : -1}));
  db->BuildServiceView();
  db->SetCurrentService(s[119]);
  EXPECT_TRUE(db->SetMarkedServicesTransponder(tp));  // 119 -> 120
  db->SetCurrentService(s[120]);
  EXPECT_TRUE(db->SetMarkedServicesTransponder(tp));  // 120 carried: fewer than 121, so 121
  db->SetCurrentService(s[121]);
  EXPECT_FALSE(db->SetMarkedServicesTransponder(tp));
  EXPECT_EQ(db->CountTransponderServices(tp), 121);
  bool warned = false;
  for (const auto& f : db->CheckDatabaseConsistency())
    warned |= f.severity == DbFinding::WARNING && f.text.find("more than 120") != std::string::npos;
  EXPECT_TRUE(warned);

  db->SetServiceMark(s[0], true);
  db->SetServiceMark(s[1], true);
  db->ToggleMarkedServicesLocked();
  db->ToggleMarkedServicesHd();
  EXPECT_TRUE(db->IsServiceLocked(s[0]) && db->IsServiceLocked(s[1]));
  EXPECT_FALSE(db->IsServiceLocked(s[121]));  // the current service is left alone
  EXPECT_TRUE(db->IsServiceHd(s[1]));
  db->SetMarkedServicesProvider(-1);
  db->DeleteMarkedServices();
  EXPECT_EQ(db->GetUsedServiceCount(), 120);
  EXPECT_EQ(db->GetServiceViewCount(), 120);
}
