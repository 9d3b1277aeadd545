#include "print/core/table_pages.h"

#include <gtest/gtest.h>

#include <string>

namespace coinwell::print {
namespace {

// Fixed-pitch text on Letter paper: at size 12 a line is 276 twips high.
class TablePagesTest : public ::testing::Test {
  protected:
    TablePagesTest() : doc(measurer) {
        doc.setFont({"Times New Roman", 12});
        grid.cells.push_back({"", "1 Years", "2 Years"});
        for (int r = 1; r <= 80; ++r) {
            grid.cells.push_back({std::to_string(r) + "%", "a" + std::to_string(r), " b "});
        }
        grid.cells.push_back({" ", "", ""});
        table.grid = &grid;
        table.block = {1, 81, 1, 2};
        table.columnHeading = [](int c) { return "H" + std::to_string(c); };
        table.note = "Note";
        table.noteIndent = 200;
    }

    std::vector<std::string> pageTexts(int page) const {
        return print::pageTexts(doc.pages().at(static_cast<std::size_t>(page)));
    }

    FixedPitchMeasurer measurer;
    PageDocument doc;
    GridView grid;
    PrintedTable table;
};

TEST_F(TablePagesTest, MoreThanSevenColumnsAreCutToTheFirstSeven) {
    SelectionBlock block{1, 1, 3, 12};
    EXPECT_TRUE(restrictPrintedColumns(block));
    EXPECT_EQ(block, (SelectionBlock{1, 1, 3, 9}));
    SelectionBlock seven{1, 1, 1, 7};
    EXPECT_FALSE(restrictPrintedColumns(seven));
    EXPECT_EQ(seven.right, 7);
    EXPECT_EQ(printRestrictionMessage(),
              (MessageRequest{"Due to program restraints only 7 columns of data can be printed!",
                              "Print Restriction", MessageIcon::Information, MessageButtons::Ok,
                              Answer::Ok}));
}

TEST_F(TablePagesTest, ColumnCentresFollowThePageWidth) {
    EXPECT_EQ(rateColumnCentre(12240), 612);
    const int expected[7] = {2040, 3600, 5100, 6581, 8160, 9792, 11333};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(valueColumnCentre(12240, k), expected[k]) << k;
    }
    EXPECT_EQ(valueColumnCentre(15840, 0), 2640);
}

TEST_F(TablePagesTest, RowsBreakOntoNumberedPagesAndStopAtABlankRate) {
    doc.startDocument();
    printTableBlock(doc, table);
    ASSERT_EQ(doc.pages().size(), 2u);
    const auto first = pageTexts(0);
    EXPECT_EQ(first[0], "Interest");
    EXPECT_EQ(first[1], "H1");
    EXPECT_EQ(first[2], "H2");
    EXPECT_EQ(first[3], "1%");
    EXPECT_EQ(first[4], "a1");
    EXPECT_EQ(first[5], "b");  // trimmed
    const auto second = pageTexts(1);
    EXPECT_EQ(second[0], "Page Number 2");
    EXPECT_EQ(second[1], "Interest");
    EXPECT_EQ(second.back(), "Note");
    // The heading and 55 rows fill the first page (the 55th ends at 15456, below 15840 − 400);
    // the second holds the other 25 and the note.
    EXPECT_EQ(first.size(), 3u + 55u * 3u);
    EXPECT_EQ(second.size(), 1u + 3u + 25u * 3u + 1u);
    EXPECT_EQ(second[4], "56%");
}

TEST_F(TablePagesTest, NoteNeedsFiveHundredTwipsAndIsIndented) {
    table.block = {1, 3, 1, 1};
    doc.startDocument();
    printTableBlock(doc, table);
    // Heading and three rows end at 4 × 276; an empty line, then the note at 200.
    const Page& page = doc.pages().at(0);
    const auto& note = std::get<TextItem>(page.items.back());
    EXPECT_EQ(note.text, "Note");
    EXPECT_EQ(note.x, 200);
    EXPECT_EQ(note.y, 5 * 276);
    EXPECT_EQ(doc.leftIndent(), 0);

    // The rows end at 1104: a page of 1604 leaves exactly 500 twips, too little.
    doc.setPaper({12240, 1604});
    doc.startDocument();
    printTableBlock(doc, table);
    EXPECT_EQ(doc.pages().size(), 1u);
    EXPECT_NE(pageTexts(0).back(), "Note");
    doc.setPaper({12240, 1656});
    doc.startDocument();
    printTableBlock(doc, table);
    EXPECT_EQ(doc.pages().size(), 1u);
    EXPECT_EQ(pageTexts(0).back(), "Note");
}

}  // namespace
}  // namespace coinwell::print
