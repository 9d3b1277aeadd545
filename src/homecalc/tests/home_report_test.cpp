// The Home Calculator's report: the clipboard text line by line with its endings, the copy's
// message, and the printed page with and without a payment limit.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "homecalc/core/home_print_document.h"
#include "homecalc/core/home_report.h"

namespace coinwell::homecalc {
namespace {

constexpr DateTime kToday{2006, 9, 30, 0, 0, 0};

// The worked example as the screen shows it after Calculate.
HomeReportSource workedScreen(std::string limit = "") {
    HomeReportSource source;
    source.boxes = {"60000", "300", "20000", "30", "7", std::move(limit)};
    source.results = {"$184,682.00",
                      "$1,400.00",
                      "$168,043.00",
                      "$16,639.00",
                      "$3,361.00",
                      "9.01%",
                      "Cash Available for Down Payment"};
    return source;
}

TEST(HomeResultTexts, MoneyAsCurrencyAndTheShareAsPercent) {
    AffordabilityResult r;
    r.housingPayment = 1400;
    r.loanAmount = 168043;
    r.closingCosts = 3361;
    r.downPayment = 16639;
    r.homePrice = 184682;
    r.downPercent = 16639.0 / 184682.0;
    r.limitingFactor = LimitingFactor::CashForDownPayment;
    EXPECT_EQ(resultTexts(r), workedScreen().results);

    r.homePrice = -7841;
    r.downPercent = -2.623134804234154;
    r.limitingFactor = LimitingFactor::MonthlyDebt;
    const HomeResultTexts negative = resultTexts(r);
    EXPECT_EQ(negative.homePrice, "($7,841.00)");
    EXPECT_EQ(negative.downPercent, "-262.31%");
    EXPECT_EQ(negative.limitingFactor, "Minimum Monthly Debt");
}

TEST(HomeReportText, HasEverySixteenLinesWithTheirEndings) {
    const std::string expected =
        "Home Calculator Results\r\n"
        "As of  Saturday, September 30, 2006\n\r"
        "Input Section\n\r"
        "Estimated Gross (pre-tax) Annual Income from all possible sources:\t$60,000.00\r\n"
        "Minimum Monthly Debt for Credit Cards, Loans, Alimony, etc..            \t$300.00\r\n"
        "Cash available for down payment and other fees:                               "
        "\t$20,000.00\r\n"
        "Loan Length in Years:\t30\r\n"
        "Fixed Interest Rate:          \t7.00%\n\r"
        "Calculation Results\n\r"
        "Approximate Amount of Home You Can Afford:\t$184,682.00\r\n"
        "Approx. Monthly Loan Payment + Taxes + Ins.:\t$1,400.00\r\n"
        "Approximate Amount of Loan:                         \t$168,043.00\r\n"
        "Amount of Down Payment:                              \t$16,639.00\r\n"
        "Estimated Closing Costs:                              \t$3,361.00\r\n"
        "Down Payment Percent (%):                              \t9.01%\n\r"
        "Limiting Factor:\tCash Available for Down Payment";
    const std::string text = homeReportText(workedScreen("900"), kToday);
    EXPECT_EQ(text, expected);
    // The payment limit is not part of the copy.
    EXPECT_EQ(text, homeReportText(workedScreen(), kToday));
}

TEST(HomeReportText, KeepsTextsThatAreNoNumbersAsShown) {
    HomeReportSource source = workedScreen();
    source.boxes.debt = "";
    source.boxes.rate = "6.5";
    source.results = {};
    const std::string text = homeReportText(source, kToday);
    EXPECT_NE(text.find("etc..            \t\r\n"), std::string::npos);
    EXPECT_NE(text.find("Rate:          \t6.50%\n\r"), std::string::npos);
    EXPECT_NE(text.find("Afford:\t\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("Limiting Factor:\t"));
}

TEST(HomeReportText, CopyPutsItOnTheClipboardThenSaysSo) {
    struct RecordingDialogs : Dialogs {
        std::vector<std::string> events;
        Answer message(const MessageRequest& request) override {
            EXPECT_EQ(request, (MessageRequest{"Data has been copied to the Windows Clipboard.",
                                               "Copy Option", MessageIcon::Information,
                                               MessageButtons::Ok, Answer::Ok}));
            events.push_back("message");
            return Answer::Ok;
        }
        std::string input(const InputRequest&) override { return {}; }
        std::optional<ColorNumber> chooseColor(ColorNumber) override { return {}; }
        std::optional<FontChoice> chooseFont(const FontChoice&) override { return {}; }
        void setClipboardText(const std::string& text) override {
            events.push_back("clipboard " + std::to_string(text.size()));
        }
        void beginBusy() override {}
        void endBusy() override {}
        void processEvents() override {}
    } dialogs;
    copyHomeReport(dialogs, workedScreen(), kToday);
    const std::string size = std::to_string(homeReportText(workedScreen(), kToday).size());
    EXPECT_EQ(dialogs.events, (std::vector<std::string>{"clipboard " + size, "message"}));
}

// ---- the printed page -------------------------------------------------------------------------

struct PrintedLine {
    std::string text;
    int x;
    double size;
};

std::vector<PrintedLine> printedLines(const print::PageDocument& doc) {
    std::vector<PrintedLine> lines;
    for (const print::PageItem& item : doc.pages().front().items) {
        if (const auto* text = std::get_if<print::TextItem>(&item)) {
            lines.push_back({text->text, text->x, text->font.size});
        }
    }
    return lines;
}

std::vector<std::string> texts(const std::vector<PrintedLine>& lines) {
    std::vector<std::string> out;
    for (const PrintedLine& line : lines) {
        out.push_back(line.text);
    }
    return out;
}

TEST(HomeReportPrint, WithoutALimitTheLimitLineIsLeftOut) {
    print::FixedPitchMeasurer measurer;
    print::PageDocument doc(measurer);
    print::PrintPanelSettings settings;
    settings.color = 0x0000FF;  // red chosen in Printer Font: only the sample shows it
    HomeReportSource screen = workedScreen();
    screen.textColor = 0x800000;
    layoutHomeReport(doc, settings, screen, kToday);
    ASSERT_EQ(doc.pages().size(), 1u);
    EXPECT_FALSE(doc.isOpen());
    const std::vector<PrintedLine> lines = printedLines(doc);
    EXPECT_EQ(texts(lines), (std::vector<std::string>{
                                "Home Calculator Results",
                                "Input Section",
                                "Estimated Gross (pre-tax) Annual Income:  $60,000.00",
                                "Minimum  Monthly  Debt  Payments:  $300.00",
                                "Cash available for down Payment:  $20,000.00",
                                "Length of Loan in Years:  30",
                                "Loan Interest Rate:  7%",
                                "Calculation Results",
                                "Approximate Amount of Home You Can Afford:  $184,682.00",
                                "Approximate Monthly Loan Payment + Taxes + Ins.:  $1,400.00",
                                "Approximate Amount of Loan:  $168,043.00",
                                "Amount of Down Payment:  $16,639.00",
                                "Estimated Closing Costs:  $3,361.00",
                                "Down Payment Percent (%):  9.01%",
                                "Limiting Factor:  Cash Available for Down Payment",
                                "Coinwell",
                                "Printed on 9/30/2006",
                            }));
    // The title at the panel's size and indent, the body two points smaller and further in,
    // the closing note at 6 points; everything in the screen's text colour, from the paper's
    // top.
    EXPECT_EQ(lines.front().x, 400);
    EXPECT_EQ(lines.front().size, 14);
    for (std::size_t i = 1; i + 2 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].x, 600) << lines[i].text;
        EXPECT_EQ(lines[i].size, 12) << lines[i].text;
    }
    EXPECT_EQ(lines[lines.size() - 2].size, 6);
    EXPECT_EQ(lines.back().size, 6);
    const auto& first = std::get<print::TextItem>(doc.pages().front().items.front());
    EXPECT_EQ(first.y, 0);
    for (const print::PageItem& item : doc.pages().front().items) {
        if (const auto* text = std::get_if<print::TextItem>(&item)) {
            EXPECT_EQ(text->color, 0x800000u) << text->text;
        }
    }
}

TEST(HomeReportPrint, EmptyLinesSpaceTheSections) {
    print::FixedPitchMeasurer measurer;
    print::PageDocument doc(measurer);
    print::PrintPanelSettings settings;
    layoutHomeReport(doc, settings, workedScreen(), kToday);
    std::vector<int> tops;
    for (const print::PageItem& item : doc.pages().front().items) {
        tops.push_back(std::get<print::TextItem>(item).y);
    }
    const int title = 14 * 20 * 115 / 100;  // one line at 14 points (fixed pitch: 1.15 em)
    const int body = 12 * 20 * 115 / 100;
    EXPECT_EQ(tops[1] - tops[0], title + body);  // an empty line before "Input Section"
    EXPECT_EQ(tops[2] - tops[1], 2 * body);      // and one after it
    EXPECT_EQ(tops[7] - tops[6], 3 * body);      // two before "Calculation Results"
    EXPECT_EQ(tops[14] - tops[13], 2 * body);    // one before the limiting factor
}

TEST(HomeReportPrint, ALimitIsPrintedAsCurrency) {
    print::FixedPitchMeasurer measurer;
    print::PageDocument doc(measurer);
    print::PrintPanelSettings settings;
    layoutHomeReport(doc, settings, workedScreen("900"), kToday);
    const std::vector<std::string> lines = texts(printedLines(doc));
    const auto limit =
        std::find(lines.begin(), lines.end(), "Limit on Monthly Mortgage Payment:  $900.00");
    ASSERT_NE(limit, lines.end());
    EXPECT_EQ(*(limit - 1), "Loan Interest Rate:  7%");
    EXPECT_EQ(*(limit + 1), "Calculation Results");

    // A limit box at 0 sets no limit.
    layoutHomeReport(doc, settings, workedScreen("0"), kToday);
    const std::vector<std::string> none = texts(printedLines(doc));
    EXPECT_EQ(std::count_if(none.begin(), none.end(),
                            [](const std::string& t) { return t.starts_with("Limit on"); }),
              0);
}

TEST(HomeReportPrint, ATinyPanelFontStillGivesAReadableBody) {
    print::FixedPitchMeasurer measurer;
    print::PageDocument doc(measurer);
    print::PrintPanelSettings settings;
    settings.fontSize = 2;
    layoutHomeReport(doc, settings, workedScreen(), kToday);
    const std::vector<PrintedLine> lines = printedLines(doc);
    EXPECT_EQ(lines.front().size, 2);
    EXPECT_EQ(lines[1].size, 1);
}

}  // namespace
}  // namespace coinwell::homecalc
