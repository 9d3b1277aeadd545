#pragma once
// Changing a word everywhere: when the user chooses "Change All" for a word, the checker's
// replacements are carried into the item names after the row being checked, so that the later
// rows already read corrected when the check reaches them.

#include <string>
#include <string_view>

#include "budget/core/item_names.h"
#include "budget/core/replacement_list.h"

namespace coinwell::budget {

// The longest name a change leaves: a longer result is cut to its first 18 characters.
inline constexpr std::size_t kCorrectedNameLength = 18;

// Replaces every whole-word occurrence of word in name. Words are matched between blanks (the
// name's ends count as blanks) without regard to case, so a longer word that merely contains
// word is left alone. The replacement goes in lower case, or with its first letter in upper case
// and the rest in lower case where the matched word began with a capital ("Teh" -> "The").
struct WordChange {
    std::string name;
    int matches = 0;
};
WordChange replaceWholeWord(std::string_view name, std::string_view word,
                            std::string_view replacement);

// Applies every pair of the list, from the first up to its end marker, to the names of rows
// checkedRow + 1 to 50 that are not blank. A name in which a pair matched loses its outer
// blanks and is cut to 18 characters; names without a match are left exactly as they were.
// Returns the number of names changed.
int changeEverywhere(const ReplacementList& list, ItemNames& names, int checkedRow);

}  // namespace coinwell::budget
