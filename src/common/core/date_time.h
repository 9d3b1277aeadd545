#pragma once
// Calendar date-times and the serial day numbers that numbers carry when they are shown with a
// date pattern: whole days since 30 December 1899, the fraction being the time of day. Before
// that day the whole part counts back and the fraction still runs forward (-1.25 is 29 December
// 1899, 06:00), as in the stored files of the suite.

#include <optional>
#include <string_view>

namespace coinwell {

struct DateTime {
    int year = 1899;
    int month = 12;  // 1-12
    int day = 30;    // 1-31
    int hour = 0;    // 0-23
    int minute = 0;
    int second = 0;

    bool operator==(const DateTime&) const = default;
};

// The earliest and latest serial days a date pattern shows: 1 January 100 and 31 December 9999.
inline constexpr double kFirstSerialDay = -657434.0;
inline constexpr double kLastSerialDay = 2958465.0;

// True when the fields name a real calendar day in years 100-9999 and a time within the day.
bool isValidDateTime(const DateTime& when);

// Serial day number of a date-time; fields out of their ranges roll over (month 13 is January of
// the next year, day 0 the last day of the month before).
double toSerialDay(const DateTime& when);

// The date-time of a serial day number, the time rounded to the nearest second; nothing for a
// value outside kFirstSerialDay..kLastSerialDay + 1 or not a number.
std::optional<DateTime> fromSerialDay(double serial);

// Day of the week, 1 = Sunday ... 7 = Saturday.
int weekdayOf(const DateTime& when);

// Day of the year, 1-366.
int dayOfYear(const DateTime& when);

// Reads a date and/or time typed in the current locale's order of month, day and year ("9/30/06",
// "30.09.2006", "2006-09-30" with four digits first, "15:07", "3:07 PM", "9/30/2006 3:07:00 PM").
// The date separator may be the locale's, "/", "-" or "."; two-digit years 30-99 are 1930-1999
// and 00-29 are 2000-2029. A time alone falls on 30 December 1899. Nothing for anything else.
std::optional<DateTime> parseLocaleDate(std::string_view text);

}  // namespace coinwell
