#include "shell/ui/grid_text_model.h"

#include <algorithm>

#include <QStringList>

#include "common/ui/qt_text.h"

namespace coinwell {

GridTextModel::GridTextModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridTextModel::showEmpty(int gridRows, int gridColumns) {
    beginResetModel();
    showsContent_ = false;
    rows_ = std::max(gridRows, 1);
    columns_ = std::max(gridColumns, 1);
    endResetModel();
}

void GridTextModel::showContent(int gridRows, int gridColumns,
                                const std::function<void()>& change) {
    beginResetModel();
    change();
    showsContent_ = true;
    rows_ = std::max(gridRows, 1);
    columns_ = std::max(gridColumns, 1);
    endResetModel();
}

std::string GridTextModel::gridText(int row, int column) const {
    if (row < 0 || column < 0 || row >= rows_ || column >= columns_) {
        return {};
    }
    if (showsContent_) {
        return contentText(row, column);
    }
    return (row == 0) != (column == 0) ? " " : "";
}

Qt::Alignment GridTextModel::contentAlignment(int, int) const {
    return Qt::AlignCenter;
}

QString GridTextModel::displayText(const std::string& text) {
    QString shown = toQString(text);
    shown.remove(QLatin1Char('\r'));
    return shown;
}

int GridTextModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - 1;
}

int GridTextModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_ - 1;
}

QVariant GridTextModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    if (role == Qt::DisplayRole) {
        return displayText(gridText(row, column));
    }
    if (role == Qt::AccessibleTextRole) {
        // A figure alone says little to a listener: it is read with its row and column
        // ("6.50%, 30 Years: $1,137.72").
        const QString text = displayText(gridText(row, column));
        const QString rowHeading = displayText(gridText(row, 0)).simplified();
        const QString columnHeading = displayText(gridText(0, column)).simplified();
        if (!showsContent_ || text.trimmed().isEmpty() ||
            (rowHeading.isEmpty() && columnHeading.isEmpty())) {
            return text;
        }
        QStringList headings;
        for (const QString& heading : {rowHeading, columnHeading}) {
            if (!heading.isEmpty()) {
                headings << heading;
            }
        }
        return headings.join(QStringLiteral(", ")) + QStringLiteral(": ") + text.simplified();
    }
    if (role == Qt::TextAlignmentRole) {
        return showsContent_ ? int(contentAlignment(row, column)) : int(Qt::AlignCenter);
    }
    return {};
}

QVariant GridTextModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole) {
        return orientation == Qt::Horizontal ? displayText(gridText(0, section + 1))
                                             : displayText(gridText(section + 1, 0));
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

Qt::ItemFlags GridTextModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace coinwell
