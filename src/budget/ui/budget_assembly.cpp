#include "budget/ui/budget_assembly.h"

#include "budget/ui/backup_utility.h"
#include "budget/ui/budget_printing.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/budget_spelling.h"
#include "budget/ui/export_and_colors.h"
#include "budget/ui/hunspell_engine.h"
#include "budget/ui/undo_and_versions.h"
#include "budget/ui/year_planning.h"

namespace coinwell::budget {

void attachBudgetParts(BudgetScreen& screen) {
    attachChartAndPrinting(screen);
    attachExportAndColors(screen);
    attachSpellingCheck(screen, programSpellingEngine());
    attachBackupUtility(screen);
    attachUndoAndVersions(screen);
    attachYearPlanning(screen);
}

BudgetScreen* assembleBudgetScreen(AppContext& context, QWidget* mainScreen,
                                   const BudgetParts& parts) {
    auto* screen = new BudgetScreen(context, mainScreen);
    if (parts) {
        parts(*screen);
    }
    screen->setUp();
    return screen;
}

ToolScreen* createBudgetScreen(AppContext& context, QWidget* mainScreen) {
    return assembleBudgetScreen(context, mainScreen);
}

}  // namespace coinwell::budget
