#pragma once
// Compare Years: two budget years side by side, item by item. Items are matched by name,
// trimmed and without regard to letter case; items of one name within a year are summed into
// one row, and rows without a name but with amounts into the row "(no name)". The rows follow
// year A, then the items only year B has; then "Total Expenses", "Total Income" and "Balance".
// Totals are exact sums of cents.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "budget/core/budget_year.h"

namespace coinwell::budget {

inline constexpr const char* kNoNameRow = "(no name)";
inline constexpr int kComparisonColumns = 5;

struct ComparisonRow {
    std::string name;
    // The year totals in cents; nothing where the item is missing from that year.
    std::optional<std::int64_t> centsA;
    std::optional<std::int64_t> centsB;

    // The texts of the grid's columns after the name: the totals "####.00" with no trailing
    // blank (empty where missing), Change = B - A signed ("+1020.00", "-.50", ".00"), Change %
    // = Change / A x 100 with two decimals and "%", signed as Change is ("+10.00%", "0.00%"),
    // empty when A is 0 or missing. A negative A (a balance) is divided by its size, so that
    // the percentage keeps the sign of the change.
    std::string totalA() const;
    std::string totalB() const;
    std::string change() const;
    std::string changePercent() const;
    std::array<std::string, kComparisonColumns> texts() const;
};

struct YearComparison {
    std::string yearA;
    std::string yearB;
    std::vector<ComparisonRow> items;
    ComparisonRow expenses{"Total Expenses", 0, 0};
    ComparisonRow income{"Total Income", 0, 0};
    ComparisonRow balance{"Balance", 0, 0};

    // The grid: the heading ("Item", year A, year B, "Change", "Change %"), the item rows and
    // the three total rows.
    std::vector<std::array<std::string, kComparisonColumns>> gridTexts() const;
};

YearComparison compareYears(const std::string& yearA, const BudgetYear& a, const std::string& yearB,
                            const BudgetYear& b);

// The grid as tab-separated lines, each ending in CR LF (for the clipboard).
std::string comparisonClipboardText(const YearComparison& comparison);

}  // namespace coinwell::budget
