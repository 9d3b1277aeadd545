#include "common/core/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace coinwell::detail {

namespace {

void trimTrailingZeros(DecimalDigits& number) {
    while (number.count > 0 && number.digits[number.count - 1] == '0') {
        --number.count;
    }
    if (number.count == 0) {
        number.pointPos = 0;
    }
}

}  // namespace

DecimalDigits decimalDigits(double value, int significant) {
    DecimalDigits result;
    if (value == 0 || !std::isfinite(value)) {
        return result;
    }
    result.negative = value < 0;
    if (significant < 1) {
        significant = 1;
    } else if (significant > 17) {
        significant = 17;
    }
    // "d.ddddde+XXX": at most 1 + 1 + 16 + 5 characters.
    char text[40];
    auto [end, error] = std::to_chars(text, text + sizeof text, std::fabs(value),
                                      std::chars_format::scientific, significant - 1);
    if (error != std::errc()) {
        return result;
    }
    const char* p = text;
    int count = 0;
    while (p < end && *p != 'e') {
        if (*p != '.') {
            result.digits[count++] = *p;
        }
        ++p;
    }
    int exponent = 0;
    if (p < end) {
        ++p;  // 'e'
        bool negativeExponent = *p == '-';
        ++p;
        std::from_chars(p, end, exponent);
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    result.count = count;
    result.pointPos = exponent + 1;
    trimTrailingZeros(result);
    return result;
}

void shiftDecimal(DecimalDigits& number, int power) {
    if (!number.isZero()) {
        number.pointPos += power;
    }
}

void roundDecimals(DecimalDigits& number, int decimals) {
    if (number.isZero()) {
        return;
    }
    // Index of the first digit dropped; digits before it are kept.
    long keep = static_cast<long>(number.pointPos) + decimals;
    if (keep >= number.count) {
        return;
    }
    if (keep < 0) {
        number.count = 0;
        number.pointPos = 0;
        return;
    }
    bool roundUp = number.digits[keep] >= '5';
    number.count = static_cast<int>(keep);
    if (roundUp) {
        int i = number.count - 1;
        while (i >= 0 && number.digits[i] == '9') {
            number.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++number.digits[i];
        } else {
            // 9.99 -> 10.0: one more integer digit.
            number.digits[0] = '1';
            number.count = 1;
            ++number.pointPos;
        }
    }
    trimTrailingZeros(number);
}

void appendIntegerDigits(const DecimalDigits& number, std::string& out) {
    for (int i = 0; i < number.pointPos; ++i) {
        out.push_back(number.digitAt(i));
    }
}

}  // namespace coinwell::detail
