#pragma once
// The words of an item name as the spelling check reads them: runs of letters and digits, an
// apostrophe counting inside a word when a letter follows it ("Kid's"). Blanks, hyphens,
// slashes and every other mark separate words; characters beyond ASCII count as letters unless
// they are marks (quotes, dashes, currency signs).

#include <cstddef>
#include <optional>
#include <string_view>

namespace coinwell::budget {

struct WordSpan {
    std::size_t start = 0;
    std::size_t length = 0;

    std::size_t end() const { return start + length; }
    bool operator==(const WordSpan&) const = default;
};

// The first word that starts at or after from.
std::optional<WordSpan> nextWord(std::string_view text, std::size_t from);

// True when no word goes on across pos: pos is the end of the text or a separator starts there.
bool endsWord(std::string_view text, std::size_t pos);

// True for a word holding a digit ("2nd", "401k"): such words are not checked.
bool holdsDigit(std::string_view word);

}  // namespace coinwell::budget
