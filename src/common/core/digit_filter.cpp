#include "common/core/digit_filter.h"

#include "common/core/number_parse.h"

namespace coinwell {

FilteredText digitFilter(std::string_view text) {
    return digitFilter(text, kDigits);
}

FilteredText digitFilter(std::string_view text, std::string_view accepted) {
    if (text.empty() || accepted.find(text.back()) != std::string_view::npos) {
        return {std::string(text), false};
    }
    if (text.size() == 1) {
        return {std::string(), true};
    }
    return {std::string(text.substr(0, text.size() - 1)), true};
}

namespace {

// The text without the characters the box does not take at its end.
std::string_view withoutRefusedEnd(std::string_view text, std::string_view accepted) {
    const std::size_t kept = text.find_last_of(accepted);
    return kept == std::string_view::npos ? std::string_view{} : text.substr(0, kept + 1);
}

// The longest start of the text that still reads as a number. A longer start never reads where a
// shorter one does not, so halving the range finds it.
std::string_view longestReadableStart(std::string_view text) {
    std::size_t readable = 0;  // an empty box reads as 0
    std::size_t unreadable = text.size();
    while (unreadable - readable > 1) {
        const std::size_t middle = readable + (unreadable - readable) / 2;
        if (readBoxNumber(text.substr(0, middle))) {
            readable = middle;
        } else {
            unreadable = middle;
        }
    }
    return text.substr(0, readable);
}

// More than one character arrived between the two texts (the unchanged start and end of both
// are left out).
bool severalCharactersArrived(std::string_view before, std::string_view after) {
    std::size_t start = 0;
    while (start < before.size() && start < after.size() && before[start] == after[start]) {
        ++start;
    }
    std::size_t end = 0;
    while (end < before.size() - start && end < after.size() - start &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end]) {
        ++end;
    }
    return after.size() - start - end > 1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The forgiving reader takes the whole text as the number: blanks anywhere, a sign, digits with
// at most one point and an exponent, or a hexadecimal or octal integer.
bool readWhole(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (!isBlank(c)) {
            compact += c;
        }
    }
    std::string_view rest = compact;
    const auto digitsOf = [&rest](std::string_view digits) {
        std::size_t n = 0;
        while (n < rest.size() && digits.find(rest[n]) != std::string_view::npos) {
            ++n;
        }
        rest.remove_prefix(n);
        return n;
    };
    if (rest.size() > 2 && rest[0] == '&' && (rest[1] == 'H' || rest[1] == 'h')) {
        rest.remove_prefix(2);
        return digitsOf("0123456789ABCDEFabcdef") > 0 && rest.empty();
    }
    if (rest.size() > 2 && rest[0] == '&' && (rest[1] == 'O' || rest[1] == 'o')) {
        rest.remove_prefix(2);
        return digitsOf("01234567") > 0 && rest.empty();
    }
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        rest.remove_prefix(1);
    }
    std::size_t digits = digitsOf(kDigits);
    if (!rest.empty() && rest[0] == '.') {
        rest.remove_prefix(1);
        digits += digitsOf(kDigits);
    }
    if (digits == 0) {
        return false;
    }
    if (!rest.empty() && std::string_view("EeDd").find(rest[0]) != std::string_view::npos) {
        rest.remove_prefix(1);
        if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
            rest.remove_prefix(1);
        }
        if (digitsOf(kDigits) == 0) {
            return false;
        }
    }
    return rest.empty();
}

}  // namespace

std::optional<std::string> pastedNumberText(std::string_view before, std::string_view after,
                                            std::string_view accepted) {
    if (!severalCharactersArrived(before, after) || readWhole(after)) {
        return std::nullopt;
    }
    const bool takesPoint = accepted.find('.') != std::string_view::npos;
    std::string number;
    bool point = false;
    for (const char c : after) {
        if (c == '$' || c == ',' || isBlank(c)) {
            continue;
        }
        if (c >= '0' && c <= '9') {
            number += c;
        } else if (c == '.' && takesPoint && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    return number;
}

FilteredText settledBoxText(std::string_view text, std::string_view accepted) {
    std::string_view kept = withoutRefusedEnd(text, accepted);
    if (!readBoxNumber(kept)) {
        kept = withoutRefusedEnd(longestReadableStart(kept), accepted);
    }
    return {std::string(kept), kept.size() != text.size()};
}

std::optional<double> readBoxNumber(std::string_view text) {
    try {
        return parseLeadingNumber(text);
    } catch (const NumberOverflow&) {
        return std::nullopt;
    }
}

}  // namespace coinwell
