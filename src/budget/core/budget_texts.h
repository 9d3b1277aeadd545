#pragma once
// The Home Budget's own texts: its messages and questions, the location indicator and the
// scroll tips.

#include <string>
#include <string_view>

#include "common/core/dialogs.h"

namespace coinwell::budget {

inline constexpr std::string_view kScreenTitle = "Home Budget";
inline constexpr std::string_view kInitialLocation = "C1:R1";

// Grid entries.
MessageRequest numbersOnlyMessage();  // "Cell entries must be numbers only!"
MessageRequest amountLimitMessage();  // "Cell entries are limited to 9,999.99!"
MessageRequest unstorableCharacterMessage(std::string_view character);
// Total Income.
InputRequest incomeQuestion(std::string_view currentCaption);
MessageRequest incomeLimitMessage();
MessageRequest copyIncomeRightQuestion();
// Rows.
MessageRequest deleteRowQuestion();
// Totals.
MessageRequest billsLimitMessage();  // a month's expenses reach 100000
MessageRequest viewTotalsMessage();  // the Totals panel's pre-check
// Year files.
MessageRequest copyYearQuestion(std::string_view year, std::string_view nextYear);
MessageRequest copyYearFailedMessage(std::string_view year, std::string_view nextYear,
                                     std::string_view reason);
MessageRequest saveFailedMessage(std::string_view year, std::string_view reason);
// The unsaved-changes questions: "... before Exiting?" with Yes/No/Cancel or Yes/No, and
// "... before Backup?".
MessageRequest saveBeforeExitingQuestion(std::string_view year, bool withCancel);
MessageRequest saveBeforeBackupQuestion(std::string_view year);

// The location indicator: "C" + column + "R" + row.
std::string locationText(int column, int row);
// The tip while the grid is scrolled: " Row 5: Rent ".
std::string scrollTipText(int row, std::string_view name);

}  // namespace coinwell::budget
