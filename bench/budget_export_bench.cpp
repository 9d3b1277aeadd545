// The Home Budget's export and colours: writing the export file and the workbook of a full budget
// (safely, with their syncs), building the clipboard text with the screen font's measures and its
// table and placing both on the clipboard, and opening the Grid Background Selector with its
// sixteen thumbnails.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QMainWindow>

#include <ctime>

#include "budget/core/budget_clipboard.h"
#include "budget/core/budget_workbook.h"
#include "budget/core/export_file.h"
#include "budget/ui/budget_assembly.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/export_and_colors.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/qt_desktop.h"
#include "common/ui/qt_text.h"
#include "support/budget_sample.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;
using namespace coinwell::budget;

namespace {

MonthlyCaptions fullCaptions() {
    MonthlyCaptions captions;
    captions.expenses.fill("99999.00");
    captions.income.fill("45000.00");
    captions.balance.fill("-54999.00");
    return captions;
}

// Target: at most 10 ms.
void ExportFullBudget(benchmark::State& state) {
    bench::ScratchFolder folder;
    const BudgetYear year = bench::fullBudgetYear();
    for (auto _ : state) {
        std::error_code error;
        benchmark::DoNotOptimize(writeExportFile("Budget2012.xls", year, error));
    }
}
BENCHMARK(ExportFullBudget)->Unit(benchmark::kMillisecond);

// Target: at most 20 ms (the workbook built, written through the library and renamed). Most of
// its processor time goes to the C library returning zlib's buffers to the system after each part
// of the zip (heap trimming); the rest of the wall time is the syncs, as for the text file.
void ExportFullWorkbook(benchmark::State& state) {
    bench::ScratchFolder folder;
    const BudgetYear year = bench::fullBudgetYear();
    for (auto _ : state) {
        std::error_code error;
        benchmark::DoNotOptimize(writeExport("Budget2012.xlsx", ExportFormat::Workbook, "2012",
                                             year, std::time(nullptr), error));
    }
}
BENCHMARK(ExportFullWorkbook)->Unit(benchmark::kMillisecond);

void WorkbookContentFullBudget(benchmark::State& state) {
    const BudgetYear year = bench::fullBudgetYear();
    for (auto _ : state) {
        benchmark::DoNotOptimize(budgetWorkbook("2012", year));
    }
}
BENCHMARK(WorkbookContentFullBudget)->Unit(benchmark::kMicrosecond);

void ExportFileBytesFullBudget(benchmark::State& state) {
    const BudgetYear year = bench::fullBudgetYear();
    for (auto _ : state) {
        benchmark::DoNotOptimize(exportFileBytes(year));
    }
}
BENCHMARK(ExportFileBytesFullBudget)->Unit(benchmark::kMicrosecond);

// Target: at most 10 ms (the text measured in the screen's font and its table, both put on the
// clipboard).
void ClipboardCopyFullBudget(benchmark::State& state) {
    ensureApplication();
    const BudgetYear year = bench::fullBudgetYear();
    const MonthlyCaptions captions = fullCaptions();
    const QFontMetricsF metrics(QApplication::font());
    QtDesktop desktop;
    for (auto _ : state) {
        const std::string text =
            budgetClipboardText("2012", year, captions, [&metrics](std::string_view name) {
                return metrics.horizontalAdvance(toQString(name));
            });
        desktop.setClipboardTextAndHtml(text, budgetClipboardHtml("2012", year, captions));
    }
}
BENCHMARK(ClipboardCopyFullBudget)->Unit(benchmark::kMillisecond);

// Target: at most 100 ms from the menu item to the selector on show with its thumbnails.
void OpenGridBackgroundSelector(benchmark::State& state) {
    ensureApplication();
    bench::ScratchFolder folder;
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow main;
    main.setGeometry(0, 0, 1024, 700);
    auto* screen = assembleBudgetScreen(context, &main, &attachExportAndColors);
    screen->present();
    screen->activate();
    QApplication::processEvents();
    for (auto _ : state) {
        screen->hooks().gridBackgroundSelector(*screen);
        QApplication::processEvents();
        state.PauseTiming();
        screen->hooks().gridBackgroundSelector(*screen);  // closes it again
        QApplication::processEvents();
        state.ResumeTiming();
    }
    screen->closeQuietly();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(OpenGridBackgroundSelector)->Unit(benchmark::kMillisecond);

}  // namespace
