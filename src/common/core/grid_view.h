#pragma once
// A table grid as its copy and print routines read it: the cell texts, the current cell and the
// other end of the selection. Row 0 is the header row and column 0 the first (rate) column.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/dialogs.h"

namespace coinwell {

struct GridView {
    std::vector<std::vector<std::string>> cells;  // [row][column]; rows may be left unread
    int row = 0;                                  // the current cell
    int column = 0;
    int rowSel = 0;  // the other end of the selection
    int colSel = 0;

    int rows() const { return static_cast<int>(cells.size()); }
    int columns() const { return cells.empty() ? 0 : static_cast<int>(cells.front().size()); }
    // The text of a cell; empty outside the grid or in a row that was not read.
    const std::string& text(int r, int c) const;
};

// Rows and columns of a copied or printed block, 16-bit numbers as the grid gives them.
struct SelectionBlock {
    std::int16_t top = 1;
    std::int16_t bottom = 1;
    std::int16_t left = 1;
    std::int16_t right = 1;

    bool operator==(const SelectionBlock&) const = default;
};

// Top and left from the current cell, bottom and right from the other end of the selection,
// each at least 1 and swapped into order: the header row and first column are never part of
// it. Nothing when a number is beyond the 16-bit range.
std::optional<SelectionBlock> selectionBlock(const GridView& grid);

// "Too Large a Selection": a copy text that could not be built.
MessageRequest tooLargeSelectionMessage();

}  // namespace coinwell
