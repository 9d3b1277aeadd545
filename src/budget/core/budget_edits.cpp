#include "budget/core/budget_edits.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "budget/core/budget_texts.h"
#include "budget/core/stored_number.h"
#include "common/core/format_number.h"
#include "common/core/number_parse.h"
#include "common/core/text_trim.h"

namespace coinwell::budget {

namespace {

constexpr std::string_view kAmountPattern = "####.00";
constexpr std::string_view kIncomePattern = "#####.00";

// Compares two cell texts as the grid's heading sort does: numbers as numbers, anything else
// as text without regard to letter case.
bool sortsBefore(const std::string& a, const std::string& b) {
    if (!a.empty() && !b.empty()) {
        const auto x = parseLocaleNumber(a);
        const auto y = parseLocaleNumber(b);
        if (x && y) {
            return *x < *y;
        }
    }
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char l, unsigned char r) { return std::tolower(l) < std::tolower(r); });
}

}  // namespace

CommaCut cutAtComma(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return {std::string(text), false};
    }
    return {std::string(text.substr(0, comma)), true};
}

InputBoxChange inputBoxChange(std::string_view text, int column) {
    InputBoxChange change;
    const CommaCut cut = cutAtComma(text);
    change.boxText = cut.text;
    change.boxChanged = cut.changed;
    const bool month = monthOfColumn(column) >= 0;
    if (month && storedNumber(change.boxText) >= 10000) {
        change.boxText = "9999.99";
        change.boxChanged = true;
        change.beep = true;
    }
    change.cellText =
        month ? formatNumber(std::string_view(change.boxText), kAmountPattern) : change.boxText;
    return change;
}

CommittedAmount commitMonthAmount(std::string_view typed) {
    double x = storedNumber(typed);
    CommittedAmount result;
    if (!(x > 0)) {
        result.message = numbersOnlyMessage();
        return result;  // the cell becomes empty
    }
    if (x >= 10000) {
        result.message = amountLimitMessage();
        x = kAmountLimit;
    }
    result.cellText = formatNumber(x, kAmountPattern);
    return result;
}

std::optional<IncomeEntry> enterIncome(std::string_view answer) {
    if (answer.empty()) {
        return std::nullopt;
    }
    IncomeEntry entry;
    std::string text(answer);
    if (storedNumber(text) > kIncomeLimit) {
        entry.message = incomeLimitMessage();
        text = "99999.99";
    }
    entry.caption = formatNumber(std::string_view(text), kIncomePattern);
    return entry;
}

void copyIncomeRight(BudgetYear& year, int month) {
    if (month < 0 || month >= kMonths) {
        return;
    }
    for (int later = month + 1; later < kMonths; ++later) {
        year.income[static_cast<std::size_t>(later)] = year.income[static_cast<std::size_t>(month)];
    }
}

bool canCopyRight(int column) {
    return column >= kFirstMonthColumn && column < kLastMonthColumn;
}

void copyRight(BudgetYear& year, int row, int column) {
    if (!canCopyRight(column) || !year.cell(row, column)) {
        return;
    }
    for (int c = column; c < kLastMonthColumn; ++c) {
        *year.cell(row, c + 1) = year.cellText(row, c);
    }
}

void insertItemRow(BudgetYear& year, int row) {
    if (row < 1 || row > kItemRows) {
        return;
    }
    auto first = year.items.begin() + (row - 1);
    std::move_backward(first, year.items.end() - 1, year.items.end());
    *first = BudgetItem{};
}

void deleteItemRow(BudgetYear& year, int row) {
    if (row < 1 || row > kItemRows) {
        return;
    }
    auto first = year.items.begin() + (row - 1);
    std::move(first + 1, year.items.end(), first);
    year.items.back() = BudgetItem{};
}

bool hasName(const BudgetItem& item) {
    return !trimBlanks(item.name).empty();
}

bool hasNameInFirstRows(const BudgetYear& year) {
    return std::any_of(year.items.begin(), year.items.begin() + 20, hasName);
}

void sortItemRows(BudgetYear& year, int column, bool ascending) {
    if (column < kItemColumn || column > kLastMonthColumn) {
        return;
    }
    std::vector<BudgetItem> rows(year.items.begin(), year.items.end());
    const auto key = [column](const BudgetItem& item) -> const std::string& {
        return column == kItemColumn
                   ? item.name
                   : item.amounts[static_cast<std::size_t>(column - kFirstMonthColumn)];
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const BudgetItem& a, const BudgetItem& b) {
        return ascending ? sortsBefore(key(a), key(b)) : sortsBefore(key(b), key(a));
    });
    if (ascending) {
        if (column == kItemColumn) {
            // The rows without a name, which the sort put first, are taken off the top.
            const auto named = std::find_if(rows.begin(), rows.end(), hasName);
            rows.erase(rows.begin(), named);
        } else {
            std::erase_if(rows, [](const BudgetItem& item) { return !hasName(item); });
        }
    }
    rows.resize(kItemRows);
    std::move(rows.begin(), rows.end(), year.items.begin());
}

}  // namespace coinwell::budget
