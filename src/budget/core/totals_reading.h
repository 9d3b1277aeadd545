#pragma once
// The totals and the chart as a screen reader says them: each item, then the year's expenses,
// income and balance, one a line as "name: amount, percent%". The chart draws the same figures.

#include <string>
#include <vector>

#include "budget/core/budget_chart.h"
#include "budget/core/budget_totals.h"

namespace coinwell::budget {

std::string totalsReading(const YearTotals& totals);

// One line for each bar or slice of the chart (its item, or the balance) in the chart's order.
std::string chartReading(const YearTotals& totals, const std::vector<ChartSeries>& series);

}  // namespace coinwell::budget
