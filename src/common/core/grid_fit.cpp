#include "common/core/grid_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/core/number_text.h"

namespace coinwell {

namespace {

constexpr int kScrollBarTwips = 255;

int twips(double value) {
    return roundHalfEven32(value).value_or(0);
}

// A count that differs from a whole number only in the last bits of the typed values it came
// from is that whole number.
double snapToWhole(double count) {
    const double whole = std::round(count);
    return std::abs(count - whole) < 1e-9 ? whole : count;
}

}  // namespace

int gridLineCount(double count, int visible) {
    count = snapToWhole(count);
    if (!(count > visible)) {
        return visible + 1;
    }
    return twips(std::min(count, 1e9) + 1);
}

GridFit fitTableGrid(int gridHeight, int gridWidth, int headerRowHeight, int firstColumnWidth,
                     double tableRows, double tableColumns, GridScrollBars smallTableScrollBars) {
    const double availH = gridHeight - headerRowHeight - 30;
    const double availW = gridWidth - firstColumnWidth - 30;
    const bool tall = snapToWhole(tableRows) > kVisibleGridRows;
    const bool wide = snapToWhole(tableColumns) > kVisibleGridColumns;
    GridFit fit;
    if (tall) {
        fit.scrollBars = wide ? GridScrollBars::Both : GridScrollBars::Vertical;
    } else {
        fit.scrollBars = wide ? GridScrollBars::Horizontal : smallTableScrollBars;
    }
    fit.rows = gridLineCount(tableRows, kVisibleGridRows);
    fit.columns = gridLineCount(tableColumns, kVisibleGridColumns);
    fit.rowHeight = twips((wide ? availH - kScrollBarTwips : availH) / kVisibleGridRows);
    fit.columnWidth = twips((tall ? availW - kScrollBarTwips : availW) / kVisibleGridColumns);
    return fit;
}

std::string scrollTipText(int row, std::string_view firstColumnText) {
    return " Row " + plainNumberText(static_cast<std::int32_t>(row)) + ": " +
           std::string(firstColumnText) + " ";
}

}  // namespace coinwell
