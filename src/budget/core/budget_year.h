#pragma once
// One year of the Home Budget as the screen shows it: 50 expense item rows, each a name and an
// amount per month, and the Total Income of each month. Every value is held as the text shown
// (an amount "850.00", ".50" or empty; an income "2500.00", "0.00" or empty); the figures are
// computed from these texts (budget_totals.h).
//
// Grid coordinates follow the entry grid VSGd1: row 0 is the header, rows 1-50 the items;
// column 0 is the narrow fixed column, column 1 the item name, columns 2-13 January-December.

#include <array>
#include <string>
#include <string_view>

namespace coinwell::budget {

inline constexpr int kItemRows = 50;
inline constexpr int kMonths = 12;
inline constexpr int kGridRows = kItemRows + 1;  // with the header row
inline constexpr int kGridColumns = 14;          // the fixed column, Item, Jan ... Dec
inline constexpr int kItemColumn = 1;
inline constexpr int kFirstMonthColumn = 2;
inline constexpr int kLastMonthColumn = 13;  // December

struct BudgetItem {
    std::string name;
    std::array<std::string, kMonths> amounts;

    bool operator==(const BudgetItem&) const = default;
};

struct BudgetYear {
    std::array<BudgetItem, kItemRows> items;
    // The monthly Total Income captions (Label5), January first.
    std::array<std::string, kMonths> income;

    // The text of grid cell (row 1-50, column 1-13): the name or a month's amount; any other
    // place reads as empty.
    const std::string& cellText(int row, int column) const;
    // The cell to change, or null outside rows 1-50 and columns 1-13.
    std::string* cell(int row, int column);

    bool operator==(const BudgetYear&) const = default;
};

// The texts of the header row, columns 0 to 13: "", "Item", "Jan" ... "Dec".
std::string_view gridHeading(int column);

// The month index (0 = January) of a grid column, -1 for the fixed and Item columns.
int monthOfColumn(int column);

}  // namespace coinwell::budget
