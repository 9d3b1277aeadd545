#pragma once
// The figures computed from a budget year: each month's total expenses and balance
// (recalcMonths), and the Totals For Year panel's year totals, item totals and percentages
// (buildYearTotals).

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "budget/core/budget_year.h"

namespace coinwell::budget {

// A month's expenses are held at this total (the printed budget has no room for more).
inline constexpr double kExpenseHold = 99999;
inline constexpr double kExpenseLimit = 100000;

// The captions under the grid: Label3 (expenses) and Label7 (balance), January first.
struct MonthlyFigures {
    std::array<std::string, kMonths> expenses;
    std::array<std::string, kMonths> balance;
    std::array<bool, kMonths> balanceNegative{};  // shown in red
    // The months whose expenses reached 100000, January first: each one gives the "Total of
    // Bills" message and is held at 99999.
    std::vector<int> heldMonths;

    bool operator==(const MonthlyFigures&) const = default;
};

// The value of an amount as the monthly totals read it: its first comma removed, read in the
// locale's notation; nothing for an empty or non-numeric text.
std::optional<double> amountValue(std::string_view text);

// recalcMonths' computation: every amount (its first comma removed) read in the locale's
// notation and narrowed to single precision, skipping empty and non-numeric cells; the total
// formatted "#####.00"; a Total Income whose numeric value is not above 0 becomes "0.00"
// (changed in year); the balance, income minus expenses in single precision, formatted
// "#####.00" and negative when its text reads below 0.
MonthlyFigures recalcMonths(BudgetYear& year);

// The captions of a year never saved: all empty.
MonthlyFigures emptyMonthlyFigures();

// percentBase: item percentages divided by the year's income or by its expenses.
enum class PercentBase { Income = 0, Expenses = 1 };

// Label19 for each base.
std::string_view percentBaseCaption(PercentBase base);

// One row of the totals grid Grid2: the item name, its year total ("####.00", empty when it is
// not above 0) and its percentage ("Percent" followed by one blank; empty without a total).
struct TotalsRow {
    std::string name;
    std::string total;
    std::string percent;

    bool operator==(const TotalsRow&) const = default;
};

// What buildYearTotals puts on the Totals For Year panel.
struct YearTotals {
    std::string caption;                // Panel3D1
    std::string expenses = "0";         // Label13
    std::string income = "0";           // Label14
    std::string balance = "0";          // Label15
    std::string expensesPercent = "0";  // Label16
    std::string incomePercent = "0";    // Label17
    std::string balancePercent = "0";   // Label18
    bool balanceNegative = false;       // Label15 and Label18 red
    // False when the year has no income or no expenses: the computation stopped after the year
    // totals, the percentages stay "0", the commands stay enabled and Grid2 is not rebuilt.
    bool complete = false;
    std::vector<TotalsRow> rows;  // one per named item, in grid order
    // The number of item rows placed in Grid2, kept for the chart.
    int itemRowCount() const { return static_cast<int>(rows.size()); }
};

// The panel caption: ten blanks, "TOTALS FOR ", the year with a leading blank, forty blanks,
// "Percentage Per Item".
std::string totalsCaption(double year);

// buildYearTotals' computation from the year, its expenses captions (Label3) and the base.
YearTotals buildYearTotals(const BudgetYear& year, const MonthlyFigures& figures, PercentBase base,
                           double yearNumber);

// The Totals For Year panel's pre-check: a text in item rows 1-8, columns 1-12 (the name and
// January to November), and a month whose Total Income reads other than 0.
bool canViewTotals(const BudgetYear& year);

}  // namespace coinwell::budget
