#pragma once
// Text to number: the forgiving reader that almost every box uses and the strict reader that
// follows the regional settings.

#include <optional>
#include <stdexcept>
#include <string_view>

namespace coinwell {

// A number read from text lies beyond the range of a double.
class NumberOverflow : public std::overflow_error {
  public:
    NumberOverflow() : std::overflow_error("Overflow") {}
};

// Reads the number at the start of the text: blanks, tabs and line feeds are skipped wherever
// they are; then an optional sign, digits with at most one ".", and an optional exponent (E, e,
// D or d, an optional sign, digits). Reading stops at the first character that does not fit and
// the number read so far is the result; no digits give 0. "&H" and "&O" start a hexadecimal or
// octal integer. The decimal separator is always ".". Throws NumberOverflow beyond the double
// range; a value too small to hold reads as 0.
double parseLeadingNumber(std::string_view text);

// Reads the whole text as a number in the current locale's notation: surrounding blanks, the
// currency symbol, group separators between digits of the integer part, an exponent, a leading
// or trailing sign or parentheses for a negative value. Anything else (or a value beyond the
// double range) gives nothing.
std::optional<double> parseLocaleNumber(std::string_view text);

}  // namespace coinwell
