#pragma once
// The Home Budget's built-in automatic corrections: common misspellings with their
// corrections, registered with the spelling checker in this order each time the screen opens.

#include <array>
#include <cstddef>
#include <string_view>

namespace coinwell::budget {

struct AutocorrectPair {
    std::string_view misspelling;  // lower case; a few hold a blank ("their are")
    std::string_view correction;
};

inline constexpr std::size_t kAutocorrectPairs = 243;

const std::array<AutocorrectPair, kAutocorrectPairs>& autocorrectTable();

}  // namespace coinwell::budget
