#pragma once
// The decimal form of a number rounded to a number of significant digits, and decimal rounding
// on that form. Every number shown passes through here, so what the user sees is rounded from
// the same 15 (or 7) significant digits whatever the pattern.

#include <array>
#include <string>

namespace coinwell::detail {

struct DecimalDigits {
    // Significant digits '1'..'9' first, no trailing zeros; count 0 means the value is zero.
    std::array<char, 24> digits{};
    int count = 0;
    // Digits before the decimal point: the value is 0.d1d2d3... times 10^pointPos.
    int pointPos = 0;
    bool negative = false;

    bool isZero() const { return count == 0; }
    // The digit at index i of the significant digits; '0' outside them.
    char digitAt(int i) const { return i >= 0 && i < count ? digits[i] : '0'; }
    // Number of digits after the decimal point that are not trailing zeros.
    int fractionLength() const { return count > pointPos ? count - pointPos : 0; }
};

// The value rounded to `significant` digits (1-17); a finite value only. Negative zero is zero.
DecimalDigits decimalDigits(double value, int significant);

// Multiplies by 10^power (exact on the decimal form).
void shiftDecimal(DecimalDigits& number, int power);

// Rounds to `decimals` digits after the point (may be negative: tens, hundreds...), halves away
// from zero.
void roundDecimals(DecimalDigits& number, int decimals);

// Appends the integer digits (none when the value is below 1) to out.
void appendIntegerDigits(const DecimalDigits& number, std::string& out);

}  // namespace coinwell::detail
