#pragma once
// Numbers and dates to text through format patterns.
//
// Named patterns (letter case ignored):
//   numbers  "General Number" (plain text), "Currency" (locale currency), "Fixed" ("0.00"),
//            "Standard" ("#,##0.00"), "Percent" ("0.00%"), "Scientific" ("0.00E+00"),
//            "Yes/No", "True/False", "On/Off" (0 gives the second word)
//   dates    "General Date" (short date, then long time unless midnight; a time alone for
//            serial days below 1), "Long Date", "Medium Date" ("dd-mmm-yy"), "Short Date",
//            "Long Time", "Medium Time" ("hh:nn AMPM"), "Short Time" ("hh:nn")
//
// Custom number patterns: up to four sections separated by ";" (all values; non-negative and
// negative; positive, negative and zero; the fourth, for a null value, is read and checked but
// no number ever takes it). A negative section shows the value without its sign; with one
// section a negative value gets "-" in front. An empty section falls back to the first (the
// plain number when the first is empty). A negative value that rounds to zero in its section
// shows as zero, through the zero section when there is one.
//   0 #     digit placeholders; the integer part shows all its digits
//   .       the decimal point (the first one; later ones are text)
//   ,       between placeholders left of the point: grouping by threes; right after the last
//           integer placeholder or at the end of the number: divide by 1000 each
//   %       multiply by 100 each, shown where it stands
//   E+ E- e+ e-  followed by placeholders: scientific, with as many integer digits in the
//           mantissa as there are integer placeholders
//   \c "text"  shown as is; every other character shows as itself
// Values are rounded half away from zero on their 15-significant-digit decimal form.
//
// A section with a date or time placeholder is a date section: d dd ddd dddd ddddd (short
// date) dddddd (long date), m mm mmm mmmm, y (day of the year) yy yyyy, h hh, n nn, s ss,
// AM/PM am/pm A/P a/p AMPM (locale words; any of these makes hours 1-12), "/" and ":" the
// locale separators; letters are read in either case. "m" or "mm" right after an hour or right
// before seconds is minutes. A number given to a date section is a serial day (date_time.h);
// outside 1 January 100 - 31 December 9999 it is shown as its plain text.
//
// Unreadable patterns, rejected with BadFormatPattern: an unterminated quoted text, a "" at the
// end, more than four sections, an exponent with no placeholder after it, two exponents in one
// section, a digit placeholder after the exponent's digits.
//
// Not-a-number and infinities show as plainNumberText gives them, whatever the pattern.

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
