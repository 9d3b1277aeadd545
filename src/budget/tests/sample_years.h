#pragma once
// Budget years the tests of the totals, the Totals For Year panel and the chart share.

#include "budget/core/budget_year.h"

namespace coinwell::budget {

// Income 30000 in January; expenses 15000: Rent 3000, Savings 12000 over two months, and Gift
// named without an amount.
inline BudgetYear halfSpentYear() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "3000.00";
    year.items[1].name = "Savings";
    year.items[1].amounts[0] = "9999.99";
    year.items[1].amounts[1] = "2000.01";
    year.items[2].name = "Gift";
    year.income[0] = "30000.00";
    return year;
}

}  // namespace coinwell::budget
