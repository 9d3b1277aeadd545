// The Home Budget's undo and earlier versions: undoing and redoing a step on a full year until
// the screen has repainted, a save with its version against a save alone, and opening Versions1
// over ten versions.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTableView>

#include "budget/core/year_file.h"
#include "budget/core/year_versions.h"
#include "budget/ui/budget_assembly.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/undo_and_versions.h"
#include "budget/ui/versions_dialog.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/qt_desktop.h"
#include "support/budget_sample.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;
using namespace coinwell::budget;

namespace {

// A different second for each write, so that every save keeps a version.
DateTime nthSecond(long n) {
    return {2026,
            1,
            1 + static_cast<int>(n / 86400 % 28),
            static_cast<int>(n / 3600 % 24),
            static_cast<int>(n / 60 % 60),
            static_cast<int>(n % 60)};
}

void SaveAlone(benchmark::State& state) {
    bench::FullBudgetFolder folder;
    const BudgetYear year = bench::fullBudgetYear();
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeYearFile("2012.Fil", year).ok());
    }
}
BENCHMARK(SaveAlone)->Unit(benchmark::kMicrosecond);

// Keeps the replaced file as a version and, once ten are there, removes the oldest.
void SaveWithVersion(benchmark::State& state) {
    bench::FullBudgetFolder folder;
    const BudgetYear year = bench::fullBudgetYear();
    writeYearFile("2012.Fil", year);
    long second = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            replaceKeepingVersion(kVersionsFolder, "2012.Fil", "2012", nthSecond(second++), [&] {
                return writeYearFile("2012.Fil", year).ok();
            }).replaced);
    }
}
BENCHMARK(SaveWithVersion)->Unit(benchmark::kMicrosecond);

void OpenVersionsWithTen(benchmark::State& state) {
    ensureApplication();
    bench::FullBudgetFolder folder;
    const BudgetYear year = bench::fullBudgetYear();
    writeYearFile("2012.Fil", year);
    for (long second = 0; second < kVersionsKept; ++second) {
        replaceKeepingVersion(kVersionsFolder, "2012.Fil", "2012", nthSecond(second),
                              [&] { return writeYearFile("2012.Fil", year).ok(); });
    }
    for (auto _ : state) {
        VersionsDialog dialog("2012", readListedVersions(kVersionsFolder, "2012"));
        dialog.show();
        QApplication::processEvents();
        dialog.repaint();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}
BENCHMARK(OpenVersionsWithTen)->Unit(benchmark::kMillisecond);

// Copy To Right on a full year taken back and done again, each until the screen has repainted.
void UndoOrRedoAStep(benchmark::State& state) {
    ensureApplication();
    bench::FullBudgetFolder folder;
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow main;
    main.setGeometry(0, 0, 1024, 700);
    BudgetScreen* screen =
        assembleBudgetScreen(context, &main, [](BudgetScreen& s) { attachUndoAndVersions(s); });
    screen->present();
    screen->activate();
    QApplication::processEvents();
    screen->grid()->setCurrentIndex(screen->grid()->model()->index(0, 1));
    screen->copyToRight();  // row 1 all January's amount
    auto* undo = screen->findChild<QAction*>(QStringLiteral("mEUndo"));
    auto* redo = screen->findChild<QAction*>(QStringLiteral("mERedo"));
    bool undoing = true;
    for (auto _ : state) {
        (undoing ? undo : redo)->trigger();
        QApplication::processEvents();
        screen->repaint();
        undoing = !undoing;
    }
    screen->closeQuietly();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(UndoOrRedoAStep)->Unit(benchmark::kMillisecond);

}  // namespace
