#pragma once
// The printed comparison of two budget years: the title "Budget Comparison " + A + " and " + B,
// the date line, the comparison grid (its headings again on every page) and, when it fits below
// the grid on the last page, a picture of the chart.

#include <string>

#include "budget/core/budget_print_document.h"
#include "budget/core/year_comparison.h"
#include "common/core/date_time.h"
#include "print/core/page_document.h"
#include "print/core/print_panel_settings.h"

namespace coinwell::budget {

struct ComparisonPrintSource {
    YearComparison comparison;
    DateTime today;
    print::ColorNumber textColor = 0;
};

// The size of the chart picture on a page of that width (twips): across the page within its
// side margins, half as high as wide.
PictureRect comparisonChartSize(int pageWidth);

// Lays the document out; an empty pictureFile (or no room left) prints no chart.
void layoutComparisonDocument(print::PageDocument& doc, const print::PrintPanelSettings& settings,
                              const ComparisonPrintSource& source, const std::string& pictureFile);

}  // namespace coinwell::budget
