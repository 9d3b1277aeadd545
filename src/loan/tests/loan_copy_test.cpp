#include "loan/core/loan_copy_text.h"

#include <gtest/gtest.h>

#include "loan/core/amortization.h"
#include "loan/core/loan_texts.h"
#include "loan/core/payment_table.h"
#include "loan/tests/schedule_source.h"

namespace coinwell::loan {
namespace {

// Records what Copy asks and puts on the clipboard.
class RecordingDialogs : public Dialogs {
  public:
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

    std::vector<MessageRequest> messages;
    std::string clipboard = "before";
    int clipboardSets = 0;
};

// A screen font in which "t" is twice as wide as any other character: "testtttt" is 14 wide.
double screenWidth(std::string_view text) {
    double width = 0;
    for (char c : text) {
        width += c == 't' ? 2 : 1;
    }
    return width;
}

LoanOutputSource tableSource(double purchase, double downPercent, double rateMin, double rateMax,
                             double lengthMin, double lengthMax,
                             LengthUnit unit = LengthUnit::Years) {
    LoanOutputSource source;
    LoanInputs& inputs = source.inputs;
    inputs.purchaseAmount = purchase;
    inputs.downValue = downPercent;
    inputs.lengthUnit = unit;
    inputs.rateMin = rateMin;
    inputs.rateMax = rateMax;
    inputs.lengthMin = lengthMin;
    inputs.lengthMax = lengthMax;
    inputs.loanAmount = computeLoanAmount(inputs);
    const PaymentTable table = buildPaymentTable(inputs);
    source.grid.cells.resize(static_cast<std::size_t>(paymentGridRows(table)));
    for (int r = 0; r < paymentGridRows(table); ++r) {
        for (int c = 0; c < paymentGridColumns(table); ++c) {
            source.grid.cells[r].push_back(paymentTableCellText(table, r, c));
        }
    }
    source.purchaseText = std::to_string(static_cast<long long>(purchase));
    source.downText = std::to_string(static_cast<long long>(downPercent));
    source.downCaption = "Percent Down";
    source.loanAmountLabel = loanAmountText(inputs.loanAmount);
    source.lastRowPayment = table.lastRowPayment;
    source.noteVisible = unit == LengthUnit::Years;
    source.noteText = std::string(kLengthNote);
    return source;
}

LoanOutputSource scheduleSource() {
    LoanOutputSource source = tableSource(100000, 0, 6, 6, 30, 30);
    showScheduleOfFirstCell(source);
    return source;
}

void select(LoanOutputSource& source, int row, int column, int rowSel, int colSel) {
    source.grid.row = row;
    source.grid.column = column;
    source.grid.rowSel = rowSel;
    source.grid.colSel = colSel;
}

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST(LoanCopyTest, WholeTableGivesPurchaseBlockHeaderRowsCarriageReturnAndNote) {
    LoanOutputSource source = tableSource(200000, 10, 6, 6.5, 15, 30);
    // Selected from the far corner back to the first cell.
    select(source, 3, 16, 1, 1);
    ASSERT_GE(source.lastRowPayment, 1000);
    RecordingDialogs dialogs;
    copyLoanToClipboard(dialogs, source, screenWidth);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], loanCopiedMessage());
    EXPECT_EQ(dialogs.messages[0].text, "Data has been copied to the Windows Clipboard.");
    EXPECT_EQ(dialogs.messages[0].title, "Copy Option");

    const std::vector<std::string> lines = splitCrLf(dialogs.clipboard);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "Purchase Amount = $200,000.00");
    EXPECT_EQ(lines[1], "Amount Down = $20,000.00");
    EXPECT_EQ(lines[2], "Actual Loan Amount = $180,000.00");
    EXPECT_EQ(lines[3], "");
    // Payments of a thousand and more: each label followed by a tab.
    std::string header = "\t";
    for (int years = 15; years <= 30; ++years) {
        header += std::to_string(years) + " Years\t";
    }
    EXPECT_EQ(lines[4], header);
    EXPECT_TRUE(lines[5].starts_with("6.00%\t$1,518.94\t")) << lines[5];
    EXPECT_TRUE(lines[7].starts_with("6.50%\t")) << lines[7];
    EXPECT_TRUE(lines[7].ends_with("\t$1,137.72")) << lines[7];
    for (int i = 5; i <= 7; ++i) {
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'), 16) << lines[i];
    }
    // The rows end with a lone carriage return, then the note after two line breaks.
    EXPECT_EQ(lines[8], "\r");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "Loan Length in Years will show a Monthly Payment for 12 months a year.");
}

TEST(LoanCopyTest, SingleCellGivesItsHeaderPaddedToTheSampleWidthAndOneLine) {
    LoanOutputSource source = tableSource(100000, 0, 6, 6.5, 15, 30);
    select(source, 2, 16, 2, 16);
    ASSERT_GT(source.lastRowPayment, 99);
    ASSERT_LT(source.lastRowPayment, 1000);
    RecordingDialogs dialogs;
    copyLoanToClipboard(dialogs, source, screenWidth);
    EXPECT_EQ(dialogs.clipboard,
              "Purchase Amount = $100,000.00\r\n"
              "Amount Down = $0.00\r\n"
              "Actual Loan Amount = $100,000.00\r\n"
              "\r\n"
              "\t30 Years      \t\r\n"
              "6.25%\t$615.72\r\n"
              "\r"
              "\r\n\r\n"
              "Loan Length in Years will show a Monthly Payment for 12 months a year.");
}

TEST(LoanCopyTest, MonthsUnitWithSmallPaymentsHasNoSeparatorAndNoNote) {
    LoanOutputSource source = tableSource(500, 0, 12, 12, 6, 6, LengthUnit::Months);
    select(source, 1, 1, 1, 1);
    ASSERT_LE(source.lastRowPayment, 99);
    const std::optional<std::string> text = loanCopyText(source, screenWidth);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "Purchase Amount = $500.00\r\n"
              "Amount Down = $0.00\r\n"
              "Actual Loan Amount = $500.00\r\n"
              "\r\n"
              "\t6 Months\r\n"
              "12.00%\t$86.27\r\n"
              "\r");
}

TEST(LoanCopyTest, ScheduleCopiesEveryPaymentRowWhateverTheSelection) {
    LoanOutputSource source = scheduleSource();
    select(source, 7, 2, 7, 2);
    const std::optional<std::string> text = loanCopyText(source, screenWidth);
    ASSERT_TRUE(text);
    const std::string summary =
        "Interest on Loan = 6.00%\r\n"
        "Total Amount of Interest = $115,838.23\r\n"
        "Monthly Payment Amount = $599.55\r\n"
        "\r\n"
        "The following list shows\r\n"
        "Col.1: Payment No.        \tCol.2: Amount towards Principal,\r\n"
        "Col.3: Amount of Interest\tCol.4: Principal Remaining\r\n"
        "Col.5: Interest Paid:\r\n"
        "\r\n";
    ASSERT_TRUE(text->starts_with(summary)) << text->substr(0, 400);
    const std::vector<std::string> rows = splitCrLf(text->substr(summary.size()));
    ASSERT_EQ(rows.size(), 361u);
    EXPECT_EQ(rows[0], "1\t$99.55\t$500.00\t$99,900.45\t$500.00");
    EXPECT_EQ(rows[1], "2\t$100.05\t$499.50\t$99,800.40\t$999.50");
    EXPECT_TRUE(rows[359].starts_with("360\t")) << rows[359];
    EXPECT_TRUE(rows[359].ends_with("\t$115,838.23")) << rows[359];
    // No note after a schedule: the text ends with the carriage return.
    EXPECT_EQ(rows[360], "\r");
}

TEST(LoanCopyTest, ScheduleWithExtraPaymentsGainsTheSixthColumnAndTheTwoResults) {
    LoanOutputSource source = tableSource(100000, 0, 6, 6, 30, 30);
    ExtraPayments extras;
    extras.lumpSum = 5000;
    extras.lumpAt = 12;
    showScheduleOfFirstCell(source, extras);
    const std::optional<std::string> text = loanCopyText(source, screenWidth);
    ASSERT_TRUE(text);
    const std::string summary =
        "Interest on Loan = 6.00%\r\n"
        "Total Amount of Interest = $95,316.14\r\n"
        "Monthly Payment Amount = $599.55\r\n"
        "\r\n"
        "The following list shows\r\n"
        "Col.1: Payment No.        \tCol.2: Amount towards Principal,\r\n"
        "Col.3: Amount of Interest\tCol.4: Principal Remaining\r\n"
        "Col.5: Interest Paid:\tCol.6: Extra Payment\r\n"
        "\r\n";
    ASSERT_TRUE(text->starts_with(summary)) << text->substr(0, 400);
    const std::vector<std::string> rows = splitCrLf(text->substr(summary.size()));
    ASSERT_EQ(rows.size(), 318u + 4u);
    EXPECT_EQ(rows[0], "1\t$99.55\t$500.00\t$99,900.45\t$500.00\t");
    EXPECT_TRUE(rows[11].ends_with("\t$5,000.00")) << rows[11];
    EXPECT_TRUE(rows[317].starts_with("318\t")) << rows[317];
    EXPECT_EQ(rows[318], "\r");
    EXPECT_EQ(rows[319], "Paid off after 318 payments instead of 360");
    EXPECT_EQ(rows[320], "Interest saved: $20,522.09");
    EXPECT_EQ(rows[321], "");
}

TEST(LoanCopyTest, UnreadableValuesAndHugeSelectionsLeaveTheClipboardAlone) {
    LoanOutputSource source = tableSource(100000, 0, 6, 6.5, 15, 30);
    select(source, 1, 1, 40000, 1);
    RecordingDialogs dialogs;
    copyLoanToClipboard(dialogs, source, screenWidth);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "OverFlow has occurred. Select smaller number of cells and try again!");
    EXPECT_EQ(dialogs.messages[0].title, "Too Large a Selection");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.clipboardSets, 0);
    EXPECT_EQ(dialogs.clipboard, "before");

    select(source, 1, 1, 1, 1);
    source.loanAmountLabel = "1E+999";
    EXPECT_FALSE(loanCopyText(source, screenWidth));
}

}  // namespace
}  // namespace coinwell::loan
