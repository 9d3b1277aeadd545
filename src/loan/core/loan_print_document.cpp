#include "loan/core/loan_print_document.h"

#include <cmath>
#include <exception>
#include <vector>

#include "common/core/format_number.h"
#include "common/core/number_text.h"
#include "common/core/text_trim.h"

namespace coinwell::loan {

namespace {

using print::PageDocument;

// Top of the text on every page, the distance from the page's bottom edge after which a schedule
// page ends, and the indent of the closing note.
constexpr int kPageTop = 200;
constexpr int kPageEnd = 400;
constexpr int kNoteIndent = 400;
// The schedule's column of extra payments.
constexpr int kExtraColumn = 5;

int at(double width, double divisor) {
    return static_cast<int>(std::lround(width / divisor));
}

std::string pageNumberLine(const PageDocument& doc) {
    return "Page Number " + plainNumberText(static_cast<std::int32_t>(doc.pageNumber()));
}

// The printed columns of a schedule: centres as fractions of the page width, and headings.
struct ScheduleColumns {
    std::vector<double> divisors;
    std::vector<const char*> headings;
};

ScheduleColumns scheduleColumns(bool extraPayments) {
    if (extraPayments) {
        return {{16, 4.6, 2.6, 1.75, 1.32, 1.08},
                {"Payment No.", "Amount towards Principal", "Amount of Interest",
                 "Principal Remaining", "Interest Paid", "Extra Payment"}};
    }
    return {{14, 3.7, 2, 1.4, 1.1},
            {"Payment No.", "Amount towards Principal", "Amount of Interest", "Principal Remaining",
             "Interest Paid"}};
}

void layoutSchedule(PageDocument& doc, const print::PrintPanelSettings& settings,
                    const LoanOutputSource& source) {
    const GridView& grid = source.grid;
    const double width = doc.pageWidth();
    const ScheduleColumns columns = scheduleColumns(source.extraPayments);
    const int count = static_cast<int>(columns.divisors.size());
    std::vector<int> positions;
    for (double divisor : columns.divisors) {
        positions.push_back(at(width, divisor));
    }
    const int lastRow = grid.rows() - 1;
    const auto hasRow = [&](int r) { return r <= lastRow && !trimBlanks(grid.text(r, 0)).empty(); };
    int next = 1;
    while (true) {
        doc.setCurrentY(kPageTop);
        if (doc.pageNumber() == 1) {
            doc.printParagraph(" Purchase Amount = " +
                               formatNumber(source.purchaseText, "currency"));
            doc.printParagraph(" Interest on Loan = " + source.rateText);
            doc.printParagraph(" Total Amount of Interest = " +
                               formatNumber(source.totalInterest, "Currency"));
            doc.printParagraph(" Monthly Payment Amount = " +
                               formatNumber(source.payment, "Currency"));
            if (source.extraPayments) {
                doc.printParagraph(" " + source.payoffText);
                doc.printParagraph(" " + source.savedText);
            }
        } else {
            doc.printParagraph(pageNumberLine(doc));
        }
        doc.printParagraph("");
        doc.setFontSize(settings.fontSize - 2);
        for (int c = 0; c < count; ++c) {
            doc.printCentred(positions[c], columns.headings[c]);
        }
        doc.newLine();
        while (hasRow(next)) {
            doc.printCentred(positions[0], grid.text(next, 0));
            for (int c = 1; c < count; ++c) {
                const std::string& cell = grid.text(next, c);
                // A payment without an extra leaves its sixth cell empty.
                if (c < kExtraColumn || !cell.empty()) {
                    doc.printCentred(positions[c], formatNumber(cell, "$###,###,###.00"));
                }
            }
            doc.newLine();
            ++next;
            if (doc.currentY() > doc.pageHeight() - kPageEnd) {
                break;
            }
        }
        if (!hasRow(next)) {
            break;
        }
        doc.newPage();
    }
}

void layoutPaymentTable(PageDocument& doc, const print::PrintPanelSettings& settings,
                        const LoanOutputSource& source, const SelectionBlock& block) {
    doc.setCurrentY(kPageTop);
    doc.printParagraph(" Purchase Amount = " + formatNumber(source.purchaseText, "currency"));
    if (source.inputs.downMode == DownPaymentMode::Percent) {
        doc.printParagraph(" " + source.downCaption + "   " +
                           formatNumber(source.inputs.downValue / 100, "percent"));
    } else {
        doc.printParagraph("   " + source.downCaption + " " +
                           formatNumber(source.downText, "currency"));
    }
    doc.printParagraph(" Loan Amount = " + formatNumber(source.loanAmountLabel, "currency"));
    doc.printParagraph("");
    doc.setFontSize(settings.fontSize - 2);

    print::PrintedTable table;
    table.grid = &source.grid;
    table.block = block;
    table.columnHeading = [&source](int column) {
        double length = 0;
        try {
            length = headerLength(source.grid, column);
        } catch (const std::exception&) {
            // A header that cannot be read prints as 0; printing is never refused.
        }
        return printedLengthLabel(length, source.inputs.lengthUnit);
    };
    if (source.noteVisible) {
        table.note = source.noteText;
    }
    table.noteIndent = kNoteIndent;
    print::printTableBlock(doc, table);
}

}  // namespace

std::string printedLengthLabel(double length, LengthUnit unit) {
    const bool one = length == 1;
    if (unit == LengthUnit::Months) {
        return signedNumberText(length) + (one ? " Month" : " Months");
    }
    return signedNumberText(length) + (one ? " Year" : " Years");
}

void layoutLoanDocument(PageDocument& doc, const print::PrintPanelSettings& settings,
                        const LoanOutputSource& source, const SelectionBlock& block) {
    doc.setFont(settings.font());
    // The grid's text colour, not one chosen in Printer Font (which only the sample shows).
    doc.setTextColor(source.textColor);
    doc.setMargins({});
    doc.startDocument();
    if (showsSchedule(source.grid)) {
        layoutSchedule(doc, settings, source);
    } else {
        layoutPaymentTable(doc, settings, source, block);
    }
    doc.endDocument();
}

}  // namespace coinwell::loan
