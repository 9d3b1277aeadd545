// The totals and the chart read aloud: name, amount and share of each item and of the balance.

#include <gtest/gtest.h>

#include "budget/core/totals_reading.h"

namespace coinwell::budget {
namespace {

YearTotals sampleTotals() {
    YearTotals totals;
    totals.expenses = "$50.00";
    totals.income = "$100.00";
    totals.balance = "$50.00";
    totals.expensesPercent = "50.0";
    totals.incomePercent = "100.0";
    totals.balancePercent = "50.0";
    totals.complete = true;
    totals.rows = {{"Rent ", "$10.00", "10.0"}, {"Savings", "$40.00", "40.0"}};
    return totals;
}

TEST(TotalsReading, EveryItemThenTheYearFigures) {
    EXPECT_EQ(totalsReading(sampleTotals()),
              "Rent: $10.00, 10.0%\nSavings: $40.00, 40.0%\nExpenses: $50.00, 50.0%\n"
              "Income: $100.00, 100.0%\nBalance: $50.00, 50.0%");
    YearTotals incomplete = sampleTotals();
    incomplete.complete = false;
    EXPECT_EQ(totalsReading(incomplete).rfind("Expenses", 0), 0u);
}

TEST(TotalsReading, ChartBarsAndSlicesInTheChartsOrderWithoutTheBlank) {
    const YearTotals totals = sampleTotals();
    EXPECT_EQ(chartReading(totals, {{"Rent", 10}, {"Savings", 40}, {"Balance", 50}}),
              "Rent: $10.00, 10.0%\nSavings: $40.00, 40.0%\nBalance: $50.00, 50.0%");
    EXPECT_EQ(chartReading(totals, {{"Rent", 10}, {"Savings", 40}, {" ", 0}}),
              "Rent: $10.00, 10.0%\nSavings: $40.00, 40.0%");
}

}  // namespace
}  // namespace coinwell::budget
