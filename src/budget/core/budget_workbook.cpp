#include "budget/core/budget_workbook.h"

#include <algorithm>

#include "budget/core/budget_totals.h"
#include "budget/core/exact_sum.h"
#include "common/core/format_number.h"
#include "common/core/text_trim.h"
#include "common/core/windows1252.h"

namespace coinwell::budget {

namespace {

constexpr std::string_view kTotalHeading = "Total";
// Room beside the longest text, and the width of an empty column (the spreadsheet's default).
constexpr double kColumnMargin = 2;
constexpr double kNarrowestColumn = 8.43;

bool hasNameOrAmount(const BudgetItem& item) {
    return !trimBlanks(item.name).empty() ||
           std::any_of(item.amounts.begin(), item.amounts.end(),
                       [](const std::string& amount) { return !trimBlanks(amount).empty(); });
}

WorkbookCell textCell(std::string text) {
    return {WorkbookCell::Kind::Text, std::move(text), 0};
}

WorkbookCell numberCell(double value) {
    return {WorkbookCell::Kind::Number, {}, value};
}

WorkbookCell formulaCell(std::string formula, double value) {
    return {WorkbookCell::Kind::Formula, std::move(formula), value};
}

// A month's amount or income: empty stays empty, a number as the totals read it is a number,
// anything else is kept as text. Numbers are added to sum.
WorkbookCell amountCell(const std::string& text, ExactSum& sum) {
    if (trimBlanks(text).empty()) {
        return {};
    }
    if (const std::optional<double> value = amountValue(text)) {
        sum.add(*value);
        return numberCell(*value);
    }
    return textCell(text);
}

std::string sumFormula(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    return "SUM(" + workbookCellName(firstRow, firstColumn) + ":" +
           workbookCellName(lastRow, lastColumn) + ")";
}

std::string shownText(const WorkbookCell& cell) {
    switch (cell.kind) {
        case WorkbookCell::Kind::Empty:
            return {};
        case WorkbookCell::Kind::Text:
            return cell.text;
        case WorkbookCell::Kind::Number:
        case WorkbookCell::Kind::Formula:
            return formatNumber(cell.value, kWorkbookAmountFormat);
    }
    return {};
}

}  // namespace

std::string workbookCellName(int row, int column) {
    std::string letters;
    for (int rest = column + 1; rest > 0; rest = (rest - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    }
    return letters + std::to_string(row + 1);
}

BudgetWorkbook budgetWorkbook(std::string_view year, const BudgetYear& budget) {
    BudgetWorkbook book;
    book.title = "Budget " + std::string(year);

    WorkbookRow headings;
    headings[0] = textCell(std::string(gridHeading(kItemColumn)));
    for (int m = 0; m < kMonths; ++m) {
        headings[static_cast<std::size_t>(m + 1)] =
            textCell(std::string(gridHeading(kFirstMonthColumn + m)));
    }
    headings[kWorkbookTotalColumn] = textCell(std::string(kTotalHeading));
    book.rows.push_back(std::move(headings));

    std::array<ExactSum, kMonths> expenses;
    ExactSum allExpenses;
    for (const BudgetItem& item : budget.items) {
        if (!hasNameOrAmount(item)) {
            continue;
        }
        const int row = static_cast<int>(book.rows.size());
        WorkbookRow cells;
        if (!trimBlanks(item.name).empty()) {
            cells[0] = textCell(item.name);
        }
        ExactSum itemTotal;
        for (std::size_t m = 0; m < kMonths; ++m) {
            ExactSum amount;
            cells[m + 1] = amountCell(item.amounts[m], amount);
            expenses[m] += amount;
            itemTotal += amount;
        }
        allExpenses += itemTotal;
        cells[kWorkbookTotalColumn] =
            formulaCell(sumFormula(row, 1, row, kMonths), itemTotal.value());
        book.rows.push_back(std::move(cells));
    }
    const int lastItemRow = static_cast<int>(book.rows.size()) - 1;

    const int expensesRow = static_cast<int>(book.rows.size());
    WorkbookRow expenseCells;
    expenseCells[0] = textCell("Total Expenses");
    for (int m = 0; m < kMonths; ++m) {
        const double value = expenses[static_cast<std::size_t>(m)].value();
        // Without item rows there is no range to add.
        expenseCells[static_cast<std::size_t>(m + 1)] =
            lastItemRow > 0 ? formulaCell(sumFormula(1, m + 1, lastItemRow, m + 1), value)
                            : numberCell(0);
    }
    expenseCells[kWorkbookTotalColumn] =
        formulaCell(sumFormula(expensesRow, 1, expensesRow, kMonths), allExpenses.value());
    book.rows.push_back(std::move(expenseCells));

    const int incomeRow = expensesRow + 1;
    WorkbookRow incomeCells;
    incomeCells[0] = textCell("Total Income");
    std::array<ExactSum, kMonths> income;
    ExactSum allIncome;
    for (std::size_t m = 0; m < kMonths; ++m) {
        incomeCells[m + 1] = amountCell(budget.income[m], income[m]);
        allIncome += income[m];
    }
    incomeCells[kWorkbookTotalColumn] =
        formulaCell(sumFormula(incomeRow, 1, incomeRow, kMonths), allIncome.value());
    book.rows.push_back(std::move(incomeCells));

    WorkbookRow balanceCells;
    balanceCells[0] = textCell("Balance");
    for (int column = 1; column <= kWorkbookTotalColumn; ++column) {
        ExactSum balance = column == kWorkbookTotalColumn
                               ? allIncome
                               : income[static_cast<std::size_t>(column - 1)];
        balance -= column == kWorkbookTotalColumn ? allExpenses
                                                  : expenses[static_cast<std::size_t>(column - 1)];
        balanceCells[static_cast<std::size_t>(column)] = formulaCell(
            workbookCellName(incomeRow, column) + "-" + workbookCellName(expensesRow, column),
            balance.value());
    }
    book.rows.push_back(std::move(balanceCells));

    for (std::size_t column = 0; column < kWorkbookColumns; ++column) {
        std::size_t longest = 0;
        for (const WorkbookRow& row : book.rows) {
            longest = std::max(longest, utf8Length(shownText(row[column])));
        }
        book.columnWidths[column] =
            std::max(kNarrowestColumn, static_cast<double>(longest) + kColumnMargin);
    }
    return book;
}

}  // namespace coinwell::budget
