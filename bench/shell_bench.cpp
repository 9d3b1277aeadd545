// Start-up to the main screen shown (without the start-up picture), and opening a tool screen
// over it: the bare frame (Home Budget), the Loan Calculator and the Calculator.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "calculator/ui/sci_calc.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_desktop.h"
#include "loan/ui/loan_sheet.h"
#include "shell/ui/main_screen.h"
#include "shell/ui/tool_registry.h"
#include "shell/ui/tool_screen.h"
#include "support/bench_application.h"

using namespace coinwell;
using coinwell::bench::ensureApplication;

namespace {

struct Program {
    QTemporaryDir folder;
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    ToolScreenRegistry tools;

    Program() {
        ensureApplication();
        chooseProgramFolder(
            {QStringLiteral("shell_bench"), QStringLiteral("--data-dir=") + folder.path()});
        tools.set(shell::Tool::Calculator, &createSciCalc);
        tools.set(shell::Tool::Loan, [](AppContext& context, QWidget* main) {
            return new loan::LoanSheet(context, main);
        });
    }
};

void StartUpToMainScreenShown(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        auto main = std::make_unique<MainScreen>(program.context, program.tools);
        main->startUp();
        main->showAsStored();
        QApplication::processEvents();
        benchmark::DoNotOptimize(main->isVisible());
        state.PauseTiming();
        main.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToMainScreenShown)->Unit(benchmark::kMillisecond);

void OpenToolScreen(benchmark::State& state) {
    Program program;
    const auto tool = static_cast<shell::Tool>(state.range(0));
    MainScreen main(program.context, program.tools);
    main.startUp();
    main.showAsStored();
    QApplication::processEvents();
    for (auto _ : state) {
        ToolScreen* screen = main.openTool(tool);
        screen->activate();
        QApplication::processEvents();
        benchmark::DoNotOptimize(screen->centralPanel()->isVisible());
        state.PauseTiming();
        screen->closeQuietly();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main.show();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenToolScreen)
    ->Arg(static_cast<int>(shell::Tool::Budget))
    ->Arg(static_cast<int>(shell::Tool::Loan))
    ->Arg(static_cast<int>(shell::Tool::Calculator))
    ->Unit(benchmark::kMillisecond);

}  // namespace
