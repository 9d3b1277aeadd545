#pragma once
// The Actuarial Calculator's printed pages: the amount and payments per year, then the selected
// block of the value table (at most seven year columns) with the explanation under it, laid out
// on the print options panel's page document.

#include <string>

#include "common/core/grid_view.h"
#include "print/core/page_document.h"
#include "print/core/print_panel_settings.h"

namespace coinwell::actuarial {

struct ValuePrintSource {
    GridView grid;            // the header row, and the rows of the selection
    std::string amountText;   // Text1
    std::string perYearText;  // Text2
    bool explanationVisible = true;
    std::string explanation;  // Label1
};

// The heading of a printed year column: " 5 Years", " 1 Year".
std::string printedYearHeading(const std::string& gridHeader);

// Lays the pages out: font and colour from the panel's settings, all margins 0, the two input
// lines, then the block in the panel's font size less 2.
void layoutValueTableDocument(print::PageDocument& doc, const print::PrintPanelSettings& settings,
                              const ValuePrintSource& source, const SelectionBlock& block);

}  // namespace coinwell::actuarial
