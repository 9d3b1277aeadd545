#pragma once
// Removing the blanks around a stored or typed text, as the screens compare and show it.

#include <string_view>

namespace coinwell {

// Without leading and trailing blanks (spaces only; other white space is kept).
std::string_view trimBlanks(std::string_view text);
// Without trailing blanks (spaces only).
std::string_view trimTrailingBlanks(std::string_view text);

}  // namespace coinwell
