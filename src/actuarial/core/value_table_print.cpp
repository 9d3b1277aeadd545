#include "actuarial/core/value_table_print.h"

#include <exception>

#include "common/core/format_number.h"
#include "common/core/number_parse.h"
#include "common/core/number_text.h"
#include "print/core/table_pages.h"

namespace coinwell::actuarial {

namespace {

constexpr int kPageTop = 200;
constexpr int kExplanationIndent = 200;

}  // namespace

std::string printedYearHeading(const std::string& gridHeader) {
    double years = 0;
    try {
        years = roundHalfEven16(parseLeadingNumber(gridHeader)).value_or(0);
    } catch (const std::exception&) {
        // A heading that cannot be read prints as 0; printing is never refused.
    }
    return signedNumberText(years) + (years == 1 ? " Year" : " Years");
}

void layoutValueTableDocument(print::PageDocument& doc, const print::PrintPanelSettings& settings,
                              const ValuePrintSource& source, const SelectionBlock& block) {
    doc.setFont(settings.font());
    doc.setTextColor(settings.color);
    doc.setMargins({});
    doc.startDocument();
    doc.setCurrentY(kPageTop);
    doc.printParagraph(" Amount or Annuity = " + formatNumber(source.amountText, "currency"));
    doc.printParagraph(" No. of Payments Per Year = " + source.perYearText);
    doc.printParagraph("");
    doc.setFontSize(settings.fontSize - 2);

    print::PrintedTable table;
    table.grid = &source.grid;
    table.block = block;
    table.columnHeading = [&source](int column) {
        return printedYearHeading(source.grid.text(0, column));
    };
    if (source.explanationVisible) {
        table.note = source.explanation;
    }
    table.noteIndent = kExplanationIndent;
    print::printTableBlock(doc, table);
    doc.endDocument();
}

}  // namespace coinwell::actuarial
