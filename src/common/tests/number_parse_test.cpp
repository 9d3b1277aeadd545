// The forgiving and the strict text-to-number readers.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/core/locale_settings.h"
#include "common/core/number_parse.h"

namespace coinwell {
namespace {

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStartAndStopsAtTheFirstMisfit) {
    EXPECT_EQ(parseLeadingNumber(" 12.5kg"), 12.5);
    EXPECT_EQ(parseLeadingNumber("12a4"), 12);
    EXPECT_EQ(parseLeadingNumber("1,000"), 1);
    EXPECT_EQ(parseLeadingNumber("$5"), 0);
    EXPECT_EQ(parseLeadingNumber(""), 0);
    EXPECT_EQ(parseLeadingNumber("."), 0);
    EXPECT_EQ(parseLeadingNumber("-"), 0);
    EXPECT_EQ(parseLeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(parseLeadingNumber("+7"), 7);
    EXPECT_EQ(parseLeadingNumber("--7"), 0);
    EXPECT_EQ(parseLeadingNumber("5."), 5);
}

TEST(ParseLeadingNumber, IgnoresBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(parseLeadingNumber("1 000"), 1000);
    EXPECT_EQ(parseLeadingNumber("1 2"), 12);
    EXPECT_EQ(parseLeadingNumber("\t- 1\n2 . 5"), -12.5);
    EXPECT_EQ(parseLeadingNumber("1 e 3"), 1000);
    // A carriage return is not one of them.
    EXPECT_EQ(parseLeadingNumber("1\r2"), 1);
}

TEST(ParseLeadingNumber, ReadsSignsFractionsAndExponents) {
    EXPECT_EQ(parseLeadingNumber("-.5"), -0.5);
    EXPECT_EQ(parseLeadingNumber("1e3"), 1000);
    EXPECT_EQ(parseLeadingNumber("1.5D+003"), 1500);
    EXPECT_EQ(parseLeadingNumber("2d-2"), 0.02);
    EXPECT_EQ(parseLeadingNumber("2E2"), 200);
    EXPECT_EQ(parseLeadingNumber("1e"), 1);
    EXPECT_EQ(parseLeadingNumber("1e+"), 1);
    EXPECT_EQ(parseLeadingNumber("1e3.5"), 1000);
    EXPECT_EQ(parseLeadingNumber("1.5Dx"), 1.5);
    EXPECT_EQ(parseLeadingNumber("e5"), 0);
    EXPECT_EQ(parseLeadingNumber("0.1"), 0.1);  // correctly rounded, not accumulated
    EXPECT_EQ(parseLeadingNumber("123456789012345678901234567890"), 1.2345678901234568e29);
}

TEST(ParseLeadingNumber, ReadsHexadecimalAndOctalIntegers) {
    EXPECT_EQ(parseLeadingNumber("&HFF"), 255);
    EXPECT_EQ(parseLeadingNumber("&hff0000"), 16711680);
    EXPECT_EQ(parseLeadingNumber(" &O17"), 15);
    EXPECT_EQ(parseLeadingNumber("&o18"), 1);
    EXPECT_EQ(parseLeadingNumber("&HFFFF"), 65535);
    EXPECT_EQ(parseLeadingNumber("&HZ"), 0);
    EXPECT_EQ(parseLeadingNumber("&"), 0);
    EXPECT_EQ(parseLeadingNumber("&X12"), 0);
}

TEST(ParseLeadingNumber, OverflowThrowsAndUnderflowGivesZero) {
    EXPECT_THROW(parseLeadingNumber("1e309"), NumberOverflow);
    EXPECT_THROW(parseLeadingNumber("-1e400"), NumberOverflow);
    EXPECT_THROW(parseLeadingNumber("1e99999999999999999999"), NumberOverflow);
    EXPECT_THROW(parseLeadingNumber("&H" + std::string(300, 'F')), NumberOverflow);
    EXPECT_EQ(parseLeadingNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(parseLeadingNumber("1e-400"), 0);
    EXPECT_EQ(parseLeadingNumber("0e999999"), 0);
    EXPECT_EQ(parseLeadingNumber("0.000001e-320"), 0);
    EXPECT_GT(parseLeadingNumber("5e-324"), 0);
    // A negative zero reads as plain zero.
    EXPECT_FALSE(std::signbit(parseLeadingNumber("-0")));
    try {
        parseLeadingNumber("9e999");
        FAIL();
    } catch (const std::overflow_error& e) {
        EXPECT_STREQ(e.what(), "Overflow");
    }
}

TEST(ParseLocaleNumber, ReadsUsNotation) {
    EXPECT_EQ(parseLocaleNumber("$1,234.50"), 1234.5);
    EXPECT_EQ(parseLocaleNumber("(12)"), -12);
    EXPECT_EQ(parseLocaleNumber("($1,000.00)"), -1000);
    EXPECT_EQ(parseLocaleNumber("  42  "), 42);
    EXPECT_EQ(parseLocaleNumber("-5"), -5);
    EXPECT_EQ(parseLocaleNumber("5-"), -5);
    EXPECT_EQ(parseLocaleNumber("+5"), 5);
    EXPECT_EQ(parseLocaleNumber("-$5"), -5);
    EXPECT_EQ(parseLocaleNumber("$-5"), -5);
    EXPECT_EQ(parseLocaleNumber("5$"), 5);
    EXPECT_EQ(parseLocaleNumber(".5"), 0.5);
    EXPECT_EQ(parseLocaleNumber("5."), 5);
    EXPECT_EQ(parseLocaleNumber("1e3"), 1000);
    EXPECT_EQ(parseLocaleNumber("1,234,567"), 1234567);
    EXPECT_EQ(parseLocaleNumber("1234,567.5"), 1234567.5);
    EXPECT_EQ(parseLocaleNumber("0.1"), 0.1);
}

TEST(ParseLocaleNumber, FailsOnAnythingElse) {
    for (const char* text : {"12a", "",    " ",     "$",    ".",     "-",    "()",   "1,,000",
                             ",5",  "1,",  "1.5,0", "--5",  "-5-",   "(-5)", "$$5",  "1 000",
                             "1e",  "1e+", "1e3x",  "&HFF", "1.2.3", "5 kg", "1e400"}) {
        EXPECT_FALSE(parseLocaleNumber(text).has_value()) << text;
    }
    EXPECT_EQ(parseLocaleNumber("1e-400"), 0.0);
}

class GermanNumberTextLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        LocaleSettings german;
        german.decimalSeparator = ",";
        german.groupSeparator = ".";
        german.currencySymbol = "\xE2\x82\xAC";  // euro sign
        setCurrentLocale(german);
    }
    void TearDown() override { setCurrentLocale(LocaleSettings{}); }
};

TEST_F(GermanNumberTextLocale, StrictReaderFollowsTheLocaleAndTheForgivingReaderDoesNot) {
    EXPECT_EQ(parseLocaleNumber("1.234,5"), 1234.5);
    EXPECT_EQ(parseLocaleNumber("1.234,50 \xE2\x82\xAC"), 1234.5);
    EXPECT_EQ(parseLocaleNumber("-12,5"), -12.5);
    EXPECT_EQ(parseLocaleNumber("\xE2\x88\x92"
                                "12,5"),
              -12.5);  // U+2212 minus sign
    EXPECT_FALSE(parseLocaleNumber("12.5").has_value());
    EXPECT_FALSE(parseLocaleNumber("$5").has_value());
    EXPECT_EQ(parseLeadingNumber("12,5"), 12);
    EXPECT_EQ(parseLeadingNumber("12.5"), 12.5);
}

TEST_F(GermanNumberTextLocale, BlankGroupSeparatorAcceptsPlainBlanks) {
    LocaleSettings french = currentLocale();
    french.groupSeparator = "\xC2\xA0";  // no-break space
    setCurrentLocale(french);
    EXPECT_EQ(parseLocaleNumber("1 234,5"), 1234.5);
    EXPECT_EQ(parseLocaleNumber("1\xC2\xA0"
                                "234,5"),
              1234.5);
}

}  // namespace
}  // namespace coinwell
