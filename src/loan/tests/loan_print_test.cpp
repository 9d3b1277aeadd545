#include "loan/core/loan_print_document.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "loan/core/amortization.h"
#include "loan/core/loan_texts.h"
#include "loan/core/payment_table.h"
#include "loan/tests/schedule_source.h"

namespace coinwell::loan {
namespace {

using print::FixedPitchMeasurer;
using print::Page;
using print::PageDocument;
using print::PrintPanelSettings;
using print::TextItem;

// Letter paper, fixed-pitch text: at size 14 a line is 322 twips, at size 12 276 twips and a
// character 120 twips wide.
class LoanPrintTest : public ::testing::Test {
  protected:
    LoanPrintTest() : doc(measurer) {}

    static LoanOutputSource tableSource(double rateMin, double rateMax, double lengthMin,
                                        double lengthMax, LengthUnit unit = LengthUnit::Years) {
        LoanOutputSource source;
        LoanInputs& inputs = source.inputs;
        inputs.purchaseAmount = 250000;
        inputs.downValue = 20;
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
        source.purchaseText = "250000";
        source.downText = "20";
        source.downCaption = "Percent Down";
        source.loanAmountLabel = loanAmountText(inputs.loanAmount);
        source.lastRowPayment = table.lastRowPayment;
        source.noteVisible = unit == LengthUnit::Years;
        source.noteText = std::string(kLengthNote);
        return source;
    }

    static LoanOutputSource scheduleSource(double years) {
        LoanOutputSource source = tableSource(6, 6, years, years);
        source.purchaseText = "100000";
        source.inputs.downValue = 0;
        source.inputs.loanAmount = 100000;
        showScheduleOfFirstCell(source);
        return source;
    }

    static std::vector<const TextItem*> texts(const Page& page) {
        std::vector<const TextItem*> found;
        for (const auto& item : page.items) {
            if (const auto* text = std::get_if<TextItem>(&item)) {
                found.push_back(text);
            }
        }
        return found;
    }
    static const TextItem* find(const Page& page, std::string_view text) {
        for (const TextItem* item : texts(page)) {
            if (item->text == text) {
                return item;
            }
        }
        return nullptr;
    }
    static double centre(const TextItem& item) { return item.x + item.width / 2.0; }

    FixedPitchMeasurer measurer;
    PageDocument doc;
    PrintPanelSettings settings;
};

TEST_F(LoanPrintTest, ScheduleOf360PaymentsBreaksIntoNumberedPagesWithRepeatedHeadings) {
    const LoanOutputSource source = scheduleSource(30);
    layoutLoanDocument(doc, settings, source, SelectionBlock{});
    const auto& pages = doc.pages();
    // Page 1: summary at size 14 down to 1810, headings, then rows of 276 until past 15440: 49.
    // Later pages: page number, empty line and headings end at 1028: 53 rows a page.
    ASSERT_EQ(pages.size(), 7u);

    const auto first = texts(pages[0]);
    ASSERT_GE(first.size(), 4u);
    EXPECT_EQ(first[0]->text, " Purchase Amount = $100,000.00");
    EXPECT_EQ(first[1]->text, " Interest on Loan = 6.00%");
    EXPECT_EQ(first[2]->text, " Total Amount of Interest = $115,838.23");
    EXPECT_EQ(first[3]->text, " Monthly Payment Amount = $599.55");
    EXPECT_EQ(first[0]->y, 200);
    EXPECT_EQ(first[3]->y, 200 + 3 * 322);
    EXPECT_EQ(first[0]->font.size, 14);
    EXPECT_EQ(find(pages[0], "Page Number 1"), nullptr);

    // Five headings at size 12 from left to right across the page, none running into the next;
    // each row's values centred under their headings, the amounts reformatted.
    const char* headings[5] = {"Payment No.", "Amount towards Principal", "Amount of Interest",
                               "Principal Remaining", "Interest Paid"};
    int rowsSeen = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto items = texts(pages[p]);
        if (p > 0) {
            EXPECT_EQ(items[0]->text, "Page Number " + std::to_string(p + 1));
            EXPECT_EQ(items[0]->y, 200);
        }
        const std::size_t headingAt = p == 0 ? 4 : 1;
        double centres[5] = {};
        for (int c = 0; c < 5; ++c) {
            const TextItem& heading = *items[headingAt + static_cast<std::size_t>(c)];
            EXPECT_EQ(heading.text, headings[c]) << "page " << p + 1;
            EXPECT_EQ(heading.font.size, 12);
            EXPECT_EQ(heading.y, p == 0 ? 1810 : 752);
            EXPECT_GE(heading.x, 0);
            EXPECT_LE(heading.x + heading.width, 12240);
            if (c > 0) {
                const TextItem& before = *items[headingAt + static_cast<std::size_t>(c) - 1];
                EXPECT_LT(before.x + before.width, heading.x) << headings[c];
            }
            centres[c] = centre(heading);
        }
        const std::size_t rowItems = items.size() - headingAt - 5;
        ASSERT_EQ(rowItems % 5, 0u);
        const int rows = static_cast<int>(rowItems / 5);
        EXPECT_EQ(rows, p == 0 ? 49 : (p < 6 ? 53 : 360 - 49 - 5 * 53)) << "page " << p + 1;
        // The first row of the page continues the numbering, each value on its centre.
        const TextItem& number = *items[headingAt + 5];
        EXPECT_EQ(number.text, std::to_string(rowsSeen + 1));
        EXPECT_NEAR(centre(number), centres[0], 1.0);
        for (int c = 1; c < 5; ++c) {
            EXPECT_NEAR(centre(*items[headingAt + 5 + static_cast<std::size_t>(c)]), centres[c],
                        1.0);
        }
        // Nothing runs past the page's end.
        EXPECT_LE(items.back()->y, 15840 - 400);
        rowsSeen += rows;
    }
    EXPECT_EQ(rowsSeen, 360);
    const auto firstRow = texts(pages[0]);
    EXPECT_EQ(firstRow[9]->text, "1");
    EXPECT_EQ(firstRow[10]->text, "$99.55");
    EXPECT_EQ(firstRow[12]->text, "$99,900.45");
    EXPECT_EQ(texts(pages[6]).back()->text, "$115,838.23");
}

TEST_F(LoanPrintTest, ShortScheduleFitsOnePageAndStopsAtTheBlankRows) {
    const LoanOutputSource source = scheduleSource(1);
    ASSERT_EQ(source.grid.rows(), 16);
    layoutLoanDocument(doc, settings, source, SelectionBlock{});
    ASSERT_EQ(doc.pages().size(), 1u);
    EXPECT_EQ(texts(doc.pages()[0]).size(), 4u + 5u + 12u * 5u);
}

TEST_F(LoanPrintTest, ScheduleWithExtraPaymentsPrintsSixColumnsAndTheTwoResults) {
    LoanOutputSource source = scheduleSource(30);
    ExtraPayments extras;
    extras.monthly = 100;
    showScheduleOfFirstCell(source, extras);
    layoutLoanDocument(doc, settings, source, SelectionBlock{});
    const auto& pages = doc.pages();
    ASSERT_GE(pages.size(), 2u);
    const auto first = texts(pages[0]);
    EXPECT_EQ(first[2]->text, " Total Amount of Interest = $75,937.95");
    EXPECT_EQ(first[4]->text, " Paid off after 252 payments instead of 360");
    EXPECT_EQ(first[5]->text, " Interest saved: $39,900.28");
    EXPECT_EQ(first[5]->y, 200 + 5 * 322);
    const double positions[6] = {12240 / 16.0, 12240 / 4.6,  12240 / 2.6,
                                 12240 / 1.75, 12240 / 1.32, 12240 / 1.08};
    int rowsSeen = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto items = texts(pages[p]);
        const std::size_t headingAt = p == 0 ? 6 : 1;
        EXPECT_EQ(items[headingAt]->text, "Payment No.");
        EXPECT_EQ(items[headingAt + 5]->text, "Extra Payment");
        for (std::size_t c = 0; c < 6; ++c) {
            EXPECT_NEAR(centre(*items[headingAt + c]), positions[c], 1.0) << p;
            EXPECT_NEAR(centre(*items[headingAt + 6 + c]), positions[c], 1.0) << p;
        }
        // Every row has six values (every payment carries its extra).
        ASSERT_EQ((items.size() - headingAt - 6) % 6, 0u);
        rowsSeen += static_cast<int>((items.size() - headingAt - 6) / 6);
        EXPECT_LE(items.back()->y, 15840 - 400);
    }
    EXPECT_EQ(rowsSeen, 252);
    EXPECT_EQ(texts(pages.back()).back()->text, "$100.00");

    // A lump sum leaves the sixth cell of the other rows unprinted.
    source = scheduleSource(1);
    extras = {};
    extras.lumpSum = 1000;
    extras.lumpAt = 2;
    showScheduleOfFirstCell(source, extras);
    layoutLoanDocument(doc, settings, source, SelectionBlock{});
    ASSERT_EQ(doc.pages().size(), 1u);
    EXPECT_EQ(texts(doc.pages()[0]).size(), 6u + 6u + 12u * 5u + 1u);
}

TEST_F(LoanPrintTest, TextTakesTheGridsTextColourNotThePrinterFontColour) {
    for (LoanOutputSource source : {tableSource(6, 6.5, 1, 3), scheduleSource(1)}) {
        settings.color = 0x0000FF;    // red, chosen in Printer Font
        source.textColor = 0x800000;  // the grid's navy text
        layoutLoanDocument(doc, settings, source, SelectionBlock{1, 3, 1, 3});
        const std::vector<const TextItem*> items = texts(doc.pages().at(0));
        ASSERT_FALSE(items.empty());
        for (const TextItem* item : items) {
            EXPECT_EQ(item->color, 0x800000u) << item->text;
        }
    }
}

TEST_F(LoanPrintTest, MoreThanSevenColumnsAreCutToTheFirstSeven) {
    // Ten length columns selected: the page shows the first seven.
    LoanOutputSource source = tableSource(6, 6.5, 15, 24);
    SelectionBlock all{1, 3, 1, 10};
    EXPECT_TRUE(print::restrictPrintedColumns(all));
    layoutLoanDocument(doc, settings, source, all);
    const Page& page = doc.pages().at(0);
    EXPECT_NE(find(page, " 21 Years"), nullptr);
    EXPECT_EQ(find(page, " 22 Years"), nullptr);
}

TEST_F(LoanPrintTest, PaymentTablePageHasPurchaseDownAndLoanLinesThenHeadingsAndRows) {
    LoanOutputSource source = tableSource(6, 6.5, 1, 3);
    layoutLoanDocument(doc, settings, source, SelectionBlock{1, 3, 1, 3});
    ASSERT_EQ(doc.pages().size(), 1u);
    const auto items = texts(doc.pages()[0]);
    EXPECT_EQ(items[0]->text, " Purchase Amount = $250,000.00");
    EXPECT_EQ(items[1]->text, " Percent Down   20.00%");
    EXPECT_EQ(items[2]->text, " Loan Amount = $200,000.00");
    EXPECT_EQ(items[3]->text, "Interest");
    EXPECT_NEAR(centre(*items[3]), 12240 / 20.0, 1.0);
    EXPECT_EQ(items[4]->text, " 1 Year");
    EXPECT_NEAR(centre(*items[4]), 12240 / 6.0, 1.0);
    EXPECT_EQ(items[5]->text, " 2 Years");
    EXPECT_NEAR(centre(*items[5]), 12240 / 3.4, 1.0);
    EXPECT_EQ(items[6]->text, " 3 Years");
    EXPECT_NEAR(centre(*items[6]), 12240 / 2.4, 1.0);
    EXPECT_EQ(items[7]->text, "6.00%");
    EXPECT_EQ(items[7]->y, items[8]->y);
    EXPECT_EQ(items[8]->text, "$17,213.29");
    // Three rows, then the note indented by 400 after an empty line.
    const TextItem& note = *items.back();
    EXPECT_EQ(note.text.substr(0, 24), "Loan Length in Years wil");
    EXPECT_EQ(note.x, 400);

    // Amount mode and the Months unit: the down payment as typed, month labels, no note.
    LoanOutputSource months = tableSource(6, 6, 1, 2, LengthUnit::Months);
    months.inputs.downMode = DownPaymentMode::Amount;
    months.downCaption = "Amount Down";
    months.downText = "20000";
    layoutLoanDocument(doc, settings, months, SelectionBlock{1, 1, 1, 2});
    const auto monthItems = texts(doc.pages()[0]);
    EXPECT_EQ(monthItems[1]->text, "   Amount Down $20,000.00");
    EXPECT_EQ(monthItems[4]->text, " 1 Month");
    EXPECT_EQ(monthItems[5]->text, " 2 Months");
    EXPECT_EQ(monthItems.back()->text, "$100,750.62");
}

TEST_F(LoanPrintTest, LongPaymentTablesContinueOnNumberedPagesWithTheHeadingsAgain) {
    // 0.25 % to 25 %: 100 rate rows; 50 rows fill a page at size 14.
    LoanOutputSource source = tableSource(0.25, 25, 15, 17);
    layoutLoanDocument(doc, settings, source, SelectionBlock{1, 100, 1, 3});
    const auto& pages = doc.pages();
    ASSERT_GE(pages.size(), 2u);
    int rates = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto items = texts(pages[p]);
        if (p > 0) {
            ASSERT_GE(items.size(), 5u);
            EXPECT_EQ(items[0]->text, "Page Number " + std::to_string(p + 1));
            EXPECT_EQ(items[0]->y, 276);  // after an empty line at the top
            EXPECT_EQ(items[1]->text, "Interest");
            EXPECT_EQ(items[2]->text, " 15 Years");
        }
        for (const TextItem* item : items) {
            rates += item->text.ends_with("%") && item->text.size() <= 6 ? 1 : 0;
            EXPECT_LE(item->y, 15840 - 400);
        }
    }
    EXPECT_EQ(rates, 100);

    // The closing note needs 500 twips under the last row: three rows end at 2592.
    const auto hasNote = [this] {
        const auto items = texts(doc.pages().back());
        return std::any_of(items.begin(), items.end(),
                           [](const TextItem* t) { return t->text.starts_with("Loan Length"); });
    };
    doc.setPaper({12240, 3200});
    layoutLoanDocument(doc, settings, tableSource(6, 6.5, 15, 17), SelectionBlock{1, 3, 1, 3});
    EXPECT_EQ(doc.pages().size(), 1u);
    EXPECT_TRUE(hasNote());
    doc.setPaper({12240, 3000});
    layoutLoanDocument(doc, settings, tableSource(6, 6.5, 15, 17), SelectionBlock{1, 3, 1, 3});
    EXPECT_EQ(doc.pages().size(), 1u);
    EXPECT_FALSE(hasNote());
}

}  // namespace
}  // namespace coinwell::loan
