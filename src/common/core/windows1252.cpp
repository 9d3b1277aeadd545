#include "common/core/windows1252.h"

#include <array>
#include <cstdint>

namespace coinwell {

namespace {

// Code points of bytes 80-9F; the rest are the same number as Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

std::optional<unsigned char> byteOf(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<unsigned char>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes one character at text[pos]; returns its length in bytes, or 0 for an invalid sequence
// (overlong forms, surrogates, values beyond U+10FFFF, truncated sequences).
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& code) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(text, pos, code);
        if (length == 0) {
            return std::nullopt;
        }
        const auto byte = byteOf(code);
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
        pos += length;
    }
    return out;
}

std::string utf8ToWindows1252Lossy(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(text, pos, code);
        if (length == 0) {
            out += '?';
            ++pos;
            // skip the continuation bytes of the broken sequence
            while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) {
                ++pos;
            }
            continue;
        }
        const auto byte = byteOf(code);
        out += byte ? static_cast<char>(*byte) : '?';
        pos += length;
    }
    return out;
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(text, pos, code);
        pos += length == 0 ? 1 : length;
    }
    return count;
}

std::string utf8Left(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t taken = 0; taken < count && pos < text.size(); ++taken) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(text, pos, code);
        pos += length == 0 ? 1 : length;
    }
    return std::string(text.substr(0, pos));
}

}  // namespace coinwell
