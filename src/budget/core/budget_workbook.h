#pragma once
// The budget as a spreadsheet workbook (an export named ".xlsx"): one sheet, "Budget 2012",
//
//   Item            Jan ... Dec   Total
//   one row per item that has a name or an amount: the name, the amounts, =SUM(B2:M2)
//   Total Expenses  =SUM(B2:B9) for each month, and its total
//   Total Income    the monthly incomes, and their total
//   Balance         =B11-B10 (income less expenses) for each month, and for the total
//
// Amounts are numbers; a month's text that is not a number stays text and an empty one stays
// empty. Every formula carries its value, the exact decimal sum of the numbers written, so that
// a program that does not recalculate shows the same figures. The content is built here; writing
// it is workbook_file.h.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "budget/core/budget_year.h"

namespace coinwell::budget {

struct WorkbookCell {
    enum class Kind { Empty, Text, Number, Formula };
    Kind kind = Kind::Empty;
    // The text, or the formula without its "=".
    std::string text;
    // The number, or the value the formula gives.
    double value = 0;

    bool operator==(const WorkbookCell&) const = default;
};

// Item, Jan ... Dec, Total.
inline constexpr int kWorkbookColumns = 14;
inline constexpr int kWorkbookTotalColumn = 13;
using WorkbookRow = std::array<WorkbookCell, kWorkbookColumns>;

// Every number and formula is shown with this format.
inline constexpr std::string_view kWorkbookAmountFormat = "#,##0.00";

struct BudgetWorkbook {
    // "Budget 2012": the sheet's name and the file's title.
    std::string title;
    // Row 0 holds the headings (shown bold); the first row and the first column stay in view.
    std::vector<WorkbookRow> rows;
    // In characters of the default font, from the longest text each column shows.
    std::array<double, kWorkbookColumns> columnWidths{};
};

BudgetWorkbook budgetWorkbook(std::string_view year, const BudgetYear& budget);

// A cell's name in formulas: row 0, column 0 is "A1".
std::string workbookCellName(int row, int column);

}  // namespace coinwell::budget
