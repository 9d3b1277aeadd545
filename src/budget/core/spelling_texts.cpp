#include "budget/core/spelling_texts.h"

#include <string>

#include "budget/core/user_word_list.h"

namespace coinwell::budget {

MessageRequest spellingEndedMessage() {
    return {"Spelling Check has been canceled or has reached the end of your entries",
            std::string(kSpellingTitle), MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

MessageRequest nothingMisspelledMessage() {
    return {"Spelling Check did not change or did not find any misspelled words!",
            std::string(kSpellingTitle), MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

MessageRequest noMainWordListMessage() {
    return {
        "The item names cannot be checked: the main word list (en_US.dic and en_US.aff) "
        "could not be loaded.\r\rIt comes with the hunspell-en-us package; it may also be "
        "placed in the program folder.",
        std::string(kSpellingTitle), MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

MessageRequest wordNotStoredMessage(std::string_view word, std::string_view reason) {
    return {"\"" + std::string(word) + "\" could not be added to your word list " +
                kUserWordListFile + ".\r\r" + std::string(reason) +
                "\r\rThe word is accepted "
                "until Coinwell is closed.",
            std::string(kSpellingTitle), MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

}  // namespace coinwell::budget
