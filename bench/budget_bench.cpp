// The Home Budget: recalculating a full year, loading and saving a year file (with and without
// the safe save's syncs), opening the screen, a committed cell edit with its recalculation and
// repaint, and opening the Totals For Year panel (without a chart).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>

#include <fstream>
#include <memory>

#include "budget/core/budget_totals.h"
#include "budget/core/year_file.h"
#include "budget/ui/budget_assembly.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/totals_panel.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/qt_desktop.h"
#include "support/budget_sample.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;
using namespace coinwell::budget;

namespace {

void RecalcMonthsFullYear(benchmark::State& state) {
    BudgetYear year = bench::fullBudgetYear();
    for (auto _ : state) {
        benchmark::DoNotOptimize(recalcMonths(year));
    }
}
BENCHMARK(RecalcMonthsFullYear)->Unit(benchmark::kMicrosecond);

void LoadYearFile(benchmark::State& state) {
    bench::FullBudgetFolder folder("2012");
    for (auto _ : state) {
        benchmark::DoNotOptimize(readYearFile("2012.Fil"));
    }
}
BENCHMARK(LoadYearFile)->Unit(benchmark::kMicrosecond);

// The safe save: temporary file, write, fsync, rename, fsync of the folder.
void SaveYearFile(benchmark::State& state) {
    bench::FullBudgetFolder folder("2012");
    const BudgetYear year = bench::fullBudgetYear();
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeYearFile("2012.Fil", year).ok());
    }
}
BENCHMARK(SaveYearFile)->Unit(benchmark::kMicrosecond);

// The same bytes written in place without a sync, to show what the syncs cost.
void SaveYearFileWithoutSync(benchmark::State& state) {
    bench::FullBudgetFolder folder("2012");
    const BudgetYear year = bench::fullBudgetYear();
    for (auto _ : state) {
        const auto bytes = yearFileBytes(year);
        std::ofstream out("2012.Fil", std::ios::binary | std::ios::trunc);
        out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    }
}
BENCHMARK(SaveYearFileWithoutSync)->Unit(benchmark::kMicrosecond);

struct ScreenProgram {
    bench::FullBudgetFolder folder{"2012"};
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow main;
    ScreenProgram() {
        ensureApplication();
        main.setGeometry(0, 0, 1024, 700);
    }
    BudgetScreen* open() {
        auto* screen = assembleBudgetScreen(context, &main, {});
        screen->present();
        screen->activate();
        QApplication::processEvents();
        return screen;
    }
    static void close(BudgetScreen* screen) {
        screen->closeQuietly();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
};

void OpenBudgetScreen(benchmark::State& state) {
    ensureApplication();
    ScreenProgram program;
    for (auto _ : state) {
        BudgetScreen* screen = program.open();
        screen->repaint();
        state.PauseTiming();
        ScreenProgram::close(screen);
        state.ResumeTiming();
    }
}
BENCHMARK(OpenBudgetScreen)->Unit(benchmark::kMillisecond);

// Typing an amount in the grid's editor and pressing Enter, until the figures are recalculated
// and the screen repainted.
void CommittedCellEdit(benchmark::State& state) {
    ensureApplication();
    ScreenProgram program;
    BudgetScreen* screen = program.open();
    QTableView* grid = screen->grid();
    int round = 0;
    for (auto _ : state) {
        const QModelIndex index = grid->model()->index(round % kItemRows, 1 + round % kMonths);
        grid->setCurrentIndex(index);
        grid->edit(index);
        auto* editor = grid->findChild<QLineEdit*>(QStringLiteral("VSGd1Editor"));
        editor->setText(QString::number(100 + round % 50));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(editor, &enter);
        QApplication::processEvents();
        screen->repaint();
        ++round;
    }
    ScreenProgram::close(screen);
}
BENCHMARK(CommittedCellEdit)->Unit(benchmark::kMillisecond);

void OpenTotalsPanel(benchmark::State& state) {
    ensureApplication();
    ScreenProgram program;
    BudgetScreen* screen = program.open();
    for (auto _ : state) {
        screen->toggleTotals();
        QApplication::processEvents();
        screen->repaint();
        state.PauseTiming();
        screen->closeTotals();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    ScreenProgram::close(screen);
}
BENCHMARK(OpenTotalsPanel)->Unit(benchmark::kMillisecond);

}  // namespace
