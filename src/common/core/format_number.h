#pragma once
// Numbers and dates to text through format patterns: the named patterns (Currency, Percent,
// Short Date, ...) and the custom pattern language of digit placeholders, sections, literal
// text and date and time placeholders.

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/core/date_time.h"

namespace coinwell {

// A format pattern that cannot be read (an unterminated quoted text, a "\" at the end, ...).
class BadFormatPattern : public std::invalid_argument {
  public:
    explicit BadFormatPattern(const std::string& why) : std::invalid_argument(why) {}
};

// Formats a number with a pattern (an empty pattern gives plainNumberText). A pattern with date
// or time placeholders shows the number as a serial day (see date_time.h). Throws
// BadFormatPattern on an unreadable pattern; never fails otherwise.
std::string formatNumber(double value, std::string_view pattern);

// Formats a number given as text: read with parseLocaleNumber, and for a date or time pattern
// first as a date in the locale's order; text that does not read is returned unchanged.
std::string formatNumber(std::string_view text, std::string_view pattern);

// Formats a date-time; an empty pattern gives the general date (the short date, followed by the
// long time when the time is not midnight).
std::string formatDate(const DateTime& when, std::string_view pattern);

// Checks a pattern without formatting anything; throws BadFormatPattern when it cannot be read.
void checkFormatPattern(std::string_view pattern);

}  // namespace coinwell
