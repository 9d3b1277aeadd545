// The chart's series and legend labels on both percentage bases, an item without a total, a
// negative balance and the pie's slices.

#include <gtest/gtest.h>

#include "budget/core/budget_chart.h"

namespace coinwell::budget {
namespace {

// The year totals of a budget, as the Totals For Year panel builds them.
YearTotals totalsOf(BudgetYear year, PercentBase base) {
    const MonthlyFigures figures = recalcMonths(year);
    return buildYearTotals(year, figures, base, 2012);
}

BudgetYear oneItemYear() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "3000.00";
    year.income[0] = "30000.00";
    return year;
}

TEST(ChartSeries, OneItemOnTheIncomeBaseHasTheBalanceToo) {
    const std::vector<ChartSeries> series =
        budgetChartSeries(totalsOf(oneItemYear(), PercentBase::Income), PercentBase::Income);
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0], (ChartSeries{"Rent", 10.0f}));
    EXPECT_EQ(series[1], (ChartSeries{"Balance", 90.0f}));
}

TEST(ChartSeries, OneItemOnTheExpenseBaseIsTheWholeAndTheLastSeriesIsBlank) {
    const std::vector<ChartSeries> series =
        budgetChartSeries(totalsOf(oneItemYear(), PercentBase::Expenses), PercentBase::Expenses);
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0], (ChartSeries{"Rent", 100.0f}));
    EXPECT_EQ(series[1], (ChartSeries{" ", 0.0f}));
}

TEST(ChartSeries, ItemsInGridOrderWithAnEmptyTotalAsZeroInSinglePrecision) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "1000.00";
    year.items[1].name = "Gift";  // named, never an amount
    year.items[4].name = "Food";
    year.items[4].amounts[0] = "500.00";
    year.items[4].amounts[6] = "500.00";
    year.income[0] = "3000.00";
    const std::vector<ChartSeries> series =
        budgetChartSeries(totalsOf(year, PercentBase::Income), PercentBase::Income);
    ASSERT_EQ(series.size(), 4u);
    EXPECT_EQ(series[0].label, "Rent");
    EXPECT_EQ(series[0].value, 33.333332f);
    EXPECT_EQ(series[1], (ChartSeries{"Gift", 0.0f}));
    EXPECT_EQ(series[2].label, "Food");
    EXPECT_EQ(series[2].value, 33.333332f);
    EXPECT_EQ(series[3].label, "Balance");
    EXPECT_EQ(series[3].value, 33.333332f);
}

TEST(ChartSeries, SpendingMoreThanTheIncomeGivesANegativeBalance) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "1500.00";
    year.income[0] = "1000.00";
    const std::vector<ChartSeries> series =
        budgetChartSeries(totalsOf(year, PercentBase::Income), PercentBase::Income);
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].value, 150.0f);
    EXPECT_EQ(series[1], (ChartSeries{"Balance", -50.0f}));
}

TEST(ChartSeries, AYearWithoutAmountsHasOnlyTheClosingSeries) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.income[0] = "1000.00";
    const std::vector<ChartSeries> series =
        budgetChartSeries(totalsOf(year, PercentBase::Income), PercentBase::Income);
    ASSERT_EQ(series.size(), 1u);
    EXPECT_EQ(series[0].label, "Balance");
}

TEST(PieLayout, SlicesRunClockwiseFromTwelveOClock) {
    const PieLayout layout = layoutPie({{"Rent", 10.0f}, {"Balance", 90.0f}});
    ASSERT_EQ(layout.slices.size(), 2u);
    EXPECT_EQ(layout.slices[0].series, 0);
    EXPECT_DOUBLE_EQ(layout.slices[0].startAngle, 54.0);
    EXPECT_DOUBLE_EQ(layout.slices[0].spanAngle, 36.0);
    EXPECT_DOUBLE_EQ(layout.slices[0].midAngle(), 72.0);
    EXPECT_DOUBLE_EQ(layout.slices[1].startAngle, -270.0);
    EXPECT_DOUBLE_EQ(layout.slices[1].spanAngle, 324.0);
    EXPECT_TRUE(layout.negative.empty());
}

TEST(PieLayout, ZeroSharesHaveNoSliceAndNegativeOnesAreNamedInTheNote) {
    const std::vector<ChartSeries> series = {{"Rent", 150.0f}, {"Gift", 0.0f}, {"Balance", -50.0f}};
    const PieLayout layout = layoutPie(series);
    ASSERT_EQ(layout.slices.size(), 1u);
    EXPECT_EQ(layout.slices[0].series, 0);
    EXPECT_DOUBLE_EQ(layout.slices[0].spanAngle, 360.0);
    EXPECT_EQ(layout.negative, std::vector<int>{2});
    EXPECT_EQ(pieNegativeNote(series, layout), "Balance -50.00% is below zero and has no slice");
    EXPECT_EQ(pieNegativeNote({{"A", 10.0f}}, layoutPie({{"A", 10.0f}})), "");
}

TEST(PieLayout, NothingAboveZeroGivesNoSlices) {
    const PieLayout layout = layoutPie({{" ", 0.0f}});
    EXPECT_TRUE(layout.slices.empty());
    const std::vector<ChartSeries> both = {{"A", -1.0f}, {"B", -2.5f}};
    EXPECT_EQ(pieNegativeNote(both, layoutPie(both)),
              "A -1.00%; B -2.50% are below zero and have no slice");
}

}  // namespace
}  // namespace coinwell::budget
