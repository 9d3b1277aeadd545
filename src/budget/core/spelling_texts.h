#pragma once
// The messages of the Home Budget's spelling check.

#include <string_view>

#include "common/core/dialogs.h"

namespace coinwell::budget {

inline constexpr std::string_view kSpellingTitle = "Spelling Check";

// The check ended after finding or changing words (or was cancelled).
MessageRequest spellingEndedMessage();
// The check found nothing to question or change.
MessageRequest nothingMisspelledMessage();
// The main word list could not be loaded, so nothing can be checked.
MessageRequest noMainWordListMessage();
// A word the user added is accepted for now but could not be written to the word list file.
MessageRequest wordNotStoredMessage(std::string_view word, std::string_view reason);

}  // namespace coinwell::budget
