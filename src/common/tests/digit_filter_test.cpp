#include "common/core/digit_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace coinwell {
namespace {

TEST(DigitFilter, KeepsWholeNumbersAndDropsAnythingElseTypedLast) {
    EXPECT_EQ(digitFilter("").text, "");
    EXPECT_FALSE(digitFilter("").changed);
    EXPECT_EQ(digitFilter("7").text, "7");
    EXPECT_EQ(digitFilter("12a").text, "12");
    EXPECT_TRUE(digitFilter("12a").changed);
    EXPECT_EQ(digitFilter("a").text, "");
    EXPECT_TRUE(digitFilter("a").changed);
    EXPECT_EQ(digitFilter("-").text, "");
    EXPECT_EQ(digitFilter("15.").text, "15");
    // Only the last character is examined: a pasted 1.5 ends with a digit and stays.
    EXPECT_EQ(digitFilter("1.5").text, "1.5");
    EXPECT_FALSE(digitFilter("1.5").changed);
    EXPECT_EQ(readBoxNumber("1.5"), 1.5);
}

TEST(DigitFilter, ABoxThatTakesMoreCharactersKeepsThemLast) {
    EXPECT_FALSE(digitFilter("7.", "./0123456789").changed);
    EXPECT_FALSE(digitFilter("/", "./0123456789").changed);
    EXPECT_EQ(digitFilter("7,", "./0123456789").text, "7");
    EXPECT_EQ(digitFilter("-", "./0123456789").text, "");
    EXPECT_EQ(digitFilter("7.", kDigits).text, "7");
}

TEST(DigitFilter, NumberBeyondTheDoubleRangeIsNotReadable) {
    EXPECT_EQ(readBoxNumber(""), 0.0);
    EXPECT_EQ(readBoxNumber("250000"), 250000.0);
    EXPECT_FALSE(readBoxNumber(std::string(400, '9')).has_value());
}

}  // namespace
}  // namespace coinwell
