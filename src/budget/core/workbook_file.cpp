#include "budget/core/workbook_file.h"

#include <xlsxwriter.h>

#include <string>

#include "common/core/safe_write.h"

namespace coinwell::budget {

namespace {

bool writeCell(lxw_worksheet* sheet, int row, int column, const WorkbookCell& cell,
               lxw_format* heading, lxw_format* amount) {
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(column);
    switch (cell.kind) {
        case WorkbookCell::Kind::Empty:
            return true;
        case WorkbookCell::Kind::Text:
            return worksheet_write_string(sheet, r, c, cell.text.c_str(),
                                          row == 0 ? heading : nullptr) == LXW_NO_ERROR;
        case WorkbookCell::Kind::Number:
            return worksheet_write_number(sheet, r, c, cell.value, amount) == LXW_NO_ERROR;
        case WorkbookCell::Kind::Formula:
            return worksheet_write_formula_num(sheet, r, c, ("=" + cell.text).c_str(), amount,
                                               cell.value) == LXW_NO_ERROR;
    }
    return false;
}

// The whole workbook into the file at path; false when the library could not write it.
bool writeWorkbook(const std::filesystem::path& path, const BudgetWorkbook& book,
                   std::time_t created) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (workbook == nullptr) {
        return false;
    }
    std::string title = book.title;
    lxw_doc_properties properties{};
    properties.title = title.data();
    properties.created = created;
    bool written = workbook_set_properties(workbook, &properties) == LXW_NO_ERROR;

    lxw_worksheet* sheet = workbook_add_worksheet(workbook, book.title.c_str());
    lxw_format* heading = workbook_add_format(workbook);
    format_set_bold(heading);
    lxw_format* amount = workbook_add_format(workbook);
    const std::string amountFormat(kWorkbookAmountFormat);
    format_set_num_format(amount, amountFormat.c_str());
    written = written && sheet != nullptr;
    for (int row = 0; written && row < static_cast<int>(book.rows.size()); ++row) {
        for (int column = 0; written && column < kWorkbookColumns; ++column) {
            written = writeCell(
                sheet, row, column,
                book.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)], heading,
                amount);
        }
    }
    for (int column = 0; written && column < kWorkbookColumns; ++column) {
        written = worksheet_set_column(
                      sheet, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                      book.columnWidths[static_cast<std::size_t>(column)], nullptr) == LXW_NO_ERROR;
    }
    if (written) {
        worksheet_freeze_panes(sheet, 1, 1);
    }
    // Closing writes the file and frees the workbook, also after a failure above.
    const bool closed = workbook_close(workbook) == LXW_NO_ERROR;
    return written && closed;
}

}  // namespace

bool writeWorkbookFile(const std::filesystem::path& target, const BudgetWorkbook& book,
                       std::time_t created, std::error_code& error) {
    return writeFileSafelyThrough(
        target,
        [&book, created](const std::filesystem::path& temporary) {
            return writeWorkbook(temporary, book, created);
        },
        error);
}

}  // namespace coinwell::budget
