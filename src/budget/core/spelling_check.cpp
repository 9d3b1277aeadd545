#include "budget/core/spelling_check.h"

#include "budget/core/autocorrect_table.h"
#include "budget/core/change_everywhere.h"
#include "budget/core/letter_case.h"
#include "budget/core/spelling_texts.h"
#include "budget/core/word_spans.h"
#include "common/core/text_trim.h"
#include "common/core/windows1252.h"

namespace coinwell::budget {

SpellingChecker::SpellingChecker(SpellingEngine& engine)
    : engine_(engine), replacements_(autocorrectReplacements()) {}

std::optional<AutomaticChange> SpellingChecker::automaticChange(std::string_view text,
                                                                std::size_t start) const {
    for (std::size_t i = 0; i < replacements_.size(); ++i) {
        const std::string& word = replacements_.word(i);
        if (word.empty() || replacements_.isEndMarker(i) || start + word.size() > text.size() ||
            !endsWord(text, start + word.size())) {
            continue;
        }
        const std::string_view found = text.substr(start, word.size());
        if (!sameIgnoringCase(found, word)) {
            continue;
        }
        const std::string& replacement = replacements_.replacement(i);
        if (allCapitals(found) && utf8Length(found) > 1) {
            return AutomaticChange{word.size(), upperCase(replacement)};
        }
        return AutomaticChange{
            word.size(), startsWithCapital(found) ? withFirstLetterUp(replacement) : replacement};
    }
    return std::nullopt;
}

bool SpellingChecker::ignoredEverywhere(std::string_view word) const {
    return ignored_.contains(std::string(word));
}

void SpellingChecker::ignoreEverywhere(std::string_view word) {
    ignored_.insert(std::string(word));
}

namespace {

// One run of the check over the rows.
class ItemNameCheck {
  public:
    ItemNameCheck(SpellingChecker& checker, ItemNames& names, SpellingQuestions& questions,
                  Dialogs& dialogs)
        : checker_(checker), names_(names), questions_(questions), dialogs_(dialogs) {}

    SpellingCheckOutcome run();

  private:
    struct CheckedText {
        std::string text;
        bool cancelled = false;
    };

    CheckedText checkText(int row, std::string text);
    // Puts the word to the user; returns where the check of the text goes on, or nothing when
    // the user cancelled.
    std::optional<std::size_t> askAbout(int row, std::string& text, const WordSpan& span);
    void changeEverywhereAfter(int row);

    SpellingChecker& checker_;
    ItemNames& names_;
    SpellingQuestions& questions_;
    Dialogs& dialogs_;
    SpellingCheckOutcome outcome_;
    bool startOver_ = false;
};

// Puts text in place of the span; an empty text also takes away one blank beside the word, so
// that deleting a word leaves no double blank.
std::size_t replaceSpan(std::string& text, WordSpan span, const std::string& replacement) {
    if (replacement.empty()) {
        if (span.end() < text.size() && text[span.end()] == ' ') {
            ++span.length;
        } else if (span.start > 0 && text[span.start - 1] == ' ') {
            --span.start;
            ++span.length;
        }
    }
    text.replace(span.start, span.length, replacement);
    return span.start + replacement.size();
}

SpellingCheckOutcome ItemNameCheck::run() {
    // The first check of a run loads the word lists.
    dialogs_.beginBusy();
    if (!checker_.engine().ready()) {
        dialogs_.endBusy();
        dialogs_.message(noMainWordListMessage());
        return outcome_;
    }
    int row = 1;
    while (row <= kItemRows) {
        const std::string name = names_.name(row);
        if (trimBlanks(name).empty()) {
            ++row;
            continue;
        }
        names_.showRow(row);
        const CheckedText checked = checkText(row, name);
        std::string result = name;
        if (checked.text != name) {
            result = utf8Left(checked.text, kCorrectedNameLength);
            ++outcome_.events;
        }
        if (utf8Length(result) > kCheckedNameLength) {
            result = utf8Left(result, kCheckedNameLength);
        }
        if (result != name) {
            names_.setName(row, result);
        }
        if (checked.cancelled) {
            outcome_.cancelled = true;
            break;
        }
        row = startOver_ ? 1 : row + 1;
        startOver_ = false;
    }
    dialogs_.endBusy();
    dialogs_.message(outcome_.events > 0 ? spellingEndedMessage() : nothingMisspelledMessage());
    return outcome_;
}

ItemNameCheck::CheckedText ItemNameCheck::checkText(int row, std::string text) {
    std::size_t pos = 0;
    while (const std::optional<WordSpan> span = nextWord(text, pos)) {
        if (const std::optional<AutomaticChange> change =
                checker_.automaticChange(text, span->start)) {
            pos = replaceSpan(text, {span->start, change->length}, change->replacement);
            continue;
        }
        const std::string_view word = std::string_view(text).substr(span->start, span->length);
        if (holdsDigit(word) || checker_.ignoredEverywhere(word) ||
            checker_.engine().isCorrect(word)) {
            pos = span->end();
            continue;
        }
        const std::optional<std::size_t> next = askAbout(row, text, *span);
        if (!next) {
            return {std::move(text), true};
        }
        pos = *next;
    }
    return {std::move(text), false};
}

std::optional<std::size_t> ItemNameCheck::askAbout(int row, std::string& text,
                                                   const WordSpan& span) {
    ++outcome_.events;
    DoubtfulWord doubtful{row, text, span.start, span.length, {}};
    const std::string word = doubtful.word();
    doubtful.suggestions = checker_.engine().suggestions(word);
    dialogs_.endBusy();
    const SpellingDecision decision = questions_.ask(doubtful);
    dialogs_.beginBusy();
    switch (decision.action) {
        case SpellingAction::Ignore:
            return span.end();
        case SpellingAction::IgnoreAll:
            checker_.ignoreEverywhere(word);
            return span.end();
        case SpellingAction::Change:
            return replaceSpan(text, span, decision.replacement);
        case SpellingAction::ChangeAll: {
            const std::size_t next = replaceSpan(text, span, decision.replacement);
            // Later occurrences in this name are replaced automatically from now on.
            checker_.replacements().add(word, decision.replacement);
            changeEverywhereAfter(row);
            return next;
        }
        case SpellingAction::Add: {
            const WordAdded added = checker_.engine().addWord(word);
            if (!added.stored) {
                dialogs_.endBusy();
                dialogs_.message(wordNotStoredMessage(word, added.reason));
                dialogs_.beginBusy();
            }
            return span.end();
        }
        case SpellingAction::Cancel:
            break;
    }
    return std::nullopt;
}

void ItemNameCheck::changeEverywhereAfter(int row) {
    checker_.replacements().addEndMarker();
    changeEverywhere(checker_.replacements(), names_, row);
    // The names already checked are checked again with the new replacement.
    startOver_ = true;
}

}  // namespace

SpellingCheckOutcome checkItemNames(SpellingChecker& checker, ItemNames& names,
                                    SpellingQuestions& questions, Dialogs& dialogs) {
    return ItemNameCheck(checker, names, questions, dialogs).run();
}

}  // namespace coinwell::budget
