#include "budget/ui/export_and_colors.h"

#include "budget/ui/budget_copy.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/export_panel.h"
#include "budget/ui/grid_color_commands.h"
#include "budget/ui/totals_panel.h"
#include "shell/ui/tool_screen.h"
#include "shell/ui/wallpaper_selector.h"

namespace coinwell::budget {

void attachExportAndColors(BudgetScreen& screen) {
    BudgetScreenHooks& hooks = screen.hooks();

    // The export panel lies over the entry area, as the Totals For Year panel does.
    auto* exportPanel = new ExportPanel(screen, screen.centralPanel());
    exportPanel->setGeometry(screen.totalsPanel()->geometry());
    QObject::connect(&screen, &BudgetScreen::panelColorApplied, exportPanel,
                     [exportPanel](const QColor& color) { setPanelColor3D(exportPanel, color); });
    hooks.openExportPanel = [exportPanel](BudgetScreen&) { exportPanel->openPanel(); };
    QObject::connect(&screen, &BudgetScreen::yearLoaded, exportPanel, &ExportPanel::yearLoaded);
    screen.setOverlay(
        BudgetOverlay::ExportPanel, [exportPanel] { return exportPanel->isVisible(); },
        [exportPanel] { exportPanel->closePanel(); });

    hooks.copyBudget = [](BudgetScreen& budget) { copyBudgetToClipboard(budget); };

    auto* colors = new GridColorCommands(screen);
    hooks.gridBackgroundSelector = [colors](BudgetScreen&) { colors->toggleSelector(); };
    hooks.gridTextColor = [colors](BudgetScreen&) { colors->chooseTextColor(); };
    hooks.gridColorsChanged = [colors](const BudgetScreen&) { return colors->choice().pending(); };
    hooks.settleGridColors = [colors](BudgetScreen&, bool store) { colors->settle(store); };
    screen.setOverlay(
        BudgetOverlay::GridBackgroundSelector, [colors] { return colors->selector()->isOpen(); },
        [colors] { colors->cancelSelector(); });
}

}  // namespace coinwell::budget
