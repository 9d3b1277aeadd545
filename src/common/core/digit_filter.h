#pragma once
// The keystroke filter of the numeric boxes, and how such a box is read.

#include <optional>
#include <string>
#include <string_view>

namespace coinwell {

// The result of the keystroke filter: the box's new text and whether it differs from the typed
// one (then the caret goes to its end).
struct FilteredText {
    std::string text;
    bool changed = false;
};

// Filters a numeric box after each change: only its last character is examined, so whole numbers
// typed from left to right pass and anything else typed last is dropped. A lone non-digit
// empties the box.
FilteredText digitFilter(std::string_view text);
// The same filter for a box that takes other characters as well: accepted lists every character
// the box takes (the digits included).
inline constexpr std::string_view kDigits = "0123456789";
FilteredText digitFilter(std::string_view text, std::string_view accepted);

// Where a numeric box settles after a change. The filter drops one refused character from the end
// per change, and a number made too large to read loses its last character, and each drop is a
// change of its own; all of those steps are taken here at once, so that a long paste does not set
// off one change inside another for every character dropped.
FilteredText settledBoxText(std::string_view text, std::string_view accepted = kDigits);

// A paste is several characters arriving in one change (typing brings one at a time). When the
// box's reader would not read the pasted result whole, the box shows the number the user meant:
// currency signs, blanks and thousands commas dropped, then cut at the first other character
// (at the point too when the box takes none), so that what the box shows is what is used:
// "$1,250.75 per month" is "1250" in a box of digits. Nothing for a change that is no such
// paste; the keystroke filter then applies as usual.
std::optional<std::string> pastedNumberText(std::string_view before, std::string_view after,
                                            std::string_view accepted = kDigits);

// The value of a numeric box (the forgiving reader), or nothing when the text is a number beyond
// the double range; the screen then refuses the keystroke that made it so.
std::optional<double> readBoxNumber(std::string_view text);

}  // namespace coinwell
