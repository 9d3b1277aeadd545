// Compare Years: the known answer, how items are matched, summed and ordered, the signs and
// percentages of the changes, the clipboard text and the printed comparison.

#include <gtest/gtest.h>

#include "budget/core/comparison_print_document.h"
#include "budget/core/percent_change.h"
#include "budget/core/year_comparison.h"

namespace coinwell::budget {
namespace {

using Texts = std::array<std::string, kComparisonColumns>;

// Rent 850.00 each month, Food 400.00 January to June, income 2500.00 each month.
BudgetYear knownYearA() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts.fill("850.00");
    year.items[1].name = "Food";
    for (int m = 0; m < 6; ++m) {
        year.items[1].amounts[static_cast<std::size_t>(m)] = "400.00";
    }
    year.income.fill("2500.00");
    return year;
}

TEST(CompareYears, KnownAnswerOfAYearAndItsCopyWithTenPercent) {
    const BudgetYear a = knownYearA();
    const BudgetYear b = PercentChange::parse("10")->changedYear(a);
    const YearComparison comparison = compareYears("2025", a, "2026", b);
    ASSERT_EQ(comparison.items.size(), 2u);
    EXPECT_EQ(comparison.items[0].texts(),
              (Texts{"Rent", "10200.00", "11220.00", "+1020.00", "+10.00%"}));
    EXPECT_EQ(comparison.items[1].texts(),
              (Texts{"Food", "2400.00", "2640.00", "+240.00", "+10.00%"}));
    EXPECT_EQ(comparison.expenses.texts(),
              (Texts{"Total Expenses", "12600.00", "13860.00", "+1260.00", "+10.00%"}));
    EXPECT_EQ(comparison.income.texts(),
              (Texts{"Total Income", "30000.00", "33000.00", "+3000.00", "+10.00%"}));
    EXPECT_EQ(comparison.balance.texts(),
              (Texts{"Balance", "17400.00", "19140.00", "+1740.00", "+10.00%"}));
}

TEST(CompareYears, NamesMatchTrimmedWithoutCaseAndSumWithinAYear) {
    BudgetYear a;
    a.items[0].name = "Rent";
    a.items[0].amounts[0] = "100.00";
    a.items[1].name = "Food";
    a.items[1].amounts[0] = "50.00";
    a.items[2].amounts[0] = "5.00";  // no name, an amount
    a.items[3].amounts[1] = "2.50";
    a.items[4].name = "  food ";
    a.items[4].amounts[1] = "25.00";
    BudgetYear b;
    b.items[0].name = "Car";
    b.items[0].amounts[0] = "40.00";
    b.items[1].name = " RENT";
    b.items[1].amounts[0] = "100.00";
    const YearComparison comparison = compareYears("2025", a, "2026", b);
    ASSERT_EQ(comparison.items.size(), 4u);
    EXPECT_EQ(comparison.items[0].texts(), (Texts{"Rent", "100.00", "100.00", ".00", "0.00%"}));
    EXPECT_EQ(comparison.items[1].texts(), (Texts{"Food", "75.00", "", "-75.00", "-100.00%"}));
    EXPECT_EQ(comparison.items[2].texts(), (Texts{kNoNameRow, "7.50", "", "-7.50", "-100.00%"}));
    EXPECT_EQ(comparison.items[3].texts(), (Texts{"Car", "", "40.00", "+40.00", ""}));
    EXPECT_EQ(comparison.expenses.texts(),
              (Texts{"Total Expenses", "182.50", "140.00", "-42.50", "-23.29%"}));
}

TEST(CompareYears, ZeroBasesNamedRowsWithoutAmountsAndNegativeBalances) {
    BudgetYear a;
    a.items[0].name = "Gift";
    a.items[1].name = "Rent";
    a.items[1].amounts[0] = "300.00";
    a.income[0] = "200.00";
    BudgetYear b = a;
    b.items[0].amounts[0] = ".50";
    b.items[1].amounts[0] = "100.00";
    const YearComparison comparison = compareYears("2025", a, "2026", b);
    EXPECT_EQ(comparison.items[0].texts(), (Texts{"Gift", ".00", ".50", "+.50", ""}));
    // A loss of 100 become a gain of 99.50: the percentage keeps the change's sign.
    EXPECT_EQ(comparison.balance.texts(),
              (Texts{"Balance", "-100.00", "99.50", "+199.50", "+199.50%"}));
    EXPECT_EQ(comparison.income.changePercent(), "0.00%");
    EXPECT_EQ(comparisonClipboardText(compareYears("2025", BudgetYear{}, "2026", BudgetYear{})),
              "Item\t2025\t2026\tChange\tChange %\r\n"
              "Total Expenses\t.00\t.00\t.00\t\r\n"
              "Total Income\t.00\t.00\t.00\t\r\n"
              "Balance\t.00\t.00\t.00\t\r\n");
}

TEST(ComparisonPrintDocument, TitleDateGridAndTheChartWhenItFits) {
    print::FixedPitchMeasurer measurer;
    print::PageDocument doc(measurer);
    print::PrintPanelSettings settings;
    ComparisonPrintSource source{
        compareYears("2025", knownYearA(), "2026", knownYearA()), {2026, 3, 4}, 0};
    layoutComparisonDocument(doc, settings, source, "chart.png");
    ASSERT_EQ(doc.pages().size(), 1u);
    const std::vector<std::string> texts = print::pageTexts(doc.pages()[0]);
    ASSERT_GE(texts.size(), 9u);
    EXPECT_EQ(texts[0], "Budget Comparison 2025 and 2026");
    EXPECT_EQ(texts[1], printedDateLine({2026, 3, 4}, false));
    EXPECT_EQ(texts[2], "Item");
    EXPECT_EQ(texts[7], "Rent");
    const auto& items = doc.pages()[0].items;
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const print::PageItem& item) {
        return std::holds_alternative<print::PictureItem>(item);
    }));

    // Fifty items at a large size run over pages, each with its headings; a chart only ever
    // follows the grid.
    BudgetYear full;
    for (int r = 0; r < kItemRows; ++r) {
        full.items[static_cast<std::size_t>(r)].name = "Item " + std::to_string(r);
        full.items[static_cast<std::size_t>(r)].amounts[0] = "1.00";
    }
    source.comparison = compareYears("2025", full, "2026", full);
    settings.fontSize = 24;
    layoutComparisonDocument(doc, settings, source, "chart.png");
    ASSERT_GT(doc.pages().size(), 1u);
    const std::vector<std::string> second = print::pageTexts(doc.pages()[1]);
    EXPECT_EQ(second[1], printedDateLine({2026, 3, 4}, true));
    EXPECT_EQ(second[2], "Item");
    for (const print::PageItem& item : doc.pages()[0].items) {
        EXPECT_FALSE(std::holds_alternative<print::PictureItem>(item));
    }
}

}  // namespace
}  // namespace coinwell::budget
