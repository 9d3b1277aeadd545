#pragma once
// The spelling engine the check asks about single words: a main word list and the user's own
// list, to which the dialog's Add button adds. The program's engine is Hunspell with the user's
// list in "CustomDict1.dct"; tests use a list of known words.

#include <string>
#include <string_view>
#include <vector>

namespace coinwell::budget {

// A word added to the user's list: accepted from then on in any case; stored tells whether it
// also reached the list file (and so the next run of the program), reason why not.
struct WordAdded {
    bool stored = true;
    std::string reason;
};

class SpellingEngine {
  public:
    virtual ~SpellingEngine() = default;

    // False when the main word list could not be loaded: no word can then be judged.
    virtual bool ready() = 0;
    // True when the main list or the user's list holds the word (UTF-8).
    virtual bool isCorrect(std::string_view word) = 0;
    // Likely intended spellings, best first; may be empty.
    virtual std::vector<std::string> suggestions(std::string_view word) = 0;
    virtual WordAdded addWord(std::string_view word) = 0;
};

}  // namespace coinwell::budget
