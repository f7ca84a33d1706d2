// The table limits and the renumbering rules on generated receiver files: a full service table,
// a full transponder table, 300 transponders on one satellite, the service limit of one
// transponder, deleting transponders and deleting the last service.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "GeneratedFiles.h"

using generated::Errors;
using generated::TranspondersInNumberOrder;

namespace {

std::unique_ptr<m_DataBase> Load(SampleProfile profile) {
  auto db = std::make_unique<m_DataBase>();
  const std::string why = generated::LoadSample(*db, profile);
  EXPECT_EQ(why, "");
  return db;
}

void ShowSatelliteList(m_DataBase& db, int satellite, int delivery = DELIVERY_SATELLITE) {
  ViewState v = db.GetViewState();
  v.satellite = satellite;
  v.deliveryKind = delivery;
  db.SetViewState(v);
  db.BuildTransponderView();
}

std::vector<int> Numbers(const m_DataBase& db, const std::vector<int>& slots, bool terrestrial = false) {
  std::vector<int> out;
  for (int t : slots) out.push_back(terrestrial ? db.GetTerTransponderNumber(t) : db.GetTransponderNumber(t));
  return out;
}

std::vector<int> OneTo(int n) {
  std::vector<int> out;
  for (int i = 1; i <= n; ++i) out.push_back(i);
  return out;
}

// Satellite services of one type on no particular transponder, in service order.
std::vector<int> SatelliteServices(const m_DataBase& db, int type, int notOn) {
  std::vector<int> out;
  for (int s : db.ServiceOrder())
    if (db.GetServiceDelivery(s) == DELIVERY_SATELLITE && db.GetServiceType(s) == type &&
        db.GetServiceTransponder(s) != notOn)
      out.push_back(s);
  return out;
}

// The satellite with the most transponders.
int BusiestSatellite(const m_DataBase& db) {
  int best = 0;
  for (int sat = 1; sat < dblayout::kSatelliteCount; ++sat)
    if (db.GetSatelliteTransponderCount(sat) > db.GetSatelliteTransponderCount(best)) best = sat;
  return best;
}

}  // namespace

TEST(DatabaseLimits, AFullServiceTableRefusesAnotherServiceAndChangesNothing) {
  auto db = Load(SampleProfile::Full);
  ASSERT_EQ(db->GetUsedServiceCount(), dblayout::kServiceCount);
  db->BuildServiceView();
  const std::vector<uint8_t> before = db->EncodeDatabase();
  const std::vector<int> order = db->ServiceOrder();
  for (int row : {1, db->GetServiceViewCount() / 2, db->GetServiceViewCount() + 1})
    for (bool hd : {false, true}) {
      EXPECT_EQ(db->AddService(row, hd), -1) << "row " << row;
      EXPECT_TRUE(db->EncodeDatabase() == before) << "row " << row;
      EXPECT_EQ(db->ServiceOrder(), order) << "row " << row;
    }

  // One deletion makes room for exactly one service, in the freed slot.
  db->DeleteService(1234);
  db->BuildServiceView();
  const int rowOne = db->GetServiceViewEntry(1);
  EXPECT_EQ(db->AddService(1, false), 1234);
  EXPECT_EQ(db->NextService(1234), rowOne);
  EXPECT_EQ(db->GetUsedServiceCount(), dblayout::kServiceCount);
  const std::vector<uint8_t> refilled = db->EncodeDatabase();
  EXPECT_EQ(db->AddService(1, false), -1);
  EXPECT_TRUE(db->EncodeDatabase() == refilled);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(DatabaseLimits, FullTransponderTablesRefuseAnotherTransponderAndChangeNothing) {
  auto db = Load(SampleProfile::Full);
  ASSERT_EQ(db->GetTransponderCount(), dblayout::kTransponderCount);
  ASSERT_EQ(db->GetTerTransponderCount(), dblayout::kTerCount);
  const std::vector<uint8_t> before = db->EncodeDatabase();
  struct Case {
    int satellite;
    int delivery;
  };
  for (const Case& c :
       {Case{0, DELIVERY_SATELLITE}, Case{63, DELIVERY_SATELLITE}, Case{5, DELIVERY_TERRESTRIAL}}) {
    ShowSatelliteList(*db, c.satellite, c.delivery);
    for (int row : {1, db->GetTransponderViewCount() + 1})
      EXPECT_EQ(db->AddTransponder(row), -1) << "satellite " << c.satellite << " delivery " << c.delivery;
    EXPECT_TRUE(db->EncodeDatabase() == before) << "satellite " << c.satellite << " delivery " << c.delivery;
  }

  // A freed slot takes one transponder of another satellite.
  ShowSatelliteList(*db, 9);
  const int freed = TranspondersInNumberOrder(*db, 5).front();
  db->DeleteTransponder(freed, true);
  EXPECT_EQ(db->AddTransponder(1), freed);
  EXPECT_EQ(Numbers(*db, TranspondersInNumberOrder(*db, 9)), OneTo(db->GetSatelliteTransponderCount(9)));
  EXPECT_EQ(db->AddTransponder(1), -1);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(DatabaseLimits, ASatelliteTakes300TranspondersAndRefusesThe301st) {
  for (SampleProfile profile : {SampleProfile::Demo, SampleProfile::Full}) {
    SCOPED_TRACE(profile == SampleProfile::Demo ? "demo" : "full");
    auto db = Load(profile);
    const int sat = 0;
    // The full file has no free slot: free the transponders of satellites 1 to 4 first.
    if (profile == SampleProfile::Full)
      for (int other = 1; other <= 4; ++other)
        for (int t : TranspondersInNumberOrder(*db, other)) db->DeleteTransponder(t, true);
    ShowSatelliteList(*db, sat);
    for (int i = 0; db->GetSatelliteTransponderCount(sat) < dblayout::kTranspondersPerSatellite; ++i) {
      const int row = 1 + i % (db->GetTransponderViewCount() + 1);
      ASSERT_GE(db->AddTransponder(row), 0)
          << "with " << db->GetSatelliteTransponderCount(sat) << " transponders";
    }
    ASSERT_EQ(db->GetTransponderViewCount(), dblayout::kTranspondersPerSatellite);
    EXPECT_EQ(Numbers(*db, TranspondersInNumberOrder(*db, sat)), OneTo(dblayout::kTranspondersPerSatellite));
    const std::vector<uint8_t> before = db->EncodeDatabase();
    for (int row : {1, 150, 300, 301}) EXPECT_EQ(db->AddTransponder(row), -1) << "row " << row;
    EXPECT_TRUE(db->EncodeDatabase() == before);
    EXPECT_EQ(Errors(*db), std::vector<std::string>());

    // The table is not full, so another satellite still takes one.
    ShowSatelliteList(*db, 1);
    EXPECT_GE(db->AddTransponder(1), 0);
    EXPECT_EQ(Errors(*db), std::vector<std::string>());
  }
}

TEST(DatabaseLimits, ATransponderTakesServicesUpTo121) {
  // start: services already on the transponder; marked: marked services moving onto it (0: the
  // current service, no mark); moved: how many of them end on it.
  struct Case {
    SampleProfile profile;
    int start;
    int marked;
    int moved;
    bool result;
  };
  const Case cases[] = {
      {SampleProfile::Demo, 119, 0, 1, true},  {SampleProfile::Demo, 120, 0, 1, true},
      {SampleProfile::Demo, 121, 0, 0, false}, {SampleProfile::Demo, 119, 2, 2, true},
      {SampleProfile::Demo, 120, 1, 1, true},  {SampleProfile::Demo, 118, 5, 3, false},
      {SampleProfile::Demo, 121, 3, 0, false}, {SampleProfile::Full, 121, 0, 0, false},
      {SampleProfile::Full, 117, 6, 4, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("start " + std::to_string(c.start) + ", marked " + std::to_string(c.marked) +
                 (c.profile == SampleProfile::Full ? ", full" : ", demo"));
    auto db = Load(c.profile);
    // A slot no terrestrial transponder uses: the limit counts every service whose transponder
    // field holds the slot, terrestrial ones included, while the check counts per table.
    int tp = -1;
    for (int t = 0; t < dblayout::kTransponderCount && tp < 0; ++t)
      if (db->IsTransponderUsed(t) && !db->IsTerTransponderUsed(t)) tp = t;
    ASSERT_GE(tp, 0);
    // Fill the transponder with radio services, so that the TV view offers the ones to move.
    std::vector<int> fill = SatelliteServices(*db, 1, tp);
    for (int type : {2, 0}) {
      const std::vector<int> more = SatelliteServices(*db, type, tp);
      fill.insert(fill.end(), more.begin(), more.end());
    }
    for (size_t i = 0; db->CountTransponderServices(tp) < c.start; ++i) {
      ASSERT_LT(i, fill.size());
      db->SetServiceTransponder(fill[i], tp);
    }
    ASSERT_EQ(db->CountTransponderServices(tp), c.start);

    ViewState v = db->GetViewState();
    v.viewMode = VIEW_ALL;
    v.serviceType = 0;
    v.deliveryKind = DELIVERY_SATELLITE;
    db->SetViewState(v);
    db->BuildServiceView();
    const std::vector<int> candidates = SatelliteServices(*db, 0, tp);
    std::vector<int> movers;
    db->UnselectAllServices();
    if (c.marked == 0) {
      movers.push_back(candidates.at(candidates.size() / 2));
      db->SetCurrentService(movers.front());
    } else {
      // Every seventh TV service from the middle on, in view (service) order.
      for (int i = 0; i < c.marked; ++i) movers.push_back(candidates.at(candidates.size() / 2 + 7 * i));
      for (int s : movers) db->SetServiceMark(s, true);
      db->SetCurrentService(candidates.front());
    }
    std::vector<int> oldTps;
    for (int s : movers) oldTps.push_back(db->GetServiceTransponder(s));
    const std::vector<uint8_t> before = db->EncodeDatabase();

    EXPECT_EQ(db->SetMarkedServicesTransponder(tp), c.result);
    EXPECT_EQ(db->CountTransponderServices(tp), c.start + c.moved);
    for (size_t i = 0; i < movers.size(); ++i)
      EXPECT_EQ(db->GetServiceTransponder(movers[i]), static_cast<int>(i) < c.moved ? tp : oldTps[i])
          << "mover " << i;
    if (c.moved == 0) {
      EXPECT_TRUE(db->EncodeDatabase() == before);
    }
    if (c.marked > 0) {
      EXPECT_NE(db->GetServiceTransponder(candidates.front()), tp) << "the current service moved";
    }

    // Above 120 the verify check warns about the transponder but finds no error.
    EXPECT_EQ(Errors(*db), std::vector<std::string>());
    const std::vector<std::string> warnings = generated::Warnings(*db);
    const bool warned = std::any_of(warnings.begin(), warnings.end(), [&](const std::string& w) {
      return w.find("transponder " + std::to_string(tp) + " carries") == 0;
    });
    EXPECT_EQ(warned, c.start + c.moved > dblayout::kServicesPerTransponder);
  }
}

TEST(DatabaseLimits, DeletingDemoTranspondersRenumbersTheRestWithoutGaps) {
  // positions: the list positions (0-based) deleted; none marked means the current transponder.
  struct Case {
    const char* name;
    std::vector<int> positions;
    bool marked;
  };
  const Case cases[] = {
      {"first", {0}, false},
      {"middle", {2}, false},
      {"last", {-1}, false},
      {"first and last", {0, -1}, true},
      {"three in the middle", {1, 3, 4}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto db = Load(SampleProfile::Demo);
    const int sat = BusiestSatellite(*db);
    const std::vector<int> list = TranspondersInNumberOrder(*db, sat);
    ASSERT_GE(list.size(), 6u);
    std::vector<int> victims;
    for (int p : c.positions) victims.push_back(list[p < 0 ? list.size() - 1 : static_cast<size_t>(p)]);
    // Each victim carries at least one service, which goes with it.
    const std::vector<int> tv = SatelliteServices(*db, 0, -2);
    for (size_t i = 0; i < victims.size(); ++i) db->SetServiceTransponder(tv.at(i), victims[i]);
    int doomed = 0;
    for (int t : victims)
      for (int s = 0; s < dblayout::kServiceCount; ++s)
        doomed += db->IsServiceUsed(s) && db->GetServiceDelivery(s) == DELIVERY_SATELLITE &&
                  db->GetServiceTransponder(s) == t;
    ASSERT_GT(doomed, 0);
    const int services = db->GetUsedServiceCount();
    const int total = db->GetTransponderCount();

    ShowSatelliteList(*db, sat);
    db->UnselectAllTransponders();
    if (c.marked)
      for (int t : victims) db->SetTransponderMark(t, true);
    else
      db->SetSelectedTransponder(victims.front());
    db->DeleteMarkedTransponders();

    std::vector<int> expected = list;
    for (int t : victims) expected.erase(std::find(expected.begin(), expected.end(), t));
    const std::vector<int> now = TranspondersInNumberOrder(*db, sat);
    EXPECT_EQ(now, expected);
    EXPECT_EQ(Numbers(*db, now), OneTo(static_cast<int>(expected.size())));
    EXPECT_EQ(db->GetSatelliteTransponderCount(sat), static_cast<int>(expected.size()));
    EXPECT_EQ(db->GetTransponderCount(), total - static_cast<int>(victims.size()));
    EXPECT_EQ(db->GetUsedServiceCount(), services - doomed);
    EXPECT_EQ(db->GetTransponderViewCount(), static_cast<int>(expected.size()));
    EXPECT_EQ(Errors(*db), std::vector<std::string>());
  }
}

TEST(DatabaseLimits, AddingAndMovingDemoTranspondersRenumberTheSatellite) {
  auto db = Load(SampleProfile::Demo);
  const int sat = BusiestSatellite(*db);
  const std::vector<int> list = TranspondersInNumberOrder(*db, sat);
  const int n = static_cast<int>(list.size());
  ShowSatelliteList(*db, sat);

  // Adding on the row of transponder 3 puts the new one at number 3, the old 3 and on move down.
  const int added = db->AddTransponder(3);
  ASSERT_GE(added, 0);
  std::vector<int> expected = list;
  expected.insert(expected.begin() + 2, added);
  EXPECT_EQ(TranspondersInNumberOrder(*db, sat), expected);
  EXPECT_EQ(Numbers(*db, expected), OneTo(n + 1));

  // Moving transponder 5 behind transponder 2 gives it number 3.
  db->MoveTransponderAfter(sat, expected[4], expected[1]);
  std::rotate(expected.begin() + 2, expected.begin() + 4, expected.begin() + 5);
  EXPECT_EQ(TranspondersInNumberOrder(*db, sat), expected);
  EXPECT_EQ(Numbers(*db, expected), OneTo(n + 1));

  // Deleting a terrestrial transponder leaves a gap in the terrestrial numbers.
  const std::vector<int> ter = TranspondersInNumberOrder(*db, -1);
  ASSERT_GE(ter.size(), 3u);
  const std::vector<int> terNumbers = Numbers(*db, ter, true);
  ShowSatelliteList(*db, sat, DELIVERY_TERRESTRIAL);
  db->SetSelectedTransponder(ter[1]);
  db->DeleteMarkedTransponders();
  std::vector<int> terExpected = terNumbers;
  terExpected.erase(terExpected.begin() + 1);
  EXPECT_EQ(Numbers(*db, TranspondersInNumberOrder(*db, -1), true), terExpected);
  EXPECT_EQ(Errors(*db), std::vector<std::string>());
}

TEST(DatabaseLimits, DeletingTheOnlyServiceEmptiesTheOrder) {
  auto db = Load(SampleProfile::Demo);
  const std::vector<int> order = db->ServiceOrder();
  ASSERT_GT(order.size(), 2u);
  const int last = order[order.size() / 2];
  for (int s : order)
    if (s != last) db->DeleteService(s);
  ASSERT_EQ(db->GetUsedServiceCount(), 1);
  EXPECT_EQ(db->FirstService(), last);
  EXPECT_EQ(db->LastService(), last);
  EXPECT_EQ(db->PreviousService(last), -1);
  EXPECT_EQ(db->NextService(last), -1);
  ASSERT_EQ(Errors(*db), std::vector<std::string>());

  db->DeleteService(last);
  EXPECT_EQ(db->ServiceOrder(), std::vector<int>());
  EXPECT_EQ(db->GetFirstService(), -1);
  EXPECT_EQ(db->GetLastService(), -1);
  EXPECT_EQ(db->GetUsedServiceCount(), 0);
  for (int t = 0; t < 3; ++t) EXPECT_EQ(db->GetUsedServiceTypeCount(t), 0) << "type " << t;
  EXPECT_EQ(Errors(*db), std::vector<std::string>());

  // The empty order survives a save and a reload.
  const std::string path = testsupport::TempDir() + "/empty.dld";
  ASSERT_TRUE(SaveDldFile(*db, path, "", false).ok);
  auto reloaded = std::make_unique<m_DataBase>();
  ASSERT_TRUE(LoadDldFile(*reloaded, path, "").ok);
  EXPECT_EQ(reloaded->GetFirstService(), -1);
  EXPECT_EQ(reloaded->GetLastService(), -1);
  EXPECT_EQ(reloaded->GetUsedServiceCount(), 0);
  EXPECT_EQ(Errors(*reloaded), std::vector<std::string>());

  // A service added now is the first and the last.
  reloaded->BuildServiceView();
  const int added = reloaded->AddService(1, false);
  ASSERT_GE(added, 0);
  EXPECT_EQ(reloaded->ServiceOrder(), std::vector<int>{added});
  EXPECT_EQ(reloaded->GetUsedServiceTypeCount(0), 1);
}
