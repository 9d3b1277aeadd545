#pragma once
// Calendar date-times and the serial day numbers that numbers carry when they are shown with a
// date pattern: whole days since 30 December 1899, the fraction being the time of day. Before
// that day the whole part counts back and the fraction still runs forward (-1.25 is 29 December
// 1899, 06:00), as in the stored files of the suite.

#include <optional>

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

}  // namespace coinwell
