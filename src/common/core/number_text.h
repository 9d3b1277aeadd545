#pragma once
// Number to plain text, and the integer conversions.

#include <cstdint>
#include <optional>
#include <string>

namespace coinwell {

// The shortest text of the number: integers as decimal digits; doubles rounded to 15 significant
// digits, singles to 7, written positionally when the decimal exponent e of the rounded value
// satisfies -4 <= e < 15 (7 for singles) and otherwise as mantissa, "E", sign and at least two
// exponent digits (1E-05, 1.5E+20). "-" before negatives (negative zero shows as 0); the
// decimal separator is the current locale's. Not-a-number and infinities show as "NaN",
// "Infinity" and "-Infinity".
std::string plainNumberText(double value);
std::string plainNumberText(float value);
std::string plainNumberText(std::int16_t value);
std::string plainNumberText(std::int32_t value);

// plainNumberText with "." as decimal separator and one blank in front of values >= 0.
std::string signedNumberText(double value);
std::string signedNumberText(float value);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4); nothing when
// the result lies outside the integer type or the value is not a number.
std::optional<std::int16_t> roundHalfEven16(double value);
std::optional<std::int32_t> roundHalfEven32(double value);

// Integer part towards minus infinity (-2.5 -> -3), and truncation towards zero (-2.5 -> -2).
double integerPart(double value);
double truncateNumber(double value);

}  // namespace coinwell
