// Random add, delete, move and toggle sequences on a large database keep every invariant, and
// the result survives an encode and decode into a fresh database.
#include <gtest/gtest.h>

#include <random>

#include "EditTestDb.h"

using namespace edittest;

namespace {

std::unique_ptr<m_DataBase> LargeDb(std::mt19937& rng) {
  auto db = NewDb();
  std::vector<int> tps;
  for (int sat = 0; sat < 8; ++sat)
    for (int i = 0; i < 60; ++i) tps.push_back(AppendTransponder(*db, sat, 10700 + i * 7, 27500, i & 1, i % 9));
  for (int n = 1; n <= 20; ++n) AppendTerTransponder(*db, n);
  std::vector<ProviderRec> providers;
  std::vector<int> uses(20, 0);
  std::vector<ServiceCas> lists;
  for (int i = 0; i < 2500; ++i) {
    const int tp = tps[rng() % tps.size()];
    const int provider = static_cast<int>(rng() % 20);
    ++uses[provider];
    const int s = AppendService(*db, {"Svc" + std::to_string(rng() % 500), static_cast<int>(rng() % 3), 1,
                                      db->GetTransponderSatellite(tp), tp, provider, static_cast<int>(rng() % 50)});
    if (i % 7 == 0) lists.push_back({s, {0x0100 * static_cast<int>(1 + rng() % 4)}});
  }
  for (int p = 0; p < 20; ++p) providers.push_back({p, uses[p]});
  AddProvidersAndCas(*db, providers, {{0, 0x0100, 100}, {1, 0x0200, 100}, {2, 0x0300, 100}, {3, 0x0400, 100}}, lists);
  return db;
}

int RandomUsedService(m_DataBase& db, std::mt19937& rng) {
  for (int tries = 0; tries < 50; ++tries) {
    const int s = static_cast<int>(rng() % dblayout::kServiceCount);
    if (db.IsServiceUsed(s)) return s;
  }
  return db.GetFirstService();
}

void RandomOperation(m_DataBase& db, std::mt19937& rng) {
  const int sat = static_cast<int>(rng() % 8);
  const int count = db.GetServiceViewCount();
  const int row = count > 0 ? 1 + static_cast<int>(rng() % count) : 1;
  switch (rng() % 12) {
    case 0:
    case 1: {
      ViewState v = db.GetViewState();
      v.serviceType = static_cast<int>(rng() % 3);
      v.satellite = sat;
      db.SetViewState(v);
      db.AddService(static_cast<int>(rng() % (count + 2)), rng() & 1);
      break;
    }
    case 2:
    case 3:
      db.DeleteService(RandomUsedService(db, rng));
      break;
    case 4:
      db.MoveServiceAfter(RandomUsedService(db, rng), RandomUsedService(db, rng));
      break;
    case 5:
      db.MoveServiceBefore(RandomUsedService(db, rng), RandomUsedService(db, rng));
      break;
    case 6: {
      db.UnselectAllServices();
      for (int i = 0; i < 4; ++i) db.ToggleServiceMark(db.GetServiceViewEntry(1 + static_cast<int>(rng() % (count + 1))));
      db.GatherMarkedServices();
      if (rng() & 1)
        db.MoveMarkedServicesAfter(row);
      else
        db.MoveMarkedServicesBefore(row);
      if (rng() % 4 == 0) db.DeleteMarkedServices();
      break;
    }
    case 7:
      db.ToggleServiceFavorite(RandomUsedService(db, rng), 1u << (rng() % 32));
      break;
    case 8: {
      ViewState v = db.GetViewState();
      v.satellite = sat;
      v.deliveryKind = rng() % 5 == 0 ? DELIVERY_TERRESTRIAL : DELIVERY_SATELLITE;
      db.SetViewState(v);
      db.BuildTransponderView();
      const int tpCount = db.GetTransponderViewCount();
      const int tpRow = 1 + static_cast<int>(rng() % (tpCount + 1));
      const int op = static_cast<int>(rng() % 3);
      if (op == 0) {
        db.AddTransponder(tpRow);
      } else if (op == 1) {
        db.SetSelectedTransponder(db.GetTransponderViewEntry(tpRow));
        db.DeleteMarkedTransponders();
      } else if (v.deliveryKind == DELIVERY_SATELLITE) {
        db.MoveTransponderAfter(sat, db.GetTransponderViewEntry(tpRow),
                                db.GetTransponderViewEntry(1 + static_cast<int>(rng() % (tpCount + 1))));
      } else {
        db.MoveTerTransponderBefore(db.GetTransponderViewEntry(tpRow),
                                    db.GetTransponderViewEntry(1 + static_cast<int>(rng() % (tpCount + 1))));
      }
      ViewState back = db.GetViewState();
      back.deliveryKind = DELIVERY_SATELLITE;
      db.SetViewState(back);
      break;
    }
    case 9: {
      db.SetCurrentService(db.GetServiceViewEntry(row));
      const int tp = static_cast<int>(rng() % dblayout::kTransponderCount);
      if (db.IsTransponderUsed(tp)) db.SetMarkedServicesTransponder(tp);
      break;
    }
    case 10:
      db.ApplySortCommand(rng() % 3 == 0 ? SORT_NAME : SORT_ORIGINAL);
      break;
    default:
      db.ToggleMarkedServicesLocked();
      break;
  }
  db.BuildServiceView();
}

}  // namespace

TEST(PropertyOperations, RandomSequencesKeepTheDatabaseConsistent) {
  std::mt19937 rng(20240611);
  auto db = LargeDb(rng);
  ASSERT_EQ(Errors(*db), std::vector<std::string>());
  db->BuildServiceView();
  for (int step = 0; step < 1500; ++step) {
    RandomOperation(*db, rng);
    const auto errors = Errors(*db);
    ASSERT_EQ(errors, std::vector<std::string>()) << "after step " << step;
  }
  const std::vector<uint8_t> block = db->EncodeDatabase();
  auto fresh = NewDb();
  fresh->DecodeDatabase(block.data());
  EXPECT_EQ(Errors(*fresh), std::vector<std::string>());
  EXPECT_EQ(fresh->ServiceOrder(), db->ServiceOrder());
  EXPECT_EQ(fresh->EncodeDatabase(), block);
}
