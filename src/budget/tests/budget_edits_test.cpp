// The entry rules: the Input Box, committed amounts and their messages, the Total Income, Copy
// To Right, inserting, deleting and sorting item rows.

#include <gtest/gtest.h>

#include "budget/core/budget_edits.h"
#include "budget/core/budget_texts.h"

namespace coinwell::budget {
namespace {

BudgetItem item(std::string name, std::array<std::string, 12> amounts = {}) {
    return {std::move(name), std::move(amounts)};
}

std::vector<std::string> names(const BudgetYear& year, int count) {
    std::vector<std::string> out;
    for (int r = 0; r < count; ++r) {
        out.push_back(year.items[static_cast<std::size_t>(r)].name);
    }
    return out;
}

TEST(InputBox, CommasNeverStay) {
    EXPECT_EQ(cutAtComma("1250").text, "1250");
    EXPECT_FALSE(cutAtComma("1250").changed);
    EXPECT_EQ(cutAtComma("12,50").text, "12");
    EXPECT_EQ(cutAtComma(",50").text, "");
    EXPECT_TRUE(cutAtComma(",50").changed);

    // 1,250 typed key by key: each comma goes the moment it is typed.
    std::string box;
    for (const char key : std::string("1,250")) {
        const InputBoxChange change = inputBoxChange(box + key, 2);
        box = change.boxText;
    }
    EXPECT_EQ(box, "1250");
    EXPECT_EQ(inputBoxChange(box, 2).cellText, "1250.00");

    // 12,50 pasted in one piece.
    const InputBoxChange pasted = inputBoxChange("12,50", 2);
    EXPECT_EQ(pasted.boxText, "12");
    EXPECT_TRUE(pasted.boxChanged);
    EXPECT_EQ(pasted.cellText, "12.00");
}

TEST(InputBox, MonthAmountsAreCappedAndFormatted) {
    const InputBoxChange big = inputBoxChange("10000", 5);
    EXPECT_EQ(big.boxText, "9999.99");
    EXPECT_TRUE(big.beep);
    EXPECT_EQ(big.cellText, "9999.99");
    EXPECT_FALSE(inputBoxChange("9999", 5).beep);
    EXPECT_EQ(inputBoxChange("0.5", 13).cellText, ".50");
    EXPECT_EQ(inputBoxChange("", 2).cellText, "");
    // Text that is not a number is stored as it is.
    EXPECT_EQ(inputBoxChange("abc", 2).cellText, "abc");
    EXPECT_EQ(inputBoxChange("-", 2).cellText, "-");
}

TEST(InputBox, ItemNamesAreTakenAsTyped) {
    const InputBoxChange name = inputBoxChange("10000 Maniacs", 1);
    EXPECT_EQ(name.cellText, "10000 Maniacs");
    EXPECT_FALSE(name.beep);
    EXPECT_EQ(inputBoxChange("Rent, flat", 1).cellText, "Rent");
}

TEST(CommittedAmounts, LimitsAndMessages) {
    EXPECT_EQ(commitMonthAmount("850").cellText, "850.00");
    EXPECT_FALSE(commitMonthAmount("850").message);
    EXPECT_EQ(commitMonthAmount("0.5").cellText, ".50");
    EXPECT_EQ(commitMonthAmount("9999.99").cellText, "9999.99");

    for (const char* refused : {"", "0", "-20", "abc", ".00"}) {
        const CommittedAmount result = commitMonthAmount(refused);
        EXPECT_EQ(result.cellText, "") << refused;
        ASSERT_TRUE(result.message) << refused;
        EXPECT_EQ(*result.message,
                  (MessageRequest{"Cell entries must be numbers only!", "Invalid Cell Entry",
                                  MessageIcon::Information, MessageButtons::Ok, Answer::Ok}));
    }
    for (const char* capped : {"10000", "1e9", "1e999"}) {
        const CommittedAmount result = commitMonthAmount(capped);
        EXPECT_EQ(result.cellText, "9999.99") << capped;
        ASSERT_TRUE(result.message);
        EXPECT_EQ(result.message->text, "Cell entries are limited to 9,999.99!");
        EXPECT_EQ(result.message->title, "Invalid Cell Entry");
    }
}

TEST(TotalIncome, EntryLimitAndCopyToTheRight) {
    EXPECT_FALSE(enterIncome("").has_value());
    const auto march = enterIncome("100000");
    ASSERT_TRUE(march);
    EXPECT_EQ(march->caption, "99999.99");
    ASSERT_TRUE(march->message);
    EXPECT_EQ(*march->message,
              (MessageRequest{"Due to printer size requirements needed to print this budget, the "
                              "Total Income Amount Cannot exceed 99999.99",
                              "Maximum Allowed Entry Exceeded", MessageIcon::Information,
                              MessageButtons::Ok, Answer::Ok}));
    EXPECT_EQ(enterIncome("99999.99")->caption, "99999.99");
    EXPECT_FALSE(enterIncome("99999.99")->message);
    EXPECT_EQ(enterIncome("2500")->caption, "2500.00");
    EXPECT_EQ(enterIncome("0.5")->caption, ".50");

    BudgetYear year;
    year.income[1] = "100.00";
    year.income[2] = "99999.99";
    copyIncomeRight(year, 2);
    EXPECT_EQ(year.income[1], "100.00");
    for (int m = 2; m < 12; ++m) {
        EXPECT_EQ(year.income[static_cast<std::size_t>(m)], "99999.99");
    }
}

TEST(CopyToRight, FromJuneFillsJulyToDecemberOnly) {
    BudgetYear year;
    year.items[3] = item("Water", {"1.00", "2.00", "3.00", "4.00", "5.00", "60.00", "7.00", "8.00",
                                   "", "", "", "12.00"});
    year.items[4].amounts[6] = "other row";
    copyRight(year, 4, 7);  // June is column 7
    EXPECT_EQ(year.items[3].amounts,
              (std::array<std::string, 12>{"1.00", "2.00", "3.00", "4.00", "5.00", "60.00", "60.00",
                                           "60.00", "60.00", "60.00", "60.00", "60.00"}));
    EXPECT_EQ(year.items[4].amounts[6], "other row");
    EXPECT_FALSE(canCopyRight(1));
    EXPECT_FALSE(canCopyRight(13));
    EXPECT_TRUE(canCopyRight(2));
    EXPECT_TRUE(canCopyRight(12));
    const BudgetYear before = year;
    copyRight(year, 4, 13);
    copyRight(year, 4, 1);
    EXPECT_EQ(year, before);
}

TEST(Rows, InsertingDropsRowFifty) {
    BudgetYear year;
    for (int r = 0; r < 50; ++r) {
        year.items[static_cast<std::size_t>(r)].name = "Item " + std::to_string(r + 1);
    }
    insertItemRow(year, 3);
    EXPECT_EQ(names(year, 5),
              (std::vector<std::string>{"Item 1", "Item 2", "", "Item 3", "Item 4"}));
    EXPECT_EQ(year.items[49].name, "Item 49");  // Item 50 is gone
}

TEST(Rows, DeletingRowThreeMovesTheRestUp) {
    BudgetYear year;
    for (int r = 0; r < 50; ++r) {
        year.items[static_cast<std::size_t>(r)] = item("Item " + std::to_string(r + 1));
        year.items[static_cast<std::size_t>(r)].amounts[0] = std::to_string(r + 1) + ".00";
    }
    deleteItemRow(year, 3);
    EXPECT_EQ(names(year, 4), (std::vector<std::string>{"Item 1", "Item 2", "Item 4", "Item 5"}));
    EXPECT_EQ(year.items[2].amounts[0], "4.00");
    EXPECT_EQ(year.items[48].name, "Item 50");
    EXPECT_EQ(year.items[49], BudgetItem{});
}

TEST(Sorting, AscendingByItemTakesTheEmptyRowsOffTheTop) {
    BudgetYear year;
    year.items[0] = item("rent");
    year.items[2] = item("", {"12.00"});  // amounts without a name are not an item
    year.items[5] = item("Car");
    year.items[7] = item("   ");
    year.items[9] = item("bank");
    sortItemRows(year, 1, true);
    EXPECT_EQ(names(year, 4), (std::vector<std::string>{"bank", "Car", "rent", ""}));
    for (int r = 3; r < 50; ++r) {
        EXPECT_EQ(year.items[static_cast<std::size_t>(r)], BudgetItem{});
    }
}

TEST(Sorting, AscendingByAMonthRemovesEveryNamelessRow) {
    BudgetYear year;
    year.items[0] = item("Rent", {"850.00"});
    year.items[1] = item("Food", {"1250.00"});
    year.items[2] = item("", {"5.00"});
    year.items[3] = item("Gift");
    year.items[4] = item("Fuel", {".50"});
    sortItemRows(year, 2, true);
    // Numbers compare as numbers (1250 after 850); empty amounts come first.
    EXPECT_EQ(names(year, 5), (std::vector<std::string>{"Gift", "Fuel", "Rent", "Food", ""}));
    EXPECT_EQ(year.items[4], BudgetItem{});
}

TEST(Sorting, DescendingKeepsEveryRow) {
    BudgetYear year;
    year.items[0] = item("b");
    year.items[1] = item("", {"5.00"});
    year.items[2] = item("A");
    year.items[3] = item("c");
    sortItemRows(year, 1, false);
    EXPECT_EQ(names(year, 3), (std::vector<std::string>{"c", "b", "A"}));
    // The nameless row with an amount stays, among the empty rows, before the later ones.
    EXPECT_EQ(year.items[3].amounts[0], "5.00");
}

TEST(Names, ExportNeedsANameInTheFirstTwentyRows) {
    BudgetYear year;
    EXPECT_FALSE(hasNameInFirstRows(year));
    year.items[20].name = "Row 21";
    year.items[3].name = "  ";
    EXPECT_FALSE(hasNameInFirstRows(year));
    year.items[19].name = "Row 20";
    EXPECT_TRUE(hasNameInFirstRows(year));
}

TEST(Texts, LocationAndScrollTips) {
    EXPECT_EQ(locationText(2, 5), "C2R5");
    EXPECT_EQ(scrollTipText(7, "Rent"), " Row 7: Rent ");
    EXPECT_EQ(scrollTipText(12, ""), " Row 12:  ");
}

}  // namespace
}  // namespace coinwell::budget
