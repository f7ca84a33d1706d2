// Database operations on the generated full database: 6000 services, 4000 transponders, every
// other table at capacity.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/SampleFile.h"
#include "db/M_database.h"

namespace {

std::unique_ptr<m_DataBase> FullDb() {
  auto db = std::make_unique<m_DataBase>();
  BuildSampleDatabase(*db, SampleProfile::Full);
  return db;
}

// The service view of every TV service of every delivery kind.
void ShowAllServices(m_DataBase& db) {
  ViewState v = db.GetViewState();
  v.viewMode = VIEW_ALL;
  v.deliveryKind = DELIVERY_ANY;
  v.serviceType = 0;
  db.SetViewState(v);
}

m_DataBase& Shared() {
  static std::unique_ptr<m_DataBase> db = [] {
    auto full = FullDb();
    ShowAllServices(*full);
    return full;
  }();
  return *db;
}

void BM_BuildServiceView(benchmark::State& state) {
  m_DataBase& db = Shared();
  const int key = static_cast<int>(state.range(0));
  const bool ascending = state.range(1) != 0;
  while (key != SORT_ORIGINAL && db.IsSortAscending(key) != ascending) db.ApplySortCommand(key);
  db.SetServiceSort(key);
  for (auto _ : state) {
    db.BuildServiceView();
    benchmark::DoNotOptimize(db.GetServiceViewEntry(1));
  }
  state.counters["rows"] = db.GetServiceViewCount();
  db.SetServiceSort(SORT_ORIGINAL);
}
BENCHMARK(BM_BuildServiceView)
    ->ArgNames({"key", "ascending"})
    ->ArgsProduct({{SORT_ORIGINAL, SORT_NAME, SORT_TRANSPONDER, SORT_PROVIDER, SORT_SATELLITE}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

void BM_FindServicesByName(benchmark::State& state) {
  m_DataBase& db = Shared();
  for (auto _ : state) {
    db.BuildServiceView();
    db.FindServicesByName("BBC");
    benchmark::DoNotOptimize(db.GetServiceViewCount());
  }
  state.counters["found"] = db.GetServiceViewCount();
}
BENCHMARK(BM_FindServicesByName)->Unit(benchmark::kMicrosecond);

void BM_DeleteAndReadd100(benchmark::State& state) {
  // A copy of its own: the re-added services replace generated ones.
  auto owned = FullDb();
  m_DataBase& db = *owned;
  ShowAllServices(db);
  db.BuildServiceView();
  for (auto _ : state) {
    for (int i = 0; i < 100; ++i) db.DeleteService(i * 37);
    for (int i = 0; i < 100; ++i) db.AddService(1 + i, false);
  }
  if (!db.IsServiceOrderConsistent() || db.GetUsedServiceCount() != dblayout::kServiceCount)
    state.SkipWithError("the service order broke");
}
BENCHMARK(BM_DeleteAndReadd100)->Unit(benchmark::kMillisecond);

void BM_OptimizeRun(benchmark::State& state) {
  OptimizeOptions options;
  options.multipleTp = options.unusedTp = options.multipleTpFreq = true;
  options.sameSymbolRate = options.samePolarity = options.sameFec = true;
  OptimizeResult result;
  for (auto _ : state) {
    state.PauseTiming();
    auto db = FullDb();
    ViewState v;
    v.satellite = 3;
    db->SetViewState(v);
    db->BuildTransponderView();
    state.ResumeTiming();
    result = db->RunOptimize(options);
    benchmark::DoNotOptimize(result);
  }
  state.counters["unused"] = result.unusedDeleted;
  state.counters["merged"] = result.multipleMerged;
}
BENCHMARK(BM_OptimizeRun)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
