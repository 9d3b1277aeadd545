#pragma once
// The budget as a spreadsheet file (Utilities > Export File in Excel/Spreadsheet Format): 51
// lines of Windows-1252 text, the header row and the 50 item rows of the entry grid, each the 14
// cells of its row (the empty fixed column first) separated by tabs and ended by CR LF. Names and
// amounts only, as shown: no quotes, no totals, income or balances. A name ending in ".xlsx"
// exports a workbook with totals instead (budget_workbook.h).

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "budget/core/budget_year.h"

namespace coinwell::budget {

// "Budget2012.xls", the name the export panel offers.
std::string defaultExportName(std::string_view year);

// The whole content of the export file.
std::string exportFileBytes(const BudgetYear& year);

// A name the export takes: with the blanks around it removed, not empty, ending in ".xls" in any
// letter case with something before it, and a bare file name (no folder separator, so that the
// file lands in the folder chosen).
bool acceptableExportName(std::string_view name);

enum class ExportFormat { TabDelimitedText, Workbook };

// What a name exports: the tab-delimited text for a name acceptableExportName takes, a workbook
// for one that ends in ".xlsx" (in any letter case) under the same rules, nothing otherwise.
std::optional<ExportFormat> exportFormatOf(std::string_view name);

// The folder shown as the export's path: always ending with one separator.
std::string folderWithSeparator(std::string_view folder);

// The file an export writes: the folder and the name, each without the blanks around it, joined
// by one separator.
std::filesystem::path exportTarget(std::string_view folder, std::string_view name);

// Writes the export file, replacing an existing file only once the new one is complete: on any
// failure the old file is left whole and error says why.
bool writeExportFile(const std::filesystem::path& target, const BudgetYear& year,
                     std::error_code& error);

// Writes the export in the format given (yearText names the workbook's sheet; now is its
// creation date), replacing an existing file only once the new one is complete.
bool writeExport(const std::filesystem::path& target, ExportFormat format,
                 std::string_view yearText, const BudgetYear& year, std::time_t now,
                 std::error_code& error);

}  // namespace coinwell::budget
