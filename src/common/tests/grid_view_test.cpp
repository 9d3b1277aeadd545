#include "common/core/grid_view.h"

#include <gtest/gtest.h>

#include "common/core/grid_fit.h"

namespace coinwell {
namespace {

TEST(GridSelection, BlockIsOrderedAndNeverTakesTheHeaderRowOrFirstColumn) {
    GridView grid;
    grid.row = 5;
    grid.column = 0;
    grid.rowSel = 2;
    grid.colSel = 3;
    std::optional<SelectionBlock> block = selectionBlock(grid);
    ASSERT_TRUE(block);
    EXPECT_EQ(*block, (SelectionBlock{2, 5, 1, 3}));

    // A block dragged from the header row starts at row 1; one dragged leftwards is turned.
    grid.row = 0;
    grid.rowSel = 0;
    grid.column = 7;
    grid.colSel = 0;
    block = selectionBlock(grid);
    ASSERT_TRUE(block);
    EXPECT_EQ(*block, (SelectionBlock{1, 1, 1, 7}));

    // Beyond the 16-bit range there is no block.
    grid.rowSel = 40000;
    EXPECT_FALSE(selectionBlock(grid));
}

TEST(GridSelection, TextOutsideTheGridOrAnUnreadRowIsEmpty) {
    GridView grid;
    grid.cells = {{"", "5 Years"}, {}, {"5%", "$1.00"}};
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.columns(), 2);
    EXPECT_EQ(grid.text(0, 1), "5 Years");
    EXPECT_EQ(grid.text(2, 1), "$1.00");
    EXPECT_EQ(grid.text(1, 1), "");
    EXPECT_EQ(grid.text(2, 2), "");
    EXPECT_EQ(grid.text(3, 0), "");
    EXPECT_EQ(grid.text(-1, 0), "");
    EXPECT_EQ(
        tooLargeSelectionMessage(),
        (MessageRequest{"OverFlow has occurred. Select smaller number of cells and try again!",
                        "Too Large a Selection", MessageIcon::Information, MessageButtons::Ok,
                        Answer::Ok}));
}

TEST(GridFit, FourScrollBarCases) {
    // A 7200 × 9000 twip grid, header row 960, first column 960: 6210 × 8010 twips of cells.
    const int h = 7200, w = 9000, row0 = 960, col0 = 960;
    EXPECT_EQ(fitTableGrid(h, w, row0, col0, 16, 3, GridScrollBars::None),
              (GridFit{GridScrollBars::None, 17, 4, 388, 2670}));  // 6210 / 16 = 388.1
    EXPECT_EQ(fitTableGrid(h, w, row0, col0, 1, 1, GridScrollBars::Horizontal).scrollBars,
              GridScrollBars::Horizontal);
    EXPECT_EQ(fitTableGrid(h, w, row0, col0, 16, 4, GridScrollBars::None),
              (GridFit{GridScrollBars::Horizontal, 17, 5, 372, 2670}));  // (6210 − 255) / 16
    EXPECT_EQ(fitTableGrid(h, w, row0, col0, 17, 3, GridScrollBars::None),
              (GridFit{GridScrollBars::Vertical, 18, 4, 388, 2585}));  // (8010 − 255) / 3
    EXPECT_EQ(fitTableGrid(h, w, row0, col0, 201, 100, GridScrollBars::None),
              (GridFit{GridScrollBars::Both, 202, 101, 372, 2585}));
    const GridFit both = fitTableGrid(h, w, row0, col0, 201, 100, GridScrollBars::None);
    EXPECT_TRUE(both.horizontal() && both.vertical());
}

TEST(GridFit, CountsWithAFractionRoundHalfToEvenIntoTheGrid) {
    // Rates 5.10 to 9.00 by quarter points: a count of 16.6, sixteen rows built, 18 grid rows
    // (one of them empty) and the vertical scroll bar.
    const GridFit typed = fitTableGrid(7200, 9000, 960, 960, 16.6, 3, GridScrollBars::Horizontal);
    EXPECT_EQ(typed.scrollBars, GridScrollBars::Vertical);
    EXPECT_EQ(typed.rows, 18);
    EXPECT_EQ(typed.columnWidth, 2585);
    EXPECT_EQ(gridLineCount(16.5, 16), 18);  // 17.5 to the even 18
    EXPECT_EQ(gridLineCount(17.5, 16), 18);  // 18.5 to the even 18
    EXPECT_EQ(gridLineCount(16.2, 16), 17);
    EXPECT_EQ(gridLineCount(15.8, 16), 17);
    // A shortfall or excess in the last bits of typed values is no fraction.
    EXPECT_EQ(gridLineCount(16.000000000000004, 16), 17);
    EXPECT_EQ(fitTableGrid(7200, 9000, 960, 960, 16.000000000000004, 3.0000000000000004,
                           GridScrollBars::Horizontal)
                  .scrollBars,
              GridScrollBars::Horizontal);
}

TEST(GridFit, ScrollTipNamesTheRowAndItsRate) {
    EXPECT_EQ(scrollTipText(5, "8.00%"), " Row 5: 8.00% ");
    EXPECT_EQ(scrollTipText(17, "7.5%"), " Row 17: 7.5% ");
}

}  // namespace
}  // namespace coinwell
