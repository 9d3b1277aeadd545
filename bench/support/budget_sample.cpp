#include "support/budget_sample.h"

#include <QDate>

#include <string>

#include "budget/core/year_choice.h"
#include "budget/core/year_file.h"

namespace coinwell::bench {

using namespace coinwell::budget;

BudgetYear fullBudgetYear() {
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

FullBudgetFolder::FullBudgetFolder(const char* alsoYear) {
    const BudgetYear year = fullBudgetYear();
    if (alsoYear) {
        writeYearFile(yearFileName(alsoYear), year);
    }
    const QDate today = QDate::currentDate();
    writeYearFile(yearFileName(todaysBudgetYear({today.year(), today.month(), today.day()})), year);
}

}  // namespace coinwell::bench
