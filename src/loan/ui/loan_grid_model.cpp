#include "loan/ui/loan_grid_model.h"

#include <algorithm>
#include "common/ui/qt_text.h"

namespace coinwell::loan {

LoanGridModel::LoanGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void LoanGridModel::showEmpty(int gridRows, int gridColumns) {
    beginResetModel();
    content_ = Content::Empty;
    rows_ = std::max(gridRows, 1);
    columns_ = std::max(gridColumns, 1);
    endResetModel();
}

void LoanGridModel::showTable(std::shared_ptr<const PaymentTable> table) {
    beginResetModel();
    content_ = Content::Table;
    table_ = std::move(table);
    schedule_.reset();
    rows_ = paymentGridRows(*table_);
    columns_ = paymentGridColumns(*table_);
    endResetModel();
}

void LoanGridModel::showSchedule(std::shared_ptr<const AmortizationSchedule> schedule) {
    beginResetModel();
    content_ = Content::Schedule;
    schedule_ = std::move(schedule);
    rows_ = scheduleGridRows(*schedule_);
    columns_ = kScheduleGridColumns;
    endResetModel();
}

std::string LoanGridModel::gridText(int row, int column) const {
    if (row < 0 || column < 0 || row >= rows_ || column >= columns_) {
        return {};
    }
    switch (content_) {
        case Content::Table:
            return paymentTableCellText(*table_, row, column);
        case Content::Schedule:
            return scheduleCellText(*schedule_, row, column);
        case Content::Empty:
            break;
    }
    return (row == 0) != (column == 0) ? " " : "";
}

QString LoanGridModel::displayText(const std::string& text) {
    QString shown = toQString(text);
    shown.remove(QLatin1Char('\r'));
    return shown;
}

int LoanGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - 1;
}

int LoanGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_ - 1;
}

QVariant LoanGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return displayText(gridText(index.row() + 1, index.column() + 1));
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

QVariant LoanGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole) {
        return orientation == Qt::Horizontal ? displayText(gridText(0, section + 1))
                                             : displayText(gridText(section + 1, 0));
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

Qt::ItemFlags LoanGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace coinwell::loan
