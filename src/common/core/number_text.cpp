#include "common/core/number_text.h"

#include <cmath>
#include <limits>

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
    std::string text;
    if (number.negative) {
        text.push_back('-');
    }
    const int exponent = number.pointPos - 1;
    if (exponent >= -4 && exponent < positionalLimit) {
        if (number.pointPos <= 0) {
            text.push_back('0');
        } else {
            detail::appendIntegerDigits(number, text);
        }
        if (number.fractionLength() > 0) {
            text += decimalSeparator;
            for (int i = number.pointPos < 0 ? number.pointPos : 0; i < 0; ++i) {
                text.push_back('0');
            }
            for (int i = number.pointPos > 0 ? number.pointPos : 0; i < number.count; ++i) {
                text.push_back(number.digits[i]);
            }
        }
        return text;
    }
    text.push_back(number.digits[0]);
    if (number.count > 1) {
        text += decimalSeparator;
        text.append(number.digits.data() + 1, number.count - 1);
    }
    text.push_back('E');
    text.push_back(exponent < 0 ? '-' : '+');
    int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) {
        text.push_back('0');
    }
    text += std::to_string(magnitude);
    return text;
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
