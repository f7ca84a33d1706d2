// The Service page on a full file (6000 services): opening to a filled grid, a sort by each
// column head, and the full refresh after a page change, each with the grid painted.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

#include "app/SampleFile.h"
#include "app/ScriptedDialogs.h"
#include "app/window/TSDIAppForm.h"
#include "db/M_database.h"
#include "ui/PageFrame.h"
#include "ui/ServiceGridModel.h"
#include "ui/ServicePage.h"

namespace {

struct PageBenchWorld {
  std::unique_ptr<QApplication> app;
  QTemporaryDir dir;
  std::string full;
  std::unique_ptr<TSDIAppForm> form;
  ScriptedDialogs* dialogs = nullptr;
  ServicePage* page = nullptr;

  PageBenchWorld() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "torvane-bench";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
    full = dir.filePath("full.dld").toStdString();
    WriteSampleFile(full, SampleProfile::Full, 17);
    form = std::make_unique<TSDIAppForm>(dir.path().toStdString());
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    form->SetDialogs(std::move(scripted));
    page = &InstallPages(*form)->Service();
    form->resize(1400, 900);
    form->show();
    Open();
  }
  ~PageBenchWorld() { form->Document() = DocumentState(); }

  void Open() {
    dialogs->paths.push_back(full);
    form->findChild<QAction*>("Menu_OpenData")->trigger();
  }
  void Paint() { page->Grid()->viewport()->repaint(); }
};

PageBenchWorld& World() {
  static PageBenchWorld world;
  return world;
}

void BM_OpenFullFileToFilledGrid(benchmark::State& state) {
  PageBenchWorld& w = World();
  for (auto _ : state) {
    w.Open();
    w.Paint();
  }
  state.counters["rows"] = w.page->GridModel()->rowCount();
}
BENCHMARK(BM_OpenFullFileToFilledGrid)->Unit(benchmark::kMillisecond);

// A click on head 0 to 3: "Original", "Alpha Sort", "Provider Sort", "Transponder Sort".
void BM_SortByHead(benchmark::State& state) {
  PageBenchWorld& w = World();
  static const int kModes[] = {SORT_ORIGINAL, SORT_NAME, SORT_PROVIDER, SORT_TRANSPONDER};
  const int mode = kModes[state.range(0)];
  for (auto _ : state) {
    w.page->PM_SortAlphaClick(mode);
    w.Paint();
  }
  w.page->PM_SortAlphaClick(SORT_ORIGINAL);
}
BENCHMARK(BM_SortByHead)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Leaving for the Provider page and coming back refreshes the whole Service page.
void BM_RefreshAfterPageChange(benchmark::State& state) {
  PageBenchWorld& w = World();
  QTabWidget* pages = w.form->PageControl();
  for (auto _ : state) {
    state.PauseTiming();
    pages->setCurrentIndex(3);
    state.ResumeTiming();
    pages->setCurrentIndex(0);
    w.Paint();
  }
}
BENCHMARK(BM_RefreshAfterPageChange)->Unit(benchmark::kMillisecond);

// Editing one service rewrites only its row.
void BM_RowRefreshAfterEdit(benchmark::State& state) {
  PageBenchWorld& w = World();
  for (auto _ : state) {
    w.page->TB_LockClick();
    w.Paint();
  }
}
BENCHMARK(BM_RowRefreshAfterEdit)->Unit(benchmark::kMicrosecond);

}  // namespace
