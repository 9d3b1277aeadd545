#include "common/core/grid_view.h"

#include <algorithm>
#include <limits>

namespace coinwell {

namespace {

std::optional<std::int16_t> to16(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace

const std::string& GridView::text(int r, int c) const {
    static const std::string empty;
    if (r < 0 || r >= rows() || c < 0) {
        return empty;
    }
    const auto& line = cells[static_cast<std::size_t>(r)];
    if (c >= static_cast<int>(line.size())) {
        return empty;
    }
    return line[static_cast<std::size_t>(c)];
}

std::optional<SelectionBlock> selectionBlock(const GridView& grid) {
    const auto top = to16(std::max(grid.row, 1));
    const auto bottom = to16(std::max(grid.rowSel, 1));
    const auto left = to16(std::max(grid.column, 1));
    const auto right = to16(std::max(grid.colSel, 1));
    if (!top || !bottom || !left || !right) {
        return std::nullopt;
    }
    SelectionBlock block{*top, *bottom, *left, *right};
    if (block.top > block.bottom) {
        std::swap(block.top, block.bottom);
    }
    if (block.left > block.right) {
        std::swap(block.left, block.right);
    }
    return block;
}

MessageRequest tooLargeSelectionMessage() {
    return {"OverFlow has occurred. Select smaller number of cells and try again!",
            "Too Large a Selection", MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

}  // namespace coinwell
