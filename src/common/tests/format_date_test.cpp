// Date and time patterns, serial day numbers and dates typed as text.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "common/core/date_time.h"
#include "common/core/format_number.h"
#include "common/core/locale_settings.h"

namespace coinwell {
namespace {

const DateTime kSaturday{2006, 9, 30, 15, 7, 9};
const DateTime kSaturdayMidnight{2006, 9, 30};

TEST(FormatDate, PatternsTheProgramUses) {
    EXPECT_EQ(formatDate(kSaturdayMidnight, "Short Date"), "9/30/2006");
    EXPECT_EQ(formatDate(kSaturdayMidnight, "Long Date"), "Saturday, September 30, 2006");
    EXPECT_EQ(formatDate(kSaturdayMidnight, "d mmmm yyyy"), "30 September 2006");
    EXPECT_EQ(formatDate(kSaturdayMidnight, "mmmm d, yyyy"), "September 30, 2006");
    EXPECT_EQ(formatDate(kSaturdayMidnight, "mm/dd/yyyy"), "09/30/2006");
    EXPECT_EQ(formatDate({2006, 9, 30, 15, 7}, "h:nn AM/PM"), "3:07 PM");
    EXPECT_EQ(formatDate({2006, 9, 30, 0, 5}, "h:nn AM/PM"), "12:05 AM");
    EXPECT_EQ(formatDate({2006, 9, 30, 12, 0}, "h:nn AM/PM"), "12:00 PM");
    EXPECT_EQ(formatDate({2006, 9, 30, 11, 59}, "h:nn AM/PM"), "11:59 AM");
    EXPECT_EQ(formatDate(kSaturdayMidnight, "short date"), "9/30/2006");
    EXPECT_EQ(formatDate(kSaturdayMidnight, "LONG DATE"), "Saturday, September 30, 2006");
}

TEST(FormatDate, Placeholders) {
    EXPECT_EQ(formatDate({2006, 1, 5, 9, 4, 3}, "d dd ddd dddd"), "5 05 Thu Thursday");
    EXPECT_EQ(formatDate({2006, 1, 5, 9, 4, 3}, "m mm mmm mmmm mmmmm"), "1 01 Jan January January");
    EXPECT_EQ(formatDate({2006, 1, 5, 9, 4, 3}, "yy yyyy y"), "06 2006 5");
    EXPECT_EQ(formatDate(kSaturday, "y"), "273");
    EXPECT_EQ(formatDate({2005, 1, 5}, "yy"), "05");
    EXPECT_EQ(formatDate({2006, 1, 5, 9, 4, 3}, "h hh n nn s ss"), "9 09 4 04 3 03");
    EXPECT_EQ(formatDate({2006, 1, 5, 21, 4, 3}, "hh:nn:ss"), "21:04:03");
    EXPECT_EQ(formatDate(kSaturday, "ddddd"), "9/30/2006");
    EXPECT_EQ(formatDate(kSaturday, "dddddd"), "Saturday, September 30, 2006");
    EXPECT_EQ(formatDate(kSaturday, "DD/MM/YYYY"), "30/09/2006");
    EXPECT_EQ(formatDate(kSaturday, "\"Day\" d"), "Day 30");
    EXPECT_EQ(formatDate(kSaturday, "0 #.d, %"), "0 #.30, %");
    EXPECT_EQ(formatDate(kSaturday, "d-m"), "30-9");
}

TEST(FormatDate, MAfterAnHourOrBeforeSecondsIsMinutes) {
    EXPECT_EQ(formatDate(kSaturday, "h:m"), "15:7");
    EXPECT_EQ(formatDate(kSaturday, "hh:mm:ss"), "15:07:09");
    EXPECT_EQ(formatDate(kSaturday, "mm:ss"), "07:09");
    EXPECT_EQ(formatDate(kSaturday, "m/d/yy h:mm"), "9/30/06 15:07");
    EXPECT_EQ(formatDate(kSaturday, "hh \"at\" mm"), "15 at 07");
    EXPECT_EQ(formatDate(kSaturday, "mmm h:mm"), "Sep 15:07");
    EXPECT_EQ(formatDate(kSaturday, "h mmm"), "15 Sep");  // a month name stays a month
    EXPECT_EQ(formatDate(kSaturday, "m"), "9");
    EXPECT_EQ(formatDate(kSaturday, "h d m"), "15 30 9");  // a day between: a month again
}

TEST(FormatDate, MorningAndAfternoonMarkers) {
    EXPECT_EQ(formatDate(kSaturday, "h am/pm"), "3 pm");
    EXPECT_EQ(formatDate(kSaturday, "h A/P"), "3 P");
    EXPECT_EQ(formatDate(kSaturday, "h a/p"), "3 p");
    EXPECT_EQ(formatDate(kSaturday, "hh AMPM"), "03 PM");
    EXPECT_EQ(formatDate({2006, 9, 30, 0, 0}, "hh AM/PM"), "12 AM");
    EXPECT_EQ(formatDate({2006, 9, 30, 0, 0}, "hh"), "00");
}

TEST(FormatDate, FurtherNamedPatterns) {
    EXPECT_EQ(formatDate(kSaturday, "General Date"), "9/30/2006 3:07:09 PM");
    EXPECT_EQ(formatDate(kSaturday, ""), "9/30/2006 3:07:09 PM");
    EXPECT_EQ(formatDate(kSaturdayMidnight, ""), "9/30/2006");
    EXPECT_EQ(formatDate(DateTime{1899, 12, 30, 10, 30}, ""), "10:30:00 AM");
    EXPECT_EQ(formatDate(kSaturday, "Medium Date"), "30-Sep-06");
    EXPECT_EQ(formatDate(kSaturday, "Long Time"), "3:07:09 PM");
    EXPECT_EQ(formatDate(kSaturday, "Medium Time"), "03:07 PM");
    EXPECT_EQ(formatDate(kSaturday, "Short Time"), "15:07");
    EXPECT_EQ(formatNumber(0.0, "General Date"), "12:00:00 AM");
}

TEST(FormatDate, NumbersShowAsSerialDays) {
    EXPECT_EQ(formatNumber(38990.0, "mm/dd/yyyy"), "09/30/2006");
    EXPECT_EQ(formatNumber(38990.63, "h:nn"), "15:07");
    EXPECT_EQ(formatNumber(38990.5, "General Date"), "9/30/2006 12:00:00 PM");
    EXPECT_EQ(formatNumber(-1.25, "m/d/yyyy h:nn"), "12/29/1899 6:00");
    EXPECT_EQ(formatNumber(1.0, "Short Date"), "12/31/1899");
    // Outside the years 100-9999 the number is shown plainly.
    EXPECT_EQ(formatNumber(1e9, "dd/mm/yyyy"), "1000000000");
    EXPECT_EQ(formatNumber(-700000.0, "Long Date"), "-700000");
    // A date pattern in a section chosen by the sign.
    EXPECT_EQ(formatNumber(-5.0, "0;dd"), "25");
    // A date given as a number pattern shows its serial day.
    EXPECT_EQ(formatDate(kSaturdayMidnight, "0.00"), "38990.00");
    EXPECT_EQ(formatDate(kSaturday, "Currency"), "$38,990.63");
}

TEST(SerialDay, ConvertsBothWays) {
    EXPECT_EQ(toSerialDay(kSaturdayMidnight), 38990);
    EXPECT_EQ(toSerialDay(DateTime{}), 0);
    EXPECT_EQ(toSerialDay(DateTime{1899, 12, 29, 6, 0, 0}), -1.25);
    EXPECT_EQ(toSerialDay(DateTime{100, 1, 1}), kFirstSerialDay);
    EXPECT_EQ(toSerialDay(DateTime{9999, 12, 31}), kLastSerialDay);
    EXPECT_EQ(toSerialDay(DateTime{1900, 3, 1}), 61);
    EXPECT_EQ(fromSerialDay(60), (DateTime{1900, 2, 28}));
    EXPECT_EQ(fromSerialDay(38990.5), (DateTime{2006, 9, 30, 12, 0, 0}));
    EXPECT_EQ(fromSerialDay(-1.25), (DateTime{1899, 12, 29, 6, 0, 0}));
    EXPECT_EQ(fromSerialDay(-0.5), (DateTime{1899, 12, 30, 12, 0, 0}));
    EXPECT_EQ(fromSerialDay(kFirstSerialDay), (DateTime{100, 1, 1}));
    EXPECT_EQ(fromSerialDay(kLastSerialDay + 0.5), (DateTime{9999, 12, 31, 12, 0, 0}));
    // Every second of a day survives the round trip.
    for (int second = 0; second < 86400; second += 7) {
        DateTime when{2024, 2, 29, second / 3600, second / 60 % 60, second % 60};
        EXPECT_EQ(fromSerialDay(toSerialDay(when)), when);
        DateTime early{1776, 7, 4, second / 3600, second / 60 % 60, second % 60};
        EXPECT_EQ(fromSerialDay(toSerialDay(early)), early);
    }
    // A time that rounds up to midnight moves to the next day.
    EXPECT_EQ(fromSerialDay(38990.9999999), (DateTime{2006, 10, 1}));
    EXPECT_EQ(fromSerialDay(-1.9999999), (DateTime{1899, 12, 30}));
}

TEST(SerialDay, OutOfRangeAndRollover) {
    EXPECT_EQ(fromSerialDay(kLastSerialDay + 1), std::nullopt);
    EXPECT_EQ(fromSerialDay(kLastSerialDay + 0.9999999), std::nullopt);
    EXPECT_EQ(fromSerialDay(kFirstSerialDay - 1), std::nullopt);
    EXPECT_EQ(fromSerialDay(std::nan("")), std::nullopt);
    EXPECT_EQ(fromSerialDay(1e300), std::nullopt);
    EXPECT_EQ(toSerialDay(DateTime{2006, 13, 1}), toSerialDay(DateTime{2007, 1, 1}));
    EXPECT_EQ(toSerialDay(DateTime{2006, 3, 0}), toSerialDay(DateTime{2006, 2, 28}));
    EXPECT_EQ(toSerialDay(DateTime{2006, 0, 1}), toSerialDay(DateTime{2005, 12, 1}));
    EXPECT_EQ(toSerialDay(DateTime{2006, 9, 30, 24, 0, 0}), toSerialDay(DateTime{2006, 10, 1}));
    // Fields at the ends of the integer range still give a (far away) serial day.
    const DateTime wild{INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MIN};
    EXPECT_TRUE(std::isfinite(toSerialDay(wild)));
    EXPECT_EQ(formatDate(wild, "Short Date"), formatNumber(toSerialDay(wild), ""));
    EXPECT_GE(weekdayOf(wild), 1);
    EXPECT_LE(weekdayOf(wild), 7);
    EXPECT_TRUE(isValidDateTime(DateTime{2000, 2, 29}));
    EXPECT_FALSE(isValidDateTime(DateTime{1900, 2, 29}));
    EXPECT_FALSE(isValidDateTime(DateTime{99, 12, 31}));
    EXPECT_FALSE(isValidDateTime(DateTime{2006, 9, 31}));
    EXPECT_FALSE(isValidDateTime(DateTime{2006, 9, 30, 24}));
    EXPECT_EQ(weekdayOf(kSaturday), 7);
    EXPECT_EQ(weekdayOf(DateTime{2006, 10, 1}), 1);
    EXPECT_EQ(weekdayOf(DateTime{1899, 12, 29}), 6);
    EXPECT_EQ(dayOfYear(DateTime{2004, 12, 31}), 366);
}

TEST(DateText, ReadInTheLocaleOrder) {
    EXPECT_EQ(formatNumber(std::string_view("09/30/06"), "Long Date"),
              "Saturday, September 30, 2006");
    EXPECT_EQ(formatNumber(std::string_view("9/30/2006 3:07 PM"), "h:nn"), "15:07");
    EXPECT_EQ(formatNumber(std::string_view("2006-09-30"), "d mmmm yyyy"), "30 September 2006");
    EXPECT_EQ(formatNumber(std::string_view("15:07"), "h:nn AM/PM"), "3:07 PM");
    EXPECT_EQ(formatNumber(std::string_view("38990"), "Short Date"), "9/30/2006");
    EXPECT_EQ(formatNumber(std::string_view("13/30/06"), "Short Date"), "13/30/06");
    EXPECT_EQ(formatNumber(std::string_view("2/29/2007"), "Short Date"), "2/29/2007");
    EXPECT_EQ(formatNumber(std::string_view("Sep 30"), "Short Date"), "Sep 30");
    // A number pattern reads the text as a number, not a date.
    EXPECT_EQ(formatNumber(std::string_view("09/30/06"), "0.00"), "09/30/06");
    EXPECT_EQ(parseLocaleDate("1/1/29"), (DateTime{2029, 1, 1}));
    EXPECT_EQ(parseLocaleDate("1/1/30"), (DateTime{1930, 1, 1}));
    EXPECT_EQ(parseLocaleDate(" 12/25/2006 12:00:05 am "), (DateTime{2006, 12, 25, 0, 0, 5}));
    EXPECT_EQ(parseLocaleDate("12-25-2006"), (DateTime{2006, 12, 25}));
    EXPECT_EQ(parseLocaleDate("12:5"), (DateTime{1899, 12, 30, 12, 5, 0}));
    for (const char* text : {"", "12", "12/25", "12/25/2006 25:00", "13:00 PM", "0:30 AM",
                             "12/25/2006 x", "12/25/20061", "1/1/1/1", "99:99"}) {
        EXPECT_EQ(parseLocaleDate(text), std::nullopt) << text;
    }
}

TEST(DateText, DayFirstLocale) {
    LocaleSettings german;
    german.dateOrder = DateOrder::DayMonthYear;
    german.dateSeparator = ".";
    german.shortDatePattern = "dd/mm/yyyy";
    german.longDatePattern = "dddd, d. mmmm yyyy";
    german.monthNames = {"Januar", "Februar", "M\xC3\xA4rz", "April",   "Mai",      "Juni",
                         "Juli",   "August",  "September",   "Oktober", "November", "Dezember"};
    german.dayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                       "Donnerstag", "Freitag", "Samstag"};
    setCurrentLocale(german);
    EXPECT_EQ(formatNumber(std::string_view("30.09.06"), "Short Date"), "30.09.2006");
    EXPECT_EQ(formatNumber(std::string_view("3/9/2006"), "Long Date"),
              "Sonntag, 3. September 2006");
    EXPECT_EQ(formatDate({2006, 3, 1}, "mmmm"), "M\xC3\xA4rz");
    EXPECT_EQ(formatDate({2006, 3, 1, 7, 5}, "dd/mm hh:nn"), "01.03 07:05");
    setCurrentLocale(LocaleSettings{});
}

}  // namespace
}  // namespace coinwell
