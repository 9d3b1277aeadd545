#include "budget/core/exact_sum.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace coinwell::budget {

namespace {

constexpr int kDecimals = 12;
// Values up to 10^21 at 10^-12: 10^33 per value leaves room for a hundred thousand of them in
// 128 bits.
constexpr int kMostPower = 33;

// The value in units of 10^-kDecimals, when its shortest decimal form fits.
bool exactUnits(double value, __int128& units) {
    if (!std::isfinite(value)) {
        return false;
    }
    char text[40];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    if (error != std::errc()) {
        return false;
    }
    // "-8.501e+02": a sign, significant digits around a point, an exponent.
    const char* p = text;
    const bool negative = *p == '-';
    if (negative) {
        ++p;
    }
    __int128 digits = 0;
    int digitCount = 0;
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.') {
            digits = digits * 10 + (*p - '0');
            ++digitCount;
        }
    }
    // The exponent: the text is not terminated, so it is read within its end.
    int exponent = 0;
    if (p < end) {
        const char* start = p + 1;
        if (start < end && *start == '+') {
            ++start;
        }
        std::from_chars(start, end, exponent);
    }
    // value = digits * 10^(exponent - digitCount + 1)
    const int power = exponent - digitCount + 1 + kDecimals;
    if (power < 0 || exponent + kDecimals > kMostPower) {
        return false;
    }
    for (int i = 0; i < power; ++i) {
        digits *= 10;
    }
    units = negative ? -digits : digits;
    return true;
}

// The decimal text of a count of 10^-kDecimals units, read back as the nearest double.
double unitsValue(__int128 units) {
    const bool negative = units < 0;
    std::string digits;
    for (unsigned __int128 rest = negative ? -static_cast<unsigned __int128>(units)
                                           : static_cast<unsigned __int128>(units);
         rest != 0 || digits.size() <= kDecimals; rest /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    }
    digits.insert(digits.end() - kDecimals, '.');
    if (negative) {
        digits.insert(digits.begin(), '-');
    }
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

void ExactSum::add(double value) {
    approximate_ += value;
    __int128 units = 0;
    if (exact_ && exactUnits(value, units)) {
        units_ += units;
    } else {
        exact_ = false;
    }
}

ExactSum& ExactSum::operator+=(const ExactSum& other) {
    units_ += other.units_;
    approximate_ += other.approximate_;
    exact_ = exact_ && other.exact_;
    return *this;
}

ExactSum& ExactSum::operator-=(const ExactSum& other) {
    units_ -= other.units_;
    approximate_ -= other.approximate_;
    exact_ = exact_ && other.exact_;
    return *this;
}

double ExactSum::value() const {
    return exact_ ? unitsValue(units_) : static_cast<double>(approximate_);
}

}  // namespace coinwell::budget
