#include "common/core/grid_fit.h"

#include <cstdint>

#include "common/core/number_text.h"

namespace coinwell {

namespace {

constexpr int kScrollBarTwips = 255;

int twips(double value) {
    return roundHalfEven32(value).value_or(0);
}

}  // namespace

GridFit fitTableGrid(int gridHeight, int gridWidth, int headerRowHeight, int firstColumnWidth,
                     int tableRows, int tableColumns, GridScrollBars smallTableScrollBars) {
    const double availH = gridHeight - headerRowHeight - 30;
    const double availW = gridWidth - firstColumnWidth - 30;
    const bool tall = tableRows > kVisibleGridRows;
    const bool wide = tableColumns > kVisibleGridColumns;
    GridFit fit;
    if (tall) {
        fit.scrollBars = wide ? GridScrollBars::Both : GridScrollBars::Vertical;
    } else {
        fit.scrollBars = wide ? GridScrollBars::Horizontal : smallTableScrollBars;
    }
    fit.rows = tall ? tableRows + 1 : kVisibleGridRows + 1;
    fit.columns = wide ? tableColumns + 1 : kVisibleGridColumns + 1;
    fit.rowHeight = twips((wide ? availH - kScrollBarTwips : availH) / kVisibleGridRows);
    fit.columnWidth = twips((tall ? availW - kScrollBarTwips : availW) / kVisibleGridColumns);
    return fit;
}

std::string scrollTipText(int row, std::string_view firstColumnText) {
    return " Row " + plainNumberText(static_cast<std::int32_t>(row)) + ": " +
           std::string(firstColumnText) + " ";
}

}  // namespace coinwell
