// The Home Budget: recalculating a full year, loading and saving a year file (with and without
// the safe save's syncs), opening the screen, a committed cell edit with its recalculation and
// repaint, and opening the Totals For Year panel (without a chart).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QTemporaryDir>

#include <fstream>
#include <memory>

#include "budget/core/budget_totals.h"
#include "budget/core/year_choice.h"
#include "budget/core/year_file.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/totals_panel.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/qt_desktop.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

// Every item named, every month an amount, every month an income.
BudgetYear fullYear() {
    BudgetYear year;
    for (int r = 0; r < kItemRows; ++r) {
        BudgetItem& item = year.items[static_cast<std::size_t>(r)];
        item.name = "Item number " + std::to_string(r + 1);
        for (int m = 0; m < kMonths; ++m) {
            item.amounts[static_cast<std::size_t>(m)] = std::to_string(10 + r * 3 + m) + ".25";
        }
    }
    year.income.fill("45000.00");
    return year;
}

void ensureApplication() {
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
        static int argc = 1;
        static char name[] = "budget_bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
}

// A program folder of its own, made current, holding a full 2012.
struct Folder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    Folder() {
        QDir::setCurrent(dir.path());
        writeYearFile("2012.Fil", fullYear());
        // The screen opens on today's year: a full one too.
        const QDate today = QDate::currentDate();
        writeYearFile(yearFileName(todaysBudgetYear({today.year(), today.month(), today.day()})),
                      fullYear());
    }
    ~Folder() { QDir::setCurrent(previous); }
};

void RecalcMonthsFullYear(benchmark::State& state) {
    BudgetYear year = fullYear();
    for (auto _ : state) {
        benchmark::DoNotOptimize(recalcMonths(year));
    }
}
BENCHMARK(RecalcMonthsFullYear)->Unit(benchmark::kMicrosecond);

void LoadYearFile(benchmark::State& state) {
    Folder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readYearFile("2012.Fil"));
    }
}
BENCHMARK(LoadYearFile)->Unit(benchmark::kMicrosecond);

// The safe save: temporary file, write, fsync, rename, fsync of the folder.
void SaveYearFile(benchmark::State& state) {
    Folder folder;
    const BudgetYear year = fullYear();
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeYearFile("2012.Fil", year).ok());
    }
}
BENCHMARK(SaveYearFile)->Unit(benchmark::kMicrosecond);

// The same bytes written in place without a sync, to show what the syncs cost.
void SaveYearFileWithoutSync(benchmark::State& state) {
    Folder folder;
    const BudgetYear year = fullYear();
    for (auto _ : state) {
        const auto bytes = yearFileBytes(year);
        std::ofstream out("2012.Fil", std::ios::binary | std::ios::trunc);
        out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    }
}
BENCHMARK(SaveYearFileWithoutSync)->Unit(benchmark::kMicrosecond);

struct ScreenProgram {
    Folder folder;
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow main;
    ScreenProgram() {
        ensureApplication();
        main.setGeometry(0, 0, 1024, 700);
    }
    BudgetScreen* open() {
        auto* screen = new BudgetScreen(context, &main);
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
