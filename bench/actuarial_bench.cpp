// The Actuarial Calculator's work: a table of 201 rates by 100 years, the same table built end
// to end on the screen (checks, build, grid reset, explanation and the grid's first paint), and
// Copy of the whole 201 × 100 block (reading the grid, the text and the clipboard).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QTemporaryDir>

#include "actuarial/core/value_table.h"
#include "actuarial/ui/actuarial_output.h"
#include "actuarial/ui/actuarial_screen.h"
#include "common/ui/app_context.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_desktop.h"
#include "support/bench_application.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;
using namespace coinwell::actuarial;

namespace {

// The desktop of the program, with every message box answered at once.
class AnsweringDesktop : public QtDesktop {
  public:
    Answer message(const MessageRequest& request) override { return request.defaultAnswer; }
};

// 0.5 % to 100.5 % (201 rates) by 1 to 100 years, compounded monthly.
ValueTableInputs largestRequest() {
    ValueTableInputs in;
    in.amount = 9999999;
    in.perYear = 12;
    in.minRate = 0.5f;
    in.maxRate = 100.5f;
    in.minYears = 1;
    in.maxYears = 100;
    return normaliseRanges(in);
}

void BuildValueTable201x100(benchmark::State& state) {
    const ValueTableInputs in = largestRequest();
    for (auto _ : state) {
        ValueTable table = buildValueTable(ValueTableKind::FutureValueOfAnnuity, in);
        benchmark::DoNotOptimize(table.values.data());
    }
}
BENCHMARK(BuildValueTable201x100)->Unit(benchmark::kMillisecond);

class ScreenFixture {
  public:
    ScreenFixture() {
        chooseProgramFolder(
            {QStringLiteral("actuarial_bench"), QStringLiteral("--data-dir=") + folder_.path()});
        mainScreen_.resize(800, 600);
        screen_ = new ActuarialScreen(context_, &mainScreen_);
        screen_->present();
        screen_->activate();
        QApplication::processEvents();
        set("Text1", "9999999");
        set("Text2", "12");
        set("Text3", "100");
        set("Text4", "1");
        screen_->findChild<QComboBox*>(QStringLiteral("Combo1"))
            ->setEditText(QStringLiteral("100.5"));
        screen_->findChild<QComboBox*>(QStringLiteral("Combo2"))
            ->setEditText(QStringLiteral("0.5"));
    }
    ~ScreenFixture() {
        screen_->closeQuietly();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ActuarialScreen& screen() { return *screen_; }
    bool fullTable() const {
        const ValueTable* table = screen_->valueTable();
        return table && table->rateRows() == 201 && table->yearColumns() == 100;
    }

  private:
    void set(const char* name, const char* text) {
        screen_->findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
    }

    bool application_ = (ensureApplication(), true);  // before the first widget
    QTemporaryDir folder_;
    AnsweringDesktop desktop_;
    RunSettings settings_;
    AppContext context_{desktop_, settings_};
    QMainWindow mainScreen_;
    ActuarialScreen* screen_ = nullptr;
};

// A table button pressed on the screen: the checks, the table, the grid reset, the explanation
// and the grid's first paint.
void KindButtonEndToEnd201x100(benchmark::State& state) {
    ScreenFixture fixture;
    for (auto _ : state) {
        fixture.screen().showValueTable(ValueTableKind::FutureValueOfAnnuity);
        QPixmap painted = fixture.screen().grid()->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    if (!fixture.fullTable()) {
        state.SkipWithError("the table was not built");
    }
}
BENCHMARK(KindButtonEndToEnd201x100)->Unit(benchmark::kMillisecond);

// Copy with the whole table selected: the grid read, the text built and put on the clipboard.
void CopyValueTable201x100(benchmark::State& state) {
    ScreenFixture fixture;
    ActuarialScreen& screen = fixture.screen();
    screen.showValueTable(ValueTableKind::FutureValueOfAnnuity);
    TableGrid* grid = screen.grid();
    const QModelIndex first = grid->model()->index(0, 0);
    const QModelIndex last = grid->model()->index(200, 99);
    grid->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    grid->selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::Select);
    for (auto _ : state) {
        screen.output()->copyToClipboard();
    }
    const GridSelection selection = screen.gridSelection();
    if (!fixture.fullTable() || selection.rowSel != 201 || selection.columnSel != 100) {
        state.SkipWithError("the whole table was not selected");
    }
}
BENCHMARK(CopyValueTable201x100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
