#pragma once
// The Home Calculator's results as the screen shows them, and the text report of inputs and
// results that Copy puts on the clipboard. Both the copy and the printed report are built from
// what the screen shows at that moment.

#include <string>

#include "common/core/date_time.h"
#include "common/core/dialogs.h"
#include "homecalc/core/affordability.h"
#include "homecalc/core/home_boxes.h"

namespace coinwell::homecalc {

// The seven result labels.
struct HomeResultTexts {
    std::string homePrice;       // Label3
    std::string housingPayment;  // Label6
    std::string loanAmount;      // Label7
    std::string downPayment;     // Label8
    std::string closingCosts;    // Label9
    std::string downPercent;     // Label10
    std::string limitingFactor;  // Label16

    bool operator==(const HomeResultTexts&) const = default;
};

// Money as "Currency", the down payment share as "Percent", the factor by name.
HomeResultTexts resultTexts(const AffordabilityResult& result);

// What the copy and the print read from the screen.
struct HomeReportSource {
    HomeBoxTexts boxes;
    HomeResultTexts results;
    ColorNumber textColor = 0;  // the screen's text colour: the printed report takes it
};

// The clipboard text: sixteen lines, ended by CRLF or by LFCR (line feed, then carriage return)
// as the suite's other programs expect, the last one by nothing.
std::string homeReportText(const HomeReportSource& source, const DateTime& today);

MessageRequest homeCopiedMessage();

// Copy: the report on the clipboard, then the "Copy Option" message.
void copyHomeReport(Dialogs& dialogs, const HomeReportSource& source, const DateTime& today);

}  // namespace coinwell::homecalc
