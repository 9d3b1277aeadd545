// The Home Calculator's work: the affordability estimate alone, Calculate on the real screen
// end to end (reading the boxes, the estimate, the results shown and painted), and opening the
// screen up to its first paint.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QTemporaryDir>

#include "common/ui/app_context.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_desktop.h"
#include "homecalc/core/affordability.h"
#include "homecalc/ui/home_calc.h"
#include "support/bench_application.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;
using namespace coinwell::homecalc;

namespace {

// A program folder of its own, a desktop, the settings and the main screen the tool covers.
struct ScreenSetup {
    bool applicationReady = (ensureApplication(), true);
    QTemporaryDir folder;
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QMainWindow mainScreen;

    ScreenSetup() {
        chooseProgramFolder(
            {QStringLiteral("homecalc_bench"), QStringLiteral("--data-dir=") + folder.path()});
        mainScreen.resize(800, 600);
    }

    HomeCalc* open() {
        auto* screen = new HomeCalc(context, &mainScreen);
        screen->present();
        screen->activate();
        QApplication::processEvents();
        return screen;
    }

    static void close(HomeCalc* screen) {
        screen->closeQuietly();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void ComputeAffordability(benchmark::State& state) {
    HomeInputs in;
    in.grossAnnualIncome = 60000;
    in.monthlyDebt = 300;
    in.cashAvailable = 20000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        AffordabilityResult result = computeAffordability(in);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(ComputeAffordability)->Unit(benchmark::kNanosecond);

// Calculate pressed: the boxes read, the estimate, the seven results shown and painted.
void CalculateEndToEnd(benchmark::State& state) {
    ScreenSetup setup;
    HomeCalc* screen = setup.open();
    screen->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("60000"));
    screen->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("300"));
    screen->findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("20000"));
    for (auto _ : state) {
        screen->calculate();
        QPixmap painted = screen->centralPanel()->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    if (screen->findChild<QLabel*>(QStringLiteral("Label3"))->text() !=
        QStringLiteral("$184,682.00")) {
        state.SkipWithError("the worked example did not come out");
    }
    ScreenSetup::close(screen);
}
BENCHMARK(CalculateEndToEnd)->Unit(benchmark::kMillisecond);

// The Home Calculator button pressed: the screen built, its stored rate read, shown, activated
// and painted once.
void OpenScreen(benchmark::State& state) {
    ScreenSetup setup;
    for (auto _ : state) {
        HomeCalc* screen = setup.open();
        QPixmap painted = screen->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
        state.PauseTiming();
        ScreenSetup::close(screen);
        state.ResumeTiming();
    }
}
BENCHMARK(OpenScreen)->Unit(benchmark::kMillisecond);

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
