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

}  // namespace

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
