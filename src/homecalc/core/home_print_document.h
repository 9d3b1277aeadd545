#pragma once
// The Home Calculator's printed report: inputs, results and the limiting factor on one page,
// laid out on the print options panel's page document.

#include "common/core/date_time.h"
#include "homecalc/core/home_report.h"
#include "print/core/page_document.h"
#include "print/core/print_panel_settings.h"

namespace coinwell::homecalc {

// The indents of the title and of the lines under it, twips.
inline constexpr int kTitleIndent = 400;
inline constexpr int kBodyIndent = 600;

// Lays the report out: the panel's font in the screen's text colour, all margins 0; the title at
// the panel's size and the rest two points smaller; the payment limit only when one is set.
void layoutHomeReport(print::PageDocument& doc, const print::PrintPanelSettings& settings,
                      const HomeReportSource& source, const DateTime& today);

}  // namespace coinwell::homecalc
