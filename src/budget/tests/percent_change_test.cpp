// Copy To Next Year with a change: the percentage answer, the exact decimal change of amounts
// and incomes with their limits, and the next year's file written from the saved one.

#include <gtest/gtest.h>

#include "budget/core/changed_year_copy.h"
#include "budget/core/percent_change.h"
#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::budget {
namespace {

PercentChange change(std::string_view answer) {
    const auto parsed = PercentChange::parse(answer);
    EXPECT_TRUE(parsed.has_value()) << answer;
    return parsed.value_or(*PercentChange::parse("0"));
}

TEST(PercentChangeAnswer, NumbersWithAnOptionalPercentSignDownToMinusHundred) {
    for (const char* good :
         {"3", "3%", " 3 % ", "-2.5", "+4", ".5", "0", "-100", "-100.00", "250"}) {
        EXPECT_TRUE(PercentChange::parse(good).has_value()) << good;
    }
    for (const char* bad :
         {"abc", "3%%", "%", "1e3", "2,5", "-100.01", "-101", "3 4", "--3", "."}) {
        EXPECT_FALSE(PercentChange::parse(bad).has_value()) << bad;
    }
}

TEST(PercentChangeAmounts, KnownAnswersOnTheExactDecimalProduct) {
    EXPECT_EQ(change("3").changedAmount("850.00"), "875.50");
    EXPECT_EQ(change("3").changedAmount(".50"), ".52");
    // 72.615 exactly: a binary double holds 72.6149... and would give 72.61.
    EXPECT_EQ(change("3").changedAmount("70.50"), "72.62");
    EXPECT_EQ(change("3%").changedAmount("70.50"), "72.62");
    EXPECT_EQ(change("-2.5").changedAmount("400.00"), "390.00");
    EXPECT_EQ(change("0.125").changedAmount("1.00"), "1.00");  // 1.00125
    EXPECT_EQ(change("-0.5").changedAmount("1.00"), "1.00");   // .995 rounds away from zero
    EXPECT_EQ(change("0").changedAmount("850"), "850.00");
}

TEST(PercentChangeAmounts, GridLimitsAndTextsThatAreNoNumbers) {
    EXPECT_EQ(change("10").changedAmount("9999.99"), "9999.99");
    EXPECT_EQ(change("1").changedAmount("9900.99"), "9999.99");  // 10000.00 or more
    EXPECT_EQ(change("-100").changedAmount("850.00"), "");       // at or below 0: empty
    EXPECT_EQ(change("-99.999").changedAmount(".50"), "");       // rounds to .00
    EXPECT_EQ(change("3").changedAmount("-20.00"), "");
    EXPECT_EQ(change("3").changedAmount("n/a"), "n/a");
    EXPECT_EQ(change("3").changedAmount(std::string(300, '9')), "9999.99");
}

TEST(PercentChangeIncome, KnownAnswerAndTheIncomeLimit) {
    EXPECT_EQ(change("3").changedIncome("2500.00"), "2575.00");
    EXPECT_EQ(change("10").changedIncome("99999.99"), "99999.99");
    EXPECT_EQ(change("10").changedIncome("20000.00"), "22000.00");  // above an amount's limit
    EXPECT_EQ(change("-100").changedIncome("2500.00"), "0.00");
    EXPECT_EQ(change("3").changedIncome("salary"), "salary");
}

TEST(PercentChangeYear, AmountsAndIncomesChangeNamesAndEmptyCellsStay) {
    BudgetYear year;
    year.items[0].name = "Rent ";
    year.items[0].amounts[0] = "850.00";
    year.items[4].name = "Gift";
    year.income[0] = "2500.00";
    const BudgetYear changed = change("3").changedYear(year);
    BudgetYear expected = year;
    expected.items[0].amounts[0] = "875.50";
    expected.income[0] = "2575.00";
    EXPECT_EQ(changed, expected);
}

TEST(CentsTexts, WrittenAsTheGridWritesAmounts) {
    EXPECT_EQ(centsText(3000000), "30000.00");
    EXPECT_EQ(centsText(50), ".50");
    EXPECT_EQ(centsText(0), ".00");
    EXPECT_EQ(centsText(-12550), "-125.50");
    EXPECT_EQ(signedCentsText(102000), "+1020.00");
    EXPECT_EQ(signedCentsText(-50), "-.50");
    EXPECT_EQ(signedCentsText(0), ".00");
    EXPECT_EQ(centsOf(" 1.005 "), 101);
    EXPECT_EQ(centsOf("abc"), std::nullopt);
}

class ChangedYearCopyTest : public ::testing::Test {
  protected:
    void TearDown() override { setSafeWriteFailureHook({}); }
    TemporaryProgramFolder folder;
};

TEST_F(ChangedYearCopyTest, NextYearHoldsTheSavedYearChanged) {
    BudgetYear saved;
    saved.items[0].name = "Rent";
    saved.items[0].amounts[0] = "70.50";
    saved.income[0] = "2500.00";
    ASSERT_TRUE(writeYearFile(folder.filePath("2012.Fil"), saved).ok());
    const YearFileResult result = copyYearFileWithChange(folder.filePath("2012.Fil"),
                                                         folder.filePath("2013.Fil"), change("3"));
    EXPECT_TRUE(result.ok());
    BudgetYear expected = saved;
    expected.items[0].amounts[0] = "72.62";
    expected.income[0] = "2575.00";
    EXPECT_EQ(folder.readBytes("2013.Fil"), *yearFileBytes(expected));
}

TEST_F(ChangedYearCopyTest, NothingSavedNothingCopiedAndAFailedWriteKeepsTheOldFile) {
    EXPECT_EQ(copyYearFileWithChange(folder.filePath("2012.Fil"), folder.filePath("2013.Fil"),
                                     change("3"))
                  .outcome,
              YearFileResult::Outcome::NothingToCopy);
    EXPECT_FALSE(folder.exists("2013.Fil"));

    ASSERT_TRUE(writeYearFile(folder.filePath("2012.Fil"), BudgetYear{}).ok());
    ASSERT_TRUE(folder.writeBytes("2013.Fil", "old"));
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Write; });
    const YearFileResult result = copyYearFileWithChange(folder.filePath("2012.Fil"),
                                                         folder.filePath("2013.Fil"), change("3"));
    EXPECT_EQ(result.outcome, YearFileResult::Outcome::Failed);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(folder.readBytes("2013.Fil"), "old");
}

}  // namespace
}  // namespace coinwell::budget
