#pragma once
// Writes a budget workbook (budget_workbook.h) as an Office Open XML spreadsheet (".xlsx"), the
// file a spreadsheet program opens as a workbook with numbers and formulas: the headings bold,
// the first row and column frozen, every number and formula in "#,##0.00", the columns as wide
// as computed, and the file's title and creation date set.

#include <ctime>
#include <filesystem>
#include <system_error>

#include "budget/core/budget_workbook.h"

namespace coinwell::budget {

// Replaces target only once the new file is complete: on any failure the old file is left whole
// and error says why.
bool writeWorkbookFile(const std::filesystem::path& target, const BudgetWorkbook& book,
                       std::time_t created, std::error_code& error);

}  // namespace coinwell::budget
