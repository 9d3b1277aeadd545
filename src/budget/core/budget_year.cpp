#include "budget/core/budget_year.h"

namespace coinwell::budget {

namespace {

constexpr std::array<std::string_view, kGridColumns> kHeadings = {
    "", "Item", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

const std::string& BudgetYear::cellText(int row, int column) const {
    static const std::string empty;
    const std::string* found = const_cast<BudgetYear*>(this)->cell(row, column);
    return found ? *found : empty;
}

std::string* BudgetYear::cell(int row, int column) {
    if (row < 1 || row > kItemRows || column < kItemColumn || column > kLastMonthColumn) {
        return nullptr;
    }
    BudgetItem& item = items[static_cast<std::size_t>(row - 1)];
    if (column == kItemColumn) {
        return &item.name;
    }
    return &item.amounts[static_cast<std::size_t>(column - kFirstMonthColumn)];
}

std::string_view gridHeading(int column) {
    if (column < 0 || column >= kGridColumns) {
        return {};
    }
    return kHeadings[static_cast<std::size_t>(column)];
}

int monthOfColumn(int column) {
    return column >= kFirstMonthColumn && column <= kLastMonthColumn ? column - kFirstMonthColumn
                                                                     : -1;
}

}  // namespace coinwell::budget
