#pragma once
// The texts of Copy To Next Year with a change and of Compare Years.

#include <string>
#include <string_view>

#include "common/core/dialogs.h"

namespace coinwell::budget {

// Copy To Next Year with a change: the percentage question, its answer refused, and the next
// year's file that could not be written.
InputRequest percentChangeQuestion();
MessageRequest percentChangeRefusedMessage();
MessageRequest changedCopyFailedMessage(std::string_view nextYear, std::string_view reason);

// Compare Years.
inline constexpr std::string_view kCompareHint = "Saved files are compared.";
std::string comparisonTitle(std::string_view yearA, std::string_view yearB);

}  // namespace coinwell::budget
