#include "common/core/number_parse.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "common/core/locale_settings.h"

namespace coinwell {

namespace {

// Exponents are kept within this bound while read; anything beyond it overflows or vanishes.
constexpr int kExponentCap = 100000;

bool isSkippedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number collected as plain characters for from_chars: digits, one '.', exponent.
struct CollectedNumber {
    bool negative = false;
    std::string mantissa;  // digits and at most one '.'
    int exponent = 0;      // magnitude while read, kept within kExponentCap
    int digitCount = 0;
    int integerDigits = 0;
    int firstNonZero = -1;  // index among the digits
    bool seenPoint = false;

    void addDigit(char c) {
        if (c != '0' && firstNonZero < 0) {
            firstNonZero = digitCount;
        }
        if (!seenPoint) {
            ++integerDigits;
        }
        ++digitCount;
        mantissa.push_back(c);
    }
    void addPoint() {
        seenPoint = true;
        mantissa.push_back('.');
    }
    void addExponentDigit(char c) {
        if (exponent < kExponentCap) {
            exponent = exponent * 10 + (c - '0');
        }
    }

    // The value; beyond the double range NumberOverflow is thrown (or nothing returned), below
    // it the value is zero.
    std::optional<double> value(bool throwOnOverflow) const {
        if (firstNonZero < 0) {
            return 0.0;
        }
        std::string text = mantissa;
        text.push_back('e');
        text += std::to_string(exponent);
        double result = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
        if (error == std::errc::result_out_of_range ||
            (error == std::errc() && std::isinf(result))) {
            // The place of the leading digit tells overflow from underflow.
            long place = static_cast<long>(integerDigits) - firstNonZero + exponent;
            if (place > 0) {
                if (throwOnOverflow) {
                    throw NumberOverflow();
                }
                return std::nullopt;
            }
            return 0.0;
        }
        if (error != std::errc()) {
            return 0.0;
        }
        return negative ? -result : result;
    }
};

double parseRadixInteger(std::string_view text, std::size_t start, int radix) {
    double result = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        char c = text[i];
        if (isSkippedBlank(c)) {
            continue;
        }
        int digit;
        if (isDigit(c)) {
            digit = c - '0';
        } else if (radix == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (radix == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            break;
        }
        if (digit >= radix) {
            break;
        }
        result = result * radix + digit;
        if (std::isinf(result)) {
            throw NumberOverflow();
        }
    }
    return result;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// Group separators that users type as a plain blank.
bool isBlankLikeSeparator(std::string_view separator) {
    return separator == "\xC2\xA0" || separator == "\xE2\x80\xAF" || separator == " ";
}

}  // namespace

double parseLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isSkippedBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    if (i + 1 < text.size() && text[i] == '&') {
        std::size_t j = i + 1;
        while (j < text.size() && isSkippedBlank(text[j])) {
            ++j;
        }
        if (j < text.size() && (text[j] == 'H' || text[j] == 'h')) {
            return parseRadixInteger(text, j + 1, 16);
        }
        if (j < text.size() && (text[j] == 'O' || text[j] == 'o')) {
            return parseRadixInteger(text, j + 1, 8);
        }
        return 0;
    }
    CollectedNumber number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isSkippedBlank(c)) {
            continue;
        }
        if (isDigit(c)) {
            number.addDigit(c);
        } else if (c == '.' && !number.seenPoint) {
            number.addPoint();
        } else {
            break;
        }
    }
    if (number.digitCount == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        skipBlanks();
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        for (; i < text.size(); ++i) {
            if (isSkippedBlank(text[i])) {
                continue;
            }
            if (!isDigit(text[i])) {
                break;
            }
            number.addExponentDigit(text[i]);
        }
        if (negativeExponent) {
            number.exponent = -number.exponent;
        }
    }
    double result = *number.value(true);
    return result == 0 ? 0.0 : result;
}

std::optional<double> parseLocaleNumber(std::string_view text) {
    const LocaleSettings& locale = currentLocale();
    // Some locales write the minus sign as U+2212.
    static constexpr std::string_view kUnicodeMinus = "\xE2\x88\x92";
    std::string withAsciiMinus;
    if (text.find(kUnicodeMinus) != std::string_view::npos) {
        withAsciiMinus.assign(text);
        for (std::size_t at; (at = withAsciiMinus.find(kUnicodeMinus)) != std::string::npos;) {
            withAsciiMinus.replace(at, kUnicodeMinus.size(), "-");
        }
        text = withAsciiMinus;
    }
    text = trimBlanks(text);
    bool negative = false;
    bool signSeen = false;
    bool currencySeen = false;
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        negative = true;
        signSeen = true;
        text = trimBlanks(text.substr(1, text.size() - 2));
    }
    auto takeSign = [&](char c) {
        if (signSeen || (c != '-' && c != '+')) {
            return false;
        }
        signSeen = true;
        negative = c == '-';
        return true;
    };
    auto takeCurrency = [&] {
        if (!currencySeen && startsWith(text, locale.currencySymbol)) {
            currencySeen = true;
            text = trimBlanks(text.substr(locale.currencySymbol.size()));
            return true;
        }
        return false;
    };
    // Before the digits: sign and currency symbol in either order.
    for (int round = 0; round < 2 && !text.empty(); ++round) {
        if (takeSign(text.front())) {
            text = trimBlanks(text.substr(1));
        } else {
            takeCurrency();
        }
    }
    // After the digits: the same, read from the end.
    auto takeTrailingCurrency = [&] {
        const std::string& symbol = locale.currencySymbol;
        if (!currencySeen && !symbol.empty() && text.size() > symbol.size() &&
            text.substr(text.size() - symbol.size()) == symbol) {
            currencySeen = true;
            text = trimBlanks(text.substr(0, text.size() - symbol.size()));
            return true;
        }
        return false;
    };
    for (int round = 0; round < 2 && !text.empty(); ++round) {
        if (!text.empty() && takeSign(text.back())) {
            text = trimBlanks(text.substr(0, text.size() - 1));
        } else {
            takeTrailingCurrency();
        }
    }

    const std::string& point = locale.decimalSeparator;
    const std::string& group = locale.groupSeparator;
    const bool blankGroups = isBlankLikeSeparator(group);
    CollectedNumber number;
    number.negative = negative;
    std::size_t i = 0;
    bool lastWasDigit = false;
    int groupDigits = -1;  // digits since the last group separator; -1 before the first
    // Every group separator is followed by exactly three digits of the integer part.
    auto groupsComplete = [&] { return groupDigits < 0 || groupDigits == 3; };
    while (i < text.size()) {
        char c = text[i];
        if (isDigit(c)) {
            number.addDigit(c);
            if (!number.seenPoint && groupDigits >= 0) {
                ++groupDigits;
            }
            lastWasDigit = true;
            ++i;
        } else if (!number.seenPoint && startsWith(text.substr(i), point)) {
            if (!groupsComplete()) {
                return std::nullopt;
            }
            number.addPoint();
            lastWasDigit = false;
            i += point.size();
        } else if (!number.seenPoint && lastWasDigit &&
                   (startsWith(text.substr(i), group) || (blankGroups && c == ' '))) {
            if (!groupsComplete()) {
                return std::nullopt;
            }
            groupDigits = 0;
            lastWasDigit = false;
            i += startsWith(text.substr(i), group) ? group.size() : 1;
        } else {
            break;
        }
    }
    if (!number.seenPoint && !groupsComplete()) {
        return std::nullopt;
    }
    if (number.digitCount == 0) {
        return std::nullopt;
    }
    if (i < text.size()) {
        char c = text[i];
        if (c != 'E' && c != 'e' && c != 'D' && c != 'd') {
            return std::nullopt;
        }
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i >= text.size()) {
            return std::nullopt;
        }
        for (; i < text.size(); ++i) {
            if (!isDigit(text[i])) {
                return std::nullopt;
            }
            number.addExponentDigit(text[i]);
        }
        if (negativeExponent) {
            number.exponent = -number.exponent;
        }
    }
    std::optional<double> result = number.value(false);
    if (result && *result == 0) {
        return 0.0;
    }
    return result;
}

}  // namespace coinwell
