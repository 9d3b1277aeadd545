// Coinwell: the program folder made current, the locale and settings read, the main screen shown.

#include <QApplication>
#include <QIcon>

#include "actuarial/ui/actuarial_screen.h"
#include "budget/ui/budget_assembly.h"
#include "calculator/ui/sci_calc.h"
#include "common/core/locale_settings.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/command_line.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_desktop.h"
#include "common/ui/system_locale.h"
#include "homecalc/ui/home_calc.h"
#include "loan/ui/loan_sheet.h"
#include "shell/ui/help_viewer.h"
#include "shell/ui/main_screen.h"
#include "shell/ui/splash_screen.h"
#include "shell/ui/tool_registry.h"

namespace {

// The screens each tool opens. A tool not listed here opens its bare frame.
void registerToolScreens(coinwell::ToolScreenRegistry& registry) {
    registry.set(coinwell::shell::Tool::Actuarial,
                 [](coinwell::AppContext& context, QWidget* main) {
                     return new coinwell::actuarial::ActuarialScreen(context, main);
                 });
    registry.set(coinwell::shell::Tool::Calculator, &coinwell::createSciCalc);
    registry.set(coinwell::shell::Tool::Loan, [](coinwell::AppContext& context, QWidget* main) {
        return new coinwell::loan::LoanSheet(context, main);
    });
    registry.set(coinwell::shell::Tool::HomeCalc, [](coinwell::AppContext& context, QWidget* main) {
        return new coinwell::homecalc::HomeCalc(context, main);
    });
    registry.set(coinwell::shell::Tool::Budget, &coinwell::budget::createBudgetScreen);
}

}  // namespace

int main(int argc, char** argv) {
    // --help, --version and a mistyped option are answered before the graphical part starts,
    // so they work on a terminal that has no display.
    const coinwell::CommandLine commandLine = coinwell::parseCommandLine(
        coinwell::commandLineArguments(argc, argv), QStringLiteral(COINWELL_VERSION));
    if (!commandLine.startProgram) {
        return coinwell::answerOnTerminal(commandLine);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Coinwell"));
    QApplication::setApplicationVersion(QStringLiteral(COINWELL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.coinwell.Coinwell"));

    coinwell::QtDesktop desktop;
    // Every data and settings file is opened by bare name in the program folder. Without one,
    // nothing is written anywhere: the user is told why and the program ends.
    const coinwell::ProgramFolderChoice folder =
        coinwell::chooseRequestedProgramFolder(commandLine.dataDir);
    if (!folder.usable()) {
        desktop.message(coinwell::unusableProgramFolderMessage(folder));
        return 1;
    }
    const QString icon = coinwell::findInstallationFile(QStringLiteral("coinwell.png"));
    if (!icon.isEmpty()) {
        QApplication::setWindowIcon(QIcon(icon));
    }
    coinwell::setCurrentLocale(coinwell::localeFromSystem());

    coinwell::installHelpViewer(desktop);
    coinwell::RunSettings settings;
    coinwell::AppContext context{desktop, settings};

    coinwell::ToolScreenRegistry& tools = coinwell::ToolScreenRegistry::instance();
    registerToolScreens(tools);

    coinwell::MainScreen mainScreen(context, tools);
    mainScreen.setSplash([&context] { coinwell::showSplashOnce(context); });
    mainScreen.startUp();
    mainScreen.showAsStored();
    return QApplication::exec();
}
