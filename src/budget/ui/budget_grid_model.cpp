#include "budget/ui/budget_grid_model.h"

#include <QLineEdit>

#include "budget/core/budget_edits.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

BudgetGridModel::BudgetGridModel(BudgetYear& year, QObject* parent)
    : QAbstractTableModel(parent), year_(year) {}

int BudgetGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kItemRows;
}

int BudgetGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLastMonthColumn;
}

QVariant BudgetGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = gridRow(index);
    const int column = gridColumn(index);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return toQString(year_.cellText(row, column));
        case Qt::AccessibleTextRole: {
            // A month's figure is read with its item and month ("Rent, Jan: 650.00").
            const QString text = toQString(year_.cellText(row, column));
            const QString item = toQString(year_.cellText(row, kItemColumn)).simplified();
            if (column == kItemColumn || text.trimmed().isEmpty() || item.isEmpty()) {
                return text;
            }
            return item + QStringLiteral(", ") + toQString(gridHeading(column)).simplified() +
                   QStringLiteral(": ") + text.trimmed();
        }
        case Qt::TextAlignmentRole:
            return column == kItemColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                         : int(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            if (row == markedRow_) {
                return QColor(255, 0, 0);
            }
            return {};
        default:
            return {};
    }
}

QVariant BudgetGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole) {
        // Column 0 holds no text; the headings of columns 1 to 13 are centred.
        return orientation == Qt::Horizontal ? toQString(gridHeading(section + 1)) : QString();
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

Qt::ItemFlags BudgetGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void BudgetGridModel::cellChanged(int row, int column) {
    const QModelIndex changed = cellIndex(row, column);
    emit dataChanged(changed, changed);
}

void BudgetGridModel::yearChanged() {
    emit dataChanged(index(0, 0), index(kItemRows - 1, kLastMonthColumn - 1));
}

void BudgetGridModel::setMarkedRow(int row) {
    const int before = markedRow_;
    markedRow_ = row;
    for (const int changed : {before, row}) {
        if (changed >= 1 && changed <= kItemRows) {
            emit dataChanged(cellIndex(changed, kItemColumn), cellIndex(changed, kLastMonthColumn),
                             {Qt::BackgroundRole});
        }
    }
}

// ---------------------------------------------------------------------------------------------

BudgetGridDelegate::BudgetGridDelegate(Editing editing, Committed committed, QObject* parent)
    : QStyledItemDelegate(parent), editing_(std::move(editing)), committed_(std::move(committed)) {}

QWidget* BudgetGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    auto* editor =
        qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!editor) {
        return nullptr;
    }
    const int row = BudgetGridModel::gridRow(index);
    const int column = BudgetGridModel::gridColumn(index);
    const bool month = column != kItemColumn;
    editor->setObjectName(QStringLiteral("VSGd1Editor"));
    editor->setMaxLength(month ? kAmountEditLength : kNameEditLength);
    editor->setAlignment(month ? Qt::AlignRight | Qt::AlignVCenter
                               : Qt::AlignLeft | Qt::AlignVCenter);
    connect(editor, &QLineEdit::textEdited, editor,
            [this, editor, row, column, month](QString text) {
                if (month) {
                    // The Input Box's comma rule: the amount is cut at a comma, so a comma typed
                    // is dropped as it comes and a pasted "12,50" is 12, never 1250.
                    const CommaCut cut = cutAtComma(text.toStdString());
                    if (cut.changed) {
                        text = toQString(cut.text);
                        editor->setText(text);
                        editor->setCursorPosition(static_cast<int>(text.size()));
                    }
                }
                if (editing_) {
                    editing_(row, column, text);
                }
            });
    return editor;
}

void BudgetGridDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                      const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && committed_) {
        committed_(BudgetGridModel::gridRow(index), BudgetGridModel::gridColumn(index),
                   line->text());
    }
}

}  // namespace coinwell::budget
