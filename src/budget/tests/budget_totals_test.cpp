// The monthly figures and the Totals For Year: literal figures of known budgets, the 99999 hold,
// single-precision sums, percentages on both bases, and the panel's pre-check.

#include <gtest/gtest.h>

#include "budget/core/budget_totals.h"
#include "budget/tests/sample_years.h"

namespace coinwell::budget {
namespace {

TEST(MonthlyFigures, EmptyMonthWithIncome) {
    BudgetYear year;
    year.income[0] = "2500.00";
    const MonthlyFigures figures = recalcMonths(year);
    EXPECT_EQ(figures.expenses[0], ".00");
    EXPECT_EQ(figures.balance[0], "2500.00");
    EXPECT_FALSE(figures.balanceNegative[0]);
    // Months without income show "0.00" as income and ".00" as balance.
    EXPECT_EQ(year.income[1], "0.00");
    EXPECT_EQ(figures.balance[1], ".00");
    EXPECT_TRUE(figures.heldMonths.empty());
}

TEST(MonthlyFigures, NegativeBalanceIsRed) {
    BudgetYear year;
    year.items[0].amounts[3] = "1000.00";
    year.items[1].amounts[3] = "125.50";
    year.income[3] = "1000.00";
    const MonthlyFigures figures = recalcMonths(year);
    EXPECT_EQ(figures.expenses[3], "1125.50");
    EXPECT_EQ(figures.balance[3], "-125.50");
    EXPECT_TRUE(figures.balanceNegative[3]);
}

TEST(MonthlyFigures, AmountsAddInSinglePrecisionSkippingWhatIsNotANumber) {
    BudgetYear year;
    const char* amounts[] = {"0.10", "0.20", "1,250.00", "abc", "", "12a", ".50", "(3)"};
    for (std::size_t r = 0; r < std::size(amounts); ++r) {
        year.items[r].amounts[0] = amounts[r];
    }
    const MonthlyFigures figures = recalcMonths(year);
    // 0.1 + 0.2 + 1250 + 0.5 - 3 (parentheses are a negative amount in the locale's notation).
    EXPECT_EQ(figures.expenses[0], "1247.80");
    EXPECT_EQ(figures.balance[0], "-1247.80");
}

TEST(MonthlyFigures, FiftyLargestAmountsReachTheHold) {
    BudgetYear year;
    for (BudgetItem& item : year.items) {
        item.amounts[5] = "9999.99";
    }
    year.items[0].amounts[6] = "9999.99";
    year.income[5] = "2500.00";
    const MonthlyFigures figures = recalcMonths(year);
    EXPECT_EQ(figures.heldMonths, std::vector<int>{5});
    EXPECT_EQ(figures.expenses[5], "99999.00");
    EXPECT_EQ(figures.balance[5], "-97499.00");
    EXPECT_EQ(figures.expenses[6], "9999.99");
}

TEST(MonthlyFigures, ExactlyTheLimitIsHeldToo) {
    BudgetYear year;
    for (int r = 0; r < 10; ++r) {
        year.items[static_cast<std::size_t>(r)].amounts[0] = "9999.50";
        year.items[static_cast<std::size_t>(r)].amounts[1] = "9999.90";
    }
    year.items[10].amounts[0] = "5.00";
    year.items[10].amounts[1] = "1.00";
    const MonthlyFigures figures = recalcMonths(year);
    EXPECT_EQ(figures.heldMonths, (std::vector<int>{0, 1}));
    EXPECT_EQ(figures.expenses[0], "99999.00");  // 100000 is held at 99999
    EXPECT_EQ(figures.expenses[1], "99999.00");  // 100000.0 from ten 9999.9 and one 1
}

TEST(MonthlyFigures, IncomeNotAboveZeroBecomesZero) {
    BudgetYear year;
    year.income = {"", "0", "-5", "abc", "2500.00", ".01", "", "", "", "", "", ""};
    recalcMonths(year);
    EXPECT_EQ(year.income,
              (std::array<std::string, 12>{"0.00", "0.00", "0.00", "0.00", "2500.00", ".01", "0.00",
                                           "0.00", "0.00", "0.00", "0.00", "0.00"}));
}

// ---- year totals -------------------------------------------------------------------------------

TEST(YearTotals, FiguresPercentagesAndCaption) {
    BudgetYear year = halfSpentYear();
    const MonthlyFigures figures = recalcMonths(year);
    const YearTotals totals = buildYearTotals(year, figures, PercentBase::Income, 2012);
    EXPECT_EQ(totals.caption,
              "          TOTALS FOR  2012                                        Percentage Per "
              "Item");
    EXPECT_EQ(totals.expenses, "15000.00 ");
    EXPECT_EQ(totals.income, "30000.00 ");
    EXPECT_EQ(totals.balance, "15000.00 ");
    EXPECT_EQ(totals.expensesPercent, "     50.00%");
    EXPECT_EQ(totals.incomePercent, "     100.00%");
    EXPECT_EQ(totals.balancePercent, "     50.00%");
    EXPECT_FALSE(totals.balanceNegative);
    EXPECT_TRUE(totals.complete);
    ASSERT_EQ(totals.itemRowCount(), 3);
    EXPECT_EQ(totals.rows[0], (TotalsRow{"Rent", "3000.00", "10.00% "}));
    EXPECT_EQ(totals.rows[1], (TotalsRow{"Savings", "12000.00", "40.00% "}));
    EXPECT_EQ(totals.rows[2], (TotalsRow{"Gift", "", ""}));

    const YearTotals byExpenses = buildYearTotals(year, figures, PercentBase::Expenses, 2012);
    EXPECT_EQ(byExpenses.rows[0].percent, "20.00% ");
    EXPECT_EQ(byExpenses.rows[1].percent, "80.00% ");
    EXPECT_EQ(byExpenses.balancePercent, "     50.00%");
    EXPECT_EQ(percentBaseCaption(PercentBase::Income), "% = Item Totals divided by Total Income");
    EXPECT_EQ(percentBaseCaption(PercentBase::Expenses),
              "% = Item Totals divided by Total Expenses");
}

TEST(YearTotals, NegativeBalanceAcrossTheYear) {
    BudgetYear year;
    year.items[0].name = "Rent";
    for (std::string& amount : year.items[0].amounts) {
        amount = "1000.00";
    }
    year.income[0] = "6000.00";
    year.income[6] = "5000.00";
    const MonthlyFigures figures = recalcMonths(year);
    const YearTotals totals = buildYearTotals(year, figures, PercentBase::Income, 2013);
    EXPECT_EQ(totals.expenses, "12000.00 ");
    EXPECT_EQ(totals.income, "11000.00 ");
    EXPECT_EQ(totals.balance, "-1000.00 ");
    EXPECT_EQ(totals.balancePercent, "     -9.09%");
    EXPECT_EQ(totals.expensesPercent, "     109.09%");
    EXPECT_TRUE(totals.balanceNegative);
    EXPECT_EQ(totals.rows[0], (TotalsRow{"Rent", "12000.00", "109.09% "}));
}

TEST(YearTotals, ItemTotalRestartsWhenItFallsToZero) {
    BudgetYear year;
    year.items[0].name = "Refunds";
    year.items[0].amounts = {"100.00", "-150.00", "20.00", "", "", "", "", "", "", "", "", ""};
    year.items[1].name = "Other";
    year.items[1].amounts[0] = "-5.00";
    year.items[2].name = "Rent";
    year.items[2].amounts[0] = "500.00";
    year.income[0] = "1000.00";
    const MonthlyFigures figures = recalcMonths(year);
    const YearTotals totals = buildYearTotals(year, figures, PercentBase::Income, 2012);
    EXPECT_EQ(totals.rows[0], (TotalsRow{"Refunds", "20.00", "2.00% "}));
    EXPECT_EQ(totals.rows[1], (TotalsRow{"Other", "", ""}));
}

TEST(YearTotals, NoAmountsStopsAfterTheYearTotals) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.income[0] = "2500.00";
    const MonthlyFigures figures = recalcMonths(year);
    const YearTotals totals = buildYearTotals(year, figures, PercentBase::Income, 2012);
    EXPECT_EQ(totals.expenses, ".00 ");
    EXPECT_EQ(totals.income, "2500.00 ");
    EXPECT_EQ(totals.balance, "0");
    EXPECT_EQ(totals.expensesPercent, "0");
    EXPECT_EQ(totals.incomePercent, "0");
    EXPECT_EQ(totals.balancePercent, "0");
    EXPECT_FALSE(totals.complete);
    EXPECT_EQ(totals.itemRowCount(), 0);
}

TEST(YearTotals, NoIncomeStopsToo) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "10.00";
    const MonthlyFigures figures = recalcMonths(year);
    const YearTotals totals = buildYearTotals(year, figures, PercentBase::Income, 2012);
    EXPECT_EQ(totals.expenses, "10.00 ");
    EXPECT_EQ(totals.income, ".00 ");
    EXPECT_FALSE(totals.complete);
}

TEST(YearTotals, PreCheckNeedsAnEarlyEntryAndIncome) {
    BudgetYear year;
    year.income[2] = "0.00";
    year.items[0].name = "Rent";
    EXPECT_FALSE(canViewTotals(year));  // no income other than 0
    year.income[2] = "2500.00";
    EXPECT_TRUE(canViewTotals(year));

    BudgetYear late;
    late.income[0] = "2500.00";
    late.items[8].name = "Row nine";
    late.items[8].amounts[0] = "5.00";
    EXPECT_FALSE(canViewTotals(late));  // only rows 9 and below
    late.items[7].amounts[11] = "5.00";
    EXPECT_FALSE(canViewTotals(late));  // only the December column
    late.items[7].amounts[10] = "5.00";
    EXPECT_TRUE(canViewTotals(late));
}

}  // namespace
}  // namespace coinwell::budget
