#pragma once
// The Loan Calculator's printed pages: the whole amortization schedule with its summary, or the
// selected block of the payment table (at most seven length columns), laid out on the print
// options panel's page document.

#include "loan/core/loan_copy_text.h"
#include "print/core/page_document.h"
#include "print/core/print_panel_settings.h"
#include "print/core/table_pages.h"

namespace coinwell::loan {

// The heading of a printed payment column: signedNumberText of the length, then " Year" or
// " Years" (" Month" / " Months" in the Months unit).
std::string printedLengthLabel(double length, LengthUnit unit);

// Lays the pages out: font and colour from the panel's settings, all margins 0, a schedule when
// the grid shows one (every row) and otherwise the block of the payment table.
void layoutLoanDocument(print::PageDocument& doc, const print::PrintPanelSettings& settings,
                        const LoanOutputSource& source, const SelectionBlock& block);

}  // namespace coinwell::loan
