#pragma once
// The Home Budget's spelling check of the item names (Command15, Options > Spelling Check).
//
// SpellingChecker is what a screen keeps while it is open: the engine, the automatic
// replacements (the autocorrect table, registered as the screen opens, and each "change
// everywhere" decision of the user) and the words ignored everywhere. checkItemNames runs one
// check: row by row, every word is replaced automatically, passed, or put to the user through
// SpellingQuestions (the spelling dialog), and corrected names go back into the grid.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "budget/core/item_names.h"
#include "budget/core/replacement_list.h"
#include "budget/core/spelling_engine.h"
#include "common/core/dialogs.h"

namespace coinwell::budget {

// The longest name the check leaves in a row it has checked.
inline constexpr std::size_t kCheckedNameLength = 25;

// A word the engine does not know, in its item name.
struct DoubtfulWord {
    int row = 0;
    std::string text;  // the name as it reads at this point of the check
    std::size_t start = 0;
    std::size_t length = 0;
    std::vector<std::string> suggestions;

    std::string word() const { return text.substr(start, length); }
};

enum class SpellingAction { Ignore, IgnoreAll, Change, ChangeAll, Add, Cancel };

struct SpellingDecision {
    SpellingAction action = SpellingAction::Ignore;
    // Change and ChangeAll: the new spelling (empty deletes the word).
    std::string replacement;

    bool operator==(const SpellingDecision&) const = default;
};

// The spelling dialog: shows a doubtful word and returns the user's decision. Help is the
// dialog's own business and decides nothing.
class SpellingQuestions {
  public:
    virtual ~SpellingQuestions() = default;
    virtual SpellingDecision ask(const DoubtfulWord& word) = 0;
};

// An automatic replacement found in a text: the bytes it replaces and what goes in.
struct AutomaticChange {
    std::size_t length = 0;
    std::string replacement;
};

class SpellingChecker {
  public:
    // Registers the autocorrect table, in order.
    explicit SpellingChecker(SpellingEngine& engine);

    SpellingEngine& engine() { return engine_; }
    ReplacementList& replacements() { return replacements_; }
    const ReplacementList& replacements() const { return replacements_; }

    // The registered replacement of the words starting at start, the first pair in
    // registration order that matches: its word (one or more words, as "their are") equals the
    // text there without regard to case and ends where a word ends. The replacement follows
    // the case of what it replaces: a capital first letter stays a capital, a word in capitals
    // goes in capitals.
    std::optional<AutomaticChange> automaticChange(std::string_view text, std::size_t start) const;

    bool ignoredEverywhere(std::string_view word) const;
    void ignoreEverywhere(std::string_view word);

  private:
    SpellingEngine& engine_;
    ReplacementList replacements_;
    std::unordered_set<std::string> ignored_;
};

// What a check did: how many doubtful words it met plus how many names it changed, and whether
// the user cancelled it.
struct SpellingCheckOutcome {
    int events = 0;
    bool cancelled = false;
};

// Checks the item names of rows 1 to 50, passing over blank names:
// - each doubtful word counts one and is put to the user (suggestions found under the
//   hourglass); a name the check changed counts one, is cut to 18 characters and becomes an
//   edit of the user's; a checked name longer than 25 characters is cut to 25;
// - "Change All" changes the word in the rest of the name, registers the pair, carries every
//   registered pair into the names after the row (changeEverywhere) and starts over from row 1;
// - "Add" adds the word to the user's list (a failure to store it is reported);
// - "Cancel" keeps what was changed so far and ends the check.
// At the end the check tells the user "Spelling Check has been canceled or has reached the end
// of your entries" when it counted anything, otherwise that it found nothing. Without a main
// word list it says so and checks nothing.
SpellingCheckOutcome checkItemNames(SpellingChecker& checker, ItemNames& names,
                                    SpellingQuestions& questions, Dialogs& dialogs);

}  // namespace coinwell::budget
