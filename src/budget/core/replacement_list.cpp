#include "budget/core/replacement_list.h"

#include <algorithm>

#include "budget/core/autocorrect_table.h"
#include "budget/core/letter_case.h"
#include "common/core/text_trim.h"

namespace coinwell::budget {

namespace {

const std::string& noText() {
    static const std::string empty;
    return empty;
}

bool readsEndMarker(std::string_view word) {
    return upperCase(trimTrailingBlanks(word)) == upperCase(kEndMarker);
}

}  // namespace

void ReplacementList::add(std::string word, std::string replacement) {
    entries_.push_back({std::move(word), std::move(replacement)});
}

void ReplacementList::addEndMarker() {
    std::erase_if(entries_, [](const Replacement& entry) { return readsEndMarker(entry.word); });
    add(std::string(kEndMarker), std::string(kEndMarker));
}

const std::string& ReplacementList::word(std::size_t i) const {
    return i < entries_.size() ? entries_[i].word : noText();
}

const std::string& ReplacementList::replacement(std::size_t i) const {
    return i < entries_.size() ? entries_[i].replacement : noText();
}

bool ReplacementList::isEndMarker(std::size_t i) const {
    return i < entries_.size() && readsEndMarker(entries_[i].word);
}

ReplacementList autocorrectReplacements() {
    ReplacementList list;
    for (const AutocorrectPair& pair : autocorrectTable()) {
        list.add(std::string(pair.misspelling), std::string(pair.correction));
    }
    return list;
}

}  // namespace coinwell::budget
