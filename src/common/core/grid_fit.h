#pragma once
// Sizes of a table grid whose visible area holds 16 rate rows and 3 columns, in twips: a scroll
// bar (255 twips) appears and takes its room when the table has more. Also the tip shown while
// the grid's vertical scroll box is dragged.

#include <string>
#include <string_view>

namespace coinwell {

inline constexpr int kVisibleGridRows = 16;
inline constexpr int kVisibleGridColumns = 3;

enum class GridScrollBars { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

struct GridFit {
    GridScrollBars scrollBars = GridScrollBars::None;
    int rows = 17;  // grid rows, header row included
    int columns = 4;
    int rowHeight = 0;    // of rows 1…
    int columnWidth = 0;  // of columns 1…

    bool horizontal() const {
        return scrollBars == GridScrollBars::Horizontal || scrollBars == GridScrollBars::Both;
    }
    bool vertical() const {
        return scrollBars == GridScrollBars::Vertical || scrollBars == GridScrollBars::Both;
    }
    bool operator==(const GridFit&) const = default;
};

// The grid rows (or columns), the header included, that hold a table of `count` rows beside the
// header when the visible area holds `visible`: at least visible + 1. A count made from typed
// values may carry a fraction (rates 5.10 to 9.00 step by a quarter point: 16.6); the grid's
// whole-number count takes it rounded half to even, so such a table gets one empty row more.
int gridLineCount(double count, int visible);

// The fit of a table of tableRows × tableColumns cells in a grid of the given size, whose header
// row and first column have the given height and width. The counts may carry a fraction, as
// gridLineCount takes them. A table within 16 × 3 keeps 17 rows and 4 columns and shows
// smallTableScrollBars.
GridFit fitTableGrid(int gridHeight, int gridWidth, int headerRowHeight, int firstColumnWidth,
                     double tableRows, double tableColumns, GridScrollBars smallTableScrollBars);

// " Row 5: 8.00% ": row r and the text of its first-column cell.
std::string scrollTipText(int row, std::string_view firstColumnText);

}  // namespace coinwell
