// Which year the screen shows: the list, today's year, a typed year, the next year.

#include <gtest/gtest.h>

#include "budget/core/year_choice.h"

namespace coinwell::budget {
namespace {

TEST(YearChoice, ListHoldsTheHundredYears) {
    const auto items = yearListItems();
    ASSERT_EQ(items.size(), 100u);
    EXPECT_EQ(items.front(), "1990");
    EXPECT_EQ(items[22], "2012");
    EXPECT_EQ(items.back(), "2089");
}

TEST(YearChoice, TodaysYearFromItsTwoDigits) {
    EXPECT_EQ(todaysBudgetYear({2026, 3, 5}), "2026");
    EXPECT_EQ(todaysBudgetYear({2012, 12, 31}), "2012");
    EXPECT_EQ(todaysBudgetYear({2000, 1, 1}), "2000");
    EXPECT_EQ(todaysBudgetYear({1995, 6, 1}), "1995");
    EXPECT_EQ(todaysBudgetYear({1990, 6, 1}), "1990");
    EXPECT_EQ(todaysBudgetYear({2089, 6, 1}), "2089");
    // 90 and above count as the 1900s.
    EXPECT_EQ(todaysBudgetYear({2090, 6, 1}), "1990");
}

TEST(YearChoice, WorkingYearIsTheLastFourCharacters) {
    EXPECT_EQ(workingYear("2012"), "2012");
    EXPECT_EQ(workingYear("Year 2012"), "2012");
    EXPECT_EQ(workingYear("12"), "12");
    EXPECT_EQ(workingYear("x€2012"), "2012");
    EXPECT_EQ(workingYear("20€12"), "0€12");
}

TEST(YearChoice, EnteredYearsAreHeldToTheList) {
    EXPECT_EQ(enteredYear("1985"), "1990");
    EXPECT_EQ(enteredYear("3000"), "2089");
    EXPECT_EQ(enteredYear("2012"), "2012");
    EXPECT_EQ(enteredYear("1990"), "1990");
    EXPECT_EQ(enteredYear("2089"), "2089");
    EXPECT_EQ(enteredYear(""), "1990");
    EXPECT_EQ(enteredYear("abc"), "1990");
    EXPECT_EQ(enteredYear("-2012"), "1990");
    EXPECT_EQ(enteredYear("1e999"), "2089");
    // A year in range is its whole number: no text after it ever reaches a file name.
    EXPECT_EQ(enteredYear("2012.7"), "2012");
    EXPECT_EQ(enteredYear("1999/../../etc"), "1999");
    EXPECT_EQ(enteredYear(" 2 0 1 5"), "2015");
}

TEST(YearChoice, CopyYearAndTheNextYear) {
    EXPECT_TRUE(copyYearAvailable("1990"));
    EXPECT_TRUE(copyYearAvailable("2089"));
    EXPECT_FALSE(copyYearAvailable("1989"));
    EXPECT_FALSE(copyYearAvailable("2090"));
    EXPECT_FALSE(copyYearAvailable("abcd"));
    EXPECT_EQ(nextYearText("2012"), "2013");
    EXPECT_EQ(nextYearText("2089"), "2090");
    EXPECT_EQ(yearNumber("2012"), 2012);
}

}  // namespace
}  // namespace coinwell::budget
