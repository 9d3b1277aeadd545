// The Home Budget's chart and printing: filling the chart for 50 items, switching the chart type,
// laying out the budget table with 50 items in real font metrics, and the totals document with
// its chart picture (drawn, encoded as a JPEG and written safely) as Print Grid Data builds it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>

#include <memory>

#include "budget/core/budget_chart.h"
#include "budget/core/budget_print_document.h"
#include "budget/core/year_file.h"
#include "budget/ui/budget_assembly.h"
#include "budget/ui/budget_chart_widget.h"
#include "budget/ui/budget_printing.h"
#include "budget/ui/budget_screen.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/qt_desktop.h"
#include "print/ui/print_panel.h"
#include "print/ui/qt_text_measurer.h"
#include "support/budget_sample.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;
using namespace coinwell::budget;

namespace {

std::vector<ChartSeries> fiftyItemSeries() {
    BudgetYear year = bench::fullBudgetYear();
    const MonthlyFigures figures = recalcMonths(year);
    return budgetChartSeries(buildYearTotals(year, figures, PercentBase::Income, 2012),
                             PercentBase::Income);
}

// The chart as the Totals For Year panel holds it, shown.
struct ShownChart {
    QWidget window;
    BudgetChartWidget* chart;
    ShownChart() : chart(new BudgetChartWidget(&window)) {
        window.resize(480, 340);
        chart->setGeometry(0, 0, 480, 340);
        window.show();
        QApplication::processEvents();
    }
};

// budgetChart with 50 items and the closing series, until the chart is painted.
void FillChartFiftyItems(benchmark::State& state) {
    ensureApplication();
    ShownChart shown;
    const std::vector<ChartSeries> series = fiftyItemSeries();
    for (auto _ : state) {
        shown.chart->fill(series);
        shown.chart->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(FillChartFiftyItems)->Unit(benchmark::kMillisecond);

// The first filling of a chart, as the panel first opens: every bar set made anew.
void FillNewChartFiftyItems(benchmark::State& state) {
    ensureApplication();
    const std::vector<ChartSeries> series = fiftyItemSeries();
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownChart>();
        state.ResumeTiming();
        shown->chart->fill(series);
        shown->chart->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(FillNewChartFiftyItems)->Unit(benchmark::kMillisecond);

// One click on a chart type (Bar, Pie, Stacking in turn) until the chart is painted.
void SwitchChartType(benchmark::State& state) {
    ensureApplication();
    ShownChart shown;
    shown.chart->fill(fiftyItemSeries());
    int type = 0;
    for (auto _ : state) {
        type = (type + 1) % 3;
        shown.chart->setType(static_cast<ChartType>(type));
        shown.chart->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(SwitchChartType)->Unit(benchmark::kMillisecond);

// The budget table of 50 items in Times New Roman 14, measured with the real font.
void LayoutBudgetTableFiftyItems(benchmark::State& state) {
    ensureApplication();
    print::QtTextMeasurer measurer;
    BudgetTableSource source;
    source.familyName = "Smith";
    source.year = "2012";
    source.budget = bench::fullBudgetYear();
    const MonthlyFigures figures = recalcMonths(source.budget);
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        source.expenses[month] = figures.expenses[month];
        source.income[month] = source.budget.income[month];
        source.balance[month] = figures.balance[month];
    }
    source.today = {2012, 3, 14};
    print::PrintPanelSettings settings;
    for (auto _ : state) {
        print::PageDocument doc(measurer);
        layoutBudgetTable(doc, settings, source, GridlineMode::All);
        benchmark::DoNotOptimize(doc.pages().size());
    }
}
BENCHMARK(LayoutBudgetTableFiftyItems)->Unit(benchmark::kMillisecond);

// Print Grid Data's rebuild with Print Graph: the chart drawn on white at the picture's size,
// "Chartxxx.jpg" encoded (quality 100) and written safely, the totals document laid out; then
// the preview repainted from the pages.
void TotalsDocumentWithGraph(benchmark::State& state) {
    ensureApplication();
    bench::FullBudgetFolder folder;
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow main;
    main.setGeometry(0, 0, 1024, 700);
    auto* screen = assembleBudgetScreen(context, &main, &attachChartAndPrinting);
    screen->present();
    screen->activate();
    QApplication::processEvents();
    screen->toggleTotals();
    screen->hooks().printTotals(*screen);
    QApplication::processEvents();
    auto* panel = screen->findChild<print::PrintPanel*>(QStringLiteral("SSPanel80"));
    for (auto _ : state) {
        panel->rebuildDocument();
        QApplication::processEvents();
    }
    state.counters["pages"] = static_cast<double>(panel->document().pages().size());
    screen->closeQuietly();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(TotalsDocumentWithGraph)->Unit(benchmark::kMillisecond);

}  // namespace
