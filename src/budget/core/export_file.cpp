#include "budget/core/export_file.h"

#include <algorithm>
#include <cctype>

#include "budget/core/budget_workbook.h"
#include "budget/core/workbook_file.h"
#include "common/core/safe_write.h"
#include "common/core/text_trim.h"
#include "common/core/windows1252.h"

namespace coinwell::budget {

namespace {

constexpr std::string_view kExtension = ".xls";
constexpr std::string_view kWorkbookExtension = ".xlsx";

bool endsWithNoCase(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size()) {
        return false;
    }
    return std::equal(ending.begin(), ending.end(), text.end() - static_cast<long>(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

bool acceptableNameWith(std::string_view name, std::string_view extension) {
    name = trimBlanks(name);
    if (name.size() <= extension.size() || !endsWithNoCase(name, extension)) {
        return false;
    }
    // Either separator would put the file somewhere else than the folder shown.
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace

std::string defaultExportName(std::string_view year) {
    return "Budget" + std::string(year) + std::string(kExtension);
}

std::string exportFileBytes(const BudgetYear& year) {
    std::string text;
    text.reserve(8 * 1024);
    for (int row = 0; row < kGridRows; ++row) {
        // Column 0 holds nothing: every line begins with the tab after it.
        for (int column = 1; column < kGridColumns; ++column) {
            text += '\t';
            text += row == 0 ? std::string(gridHeading(column)) : year.cellText(row, column);
        }
        text += "\r\n";
    }
    // The screen refuses any text a budget file cannot hold, so nothing is replaced here in
    // practice.
    return utf8ToWindows1252Lossy(text);
}

bool acceptableExportName(std::string_view name) {
    return acceptableNameWith(name, kExtension);
}

std::optional<ExportFormat> exportFormatOf(std::string_view name) {
    if (acceptableNameWith(name, kExtension)) {
        return ExportFormat::TabDelimitedText;
    }
    if (acceptableNameWith(name, kWorkbookExtension)) {
        return ExportFormat::Workbook;
    }
    return std::nullopt;
}

std::string folderWithSeparator(std::string_view folder) {
    std::string text(folder);
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

std::filesystem::path exportTarget(std::string_view folder, std::string_view name) {
    return std::filesystem::path(folderWithSeparator(trimBlanks(folder)) +
                                 std::string(trimBlanks(name)));
}

bool writeExportFile(const std::filesystem::path& target, const BudgetYear& year,
                     std::error_code& error) {
    return writeFileSafely(target, exportFileBytes(year), error);
}

bool writeExport(const std::filesystem::path& target, ExportFormat format,
                 std::string_view yearText, const BudgetYear& year, std::time_t now,
                 std::error_code& error) {
    if (format == ExportFormat::Workbook) {
        return writeWorkbookFile(target, budgetWorkbook(yearText, year), now, error);
    }
    return writeExportFile(target, year, error);
}

}  // namespace coinwell::budget
