#include "common/core/number_text.h"

#include <cmath>
#include <limits>
#include <string_view>

#include "common/core/decimal_digits.h"
#include "common/core/locale_settings.h"

namespace coinwell {

namespace {

// Plain text of a finite value rounded to `significant` digits; positional while the decimal
// exponent stays below `positionalLimit`.
std::string plainText(double value, int significant, int positionalLimit,
                      const std::string& decimalSeparator) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    detail::DecimalDigits number = detail::decimalDigits(value, significant);
    if (number.isZero()) {
        return "0";
    }
    // Built in place: at most a sign, 20 digits, the separator and "E+308".
    char text[128];
    int n = 0;
    std::string_view separator = decimalSeparator;
    if (separator.size() > 64) {
        separator = ".";
    }
    auto appendSeparator = [&] {
        separator.copy(text + n, separator.size());
        n += static_cast<int>(separator.size());
    };
    if (number.negative) {
        text[n++] = '-';
    }
    const int exponent = number.pointPos - 1;
    if (exponent >= -4 && exponent < positionalLimit) {
        if (number.pointPos <= 0) {
            text[n++] = '0';
        } else {
            for (int i = 0; i < number.pointPos; ++i) {
                text[n++] = number.digitAt(i);
            }
        }
        if (number.fractionLength() > 0) {
            appendSeparator();
            for (int i = number.pointPos; i < 0; ++i) {
                text[n++] = '0';
            }
            for (int i = number.pointPos > 0 ? number.pointPos : 0; i < number.count; ++i) {
                text[n++] = number.digits[i];
            }
        }
        return std::string(text, n);
    }
    text[n++] = number.digits[0];
    if (number.count > 1) {
        appendSeparator();
        for (int i = 1; i < number.count; ++i) {
            text[n++] = number.digits[i];
        }
    }
    text[n++] = 'E';
    text[n++] = exponent < 0 ? '-' : '+';
    int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude >= 100) {
        text[n++] = static_cast<char>('0' + magnitude / 100);
    }
    text[n++] = static_cast<char>('0' + magnitude / 10 % 10);
    text[n++] = static_cast<char>('0' + magnitude % 10);
    return std::string(text, n);
}

template <typename Int>
std::optional<Int> roundHalfEven(double value) {
    if (std::isnan(value)) {
        return std::nullopt;
    }
    double rounded = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5 && std::fmod(rounded, 2.0) != 0) {
        rounded -= std::copysign(1.0, value);
    }
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

}  // namespace

std::string plainNumberText(double value) {
    return plainText(value, 15, 15, currentLocale().decimalSeparator);
}

std::string plainNumberText(float value) {
    return plainText(value, 7, 7, currentLocale().decimalSeparator);
}

std::string plainNumberText(std::int16_t value) {
    return std::to_string(value);
}

std::string plainNumberText(std::int32_t value) {
    return std::to_string(value);
}

std::string signedNumberText(double value) {
    static const std::string point = ".";
    std::string text = plainText(value, 15, 15, point);
    return value >= 0 ? " " + text : text;
}

std::string signedNumberText(float value) {
    static const std::string point = ".";
    std::string text = plainText(value, 7, 7, point);
    return value >= 0 ? " " + text : text;
}

std::optional<std::int16_t> roundHalfEven16(double value) {
    return roundHalfEven<std::int16_t>(value);
}

std::optional<std::int32_t> roundHalfEven32(double value) {
    return roundHalfEven<std::int32_t>(value);
}

double integerPart(double value) {
    return std::floor(value);
}

double truncateNumber(double value) {
    return std::trunc(value);
}

}  // namespace coinwell
