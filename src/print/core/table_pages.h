#pragma once
// A selected block of a rate-by-column table printed on the pages of a document: the heading
// line ("Interest" and the column headings), one line per rate row, a new page with its number
// and the heading line again when a page is full, and a closing note where it still fits. At
// most seven value columns fit across a page.

#include <functional>
#include <string>

#include "common/core/dialogs.h"
#include "common/core/grid_view.h"
#include "print/core/page_document.h"

namespace coinwell::print {

inline constexpr int kMostPrintedColumns = 7;

// The selection cut to its first seven columns; true when it had more (the screen then shows
// printRestrictionMessage()).
bool restrictPrintedColumns(SelectionBlock& block);
MessageRequest printRestrictionMessage();

// Centres across the page width: the rate column at W / 20, the k-th value column (k = 0…6) at
// W / 6, W / 3.4, W / 2.4, W / 1.86, W / 1.5, W / 1.25 and W / 1.08.
int rateColumnCentre(int pageWidth);
int valueColumnCentre(int pageWidth, int k);

struct PrintedTable {
    const GridView* grid = nullptr;
    SelectionBlock block;  // at most seven columns are printed
    // The heading of grid column c.
    std::function<std::string(int column)> columnHeading;
    // Printed after the last row when it still fits, indented on both sides; none when empty.
    std::string note;
    int noteIndent = 0;
};

// Prints from the current position: the heading line, then the rows of the block until a rate
// cell that is blank; after each row that ends below H - 400 a new page starts with an empty
// line, "Page Number n", an empty line and the heading line. When the position is still above
// H - 500 after the rows, an empty line and the note follow.
void printTableBlock(PageDocument& doc, const PrintedTable& table);

}  // namespace coinwell::print
