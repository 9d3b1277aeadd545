#include "budget/core/letter_case.h"

namespace coinwell::budget {

namespace {

// The two-byte UTF-8 characters whose case changes: the Latin-1 letters U+00C0-U+00FE (without
// the multiplication and division signs) and the four Windows-1252 adds Š Œ Ž Ÿ.
char32_t lowerOf(char32_t code) {
    if (code >= U'A' && code <= U'Z') {
        return code + 0x20;
    }
    if (code >= 0xC0 && code <= 0xDE && code != 0xD7) {
        return code + 0x20;
    }
    switch (code) {
        case 0x160:
        case 0x152:
        case 0x17D:
            return code + 1;
        case 0x178:
            return 0xFF;
        default:
            return code;
    }
}

char32_t upperOf(char32_t code) {
    if (code >= U'a' && code <= U'z') {
        return code - 0x20;
    }
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7) {
        return code - 0x20;
    }
    switch (code) {
        case 0x161:
        case 0x153:
        case 0x17E:
            return code - 1;
        case 0xFF:
            return 0x178;
        default:
            return code;
    }
}

bool isTwoByteLead(unsigned char byte) {
    return byte >= 0xC2 && byte <= 0xDF;
}
bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The character at pos when it is one whose case may change (one or two bytes), with its
// length; 0 for anything else (longer sequences and stray bytes are left alone).
char32_t caseableAt(std::string_view text, std::size_t pos, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    length = 1;
    if (lead < 0x80) {
        return lead;
    }
    if (isTwoByteLead(lead) && pos + 1 < text.size() &&
        isContinuation(static_cast<unsigned char>(text[pos + 1]))) {
        length = 2;
        return (static_cast<char32_t>(lead & 0x1F) << 6) |
               (static_cast<unsigned char>(text[pos + 1]) & 0x3F);
    }
    return 0;
}

void append(std::string& out, char32_t code, std::size_t length) {
    if (length == 1) {
        out.push_back(static_cast<char>(code));
    } else {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

template <typename Change>
std::string changeCase(std::string_view text, Change change) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 1;
        const char32_t code = caseableAt(text, pos, length);
        if (code == 0) {
            out.append(text.substr(pos, length));
        } else {
            append(out, change(code), length);
        }
        pos += length;
    }
    return out;
}

bool isLetter(char32_t code) {
    return lowerOf(code) != code || upperOf(code) != code;
}

}  // namespace

std::string lowerCase(std::string_view text) {
    return changeCase(text, lowerOf);
}

std::string upperCase(std::string_view text) {
    return changeCase(text, upperOf);
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    // Case never changes a length in bytes, so texts of different lengths always differ.
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t pos = 0; pos < a.size();) {
        std::size_t lengthA = 1;
        std::size_t lengthB = 1;
        const char32_t codeA = caseableAt(a, pos, lengthA);
        const char32_t codeB = caseableAt(b, pos, lengthB);
        if (lengthA != lengthB) {
            return false;
        }
        if (codeA == 0 || codeB == 0 ? a.substr(pos, lengthA) != b.substr(pos, lengthB)
                                     : lowerOf(codeA) != lowerOf(codeB)) {
            return false;
        }
        pos += lengthA;
    }
    return true;
}

bool startsWithCapital(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    std::size_t length = 1;
    const char32_t code = caseableAt(text, 0, length);
    return code != 0 && lowerOf(code) != code;
}

bool allCapitals(std::string_view text) {
    bool letter = false;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 1;
        const char32_t code = caseableAt(text, pos, length);
        if (code != 0 && upperOf(code) != code) {
            return false;
        }
        letter = letter || (code != 0 && isLetter(code));
        pos += length;
    }
    return letter;
}

std::string withFirstLetterUp(std::string_view text) {
    // Only the first letter counts: blanks or marks before it are kept.
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 1;
        const char32_t code = caseableAt(text, pos, length);
        if (code != 0 && isLetter(code)) {
            std::string out(text.substr(0, pos));
            append(out, upperOf(code), length);
            out.append(text.substr(pos + length));
            return out;
        }
        pos += length;
    }
    return std::string(text);
}

}  // namespace coinwell::budget
