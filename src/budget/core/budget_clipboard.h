#pragma once
// The budget as text on the clipboard (Options > Copy, Edit > Copy Budget to Windows Clipboard):
//
//   "2012 Budget" CR LF CR LF
//   8 blanks "Item" 20 blanks "Jan" TAB "Feb" ... "Dec" CR
//   for each named item row: the name filled out with blanks to 60 pixels in the screen's font,
//       TAB, the twelve amounts separated by tabs, CR
//   "Total Expenses:" then TAB and each month's expenses, CR LF
//   "Total Income:      " then TAB and each month's income, CR LF
//   "Balance:          " then TAB and each month's balance, CR LF
//
// Beside the text goes the same budget as an HTML table, which spreadsheets and word processors
// paste as cells: the title, then a table of the headings, the named items and the three totals,
// each cell's text as shown without the filling blanks.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "budget/core/budget_year.h"
#include "common/core/dialogs.h"

namespace coinwell::budget {

// The monthly captions under the grid as shown (Label3, Label5, Label7), January first.
struct MonthlyCaptions {
    std::array<std::string, kMonths> expenses;
    std::array<std::string, kMonths> income;
    std::array<std::string, kMonths> balance;
};

// Width of a text in the screen's font, in pixels.
using PixelWidth = std::function<double(std::string_view)>;

// An item name is filled out with blanks until it is at least this wide.
inline constexpr double kItemNamePixels = 60;

std::string budgetClipboardText(std::string_view year, const BudgetYear& budget,
                                const MonthlyCaptions& captions, const PixelWidth& pixelWidth);

// The HTML table (a whole UTF-8 document) put on the clipboard beside the text.
std::string budgetClipboardHtml(std::string_view year, const BudgetYear& budget,
                                const MonthlyCaptions& captions);

// "Current Budget has been copied to the Windows Clipboard."
MessageRequest budgetCopiedMessage();

}  // namespace coinwell::budget
