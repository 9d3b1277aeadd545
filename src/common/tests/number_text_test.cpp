// Plain number texts and the integer conversions.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/core/locale_settings.h"
#include "common/core/number_text.h"

namespace coinwell {
namespace {

TEST(PlainNumberText, DoublesArePositionalBelowFifteenDigits) {
    EXPECT_EQ(plainNumberText(5.0), "5");
    EXPECT_EQ(plainNumberText(7.25), "7.25");
    EXPECT_EQ(plainNumberText(0.0001), "0.0001");
    EXPECT_EQ(plainNumberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(plainNumberText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(plainNumberText(100000000000000.0), "100000000000000");
    EXPECT_EQ(plainNumberText(999999999999999.0), "999999999999999");
    EXPECT_EQ(plainNumberText(999999999999999.4), "999999999999999");
    EXPECT_EQ(plainNumberText(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(plainNumberText(-1234.5), "-1234.5");
    EXPECT_EQ(plainNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(plainNumberText(123456.789), "123456.789");
    EXPECT_EQ(plainNumberText(0.00012345), "0.00012345");
}

TEST(PlainNumberText, DoublesAreScientificOutsideTheRange) {
    EXPECT_EQ(plainNumberText(1000000000000000.0), "1E+15");
    EXPECT_EQ(plainNumberText(0.00001), "1E-05");
    EXPECT_EQ(plainNumberText(1.5e20), "1.5E+20");
    EXPECT_EQ(plainNumberText(std::sin(M_PI)), "1.22464679914735E-16");
    EXPECT_EQ(plainNumberText(-2.5e-7), "-2.5E-07");
    EXPECT_EQ(plainNumberText(1e100), "1E+100");
    EXPECT_EQ(plainNumberText(std::numeric_limits<double>::max()), "1.79769313486232E+308");
    EXPECT_EQ(plainNumberText(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
    // Rounding to 15 digits can carry into the next power of ten.
    EXPECT_EQ(plainNumberText(999999999999999.9), "1E+15");
    EXPECT_EQ(plainNumberText(0.000099999999999999999), "0.0001");
    EXPECT_EQ(plainNumberText(1234567890123456.0), "1.23456789012346E+15");
}

TEST(PlainNumberText, ZeroAndValuesThatAreNotNumbers) {
    EXPECT_EQ(plainNumberText(0.0), "0");
    EXPECT_EQ(plainNumberText(-0.0), "0");
    EXPECT_EQ(plainNumberText(std::numeric_limits<double>::infinity()), "Infinity");
    EXPECT_EQ(plainNumberText(-std::numeric_limits<double>::infinity()), "-Infinity");
    EXPECT_EQ(plainNumberText(std::nan("")), "NaN");
}

TEST(PlainNumberText, SinglesUseSevenDigits) {
    EXPECT_EQ(plainNumberText(7.3f), "7.3");
    EXPECT_EQ(plainNumberText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(plainNumberText(1234567.0f), "1234567");
    EXPECT_EQ(plainNumberText(0.1f), "0.1");
    EXPECT_EQ(plainNumberText(1.0f / 3), "0.3333333");
    EXPECT_EQ(plainNumberText(0.00001f), "1E-05");
    EXPECT_EQ(plainNumberText(-0.5f), "-0.5");
}

TEST(PlainNumberText, Integers) {
    EXPECT_EQ(plainNumberText(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(plainNumberText(std::int16_t{7}), "7");
    EXPECT_EQ(plainNumberText(std::int32_t{2147483647}), "2147483647");
    EXPECT_EQ(plainNumberText(std::int32_t{-5}), "-5");
}

TEST(PlainNumberText, UsesTheLocaleDecimalSeparator) {
    LocaleSettings german;
    german.decimalSeparator = ",";
    setCurrentLocale(german);
    EXPECT_EQ(plainNumberText(7.25), "7,25");
    EXPECT_EQ(plainNumberText(1.5e20), "1,5E+20");
    EXPECT_EQ(plainNumberText(7.5f), "7,5");
    // The signed text always uses ".".
    EXPECT_EQ(signedNumberText(0.5), " 0.5");
    setCurrentLocale(LocaleSettings{});
}

TEST(SignedNumberText, BlankBeforeNonNegativeValues) {
    EXPECT_EQ(signedNumberText(5.0), " 5");
    EXPECT_EQ(signedNumberText(-5.0), "-5");
    EXPECT_EQ(signedNumberText(0.0), " 0");
    EXPECT_EQ(signedNumberText(-0.0), " 0");
    EXPECT_EQ(signedNumberText(0.5), " 0.5");
    EXPECT_EQ(signedNumberText(2.5f), " 2.5");
    EXPECT_EQ(signedNumberText(-12345678.0f), "-1.234568E+07");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven16(2.5), 2);
    EXPECT_EQ(roundHalfEven16(3.5), 4);
    EXPECT_EQ(roundHalfEven16(-2.5), -2);
    EXPECT_EQ(roundHalfEven16(-3.5), -4);
    EXPECT_EQ(roundHalfEven16(0.5), 0);
    EXPECT_EQ(roundHalfEven16(1.5), 2);
    EXPECT_EQ(roundHalfEven16(2.4999999999999996), 2);
    EXPECT_EQ(roundHalfEven16(2.6), 3);
    EXPECT_EQ(roundHalfEven16(-0.4), 0);
    EXPECT_EQ(roundHalfEven32(1e9 + 0.5), 1000000000);
    EXPECT_EQ(roundHalfEven32(-495.5), -496);
}

TEST(RoundHalfEven, FailsOutsideTheIntegerRange) {
    EXPECT_EQ(roundHalfEven16(32767.4), 32767);
    EXPECT_EQ(roundHalfEven16(32767.5), std::nullopt);
    EXPECT_EQ(roundHalfEven16(-32768.5), -32768);
    EXPECT_EQ(roundHalfEven16(-32769), std::nullopt);
    EXPECT_EQ(roundHalfEven32(2147483647.4), 2147483647);
    EXPECT_EQ(roundHalfEven32(2147483647.5), std::nullopt);
    EXPECT_EQ(roundHalfEven32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(roundHalfEven32(1e300), std::nullopt);
    EXPECT_EQ(roundHalfEven32(std::nan("")), std::nullopt);
    EXPECT_EQ(roundHalfEven32(-std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(IntegerParts, FloorAndTruncation) {
    EXPECT_EQ(integerPart(2.7), 2);
    EXPECT_EQ(integerPart(-2.5), -3);
    EXPECT_EQ(integerPart(-2.0), -2);
    EXPECT_EQ(truncateNumber(-2.5), -2);
    EXPECT_EQ(truncateNumber(2.7), 2);
}

}  // namespace
}  // namespace coinwell
