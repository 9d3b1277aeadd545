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

std::optional<double> readBoxNumber(std::string_view text) {
    try {
        return parseLeadingNumber(text);
    } catch (const NumberOverflow&) {
        return std::nullopt;
    }
}

}  // namespace coinwell
