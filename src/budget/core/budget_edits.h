#pragma once
// The entry and editing rules of the budget grid: the Input Box, committed amounts, the monthly
// Total Income, Copy To Right, inserting, deleting and sorting item rows. Each works on the
// texts of a BudgetYear; the screen shows the messages and runs the recalculation.

#include <optional>
#include <string>
#include <string_view>

#include "budget/core/budget_year.h"
#include "common/core/dialogs.h"

namespace coinwell::budget {

// The largest amount of a month cell and of a month's Total Income.
inline constexpr double kAmountLimit = 9999.99;
inline constexpr double kIncomeLimit = 99999.99;
// The longest texts the grid's editor takes: an item name and a month amount.
inline constexpr int kNameEditLength = 18;
inline constexpr int kAmountEditLength = 7;

// Commas can never be typed into an entry: a text holding a comma is cut before it (a comma
// first empties it), so a comma typed key by key simply disappears and a pasted "12,50"
// leaves "12".
struct CommaCut {
    std::string text;
    bool changed = false;
};
CommaCut cutAtComma(std::string_view text);

// A change of the Input Box Text1 while the grid's current column is column: the box's text
// after the comma rule and the 9999.99 cap of a month amount, whether the cap beeps, and the
// cell's new text (an item name as typed; an amount formatted "####.00", text that is not a
// number unchanged).
struct InputBoxChange {
    std::string boxText;
    bool boxChanged = false;
    bool beep = false;
    std::string cellText;
};
InputBoxChange inputBoxChange(std::string_view text, int column);

// A month amount committed through the grid's editor: zero, negative or not a number gives the
// "numbers only" message and an empty cell; 10000 or more the limit message and 9999.99; the
// rest the amount formatted "####.00" (".50" below 1).
struct CommittedAmount {
    std::string cellText;
    std::optional<MessageRequest> message;
};
CommittedAmount commitMonthAmount(std::string_view typed);

// The answer to the Total Income question: nothing for an empty answer (Cancel); above
// 99999.99 the limit message and 99999.99; the caption formatted "#####.00" (text that is not
// a number unchanged).
struct IncomeEntry {
    std::string caption;
    std::optional<MessageRequest> message;
};
std::optional<IncomeEntry> enterIncome(std::string_view answer);
// Yes to the copy question: every month after month (0-11) takes its caption.
void copyIncomeRight(BudgetYear& year, int month);

// Copy To Right is allowed in the month columns January to November.
bool canCopyRight(int column);
// Every month after column's month, through December, takes that month's text in row.
void copyRight(BudgetYear& year, int row, int column);

// An empty row at row (1-50): the rows below move down and row 50 is dropped.
void insertItemRow(BudgetYear& year, int row);
// Row (1-50) removed: the rows below move up and an empty row 50 is added.
void deleteItemRow(BudgetYear& year, int row);

// The heading-click sort of the item rows by a grid column (1-13), stable, comparing two
// numbers as numbers and anything else as text without regard to letter case (so empty texts
// come first). After an ascending sort by the Item column, the rows with a blank name that the
// sort put first are removed from the top; by a month column every row with a blank name is
// removed; empty rows fill the grid again at the end.
void sortItemRows(BudgetYear& year, int column, bool ascending);

// True when the item name holds more than blanks.
bool hasName(const BudgetItem& item);
// Utilities > Export is offered when one of item rows 1-20 has a name.
bool hasNameInFirstRows(const BudgetYear& year);

}  // namespace coinwell::budget
