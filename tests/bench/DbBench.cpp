// Database operations on a full database: 6000 services, 4000 transponders.
#include <benchmark/benchmark.h>

#include "../db/EditTestDb.h"

using namespace edittest;

namespace {

std::unique_ptr<m_DataBase> FullDb() {
  auto db = NewDb();
  std::vector<int> tps;
  for (int sat = 0; sat < 14; ++sat)
    for (int i = 0; i < 286 && static_cast<int>(tps.size()) < dblayout::kTransponderCount; ++i)
      tps.push_back(AppendTransponder(*db, sat, 10700 + (i % 200) * 9, 27500, i & 1, i % 9));
  unsigned seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  for (int i = 0; i < dblayout::kServiceCount; ++i) {
    const int tp = tps[(next() >> 8) % tps.size()];
    AppendService(*db, {"Service " + std::to_string((next() >> 8) % 3000), 0, 1, db->GetTransponderSatellite(tp), tp,
                        static_cast<int>((next() >> 8) % 400), static_cast<int>((next() >> 8) % 100)});
  }
  return db;
}

m_DataBase& Shared() {
  static std::unique_ptr<m_DataBase> db = FullDb();
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
  db.SetServiceSort(SORT_ORIGINAL);
}
BENCHMARK(BM_BuildServiceView)
    ->ArgsProduct({{SORT_ORIGINAL, SORT_NAME, SORT_TRANSPONDER, SORT_PROVIDER, SORT_SATELLITE}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

void BM_FindServicesByName(benchmark::State& state) {
  m_DataBase& db = Shared();
  for (auto _ : state) {
    db.BuildServiceView();
    db.FindServicesByName("service 12");
    benchmark::DoNotOptimize(db.GetServiceViewCount());
  }
}
BENCHMARK(BM_FindServicesByName)->Unit(benchmark::kMicrosecond);

void BM_DeleteAndReadd100(benchmark::State& state) {
  m_DataBase& db = Shared();
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
  for (auto _ : state) {
    state.PauseTiming();
    auto db = FullDb();
    ViewState v;
    v.satellite = 3;
    db->SetViewState(v);
    db->BuildTransponderView();
    state.ResumeTiming();
    benchmark::DoNotOptimize(db->RunOptimize(options));
  }
}
BENCHMARK(BM_OptimizeRun)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
