// The clipboard text of a budget: its exact layout, which rows it holds and how the names are
// filled out.

#include <gtest/gtest.h>

#include "budget/core/budget_clipboard.h"

namespace coinwell::budget {
namespace {

// Every character 6 pixels wide, as a plain small screen font is.
double sixPixels(std::string_view text) {
    return 6.0 * static_cast<double>(text.size());
}

MonthlyCaptions captionsOf(const char* expenses, const char* income, const char* balance) {
    MonthlyCaptions captions;
    captions.expenses.fill(expenses);
    captions.income.fill(income);
    captions.balance.fill(balance);
    return captions;
}

std::string twelve(const std::string& cell) {
    std::string text;
    for (int m = 0; m < kMonths; ++m) {
        text += "\t" + cell;
    }
    return text;
}

TEST(BudgetClipboard, ExactTextOfASmallBudget) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.items[0].amounts[11] = "850.00";
    year.items[2].name = "Groceries";
    year.items[2].amounts[1] = ".50";
    MonthlyCaptions captions = captionsOf(".00", "0.00", ".00");
    captions.expenses[0] = "850.00";
    captions.income[0] = "2500.00";
    captions.balance[0] = "1650.00";
    captions.balance[1] = "-.50";

    const std::string expected =
        "2012 Budget\r\n\r\n"
        "        Item                    Jan\tFeb\tMar\tApr\tMay\tJun\tJul\tAug\tSep\tOct\tNov\tDec"
        "\r"
        "Rent      \t850.00\t\t\t\t\t\t\t\t\t\t\t850.00\r"
        "Groceries \t\t.50\t\t\t\t\t\t\t\t\t\t\r"
        "Total Expenses:\t850.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\r\n"
        "Total Income:      \t2500.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00"
        "\t0.00\r\n"
        "Balance:          \t1650.00\t-.50\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\r\n";
    EXPECT_EQ(budgetClipboardText("2012", year, captions, sixPixels), expected);
}

TEST(BudgetClipboard, RowsWithoutANameAreLeftOutEvenWithAmounts) {
    BudgetYear year;
    year.items[1].amounts.fill("10.00");
    year.items[4].name = "Power";
    const std::string text =
        budgetClipboardText("2013", year, captionsOf(".00", "0.00", ".00"), sixPixels);
    EXPECT_EQ(text.find("\t10.00\t10.00\t10.00"), std::string::npos);
    const std::string heading = std::string(8, ' ') + "Item" + std::string(20, ' ') +
                                "Jan\tFeb\tMar\tApr\tMay\tJun\tJul\tAug\tSep\tOct\tNov\tDec\r";
    EXPECT_EQ(text.substr(0, 15 + heading.size() + 11),
              "2013 Budget\r\n\r\n" + heading + "Power     \t");
    EXPECT_EQ(text.find("Power     " + twelve("") + "\rTotal Expenses:"), 15 + heading.size());
}

TEST(BudgetClipboard, NamesAreFilledOutToSixtyPixelsAndLongNamesKeptAsTheyAre) {
    BudgetYear year;
    year.items[0].name = "Car loan, 2nd note";  // 18 characters: 108 pixels
    year.items[1].name = "Ten chars!";          // exactly 60 pixels
    year.items[2].name = "Nine char";           // 54 pixels: one blank
    year.items[3].name = "Tax";
    const std::string text = budgetClipboardText("2012", year, captionsOf("", "", ""), sixPixels);
    EXPECT_NE(text.find("\rCar loan, 2nd note\t"), std::string::npos);
    EXPECT_NE(text.find("\rTen chars!\t"), std::string::npos);
    EXPECT_NE(text.find("\rNine char \t"), std::string::npos);
    EXPECT_NE(text.find("\rTax       \t"), std::string::npos);
    // Measured in the font given, not by counting characters: wide letters need fewer blanks.
    const auto wide = [](std::string_view name) {
        double width = 0;
        for (char c : name) {
            width += c == ' ' ? 4 : 15;
        }
        return width;
    };
    const std::string wideText = budgetClipboardText("2012", year, captionsOf("", "", ""), wide);
    EXPECT_NE(wideText.find("\rTax    \t"), std::string::npos);  // 45 + 4 x 4 = 61
    EXPECT_NE(wideText.find("\rNine char\t"), std::string::npos);
}

TEST(BudgetClipboard, AFontWithoutWidthsStillEnds) {
    BudgetYear year;
    year.items[0].name = "Rent";
    const std::string text = budgetClipboardText("2012", year, captionsOf("", "", ""),
                                                 [](std::string_view) { return 0.0; });
    EXPECT_NE(text.find("\rRent" + std::string(60, ' ') + "\t"), std::string::npos);
}

TEST(BudgetClipboard, TheTableBesideTheTextHoldsTheSameRowsAsCells) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.items[1].amounts[0] = "5.00";  // no name: left out, as from the text
    year.items[2].name = "Tom & Jerry's <\"toys\">";
    MonthlyCaptions captions = captionsOf(".00", "2500.00", "2500.00");
    captions.expenses[0] = "855.00";
    captions.balance[0] = "1645.00";
    const std::string html = budgetClipboardHtml("2012", year, captions);

    const std::string empties = [] {
        std::string cells;
        for (int m = 1; m < kMonths; ++m) {
            cells += "<td></td>";
        }
        return cells;
    }();
    const auto twelveCells = [](const std::string& first, const std::string& rest) {
        std::string cells = "<td>" + first + "</td>";
        for (int m = 1; m < kMonths; ++m) {
            cells += "<td>" + rest + "</td>";
        }
        return cells;
    };
    EXPECT_EQ(html,
              "<html><head><meta charset=\"utf-8\"><title>2012 Budget</title></head><body>\n"
              "<p>2012 Budget</p>\n<table border=\"1\">\n"
              "<tr><th>Item</th><th>Jan</th><th>Feb</th><th>Mar</th><th>Apr</th><th>May</th>"
              "<th>Jun</th><th>Jul</th><th>Aug</th><th>Sep</th><th>Oct</th><th>Nov</th>"
              "<th>Dec</th></tr>\n"
              "<tr><td>Rent</td><td>850.00</td>" +
                  empties +
                  "</tr>\n"
                  "<tr><td>Tom &amp; Jerry's &lt;&quot;toys&quot;&gt;</td><td></td>" +
                  empties +
                  "</tr>\n"
                  "<tr><th>Total Expenses:</th>" +
                  twelveCells("855.00", ".00") +
                  "</tr>\n"
                  "<tr><th>Total Income:</th>" +
                  twelveCells("2500.00", "2500.00") +
                  "</tr>\n"
                  "<tr><th>Balance:</th>" +
                  twelveCells("1645.00", "2500.00") + "</tr>\n</table>\n</body></html>\n");
}

TEST(BudgetClipboard, CopiedMessage) {
    EXPECT_EQ(
        budgetCopiedMessage(),
        (MessageRequest{"Current Budget has been copied to the Windows Clipboard.", "Copy Option",
                        MessageIcon::Information, MessageButtons::Ok, Answer::Ok}));
}

}  // namespace
}  // namespace coinwell::budget
