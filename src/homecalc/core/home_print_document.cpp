#include "homecalc/core/home_print_document.h"

#include <algorithm>

#include "common/core/format_number.h"

namespace coinwell::homecalc {

namespace {

constexpr double kFootnoteSize = 6;
// The smallest size the body steps down to from a tiny panel font.
constexpr double kSmallestBodySize = 1;

std::string currency(std::string_view shown) {
    return formatNumber(shown, "Currency");
}

}  // namespace

void layoutHomeReport(print::PageDocument& doc, const print::PrintPanelSettings& settings,
                      const HomeReportSource& source, const DateTime& today) {
    const HomeBoxTexts& boxes = source.boxes;
    const HomeResultTexts& results = source.results;
    doc.setFont(settings.font());
    // The screen's text colour, not one chosen in Printer Font (which only the sample shows).
    doc.setTextColor(source.textColor);
    doc.setMargins({});
    doc.setIndents(kTitleIndent, 0);
    doc.startDocument();

    doc.printParagraph("Home Calculator Results");
    doc.setIndents(kBodyIndent, 0);
    doc.setFontSize(std::max(kSmallestBodySize, static_cast<double>(settings.fontSize) - 2));
    doc.printParagraph("");
    doc.printParagraph("Input Section");
    doc.printParagraph("");
    doc.printParagraph("Estimated Gross (pre-tax) Annual Income:  " + currency(boxes.income));
    doc.printParagraph("Minimum  Monthly  Debt  Payments:  " + currency(boxes.debt));
    doc.printParagraph("Cash available for down Payment:  " + currency(boxes.cash));
    doc.printParagraph("Length of Loan in Years:  " + boxes.years);
    doc.printParagraph("Loan Interest Rate:  " + boxes.rate + "%");
    if (boxValue(boxes.limit) > 0) {
        doc.printParagraph("Limit on Monthly Mortgage Payment:  " + currency(boxes.limit));
    }
    doc.printParagraph("");
    doc.printParagraph("");
    doc.printParagraph("Calculation Results");
    doc.printParagraph("");
    doc.printParagraph("Approximate Amount of Home You Can Afford:  " +
                       currency(results.homePrice));
    doc.printParagraph("Approximate Monthly Loan Payment + Taxes + Ins.:  " +
                       currency(results.housingPayment));
    doc.printParagraph("Approximate Amount of Loan:  " + currency(results.loanAmount));
    doc.printParagraph("Amount of Down Payment:  " + currency(results.downPayment));
    doc.printParagraph("Estimated Closing Costs:  " + currency(results.closingCosts));
    doc.printParagraph("Down Payment Percent (%):  " + results.downPercent);
    doc.printParagraph("");
    doc.printParagraph("Limiting Factor:  " + results.limitingFactor);
    doc.setFontSize(kFootnoteSize);
    doc.printParagraph("");
    doc.printParagraph("Coinwell");
    doc.printParagraph("Printed on " + formatDate(today, "Short Date"));
    doc.endDocument();
}

}  // namespace coinwell::homecalc
