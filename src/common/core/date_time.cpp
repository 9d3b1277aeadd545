#include "common/core/date_time.h"

#include <cctype>
#include <cmath>

#include "common/core/locale_settings.h"

namespace coinwell {

namespace {

// Days since 1 January 1970 of a proleptic Gregorian date (month 1-12).
constexpr long long daysFromCivil(long long year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(long long days, int& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

constexpr long long kSerialEpoch = daysFromCivil(1899, 12, 30);

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Whole days of a date, fields rolled over into range.
long long dayNumber(const DateTime& when) {
    long long monthIndex = static_cast<long long>(when.year) * 12 + when.month - 1;
    long long year = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    int month = static_cast<int>(monthIndex - year * 12) + 1;
    return daysFromCivil(year, month, 1) + when.day - 1 - kSerialEpoch;
}

}  // namespace

bool isValidDateTime(const DateTime& when) {
    return when.year >= 100 && when.year <= 9999 && when.month >= 1 && when.month <= 12 &&
           when.day >= 1 && when.day <= daysInMonth(when.year, when.month) && when.hour >= 0 &&
           when.hour <= 23 && when.minute >= 0 && when.minute <= 59 && when.second >= 0 &&
           when.second <= 59;
}

double toSerialDay(const DateTime& when) {
    long long seconds = static_cast<long long>(when.hour) * 3600 +
                        static_cast<long long>(when.minute) * 60 + when.second;
    long long days = dayNumber(when) + (seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400);
    seconds -= (seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400) * 86400;
    double fraction = static_cast<double>(seconds) / 86400.0;
    // Before the epoch the fraction still counts forward from the start of the day.
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

std::optional<DateTime> fromSerialDay(double serial) {
    if (!(serial >= kFirstSerialDay - 1 && serial < kLastSerialDay + 1)) {
        return std::nullopt;
    }
    double whole = std::trunc(serial);
    auto days = static_cast<long long>(whole);
    auto seconds = static_cast<long long>(std::llround(std::fabs(serial - whole) * 86400.0));
    if (seconds >= 86400) {
        seconds -= 86400;
        ++days;
    }
    if (days < static_cast<long long>(kFirstSerialDay) ||
        days > static_cast<long long>(kLastSerialDay)) {
        return std::nullopt;
    }
    DateTime result;
    civilFromDays(days + kSerialEpoch, result.year, result.month, result.day);
    result.hour = static_cast<int>(seconds / 3600);
    result.minute = static_cast<int>(seconds / 60 % 60);
    result.second = static_cast<int>(seconds % 60);
    return result;
}

int weekdayOf(const DateTime& when) {
    // Serial day 0 (30 December 1899) was a Saturday.
    long long days = dayNumber(when);
    return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

int dayOfYear(const DateTime& when) {
    DateTime first = when;
    first.month = 1;
    first.day = 1;
    return static_cast<int>(dayNumber(when) - dayNumber(first)) + 1;
}

// ---------------------------------------------------------------------------------------------
// Dates typed as text

namespace {

struct TextReader {
    std::string_view text;
    std::size_t at = 0;

    bool done() const { return at >= text.size(); }
    void skipBlanks() {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
            ++at;
        }
    }
    // Digits as a number (at most 6 of them), with their count.
    bool number(int& value, int& digits) {
        value = 0;
        digits = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            if (digits == 6) {
                return false;
            }
            value = value * 10 + (text[at] - '0');
            ++digits;
            ++at;
        }
        return digits > 0;
    }
    bool take(std::string_view word) {
        if (!word.empty() && text.substr(at, word.size()) == word) {
            at += word.size();
            return true;
        }
        return false;
    }
    bool takeIgnoringCase(std::string_view word) {
        if (word.empty() || text.size() - at < word.size()) {
            return false;
        }
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(text[at + i])) !=
                std::tolower(static_cast<unsigned char>(word[i]))) {
                return false;
            }
        }
        at += word.size();
        return true;
    }
};

bool takeDateSeparator(TextReader& reader, const LocaleSettings& locale) {
    return reader.take(locale.dateSeparator) || reader.take("/") || reader.take("-") ||
           reader.take(".");
}

int fullYear(int year, int digits) {
    if (digits <= 2) {
        return year < 30 ? 2000 + year : 1900 + year;
    }
    return year;
}

// hh:nn[:ss] [AM|PM]
bool readTime(TextReader& reader, const LocaleSettings& locale, DateTime& when) {
    int hour, minute, second = 0, digits;
    if (!reader.number(hour, digits) || digits > 2) {
        return false;
    }
    if (!(reader.take(locale.timeSeparator) || reader.take(":"))) {
        return false;
    }
    if (!reader.number(minute, digits) || digits > 2) {
        return false;
    }
    if (reader.take(locale.timeSeparator) || reader.take(":")) {
        if (!reader.number(second, digits) || digits > 2) {
            return false;
        }
    }
    reader.skipBlanks();
    int designator = 0;  // 1 AM, 2 PM
    if (reader.takeIgnoringCase(locale.amDesignator) || reader.takeIgnoringCase("AM") ||
        reader.takeIgnoringCase("A")) {
        designator = 1;
    } else if (reader.takeIgnoringCase(locale.pmDesignator) || reader.takeIgnoringCase("PM") ||
               reader.takeIgnoringCase("P")) {
        designator = 2;
    }
    if (designator != 0) {
        if (hour < 1 || hour > 12) {
            return false;
        }
        hour = hour % 12 + (designator == 2 ? 12 : 0);
    }
    when.hour = hour;
    when.minute = minute;
    when.second = second;
    return true;
}

}  // namespace

std::optional<DateTime> parseLocaleDate(std::string_view text) {
    const LocaleSettings& locale = currentLocale();
    TextReader reader{text};
    reader.skipBlanks();
    DateTime when;
    bool haveDate = false;
    {
        TextReader attempt = reader;
        int parts[3], digits[3];
        bool ok = attempt.number(parts[0], digits[0]) && takeDateSeparator(attempt, locale) &&
                  attempt.number(parts[1], digits[1]) && takeDateSeparator(attempt, locale) &&
                  attempt.number(parts[2], digits[2]);
        if (ok) {
            int year, yearDigits;
            if (digits[0] >= 3 || locale.dateOrder == DateOrder::YearMonthDay) {
                year = parts[0];
                yearDigits = digits[0];
                when.month = parts[1];
                when.day = parts[2];
            } else if (locale.dateOrder == DateOrder::DayMonthYear) {
                when.day = parts[0];
                when.month = parts[1];
                year = parts[2];
                yearDigits = digits[2];
            } else {
                when.month = parts[0];
                when.day = parts[1];
                year = parts[2];
                yearDigits = digits[2];
            }
            if (yearDigits > 4) {
                return std::nullopt;
            }
            when.year = fullYear(year, yearDigits);
            haveDate = true;
            reader = attempt;
            reader.skipBlanks();
        }
    }
    if (!reader.done()) {
        if (!readTime(reader, locale, when)) {
            return std::nullopt;
        }
        reader.skipBlanks();
    } else if (!haveDate) {
        return std::nullopt;
    }
    if (!reader.done() || !isValidDateTime(when)) {
        return std::nullopt;
    }
    return when;
}

}  // namespace coinwell
