#include "actuarial/core/value_grid.h"

#include <cmath>

#include "common/core/format_number.h"
#include "common/core/number_text.h"

namespace coinwell::actuarial {

std::string rateLabelText(float rate) {
    return plainNumberText(rate) + "%";
}

std::string yearHeaderText(double years) {
    return plainNumberText(years) + " Years";
}

std::string valueText(float value) {
    if (std::isnan(value)) {
        return {};
    }
    return formatNumber(static_cast<double>(value), "Currency");
}

std::string valueGridText(const ValueTable& table, int gridRows, int gridColumns, int row,
                          int column) {
    if (row < 0 || column < 0 || row >= gridRows || column >= gridColumns ||
        (row == 0 && column == 0)) {
        return {};
    }
    if (row == 0) {
        return column <= table.yearColumns() ? yearHeaderText(table.years[column - 1]) : " ";
    }
    if (column == 0) {
        return row <= table.rateRows() ? rateLabelText(table.rates[row - 1]) : " ";
    }
    if (row <= table.rateRows() && column <= table.yearColumns()) {
        return valueText(table.value(row, column));
    }
    return {};
}

GridFit fitValueGrid(int gridHeight, int gridWidth, int headerRowHeight, int firstColumnWidth,
                     int rateRows, int yearColumns) {
    return fitTableGrid(gridHeight, gridWidth, headerRowHeight, firstColumnWidth, rateRows,
                        yearColumns, GridScrollBars::None);
}

}  // namespace coinwell::actuarial
