// Year planning on the Home Budget: comparing two full years, Copy To Next Year with a change
// (the safe write included), and opening the Compare Years panel with its chart.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>

#include "budget/core/changed_year_copy.h"
#include "budget/core/percent_change.h"
#include "budget/core/year_comparison.h"
#include "budget/ui/budget_assembly.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/year_planning.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/qt_desktop.h"
#include "support/budget_sample.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;
using namespace coinwell::budget;

namespace {

void CompareTwoFullYears(benchmark::State& state) {
    const BudgetYear a = bench::fullBudgetYear();
    const BudgetYear b = PercentChange::parse("3")->changedYear(a);
    for (auto _ : state) {
        benchmark::DoNotOptimize(compareYears("2012", a, "2013", b));
    }
}
BENCHMARK(CompareTwoFullYears)->Unit(benchmark::kMicrosecond);

// The change alone, without reading or writing the files.
void ChangeAFullYear(benchmark::State& state) {
    const BudgetYear year = bench::fullBudgetYear();
    const PercentChange change = *PercentChange::parse("3");
    for (auto _ : state) {
        benchmark::DoNotOptimize(change.changedYear(year));
    }
}
BENCHMARK(ChangeAFullYear)->Unit(benchmark::kMicrosecond);

// Reading the saved file, the change and the safe write with its syncs.
void CopyToNextYearWithChange(benchmark::State& state) {
    bench::FullBudgetFolder folder("2012");
    const PercentChange change = *PercentChange::parse("3");
    for (auto _ : state) {
        benchmark::DoNotOptimize(copyYearFileWithChange("2012.Fil", "2013.Fil", change).ok());
    }
}
BENCHMARK(CopyToNextYearWithChange)->Unit(benchmark::kMillisecond);

// From the menu command to the panel painted with its grid and chart.
void OpenCompareWithChart(benchmark::State& state) {
    ensureApplication();
    bench::FullBudgetFolder folder("2012");
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow main;
    main.setGeometry(0, 0, 1024, 700);
    YearPlanning* planning = nullptr;
    BudgetScreen* screen = assembleBudgetScreen(
        context, &main, [&planning](BudgetScreen& s) { planning = attachYearPlanning(s); });
    screen->present();
    screen->activate();
    QApplication::processEvents();
    for (auto _ : state) {
        planning->openComparison();
        QApplication::processEvents();
        screen->repaint();
        state.PauseTiming();
        planning->closeComparison();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    screen->closeQuietly();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(OpenCompareWithChart)->Unit(benchmark::kMillisecond);

}  // namespace
