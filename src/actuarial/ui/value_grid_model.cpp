#include "actuarial/ui/value_grid_model.h"

#include "actuarial/core/value_grid.h"

namespace coinwell::actuarial {

ValueGridModel::ValueGridModel(QObject* parent) : GridTextModel(parent) {}

void ValueGridModel::showTable(std::shared_ptr<const ValueTable> table, int gridRows,
                               int gridColumns) {
    showContent(gridRows, gridColumns, [&] { table_ = std::move(table); });
}

std::string ValueGridModel::contentText(int row, int column) const {
    return valueGridText(*table_, gridRows(), gridColumns(), row, column);
}

Qt::Alignment ValueGridModel::contentAlignment(int row, int column) const {
    if (row == 0 || column == 0) {
        return Qt::AlignCenter;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

}  // namespace coinwell::actuarial
