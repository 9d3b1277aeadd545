#pragma once
// The texts of the earlier versions of a year: the message when a version could not be kept,
// the Versions1 dialog's caption and list lines, and the question before a restore.

#include <optional>
#include <string>
#include <string_view>

#include "budget/core/budget_year.h"
#include "common/core/date_time.h"
#include "common/core/dialogs.h"

namespace coinwell::budget {

// "The earlier version of 2012 could not be kept: The disk is full." (Home Budget, OK).
MessageRequest versionNotKeptMessage(std::string_view year, std::string_view reason);
// "Save changes made to 2012 budget before Restore?" (Yes/No/Cancel).
MessageRequest saveBeforeRestoreQuestion(std::string_view year);

// "Earlier Versions of 2012".
std::string versionsCaption(std::string_view year);
// "No earlier versions of 2012".
std::string noVersionsLine(std::string_view year);
// "2026-12-10 14:05:09   Expenses 1234.00   Income 2500.00"; for a version that cannot be read
// "2026-12-10 14:05:09   (unreadable)".
std::string versionLine(const DateTime& when, const std::optional<BudgetYear>& year);
// What the dialog shows beside the list: the version's first named items with their year
// totals, then its Total Expenses, Total Income and Balance for the year.
std::string versionPreview(const BudgetYear& year, int items);

}  // namespace coinwell::budget
