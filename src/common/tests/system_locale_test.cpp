// Regional settings taken from Qt's locales, and what the conversions make of them.

#include <gtest/gtest.h>

#include "common/core/format_number.h"
#include "common/core/locale_settings.h"
#include "common/core/number_parse.h"
#include "common/ui/system_locale.h"

namespace coinwell {
namespace {

class SystemLocale : public ::testing::Test {
  protected:
    void TearDown() override { setCurrentLocale(LocaleSettings{}); }
};

TEST_F(SystemLocale, UnitedStatesAndTheNeutralLocaleGiveTheReferenceSettings) {
    EXPECT_EQ(localeFrom(QLocale(QLocale::English, QLocale::UnitedStates)), LocaleSettings{});
    EXPECT_EQ(localeFrom(QLocale::c()), LocaleSettings{});
}

TEST_F(SystemLocale, Germany) {
    LocaleSettings german = localeFrom(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.decimalSeparator, ",");
    EXPECT_EQ(german.groupSeparator, ".");
    EXPECT_EQ(german.currencySymbol, "\xE2\x82\xAC");
    EXPECT_EQ(german.currencyDecimals, 2);
    EXPECT_EQ(german.dateOrder, DateOrder::DayMonthYear);
    EXPECT_EQ(german.dateSeparator, ".");
    EXPECT_EQ(german.timeSeparator, ":");
    EXPECT_EQ(german.monthNames[2], "M\xC3\xA4rz");
    EXPECT_EQ(german.dayNames[0], "Sonntag");
    setCurrentLocale(german);
    EXPECT_EQ(formatNumber(1234.5, "Currency"), "1.234,50\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(formatNumber(-3.0, "Currency"), "-3,00\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(parseLocaleNumber("1.234,50 \xE2\x82\xAC"), 1234.5);
    EXPECT_EQ(formatDate({2006, 9, 30}, "Short Date"), "30.09.2006");
    EXPECT_EQ(formatDate({2006, 9, 30}, "Long Date"), "Samstag, 30. September 2006");
    EXPECT_EQ(formatDate({2006, 9, 30, 15, 7, 9}, "Long Time"), "15:07:09");
    EXPECT_EQ(formatNumber(std::string_view("30.09.06"), "Long Date"),
              "Samstag, 30. September 2006");
}

TEST_F(SystemLocale, UnitedKingdomAndJapan) {
    LocaleSettings british = localeFrom(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(british.dateOrder, DateOrder::DayMonthYear);
    EXPECT_EQ(british.currencySymbol, "\xC2\xA3");
    setCurrentLocale(british);
    EXPECT_EQ(formatNumber(1234.5, "Currency"),
              "\xC2\xA3"
              "1,234.50");
    EXPECT_EQ(formatDate({2006, 9, 30}, "Short Date"), "30/09/2006");

    LocaleSettings japanese = localeFrom(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(japanese.dateOrder, DateOrder::YearMonthDay);
    EXPECT_EQ(japanese.currencyDecimals, 0);
    setCurrentLocale(japanese);
    EXPECT_EQ(formatDate({2006, 9, 30}, "Short Date"), "2006/09/30");
    EXPECT_EQ(formatNumber(std::string_view("06/9/30"), "Short Date"), "2006/09/30");
}

TEST_F(SystemLocale, EveryLocalePatternReads) {
    // Whatever Qt knows, the patterns taken from it must be readable and must show a date.
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        LocaleSettings settings = localeFrom(locale);
        setCurrentLocale(settings);
        SCOPED_TRACE(locale.name().toStdString());
        for (const char* pattern : {"Short Date", "Long Date", "Long Time", "General Date"}) {
            EXPECT_FALSE(formatDate({2006, 9, 30, 15, 7, 9}, pattern).empty()) << pattern;
        }
        EXPECT_NO_THROW(checkFormatPattern(settings.shortDatePattern));
        EXPECT_NO_THROW(checkFormatPattern(settings.longDatePattern));
        EXPECT_NO_THROW(checkFormatPattern(settings.longTimePattern));
        std::string money = formatNumber(-1234.5, "Currency");
        EXPECT_NE(money.find(settings.currencyNegativePrefix), std::string::npos);
    }
}

}  // namespace
}  // namespace coinwell
