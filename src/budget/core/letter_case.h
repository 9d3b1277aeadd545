#pragma once
// Letter case of the budget's texts (UTF-8 holding Windows-1252 characters): the ASCII letters
// and the accented Latin letters of Windows-1252 change case; everything else stays as it is.
// A change of case never changes a text's length in bytes, so positions found in a lower-case
// copy hold in the original.

#include <string>
#include <string_view>

namespace coinwell::budget {

std::string lowerCase(std::string_view text);
std::string upperCase(std::string_view text);

// True when both texts read the same without regard to case.
bool sameIgnoringCase(std::string_view a, std::string_view b);

// True when the text begins with an upper-case letter.
bool startsWithCapital(std::string_view text);
// True when the text holds a letter and no lower-case one ("IRS", "TV").
bool allCapitals(std::string_view text);

// The first letter in upper case and the rest as given ("a lot" -> "A lot").
std::string withFirstLetterUp(std::string_view text);

}  // namespace coinwell::budget
