#include "budget/core/change_everywhere.h"

#include <vector>

#include "budget/core/letter_case.h"
#include "common/core/text_trim.h"
#include "common/core/windows1252.h"

namespace coinwell::budget {

WordChange replaceWholeWord(std::string_view name, std::string_view word,
                            std::string_view replacement) {
    WordChange change{std::string(name), 0};
    if (trimBlanks(word).empty()) {
        return change;
    }
    std::string text = " " + std::string(name) + " ";
    std::string lowerText = lowerCase(text);
    const std::string lowerWord = " " + lowerCase(word) + " ";
    const std::string lowerReplacement = " " + lowerCase(replacement) + " ";
    const std::string capitalReplacement = withFirstLetterUp(lowerReplacement);

    std::size_t from = 0;
    for (std::size_t found = lowerText.find(lowerWord, from); found != std::string::npos;
         found = lowerText.find(lowerWord, from)) {
        const bool capital = startsWithCapital(std::string_view(text).substr(found + 1));
        const std::string& inserted = capital ? capitalReplacement : lowerReplacement;
        text.replace(found, lowerWord.size(), inserted);
        lowerText.replace(found, lowerWord.size(), lowerReplacement);
        ++change.matches;
        // The inserted text's closing blank also opens the next word, so that a word repeated
        // right after ("teh teh") is found too.
        from = found + inserted.size() - 1;
    }
    if (change.matches > 0) {
        change.name = std::string(trimBlanks(text));
    }
    return change;
}

int changeEverywhere(const ReplacementList& list, ItemNames& names, int checkedRow) {
    // The words as they are looked for, each between blanks and in lower case.
    std::vector<std::string> sought;
    for (std::size_t i = 0; i < list.size() && !list.isEndMarker(i); ++i) {
        sought.push_back(" " + lowerCase(list.word(i)) + " ");
    }
    int changedNames = 0;
    for (int row = checkedRow + 1; row <= kItemRows; ++row) {
        const std::string before = names.name(row);
        if (trimBlanks(before).empty()) {
            continue;
        }
        std::string name = before;
        std::string lowerName = " " + lowerCase(name) + " ";
        for (std::size_t i = 0; i < sought.size(); ++i) {
            if (lowerName.find(sought[i]) == std::string::npos) {
                continue;  // most pairs are not in a name: no need to scan it
            }
            const WordChange change = replaceWholeWord(name, list.word(i), list.replacement(i));
            if (change.matches > 0) {
                name = utf8Left(change.name, kCorrectedNameLength);
                lowerName = " " + lowerCase(name) + " ";
            }
        }
        if (name != before) {
            names.setName(row, name);
            ++changedNames;
        }
    }
    return changedNames;
}

}  // namespace coinwell::budget
