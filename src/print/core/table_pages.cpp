#include "print/core/table_pages.h"

#include <cmath>
#include <cstdint>

#include "common/core/number_text.h"
#include "common/core/text_trim.h"

namespace coinwell::print {

namespace {

// Distances from the page's bottom edge after which a page ends, and under which the closing
// note still fits.
constexpr int kPageEnd = 400;
constexpr int kNoteRoom = 500;

constexpr double kValueColumnDivisors[kMostPrintedColumns] = {6, 3.4, 2.4, 1.86, 1.5, 1.25, 1.08};

int at(double width, double divisor) {
    return static_cast<int>(std::lround(width / divisor));
}

int lastPrintedColumn(const SelectionBlock& block) {
    return std::min<int>(block.right, block.left + kMostPrintedColumns - 1);
}

void headingLine(PageDocument& doc, const PrintedTable& table) {
    const int width = doc.pageWidth();
    doc.printCentred(rateColumnCentre(width), "Interest");
    for (int c = table.block.left, k = 0; c <= lastPrintedColumn(table.block); ++c, ++k) {
        doc.printCentred(valueColumnCentre(width, k), table.columnHeading(c));
    }
    doc.newLine();
}

}  // namespace

bool restrictPrintedColumns(SelectionBlock& block) {
    if (block.right - block.left >= kMostPrintedColumns) {
        block.right = static_cast<std::int16_t>(block.left + kMostPrintedColumns - 1);
        return true;
    }
    return false;
}

MessageRequest printRestrictionMessage() {
    return {"Due to program restraints only 7 columns of data can be printed!", "Print Restriction",
            MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

int rateColumnCentre(int pageWidth) {
    return at(pageWidth, 20);
}

int valueColumnCentre(int pageWidth, int k) {
    return at(pageWidth, kValueColumnDivisors[k]);
}

void printTableBlock(PageDocument& doc, const PrintedTable& table) {
    const GridView& grid = *table.grid;
    const int width = doc.pageWidth();
    headingLine(doc, table);
    for (int r = table.block.top; r <= table.block.bottom; ++r) {
        const std::string_view rate = trimBlanks(grid.text(r, 0));
        if (rate.empty()) {
            break;
        }
        doc.printCentred(rateColumnCentre(width), rate);
        for (int c = table.block.left, k = 0; c <= lastPrintedColumn(table.block); ++c, ++k) {
            doc.printCentred(valueColumnCentre(width, k), trimBlanks(grid.text(r, c)));
        }
        doc.newLine();
        if (doc.currentY() > doc.pageHeight() - kPageEnd) {
            doc.newPage();
            doc.printParagraph("");
            doc.printParagraph("Page Number " +
                               plainNumberText(static_cast<std::int32_t>(doc.pageNumber())));
            doc.printParagraph("");
            headingLine(doc, table);
        }
    }
    if (!table.note.empty() && doc.currentY() < doc.pageHeight() - kNoteRoom) {
        doc.printParagraph("");
        doc.setIndents(table.noteIndent, table.noteIndent);
        doc.printParagraph(table.note);
        doc.setIndents(0, 0);
    }
}

}  // namespace coinwell::print
