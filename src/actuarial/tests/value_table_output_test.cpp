// Copy and print of the Actuarial Calculator's table, from the texts a grid shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "actuarial/core/explanation.h"
#include "actuarial/core/value_grid.h"
#include "actuarial/core/value_table.h"
#include "actuarial/core/value_table_copy.h"
#include "actuarial/core/value_table_print.h"
#include "print/core/table_pages.h"

namespace coinwell::actuarial {
namespace {

using Kind = ValueTableKind;

// The grid of a built table, every cell read, with a selection.
GridView gridOf(const ValueTable& table, int row, int column, int rowSel, int colSel) {
    const GridFit fit = fitValueGrid(7200, 9000, 960, 960, table.rateRows(), table.yearColumns());
    GridView grid;
    grid.cells.resize(static_cast<std::size_t>(fit.rows));
    for (int r = 0; r < fit.rows; ++r) {
        for (int c = 0; c < fit.columns; ++c) {
            grid.cells[r].push_back(valueGridText(table, fit.rows, fit.columns, r, c));
        }
    }
    grid.row = row;
    grid.column = column;
    grid.rowSel = rowSel;
    grid.colSel = colSel;
    return grid;
}

ValueTable build(Kind kind, double amount, double perYear, float minRate, float maxRate,
                 float minYears, float maxYears) {
    ValueTableInputs in;
    in.amount = amount;
    in.perYear = perYear;
    in.minRate = minRate;
    in.maxRate = maxRate;
    in.minYears = minYears;
    in.maxYears = maxYears;
    return buildValueTable(kind, normaliseRanges(in));
}

ValueCopySource copySource(Kind kind, const std::string& amount, const std::string& perYear,
                           const ValueTable& table, GridView grid) {
    ValueCopySource source;
    source.grid = std::move(grid);
    source.amountText = amount;
    source.perYearText = perYear;
    source.lastValue = table.lastValue;
    source.explanation = explanationText(kind, amount, perYear);
    return source;
}

// Stand-ins for the two fonts: in the screen's every character is 1 wide; in the printer's a
// digit is 3 wide and anything else 1.
double screenWidth(std::string_view text) {
    return static_cast<double>(text.size());
}
double printerWidth(std::string_view text) {
    return static_cast<double>(text.size()) +
           2.0 * static_cast<double>(std::count_if(text.begin(), text.end(),
                                                   [](char c) { return c >= '0' && c <= '9'; }));
}

class RecordingDialogs : public Dialogs {
  public:
    std::vector<MessageRequest> messages;
    std::string clipboard = "before";
    int clipboardSets = 0;

    Answer message(const MessageRequest& request) override {
        messages.push_back(request);
        return Answer::Ok;
    }
    std::string input(const InputRequest&) override { return {}; }
    std::optional<ColorNumber> chooseColor(ColorNumber) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    void setClipboardText(const std::string& text) override {
        clipboard = text;
        ++clipboardSets;
    }
    void beginBusy() override {}
    void endBusy() override {}
    void processEvents() override {}
};

TEST(ValueTableCopy, ThreeByThreeBlockWithHeadingsFilledOutInThePrintersFont) {
    // Present values of 1000, monthly, 5 % to 6 %, 1 to 3 years: the last value, $835.64, lies
    // between 100 and 1000, so the headings are filled out to its width in the printer's font
    // (5 digits × 3 + 2 = 17; "1 Years  " is 11 wide: 6 blanks more).
    const ValueTable table = build(Kind::PresentValueOfAmount, 1000, 12, 5, 6, 1, 3);
    const ValueCopySource source =
        copySource(Kind::PresentValueOfAmount, "1000", "12", table, gridOf(table, 1, 1, 3, 3));
    const std::optional<std::string> text = valueTableCopyText(source, screenWidth, printerWidth);
    ASSERT_TRUE(text);
    const std::string filler(8, ' ');
    EXPECT_EQ(*text,
              "Amount or Annuity: $1,000.00\r\n\r\nNo. Payments per Year: 12\r\n\r\n"
              "\t1 Years" +
                  filler + "\t2 Years" + filler + "\t3 Years" + filler +
                  "\t\r\n"
                  "5%\t$951.33\t$905.03\t$860.98\r\n"
                  "5.5%\t$946.60\t$896.06\t$848.21\r\n"
                  "6%\t$941.91\t$887.19\t$835.64\r\n"
                  "\r\n\r\n" +
                  source.explanation);
}

TEST(ValueTableCopy, ValuesFromAThousandFillOutInTheScreensFont) {
    // Future values of 10000 once a year: the last value is $11,576.25 (10 wide on the screen);
    // "1 Years  " is 9 wide: one blank more. The block is selected from its bottom-right corner.
    const ValueTable table = build(Kind::FutureValueOfAmount, 10000, 1, 5, 5, 1, 3);
    const ValueCopySource source =
        copySource(Kind::FutureValueOfAmount, "10000", "1", table, gridOf(table, 1, 3, 1, 1));
    const std::optional<std::string> text = valueTableCopyText(source, screenWidth, printerWidth);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("\r\n\t1 Years   \t2 Years   \t3 Years   \t\r\n"
                         "5%\t$10,500.00\t$11,025.00\t$11,576.25\r\n\r\n\r\nFuture Value of an "
                         "Amount:\r"),
              std::string::npos)
        << *text;
}

TEST(ValueTableCopy, SingleCellAndATableBelowAHundredWithoutBlanks) {
    // The first value cell alone: one heading and one value line.
    ValueTable table = build(Kind::PresentValueOfAmount, 1000, 12, 5, 6, 1, 3);
    ValueCopySource source =
        copySource(Kind::PresentValueOfAmount, "1000", "12", table, gridOf(table, 1, 1, 1, 1));
    std::optional<std::string> text = valueTableCopyText(source, screenWidth, printerWidth);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "Amount or Annuity: $1,000.00\r\n\r\nNo. Payments per Year: 12\r\n\r\n"
              "\t1 Years" +
                  std::string(8, ' ') + "\t\r\n5%\t$951.33\r\n\r\n\r\n" + source.explanation);

    // Present values of 50 at 25 % once a year: the last value, $25.60, is below 100.
    table = build(Kind::PresentValueOfAmount, 50, 1, 25, 25, 1, 3);
    source = copySource(Kind::PresentValueOfAmount, "50", "1", table, gridOf(table, 1, 1, 1, 3));
    text = valueTableCopyText(source, screenWidth, printerWidth);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "Amount or Annuity: $50.00\r\n\r\nNo. Payments per Year: 1\r\n\r\n"
              "\t1 Years  \t2 Years  \t3 Years  \t\r\n25%\t$40.00\t$32.00\t$25.60\r\n"
              "\r\n\r\n" +
                  source.explanation);
}

TEST(ValueTableCopy, BlocksStartAtRowAndColumnOneAndEndAtTheFirstRowWithoutARate) {
    // Rates 5 % and 5.5 % in a grid of 16 rows: a block from the rate column of row 1 to row 10,
    // column 2 copies rows 1 and 2 of columns 1 and 2.
    const ValueTable table = build(Kind::PresentValueOfAmount, 50, 1, 5, 5.5f, 1, 2);
    const ValueCopySource source =
        copySource(Kind::PresentValueOfAmount, "50", "1", table, gridOf(table, 10, 0, 1, 2));
    const std::optional<std::string> text = valueTableCopyText(source, screenWidth, printerWidth);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("\r\n\t1 Years  \t2 Years  \t\r\n5%\t$47.62\t$45.35\r\n5.5%\t$47.39\t"
                         "$44.92\r\n\r\n\r\nPresent"),
              std::string::npos)
        << *text;
}

TEST(ValueTableCopy, ATextThatCannotBeBuiltLeavesTheClipboardAsItWas) {
    const ValueTable table = build(Kind::PresentValueOfAmount, 1000, 12, 5, 6, 1, 3);
    ValueCopySource source =
        copySource(Kind::PresentValueOfAmount, "1000", "12", table, gridOf(table, 1, 1, 3, 3));

    RecordingDialogs dialogs;
    copyValueTable(dialogs, source, screenWidth, printerWidth);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0],
        (MessageRequest{"Highlighted Data has been copied to the Windows Clipboard.", "Copy Option",
                        MessageIcon::Information, MessageButtons::Ok, Answer::Ok}));
    EXPECT_EQ(dialogs.clipboardSets, 1);

    // A heading beyond the number range, or beyond the 16-bit range.
    for (const char* heading : {"1E+999 Years", "40000 Years"}) {
        source.grid.cells[0][2] = heading;
        RecordingDialogs refused;
        copyValueTable(refused, source, screenWidth, printerWidth);
        ASSERT_EQ(refused.messages.size(), 1u);
        EXPECT_EQ(refused.messages[0], tooLargeSelectionMessage());
        EXPECT_EQ(refused.clipboard, "before");
        EXPECT_EQ(refused.clipboardSets, 0);
    }
}

// ---- print ----------------------------------------------------------------------------------

// Letter paper, fixed-pitch text at Times New Roman 14: the first three lines are 322 twips
// high, the table's lines (size 12) 276.
class ValueTablePrintTest : public ::testing::Test {
  protected:
    ValueTablePrintTest() : doc(measurer) {}

    ValuePrintSource printSource(const ValueTable& table, GridView grid) const {
        ValuePrintSource source;
        source.grid = std::move(grid);
        source.amountText = "1000";
        source.perYearText = "12";
        source.explanation = explanationText(table.kind, "1000", "12");
        return source;
    }

    std::vector<std::string> allTexts() const {
        std::vector<std::string> all;
        for (const print::Page& page : doc.pages()) {
            const std::vector<std::string> texts = print::pageTexts(page);
            all.insert(all.end(), texts.begin(), texts.end());
        }
        return all;
    }

    print::FixedPitchMeasurer measurer;
    print::PageDocument doc;
    print::PrintPanelSettings settings;
};

TEST_F(ValueTablePrintTest, InputLinesHeadingsAndRowsAtTheirCentres) {
    const ValueTable table = build(Kind::PresentValueOfAmount, 1000, 12, 5, 6, 1, 3);
    const ValuePrintSource source = printSource(table, gridOf(table, 1, 1, 3, 3));
    layoutValueTableDocument(doc, settings, source, {1, 3, 1, 3});
    ASSERT_EQ(doc.pages().size(), 1u);
    const print::Page& page = doc.pages()[0];
    const std::vector<std::string> texts = print::pageTexts(page);
    EXPECT_EQ(texts[0], " Amount or Annuity = $1,000.00");
    EXPECT_EQ(texts[1], " No. of Payments Per Year = 12");
    EXPECT_EQ(texts[2], "Interest");
    EXPECT_EQ(texts[3], " 1 Year");
    EXPECT_EQ(texts[4], " 2 Years");
    EXPECT_EQ(texts[5], " 3 Years");
    EXPECT_EQ(texts[6], "5%");
    EXPECT_EQ(texts[7], "$951.33");
    EXPECT_EQ(texts[17], "$835.64");
    EXPECT_EQ(texts[18], "Present Value of an Amount:");
    EXPECT_EQ(texts[19].substr(0, 10), "Amount(s) ");

    const auto& first = std::get<print::TextItem>(page.items[0]);
    EXPECT_EQ(first.y, 200);
    EXPECT_EQ(first.font.size, 14);
    const auto& interest = std::get<print::TextItem>(page.items[2]);
    EXPECT_EQ(interest.y, 200 + 3 * 322);
    EXPECT_EQ(interest.font.size, 12);
    EXPECT_EQ(interest.x + interest.width / 2, 612);  // W / 20
    const auto& year2 = std::get<print::TextItem>(page.items[4]);
    EXPECT_EQ(year2.y, interest.y);
    EXPECT_NEAR(year2.x + year2.width / 2.0, 12240 / 3.4, 1);
    // The explanation after an empty line, indented by 200.
    const auto& title = std::get<print::TextItem>(page.items[18]);
    EXPECT_EQ(title.x, 200);
    EXPECT_EQ(title.y, interest.y + 5 * 276);
    EXPECT_EQ(printedYearHeading("1 Years"), " 1 Year");
    EXPECT_EQ(printedYearHeading("12 Years"), " 12 Years");
}

TEST_F(ValueTablePrintTest, LongTablesContinueOnAPageNumberedTwoWithTheHeadingsAgain) {
    // 0.5 % to 30 %: 60 rates; 51 fit on the first page.
    const ValueTable table = build(Kind::PresentValueOfAmount, 1000, 12, 0.5f, 30, 1, 10);
    ASSERT_EQ(table.rateRows(), 60);
    const ValuePrintSource source = printSource(table, gridOf(table, 1, 1, 60, 10));
    SelectionBlock block{1, 60, 1, 10};
    EXPECT_TRUE(print::restrictPrintedColumns(block));
    layoutValueTableDocument(doc, settings, source, block);
    ASSERT_GE(doc.pages().size(), 2u);
    const std::vector<std::string> first = print::pageTexts(doc.pages()[0]);
    EXPECT_EQ(first.size(), 2u + 8u + 51u * 8u);
    EXPECT_EQ(first[9], " 7 Years");
    EXPECT_EQ(std::count(first.begin(), first.end(), " 8 Years"), 0);
    const std::vector<std::string> second = print::pageTexts(doc.pages()[1]);
    EXPECT_EQ(second[0], "Page Number 2");
    EXPECT_EQ(second[1], "Interest");
    EXPECT_EQ(second[2], " 1 Year");
    EXPECT_EQ(second[9], "26%");
    const auto& number = std::get<print::TextItem>(doc.pages()[1].items[0]);
    EXPECT_EQ(number.y, 276);  // after an empty line
    const std::vector<std::string> all = allTexts();
    EXPECT_EQ(std::count(all.begin(), all.end(), "Present Value of an Amount:"), 1);
}

TEST_F(ValueTablePrintTest, ExplanationNeedsFiveHundredTwipsUnderTheLastRow) {
    // The heading and three rows end at 200 + 3 × 322 + 4 × 276 = 2270.
    const ValueTable table = build(Kind::PresentValueOfAmount, 1000, 12, 5, 6, 1, 3);
    const ValuePrintSource source = printSource(table, gridOf(table, 1, 1, 3, 3));
    doc.setPaper({12240, 2700});
    layoutValueTableDocument(doc, settings, source, {1, 3, 1, 3});
    ASSERT_EQ(doc.pages().size(), 1u);
    EXPECT_EQ(print::pageTexts(doc.pages()[0]).back(), "$835.64");
    doc.setPaper({12240, 2800});
    layoutValueTableDocument(doc, settings, source, {1, 3, 1, 3});
    const std::vector<std::string> all = allTexts();
    EXPECT_NE(std::find(all.begin(), all.end(), "Present Value of an Amount:"), all.end());
}

}  // namespace
}  // namespace coinwell::actuarial
