#pragma once
// The Home Budget's two printed documents, laid out on the print options panel's page document:
// the budget table (every item by month with the monthly totals) and the year totals (the item
// totals and percentages, optionally under a picture of the chart).

#include <array>
#include <string>

#include "budget/core/budget_totals.h"
#include "budget/core/budget_year.h"
#include "common/core/date_time.h"
#include "print/core/page_document.h"
#include "print/core/print_panel_settings.h"

namespace coinwell::budget {

// Which rules the budget table has: all; the heading and column rules but none under each item;
// none at all.
enum class GridlineMode { All = 0, NoItemRules = 1, None = 2 };

// What the budget table prints: the year as the screen shows it.
struct BudgetTableSource {
    std::string familyName;
    std::string year;  // four characters
    BudgetYear budget;
    // Label3, Label5 and Label7, January first, and which balances are red.
    std::array<std::string, kMonths> expenses;
    std::array<std::string, kMonths> income;
    std::array<std::string, kMonths> balance;
    std::array<bool, kMonths> balanceNegative{};
    DateTime today;
    print::ColorNumber textColor = 0;  // the grid's text colour: texts and rules
};

// What the totals document prints: the Totals For Year panel.
struct TotalsSource {
    double year = 0;
    YearTotals totals;
    std::string percentBaseCaption;  // Label19
    DateTime today;
    print::ColorNumber textColor = 0;
};

// The picture of the chart, written before the totals document is laid out.
inline constexpr const char* kChartPictureFile = "Chartxxx.jpg";

// Where the chart picture stands on the first page of the totals document, in twips.
struct PictureRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
PictureRect chartPictureRect(print::Orientation orientation);

// The heading, value and rule positions of the budget table's columns as divisors of the page
// width (Item: heading only).
struct TableColumnDivisors {
    double heading;
    double value;
    double rule;
};
const std::array<TableColumnDivisors, kMonths>& monthColumnDivisors();
inline constexpr double kItemHeadingDivisor = 18;

// "Printed: " and today's date in the long date format, with " (Continued)" when asked.
std::string printedDateLine(const DateTime& today, bool continued);

// The budget table in its pages: the title with the family name, the date line, the headings,
// every item row that holds anything, a new page (its date line continued) when a page is full,
// and the monthly totals block, red for a negative balance.
void layoutBudgetTable(print::PageDocument& doc, const print::PrintPanelSettings& settings,
                       const BudgetTableSource& source, GridlineMode gridlines);

// The totals document; with printGraph the first page holds the chart picture from
// pictureFile above the figures.
void layoutTotalsDocument(print::PageDocument& doc, const print::PrintPanelSettings& settings,
                          const TotalsSource& source, bool printGraph,
                          const std::string& pictureFile = kChartPictureFile);

}  // namespace coinwell::budget
