#pragma once
// The settings and data files of the suite hold single-byte Windows-1252 text; the program works
// in UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace coinwell {

// Every byte has a character: the five bytes Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D)
// become the control characters of the same number, as Windows itself reads them, so any file
// reads back to the same bytes when written again.
std::string windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text, or nothing when the text is not valid UTF-8 or holds a
// character that Windows-1252 cannot store. Stored values are never silently changed: a family
// name or a colour text turned into question marks would be written as if it were what the user
// typed, so the caller skips the write instead (as it does for a value too long for its record)
// and keeps the value in memory.
std::optional<std::string> utf8ToWindows1252(std::string_view text);

// For texts where a stand-in is better than nothing (exported or printed text): characters
// Windows-1252 cannot store, and each invalid UTF-8 sequence, become "?".
std::string utf8ToWindows1252Lossy(std::string_view text);

// The number of characters of a UTF-8 text (invalid bytes count one each), and its first count
// characters, never cutting a character in two.
std::size_t utf8Length(std::string_view text);
std::string utf8Left(std::string_view text, std::size_t count);

}  // namespace coinwell
