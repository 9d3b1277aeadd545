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

// A pasted text settles where the one-character steps would take it, at once.
TEST(DigitFilter, APastedTextSettlesInOneStep) {
    EXPECT_EQ(settledBoxText("1234").text, "1234");
    EXPECT_FALSE(settledBoxText("1234").changed);
    // Only the end is checked: letters inside stay, those at the end go.
    EXPECT_EQ(settledBoxText("12ab34cd").text, "12ab34");
    EXPECT_TRUE(settledBoxText("12ab34cd").changed);
    EXPECT_EQ(settledBoxText("12" + std::string(32765, 'x')).text, "12");
    EXPECT_EQ(settledBoxText("abc").text, "");
    // A number too large loses digits from its end until it reads.
    const std::string digits(32767, '9');
    const FilteredText settled = settledBoxText(digits);
    EXPECT_TRUE(settled.changed);
    EXPECT_EQ(settled.text, std::string(308, '9'));
    EXPECT_TRUE(readBoxNumber(settled.text));
    EXPECT_EQ(settledBoxText("1e400").text, "1e40");
    EXPECT_EQ(settledBoxText("2.5e4000", "./0123456789").text, "2.5e40");
}

// What a numeric box shows after a paste is what it reads: several characters arriving at once
// that the box's reader cannot read whole become the number they show.
TEST(DigitFilter, APasteTheBoxCannotReadBecomesTheNumberItShows) {
    EXPECT_EQ(pastedNumberText("", "$1,250.75 per month"), "1250");
    EXPECT_EQ(pastedNumberText("", "$1,250.75 per month", "./0123456789"), "1250.75");
    EXPECT_EQ(pastedNumberText("", "1.2.3", "./0123456789"), "1.2");
    EXPECT_EQ(pastedNumberText("", "7.5%", "./0123456789"), "7.5");
    EXPECT_EQ(pastedNumberText("", "(500)"), "");
    // Into text already there, the whole box is read again.
    EXPECT_EQ(pastedNumberText("12", "12$3"), "123");
    // A paste the reader takes whole, and a keystroke, are left to the keystroke rules.
    for (const char* whole : {"250000", "1.5", "-5", "9e9", " 12 345 ", "&H1F", "2.5D+3"}) {
        EXPECT_EQ(pastedNumberText("", whole), std::nullopt) << whole;
    }
    EXPECT_EQ(pastedNumberText("12", "12x"), std::nullopt);
    EXPECT_EQ(pastedNumberText("12", "1x2"), std::nullopt);
    EXPECT_EQ(pastedNumberText("1234", "1x4"), std::nullopt);
}

}  // namespace
}  // namespace coinwell
