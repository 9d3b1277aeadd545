#pragma once
// What the Actuarial Calculator's grid Grid1 shows of a table: the rates down the first column
// ("5.5%"), the years across the header row ("10 Years", also "1 Years") and the values as
// currency. The grid keeps at least 16 rate rows and 3 year columns in view.

#include <string>

#include "actuarial/core/value_table.h"
#include "common/core/grid_fit.h"

namespace coinwell::actuarial {

std::string rateLabelText(float rate);
std::string yearHeaderText(double years);
// A value as currency; nothing for a cell whose arithmetic failed.
std::string valueText(float value);

// The text of grid cell (row, column) of a grid of gridRows × gridColumns showing the table:
// the header row and first column beyond the table hold one blank, the other cells beyond it
// nothing, the top-left cell (the picture) nothing.
std::string valueGridText(const ValueTable& table, int gridRows, int gridColumns, int row,
                          int column);

// The grid's size and cell sizes (twips) for rateRows × yearColumns: no scroll bar while the
// table fits in 16 × 3, a horizontal, vertical or both beyond.
GridFit fitValueGrid(int gridHeight, int gridWidth, int headerRowHeight, int firstColumnWidth,
                     int rateRows, int yearColumns);

}  // namespace coinwell::actuarial
