// The budget's printed pages: the budget table (rows that hold something, page breaks with
// " (Continued)", the totals block where there is room, the gridline modes, red balances) and the
// totals document with and without the chart picture in both orientations. Texts are measured
// with the fixed-pitch measurer: a character is half an em wide, a line 1.15 em high.

#include <gtest/gtest.h>

#include <algorithm>

#include "budget/core/budget_print_document.h"

namespace coinwell::budget {
namespace {

using print::Page;
using print::PageDocument;
using print::PictureItem;
using print::RuleItem;
using print::TextItem;

constexpr print::ColorNumber kInk = 0x123456;
constexpr print::ColorNumber kRed = 0x000080;
const DateTime kToday{2012, 3, 14};
const std::string kDateLine = "Printed: Wednesday, March 14, 2012";

print::PrintPanelSettings settingsOfSize(float size) {
    print::PrintPanelSettings settings;
    settings.fontSize = size;
    return settings;
}

BudgetTableSource tableSource() {
    BudgetTableSource source;
    source.familyName = "Smith";
    source.year = "2012";
    source.today = kToday;
    source.textColor = kInk;
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        source.expenses[month] = ".00";
        source.income[month] = "2500.00";
        source.balance[month] = "2500.00";
    }
    return source;
}

BudgetTableSource fiftyItems() {
    BudgetTableSource source = tableSource();
    for (int r = 0; r < kItemRows; ++r) {
        source.budget.items[static_cast<std::size_t>(r)].name = "Item " + std::to_string(r + 1);
        source.budget.items[static_cast<std::size_t>(r)].amounts[0] = "10.00";
    }
    return source;
}

std::vector<const TextItem*> texts(const Page& page) {
    std::vector<const TextItem*> found;
    for (const auto& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            found.push_back(text);
        }
    }
    return found;
}

const TextItem* findText(const Page& page, const std::string& text) {
    for (const TextItem* item : texts(page)) {
        if (item->text == text) {
            return item;
        }
    }
    return nullptr;
}

std::vector<RuleItem> rules(const Page& page) {
    std::vector<RuleItem> found;
    for (const auto& item : page.items) {
        if (const auto* rule = std::get_if<RuleItem>(&item)) {
            found.push_back(*rule);
        }
    }
    return found;
}

std::vector<PictureItem> pictures(const Page& page) {
    std::vector<PictureItem> found;
    for (const auto& item : page.items) {
        if (const auto* picture = std::get_if<PictureItem>(&item)) {
            found.push_back(*picture);
        }
    }
    return found;
}

class BudgetTableTest : public ::testing::Test {
  protected:
    const std::vector<Page>& layout(const BudgetTableSource& source, GridlineMode mode,
                                    float size = 14) {
        layoutBudgetTable(doc, settingsOfSize(size), source, mode);
        return doc.pages();
    }
    print::FixedPitchMeasurer measurer;
    PageDocument doc{measurer};
};

TEST_F(BudgetTableTest, ItemsInRowsOneAndFortyPrintAsTwoLinesWithoutGaps) {
    BudgetTableSource source = tableSource();
    source.budget.items[0].name = "Rent";
    source.budget.items[0].amounts[0] = "850.00";
    source.budget.items[39].name = "Car";
    source.budget.items[39].amounts[1] = "120.5";
    const std::vector<Page>& pages = layout(source, GridlineMode::All);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<std::string> all = print::pageTexts(pages[0]);
    const std::vector<std::string> head(all.begin(), all.begin() + 15);
    EXPECT_EQ(head, (std::vector<std::string>{"Smith Home Budget For 2012", kDateLine, "Item",
                                              "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul",
                                              "Aug", "Sep", "Oct", "Nov", "Dec"}));
    EXPECT_EQ(all[15], "Rent");
    EXPECT_EQ(all[16], "850.00");
    EXPECT_EQ(all[17], "Car");
    EXPECT_EQ(all[18], "120.50");
    EXPECT_EQ(all[19], "Total Expenses: ");

    const TextItem* rent = findText(pages[0], "Rent");
    const TextItem* car = findText(pages[0], "Car");
    ASSERT_TRUE(rent && car);
    EXPECT_EQ(rent->x, 75);
    // Title 14 pt from 360, date line 8 pt, 100 below, a rule, the headings, a rule: 1338.
    EXPECT_EQ(rent->y, 1338);
    // One row of 10 pt (230) and 15 after it.
    EXPECT_EQ(car->y, 1338 + 245);
    EXPECT_EQ(rent->font.size, 10);
    // 850.00 ends at the page width / 4.3 (2847).
    const TextItem* amount = findText(pages[0], "850.00");
    EXPECT_EQ(amount->x + amount->width, 2847);
    // The title is bold and centred; the rest is not bold.
    const TextItem* title = findText(pages[0], "Smith Home Budget For 2012");
    EXPECT_TRUE(title->font.bold);
    EXPECT_EQ(title->x + title->width / 2, 6120);
    EXPECT_FALSE(findText(pages[0], "Jan")->font.bold);
    EXPECT_EQ(findText(pages[0], "Jan")->x, 2197);  // 12240 / 5.57
    EXPECT_EQ(findText(pages[0], "Item")->x, 680);  // 12240 / 18
}

TEST_F(BudgetTableTest, WithoutAFamilyNameTheTitleStartsWithABlank) {
    BudgetTableSource source = tableSource();
    source.familyName.clear();
    source.budget.items[0].name = "Rent";
    EXPECT_EQ(print::pageTexts(layout(source, GridlineMode::None)[0]).front(),
              " Home Budget For 2012");
}

TEST_F(BudgetTableTest, AnUnnamedRowWithAmountsPrintsAndEmptyRowsDoNot) {
    BudgetTableSource source = tableSource();
    source.budget.items[2].amounts[5] = "5.00";
    const std::vector<std::string> all = print::pageTexts(layout(source, GridlineMode::None)[0]);
    EXPECT_EQ(std::count(all.begin(), all.end(), "5.00"), 1);
    EXPECT_EQ(all[15], "5.00");
    EXPECT_EQ(all[16], "Total Expenses: ");
}

TEST_F(BudgetTableTest, GridlineModes) {
    BudgetTableSource source = tableSource();
    source.budget.items[0].name = "Rent";
    source.budget.items[39].name = "Car";
    // Mode 0: two heading rules, one under each item, one under each totals line, and the 14
    // column rules from the table top (966) to the end of the block.
    std::vector<RuleItem> all = rules(layout(source, GridlineMode::All)[0]);
    EXPECT_EQ(all.size(), 2u + 2u + 3u + 14u);
    const auto vertical = [](const std::vector<RuleItem>& found) {
        std::vector<int> xs;
        for (const RuleItem& r : found) {
            if (r.x1 == r.x2) {
                xs.push_back(r.x1);
                EXPECT_EQ(r.y1, 966);
                EXPECT_EQ(r.y2, 1828 + 245 + 245 + 260);
                EXPECT_EQ(r.color, kInk);
            }
        }
        return xs;
    };
    const std::vector<int> xs = vertical(all);
    EXPECT_EQ(xs, (std::vector<int>{10, 1958, 2860, 3709, 4533, 5380, 6229, 7055, 7922, 8743, 9600,
                                    10444, 11312, 12230}));
    const RuleItem& first = all.front();
    EXPECT_EQ(first.x1, 10);
    EXPECT_EQ(first.x2, 12230);
    EXPECT_EQ(first.y1, 966);

    // Mode 1: no rule under the items.
    all = rules(layout(source, GridlineMode::NoItemRules)[0]);
    EXPECT_EQ(all.size(), 2u + 3u + 14u);
    vertical(all);

    // Mode 2: no rule at all; the headings start at the table top.
    const std::vector<Page>& plain = layout(source, GridlineMode::None);
    EXPECT_TRUE(rules(plain[0]).empty());
    EXPECT_EQ(findText(plain[0], "Item")->y, 966);
    EXPECT_EQ(findText(plain[0], "Rent")->y, 966 + 352);
}

TEST_F(BudgetTableTest, NegativeMonthlyBalancesPrintInRed) {
    BudgetTableSource source = tableSource();
    source.budget.items[0].name = "Rent";
    source.balance[2] = "-125.50";
    source.balanceNegative[2] = true;
    source.balance[3] = "1.00";
    const Page& page = layout(source, GridlineMode::All)[0];
    EXPECT_EQ(findText(page, "-125.50")->color, kRed);
    EXPECT_EQ(findText(page, "1.00")->color, kInk);
    EXPECT_EQ(findText(page, "Balance: ")->color, kInk);
    EXPECT_EQ(findText(page, "Rent")->color, kInk);
}

TEST_F(BudgetTableTest, FiftyItemsAtALargeSizeContinueOnNewPages) {
    const std::vector<Page>& pages = layout(fiftyItems(), GridlineMode::All, 30);
    // Rows of 26 pt (613 apart) from 2442: 21 fill a page.
    ASSERT_EQ(pages.size(), 3u);
    const std::vector<std::string> first = print::pageTexts(pages[0]);
    EXPECT_EQ(first[1], kDateLine);
    EXPECT_EQ(std::count(first.begin(), first.end(), "Item 21"), 1);
    EXPECT_EQ(std::count(first.begin(), first.end(), "Item 22"), 0);
    const std::vector<std::string> second = print::pageTexts(pages[1]);
    EXPECT_EQ(second[0], "Smith Home Budget For 2012");
    EXPECT_EQ(second[1], kDateLine + " (Continued)");
    EXPECT_EQ(second[2], "Item");
    EXPECT_EQ(second[15], "Item 22");
    EXPECT_EQ(findText(pages[1], "Item 22")->y, 2442);
    const std::vector<std::string> third = print::pageTexts(pages[2]);
    EXPECT_EQ(third[1], kDateLine + " (Continued)");
    EXPECT_EQ(third[15], "Item 43");
    // The totals block follows the last rows, where there is room.
    EXPECT_EQ(findText(pages[2], "Total Expenses: ")->y, 2442 + 8 * 613);
    EXPECT_EQ(findText(pages[0], "Total Expenses: "), nullptr);
    // Each page closes its columns.
    const std::vector<RuleItem> firstRules = rules(pages[0]);
    EXPECT_EQ(std::count_if(firstRules.begin(), firstRules.end(),
                            [](const RuleItem& r) { return r.x1 == r.x2; }),
              14);
}

TEST_F(BudgetTableTest, ALastRowThatFillsThePageSendsTheTotalsToAContinuedPage) {
    // 42 items at 30 pt: the 42nd is the 21st row of the second page, which it fills.
    BudgetTableSource source = fiftyItems();
    for (int r = 42; r < kItemRows; ++r) {
        source.budget.items[static_cast<std::size_t>(r)] = {};
    }
    const std::vector<Page>& pages = layout(source, GridlineMode::All, 30);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(findText(pages[1], "Item 42")->y, 2442 + 20 * 613);
    const std::vector<std::string> last = print::pageTexts(pages[2]);
    ASSERT_GE(last.size(), 4u);
    EXPECT_EQ(last[0], "Smith Home Budget For 2012");
    EXPECT_EQ(last[1], kDateLine + " (Continued)");
    EXPECT_EQ(last[2], "Item");
    EXPECT_EQ(last[15], "Total Expenses: ");
    EXPECT_EQ(findText(pages[2], "Total Expenses: ")->y, 2442);
}

TEST_F(BudgetTableTest, TotalsBlockWithoutRoomGoesToANewPageUnderTheDateLine) {
    // Ten-inch paper: the 50 rows end at 13588, past 1000 from the bottom.
    doc.setPaper({12240, 14400});
    const std::vector<Page>& pages = layout(fiftyItems(), GridlineMode::All);
    ASSERT_EQ(pages.size(), 2u);
    const std::vector<std::string> last = print::pageTexts(pages[1]);
    ASSERT_GE(last.size(), 2u);
    EXPECT_EQ(last[0], kDateLine);
    EXPECT_EQ(last[1], "Total Expenses: ");
    const TextItem* date = findText(pages[1], kDateLine);
    EXPECT_EQ(date->x, 75);
    EXPECT_EQ(date->font.size, 10);
    EXPECT_EQ(findText(pages[1], "Total Expenses: ")->y, 360 + 230);
    EXPECT_FALSE(rules(pages[1]).empty());
}

TEST_F(BudgetTableTest, LandscapeRowsAreTwoPointsSmallerThanTheFont) {
    doc.setOrientation(print::Orientation::Landscape);
    BudgetTableSource source = tableSource();
    source.budget.items[0].name = "Rent";
    const Page& page = layout(source, GridlineMode::None)[0];
    EXPECT_EQ(findText(page, "Rent")->font.size, 12);
    EXPECT_EQ(findText(page, "Jan")->x, 2844);  // 15840 / 5.57
}

// ---- the totals document ------------------------------------------------------------------

TotalsSource totalsSource(bool negative = false) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "3000.00";
    year.items[1].name = "Food";
    year.items[1].amounts[0] = negative ? "9999.99" : "6000.00";
    year.items[1].amounts[1] = negative ? "9999.99" : "6000.00";
    year.items[2].name = "Gift";
    year.income[0] = negative ? "20000.00" : "30000.00";
    const MonthlyFigures figures = recalcMonths(year);
    TotalsSource source;
    source.year = 2012;
    source.totals = buildYearTotals(year, figures, PercentBase::Income, 2012);
    source.percentBaseCaption = "% = Item Totals divided by Total Income";
    source.today = kToday;
    source.textColor = kInk;
    return source;
}

class TotalsDocumentTest : public BudgetTableTest {
  protected:
    const std::vector<Page>& layoutTotals(const TotalsSource& source, bool graph, float size = 14) {
        layoutTotalsDocument(doc, settingsOfSize(size), source, graph);
        return doc.pages();
    }
};

TEST_F(TotalsDocumentTest, WithoutTheGraphTheFiguresFollowTheHeader) {
    const std::vector<Page>& pages = layoutTotals(totalsSource(), false);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(print::pageTexts(pages[0]),
              (std::vector<std::string>{"BUDGET TOTALS FOR 2012",
                                        kDateLine,
                                        "Item",
                                        "Total",
                                        "Percentage",
                                        "Rent",
                                        "$3,000",
                                        "10.00% ",
                                        "Food",
                                        "$12,000",
                                        "40.00% ",
                                        "Gift",
                                        "Total Expenses: ",
                                        "$15,000",
                                        "     50.00%",
                                        "Total Income: ",
                                        "$30,000",
                                        "     100.00%",
                                        "Balance: ",
                                        "$15,000",
                                        "     50.00%",
                                        "Percentage % = Item Totals divided by Total Income"}));
    EXPECT_TRUE(pictures(pages[0]).empty());
    // Title 14 pt from 360, the date line 10 pt, then the headings at 12 pt.
    const TextItem* item = findText(pages[0], "Item");
    EXPECT_EQ(item->y, 360 + 322 + 230);
    EXPECT_EQ(item->font.size, 12);
    EXPECT_EQ(item->x + item->width / 2, 2448);  // W / 5
    const TextItem* total = findText(pages[0], "$3,000");
    EXPECT_EQ(total->x + total->width, 6511);  // W / 1.88
    const TextItem* percent = findText(pages[0], "10.00% ");
    EXPECT_EQ(percent->x + percent->width, 9871);    // W / 1.24
    EXPECT_EQ(findText(pages[0], "Rent")->x, 1530);  // W / 8
    // A rule from W/8 to W/1.23 before each of the three total lines.
    const std::vector<RuleItem> lines = rules(pages[0]);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].x1, 1530);
    EXPECT_EQ(lines[0].x2, 9951);
    EXPECT_EQ(lines[0].y1, findText(pages[0], "Total Expenses: ")->y);
}

TEST_F(TotalsDocumentTest, TheGraphStandsAboveTheFiguresOnTheFirstPage) {
    const std::vector<Page>& pages = layoutTotals(totalsSource(), true);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<PictureItem> found = pictures(pages[0]);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].file, "Chartxxx.jpg");
    EXPECT_EQ(found[0].x, 518);
    EXPECT_EQ(found[0].y, 1210);
    EXPECT_EQ(found[0].width, 10512);
    EXPECT_EQ(found[0].height, 5976);
    EXPECT_EQ(findText(pages[0], "Item")->y, 7727);  // 15840 / 2.05
}

TEST_F(TotalsDocumentTest, LandscapeGraph) {
    doc.setOrientation(print::Orientation::Landscape);
    const std::vector<Page>& pages = layoutTotals(totalsSource(), true);
    const std::vector<PictureItem> found = pictures(pages[0]);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].x, 446);
    EXPECT_EQ(found[0].y, 1008);
    EXPECT_EQ(found[0].width, 14256);
    EXPECT_EQ(found[0].height, 6336);
    EXPECT_EQ(findText(pages[0], "Item")->y, 7650);  // 12240 / 1.6
    EXPECT_EQ(findText(pages[0], "Percentage")->x + findText(pages[0], "Percentage")->width / 2,
              12185);  // 15840 / 1.3
    doc.setOrientation(print::Orientation::Landscape);
    const std::vector<Page>& plain = layoutTotals(totalsSource(), false);
    EXPECT_TRUE(pictures(plain[0]).empty());
    EXPECT_EQ(findText(plain[0], "Item")->y, 360 + 322 + 230);
}

TEST_F(TotalsDocumentTest, ANegativeBalanceAndItsPercentagePrintInRed) {
    const TotalsSource source = totalsSource(true);
    ASSERT_TRUE(source.totals.balanceNegative);
    const Page& page = layoutTotals(source, false)[0];
    EXPECT_EQ(findText(page, "Balance: ")->color, kRed);
    EXPECT_EQ(findText(page, "-$3,000")->color, kRed);
    EXPECT_EQ(findText(page, "     -15.00%")->color, kRed);
    EXPECT_EQ(findText(page, "Total Income: ")->color, kInk);
    EXPECT_EQ(findText(page, "Rent")->color, kInk);
}

TEST_F(TotalsDocumentTest, ManyItemsContinueOnPagesWithTheHeaderAndNoPicture) {
    TotalsSource source = totalsSource();
    source.totals.rows.clear();
    for (int r = 1; r <= 50; ++r) {
        source.totals.rows.push_back({"Item " + std::to_string(r), "100.00", "1.00% "});
    }
    const std::vector<Page>& pages = layoutTotals(source, true, 30);
    ASSERT_GE(pages.size(), 2u);
    const std::vector<std::string> second = print::pageTexts(pages[1]);
    EXPECT_EQ(second[0], "BUDGET TOTALS FOR 2012");
    EXPECT_EQ(second[1], kDateLine + " (Continued)");
    EXPECT_TRUE(pictures(pages[1]).empty());
    for (const Page& page : pages) {
        for (const TextItem* text : texts(page)) {
            EXPECT_LT(text->y, page.height - 400 + 1) << text->text;
        }
    }
    const std::vector<std::string> last = print::pageTexts(pages.back());
    EXPECT_EQ(last.back(), "Percentage % = Item Totals divided by Total Income");
}

}  // namespace
}  // namespace coinwell::budget
