// Number patterns: named patterns, the custom pattern language and the rejected patterns.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/core/format_number.h"
#include "common/core/locale_settings.h"

namespace coinwell {
namespace {

struct Case {
    double value;
    std::string pattern;
    std::string expected;
};

void expectAll(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected)
            << "value " << c.value << " pattern \"" << c.pattern << "\"";
    }
}

TEST(FormatNumber, PatternsTheProgramUses) {
    expectAll({
        {607.161, "Currency", "$607.16"},
        {19837398, "Currency", "$19,837,398.00"},
        {1234.5, "Currency", "$1,234.50"},
        {0, "Currency", "$0.00"},
        {-3, "Currency", "($3.00)"},
        {0.5, "Currency", "$0.50"},
        {1000, "currency", "$1,000.00"},
        {0.075, "Percent", "7.50%"},
        {0.28, "Percent", "28.00%"},
        {0.28, "percent", "28.00%"},
        {-0.075, "PERCENT", "-7.50%"},
        {1234.5, "Percent", "123450.00%"},
        {5, "0.0", "5.0"},
        {12.5, "0.0", "12.5"},
        {7.25, "0.00", "7.25"},
        {7, "0.00", "7.00"},
        {7, "000", "007"},
        {100, "000", "100"},
        {1234, "000", "1234"},
        {0.1234, "##0.00%", "12.34%"},
        {0, "##0.00%", "0.00%"},
        {1234567.6, "$##,###,###", "$1,234,568"},
        {0, "$##,###,###", "$"},
        {1234.5, "$###,###,###.00", "$1,234.50"},
        {0.5, "$###,###,###.00", "$.50"},
        {0, "$###,###,###.00", "$.00"},
        {1000000000, "$###,###,###.00", "$1,000,000,000.00"},
        {-1234.5, "$###,###,###.00", "-$1,234.50"},
        {12.5, "####.00", "12.50"},
        {0, "####.00", ".00"},
        {0.5, "####.00", ".50"},
        {123456.789, "####.00", "123456.79"},
        {12.5, "#####.00", "12.50"},
        {0, "#####.00", ".00"},
        {123456.789, "#####.00", "123456.79"},
        {12.5, "######.00 ", "12.50 "},
        {1.0 / 3, "", "0.333333333333333"},
        {-1e-5, "", "-1E-05"},
    });
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheFifteenDigitForm) {
    expectAll({
        {0.25, "0.0", "0.3"},
        {0.75, "0.0", "0.8"},
        {-0.25, "0.0", "-0.3"},
        {0.125, "0.00", "0.13"},
        {2.675, "0.00", "2.68"},  // 2.67499999999999982... in binary
        {1.005, "0.00", "1.01"},
        {1.0049999, "0.00", "1.00"},
        {0.5, "0", "1"},
        {1.5, "0", "2"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {9.995, "0.00", "10.00"},
        {99.96, "#.0", "100.0"},
        {0.045, "Percent", "4.50%"},
        {0.00005, "Percent", "0.01%"},
        {2.675, "Currency", "$2.68"},
        {-2.675, "Currency", "($2.68)"},
        {1e15, "0", "1000000000000000"},
        {999999999999999.5, "0", "1000000000000000"},
        {123456789012345.67, "0.00", "123456789012346.00"},
        {0.0000001, "0.00", "0.00"},
        {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"},
    });
}

TEST(FormatNumber, NegativeValuesThatRoundToZeroShowAsZero) {
    expectAll({
        {-0.001, "0.00", "0.00"},
        {-0.004, "Currency", "$0.00"},
        {-0.4, "0", "0"},
        {-0.001, "0.00;(0.00)", "0.00"},
        {-0.001, "0.00;(0.00);\\z\\e\\r\\o", "zero"},
        {-0.0, "0.00", "0.00"},
        {-0.0, "0;(0);\\z", "z"},
        {-0.0, "Currency", "$0.00"},
        {-0.006, "0.00", "-0.01"},
    });
}

TEST(FormatNumber, HugeValuesShowAllTheirDigits) {
    std::string dollars = "$1";
    for (int i = 0; i < 100; ++i) {
        dollars += ",000";
    }
    expectAll({
        {1e20, "#,##0", "100,000,000,000,000,000,000"},
        {-1e20, "#,##0", "-100,000,000,000,000,000,000"},
        {1.2345678901234567e20, "0", "123456789012346000000"},
        {1e300, "Currency", dollars + ".00"},
        {std::numeric_limits<double>::max(), "0", "17976931348623200" + std::string(292, '0')},
        {std::numeric_limits<double>::denorm_min(), "0.00", "0.00"},
    });
}

TEST(FormatNumber, DigitPlaceholdersAndLiteralsBetweenThem) {
    expectAll({
        {5551234567, "(000) 000-0000", "(555) 123-4567"},
        {5, "##-##", "-5"},
        {123, "0-0", "12-3"},
        {5, "#0#", "05"},
        {0, "#", ""},
        {0, "#.#", "."},
        {1, "0.##", "1."},
        {1.5, "0.##", "1.5"},
        {1.05, "0.#0", "1.05"},
        {1.5, "0.#0", "1.50"},
        {12.5, ".00", "12.50"},
        {0.5, ".00", ".50"},
        {12, "\\$.", "$12."},
        {42, "\\N\\o\\ne", "None"},  // no placeholders: the value is not shown
        {-42, "\\N\\o\\ne", "None"},
        {1.25, "0.0.0", "1.2.5"},  // a second point is text
    });
}

TEST(FormatNumber, CommasGroupOrScale) {
    expectAll({
        {1234567, "#,##0", "1,234,567"},
        {0, "#,##0", "0"},
        {0, "#,###", ""},
        {5, "00,000", "00,005"},
        {1234567, "#,0", "1,234,567"},
        {1234567, ",0", "1234567"},  // a comma before every placeholder means nothing
        {1234567, "#,##0,", "1,235"},
        {1234567890, "#,##0,,", "1,235"},
        {1234567, "0,.0", "1234.6"},
        {1234567, "0.0,,", "1.2"},
        {1234567, "0.0,0", "1234567.00"},
        {1234567, "0, k", "1235 k"},
        {1234567, "#,##0,\\K", "1,235K"},
        {999, "0,", "1"},
        {499, "0,", "0"},
        {1e300, "0" + std::string(300, ','), "0"},
    });
}

TEST(FormatNumber, PercentMultipliesByAHundredEachTime) {
    expectAll({
        {0.5, "0%", "50%"},
        {0.5, "0%%", "5000%%"},
        {-0.1234, "0.0%", "-12.3%"},
        {0.5, "%0", "%50"},
        {1234567, "0,%", "123457%"},
    });
}

TEST(FormatNumber, ScientificNotation) {
    expectAll({
        {12345, "0.00E+00", "1.23E+04"},
        {0.00012345, "0.00E+00", "1.23E-04"},
        {0, "0.00E+00", "0.00E+00"},
        {-12345, "0.00E+00", "-1.23E+04"},
        {12345, "0.00E-00", "1.23E04"},
        {0.00012345, "0.00E-00", "1.23E-04"},
        {12345, "0.00e+00", "1.23e+04"},
        {9.999, "0.00E+00", "1.00E+01"},
        {1e300, "0E+0", "1E+300"},
        {1e-300, "0E+0", "1E-300"},
        {12000, "0.###E+00", "1.2E+04"},
        {5, "0E+#", "5E+0"},
        {12345, "##0.0E+0", "123.5E+2"},
        {12345, "#,##0.0E+0", "1,234.5E+1"},
        {12345, ".00E+00", ".12E+05"},
        {12345, "0.00E+00 \\u", "1.23E+04 u"},
        {1234.5, "Scientific", "1.23E+03"},
        {0.05, "0%E+0", "5%E+0"},
    });
}

TEST(FormatNumber, SectionsBySign) {
    expectAll({
        {5, "0.00;(0.00)", "5.00"},
        {-5, "0.00;(0.00)", "(5.00)"},
        {0, "0.00;(0.00)", "0.00"},
        {0, "0;(0);\\Z\\e\\r\\o", "Zero"},
        {-5, "0.00;;\\z", "-5.00"},  // an empty negative section: the first, with a sign
        {0, "0.00;(0);", "0.00"},    // an empty zero section: the first
        {5, ";(0)", "5"},            // an empty first section: the plain number
        {-5, ";(0)", "(5)"},
        {5, "+0;-0", "+5"},
        {-5, "+0;-0", "-5"},
        {-5, "\\P\\o\\s", "Pos"},  // no placeholders: no sign either
        {-5, "0;\\N\\e\\g", "Neg"},
        {-0.3, "0;\\N\\e\\g", "Neg"},
        {-0.001, ";(0.00)", "0"},
        {5, "0;(0);\\z;\\n\\u\\l\\l", "5"},  // the fourth section is for a null value
        {-5, "0;(0);\\z;\\n\\u\\l\\l", "(5)"},
        {0, "0;(0);\\z;\\n\\u\\l\\l", "z"},
    });
}

TEST(FormatNumber, QuotedAndEscapedText) {
    expectAll({
        {5, "0 \\k\\g", "5 kg"},
        {5, "0 \"units\"", "5 units"},
        {5, "\"a;b\"0", "a;b5"},
        {5, "\"0.00#,%E+\"0", "0.00#,%E+5"},
        {5, "0\"\"", "5"},
        {1234, "\\#0", "#1234"},
        {5, "0\\,000", "0,005"},  // an escaped comma is text between placeholders
        {5, "0 \\U\\S\\D", "5 USD"},
        {5, "0 kg", "5 kg"},
        {5, "$0", "$5"},
        {5, "0 E", "5 E"},
        {5, "<0>!", "<5>!"},
        {5, "0 \\\xC3\xA9", "5 \xC3\xA9"},  // an escaped character of several bytes
        {5, "0 \xE2\x82\xAC", "5 \xE2\x82\xAC"},
    });
}

TEST(FormatNumber, FurtherNamedPatterns) {
    expectAll({
        {1234.5, "General Number", "1234.5"},
        {1234.567, "Fixed", "1234.57"},
        {0.5, "fixed", "0.50"},
        {-0.5, "Fixed", "-0.50"},
        {1234.567, "Standard", "1,234.57"},
        {-1234.5, "Standard", "-1,234.50"},
        {0, "Yes/No", "No"},
        {2, "Yes/No", "Yes"},
        {-1, "TRUE/FALSE", "True"},
        {0, "True/False", "False"},
        {0, "on/off", "Off"},
        {0.1, "On/Off", "On"},
    });
}

TEST(FormatNumber, ValuesThatAreNotNumbersShowAsPlainText) {
    const double infinity = std::numeric_limits<double>::infinity();
    expectAll({
        {infinity, "0.00", "Infinity"},
        {-infinity, "Currency", "-Infinity"},
        {std::nan(""), "#,##0", "NaN"},
        {std::nan(""), "Short Date", "NaN"},
        {std::nan(""), "Yes/No", "NaN"},
        {infinity, "0;(0);\\z", "Infinity"},
    });
}

TEST(FormatNumber, UnreadablePatternsAreRejected) {
    for (const char* pattern : {"\"abc", "0\\", "0.00\"", "0;0;0;0;0", "0E+", "0.00E+ \\u",
                                "0E+0E+0", "0E+00 0", "0E-#.0", ";;;;"}) {
        EXPECT_THROW(formatNumber(1.0, pattern), BadFormatPattern) << pattern;
        EXPECT_THROW(checkFormatPattern(pattern), BadFormatPattern) << pattern;
        EXPECT_THROW(formatNumber(std::string_view("abc"), pattern), BadFormatPattern) << pattern;
    }
    EXPECT_THROW(formatNumber(std::nan(""), "\"abc"), BadFormatPattern);
    // A rejected pattern stays rejected when asked again.
    EXPECT_THROW(formatNumber(1.0, "\"abc"), BadFormatPattern);
    EXPECT_NO_THROW(checkFormatPattern("0;0;0;0"));
    EXPECT_NO_THROW(checkFormatPattern("Currency"));
    EXPECT_NO_THROW(checkFormatPattern(""));
    // A date section reads E+ as text.
    EXPECT_EQ(formatNumber(38990.0, "dd E+"), "30 E+");
}

TEST(FormatNumber, LongPatternsAndManyPatternsInTurn) {
    EXPECT_EQ(formatNumber(0.5, "0." + std::string(400, '0')), "0.5" + std::string(399, '0'));
    EXPECT_EQ(formatNumber(5.0, std::string(300, '0')), std::string(299, '0') + "5");
    // More patterns in turn than are kept read at once, each still right.
    const char* expected[] = {"3.",         "3.1",         "3.14",         "3.142",
                              "3.1416",     "3.14159",     "3.141593",     "3.1415927",
                              "3.14159265", "3.141592654", "3.1415926536", "3.14159265359"};
    for (int round = 0; round < 3; ++round) {
        for (int decimals = 0; decimals < 12; ++decimals) {
            std::string pattern = "0." + std::string(decimals, '0');
            EXPECT_EQ(formatNumber(3.14159265359, pattern), expected[decimals]) << pattern;
        }
    }
}

TEST(FormatNumberText, TextIsReadInTheLocaleNotation) {
    EXPECT_EQ(formatNumber(std::string_view("$1,234.50"), "0.00"), "1234.50");
    EXPECT_EQ(formatNumber(std::string_view("(12)"), "0"), "-12");
    EXPECT_EQ(formatNumber(std::string_view("1234.5"), ""), "1234.5");
    EXPECT_EQ(formatNumber(std::string_view(" 0.075 "), "Percent"), "7.50%");
    // Text that does not read comes back unchanged.
    EXPECT_EQ(formatNumber(std::string_view("abc"), "0.00"), "abc");
    EXPECT_EQ(formatNumber(std::string_view("12a"), "Currency"), "12a");
    EXPECT_EQ(formatNumber(std::string_view(""), "Currency"), "");
}

class GermanFormatLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        LocaleSettings german;
        german.decimalSeparator = ",";
        german.groupSeparator = ".";
        german.currencySymbol = "\xE2\x82\xAC";
        german.currencyPositivePrefix = "";
        german.currencyPositiveSuffix = " \xE2\x82\xAC";
        german.currencyNegativePrefix = "-";
        german.currencyNegativeSuffix = " \xE2\x82\xAC";
        setCurrentLocale(german);
    }
    void TearDown() override { setCurrentLocale(LocaleSettings{}); }
};

TEST_F(GermanFormatLocale, SeparatorsAndCurrencyComeFromTheLocale) {
    expectAll({
        {1234.5, "Currency", "1.234,50 \xE2\x82\xAC"},
        {-3, "Currency", "-3,00 \xE2\x82\xAC"},
        {1234.5, "#,##0.00", "1.234,50"},
        {0.075, "Percent", "7,50%"},
        {1234.5, "", "1234,5"},
        {12345, "0.00E+00", "1,23E+04"},
        {1234567, "#,##0,", "1.235"},
    });
    EXPECT_EQ(formatNumber(std::string_view("1.234,5"), "0.0"), "1234,5");
    EXPECT_EQ(formatNumber(std::string_view("1,234.5"), "0.0"), "1,234.5");
}

TEST(LocaleCurrency, NoDecimals) {
    LocaleSettings yen;
    yen.currencyDecimals = 0;
    yen.currencyPositivePrefix = "\xC2\xA5";
    yen.currencyNegativePrefix = "-\xC2\xA5";
    yen.currencyNegativeSuffix = "";
    setCurrentLocale(yen);
    EXPECT_EQ(formatNumber(1234.5, "Currency"),
              "\xC2\xA5"
              "1,235");
    EXPECT_EQ(formatNumber(-0.4, "Currency"),
              "\xC2\xA5"
              "0");
    EXPECT_EQ(formatNumber(-0.5, "Currency"),
              "-\xC2\xA5"
              "1");
    setCurrentLocale(LocaleSettings{});
}

}  // namespace
}  // namespace coinwell
