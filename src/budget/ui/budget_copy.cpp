#include "budget/ui/budget_copy.h"

#include <QFontMetricsF>

#include "budget/core/budget_clipboard.h"
#include "budget/ui/budget_screen.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

void copyBudgetToClipboard(BudgetScreen& screen) {
    Desktop& desktop = screen.context().desktop;
    desktop.beginBusy();
    MonthlyCaptions captions;
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        captions.expenses[month] = screen.expensesCaption(m);
        captions.income[month] = screen.incomeCaption(m);
        captions.balance[month] = screen.balanceCaption(m);
    }
    // Names are filled out in the screen's own font, as the user sees them.
    const QFontMetricsF metrics(screen.font());
    const std::string year = screen.selectedYear();
    desktop.setClipboardTextAndHtml(
        budgetClipboardText(year, screen.year(), captions,
                            [&metrics](std::string_view text) {
                                return metrics.horizontalAdvance(toQString(text));
                            }),
        budgetClipboardHtml(year, screen.year(), captions));
    desktop.endBusy();
    desktop.message(budgetCopiedMessage());
}

}  // namespace coinwell::budget
