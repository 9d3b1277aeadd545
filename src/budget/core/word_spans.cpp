#include "budget/core/word_spans.h"

#include <algorithm>

namespace coinwell::budget {

namespace {

enum class Kind { Separator, WordCharacter, Apostrophe };

// The character at pos (one UTF-8 sequence; a stray byte alone) and its kind.
Kind kindAt(std::string_view text, std::size_t pos, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    length = 1;
    if (lead < 0x80) {
        if ((lead >= 'a' && lead <= 'z') || (lead >= 'A' && lead <= 'Z') ||
            (lead >= '0' && lead <= '9')) {
            return Kind::WordCharacter;
        }
        return lead == '\'' ? Kind::Apostrophe : Kind::Separator;
    }
    char32_t code = 0;
    std::size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (expected == 1 || pos + expected > text.size()) {
        return Kind::Separator;
    }
    code = lead & (0xFF >> (expected + 1));
    for (std::size_t i = 1; i < expected; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return Kind::Separator;
        }
        code = (code << 6) | (next & 0x3F);
    }
    length = expected;
    if (code == 0x2019) {  // the typographic apostrophe
        return Kind::Apostrophe;
    }
    // Letters from the Latin-1 letters onwards; the signs and marks of Latin-1 and the general
    // punctuation and currency blocks separate.
    const bool mark = code < 0xC0 || code == 0xD7 || code == 0xF7 ||
                      (code >= 0x2000 && code <= 0x206F) || (code >= 0x20A0 && code <= 0x20CF);
    return mark ? Kind::Separator : Kind::WordCharacter;
}

bool wordCharacterAt(std::string_view text, std::size_t pos) {
    std::size_t length = 1;
    return pos < text.size() && kindAt(text, pos, length) == Kind::WordCharacter;
}

}  // namespace

std::optional<WordSpan> nextWord(std::string_view text, std::size_t from) {
    std::size_t pos = from;
    while (pos < text.size()) {
        std::size_t length = 1;
        if (kindAt(text, pos, length) == Kind::WordCharacter) {
            break;
        }
        pos += length;
    }
    if (pos >= text.size()) {
        return std::nullopt;
    }
    const std::size_t start = pos;
    while (pos < text.size()) {
        std::size_t length = 1;
        const Kind kind = kindAt(text, pos, length);
        if (kind == Kind::WordCharacter) {
            pos += length;
        } else if (kind == Kind::Apostrophe && wordCharacterAt(text, pos + length)) {
            pos += length;
        } else {
            break;
        }
    }
    return WordSpan{start, pos - start};
}

bool endsWord(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) {
        return true;
    }
    std::size_t length = 1;
    const Kind kind = kindAt(text, pos, length);
    if (kind == Kind::Apostrophe) {
        return !wordCharacterAt(text, pos + length);
    }
    return kind == Kind::Separator;
}

bool holdsDigit(std::string_view word) {
    return std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace coinwell::budget
