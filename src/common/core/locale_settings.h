#pragma once
// The regional settings every conversion reads: separators, currency, date order and the names of
// months and days. The defaults are English (United States); the program replaces them at start
// with the user's settings (see common/ui/system_locale.h).

#include <array>
#include <string>

namespace coinwell {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct LocaleSettings {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";

    // The currency symbol as typed and read back; the layouts below show it.
    std::string currencySymbol = "$";
    int currencyDecimals = 2;
    // Text placed before and after the digits of a currency amount, symbol included:
    // "$" + "1,234.50" + "" and "(" + "$" ... for negatives, "(" "$" and ")".
    std::string currencyPositivePrefix = "$";
    std::string currencyPositiveSuffix;
    std::string currencyNegativePrefix = "($";
    std::string currencyNegativeSuffix = ")";

    DateOrder dateOrder = DateOrder::MonthDayYear;
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    // Locale date and time layouts written in the pattern language of formatNumber ("/" and ":"
    // stand for the separators above).
    std::string shortDatePattern = "m/d/yyyy";
    std::string longDatePattern = "dddd, mmmm d, yyyy";
    std::string longTimePattern = "h:nn:ss AM/PM";
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";

    std::array<std::string, 12> monthNames = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    std::array<std::string, 12> monthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Sunday first.
    std::array<std::string, 7> dayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> dayAbbreviations = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

    bool operator==(const LocaleSettings&) const = default;
};

// The settings in force for the whole run (English (United States) until replaced).
const LocaleSettings& currentLocale();
void setCurrentLocale(LocaleSettings settings);

}  // namespace coinwell
