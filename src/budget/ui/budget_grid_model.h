#pragma once
// The entry grid VSGd1 over a BudgetYear: model rows 0-49 are grid rows 1-50 and model columns
// 0-12 grid columns 1-13 (the header row and the narrow column 0 are the view's headers). The
// model shows the texts as they are; every rule of entry lives with the screen and the core.

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <functional>

#include "budget/core/budget_year.h"

namespace coinwell::budget {

class BudgetGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    BudgetGridModel(BudgetYear& year, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Grid coordinates (row 1-50, column 1-13) of a model index, and back.
    static int gridRow(const QModelIndex& index) { return index.row() + 1; }
    static int gridColumn(const QModelIndex& index) { return index.column() + 1; }
    QModelIndex cellIndex(int row, int column) const { return index(row - 1, column - 1); }

    // A cell's text changed in the year: the grid shows it.
    void cellChanged(int row, int column);
    // The whole year changed (loaded, sorted, rows moved).
    void yearChanged();

    // The row painted red while its deletion is asked (0: none).
    void setMarkedRow(int row);
    int markedRow() const { return markedRow_; }

  private:
    BudgetYear& year_;
    int markedRow_ = 0;
};

// The grid's own editor: at most 18 characters for an item name and 7 for a month amount. The
// screen hears of each change of the text being edited and of each committed edit; a committed
// edit does not reach the model by itself.
class BudgetGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using Editing = std::function<void(int row, int column, const QString& text)>;
    using Committed = std::function<void(int row, int column, const QString& text)>;

    BudgetGridDelegate(Editing editing, Committed committed, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    Editing editing_;
    Committed committed_;
};

}  // namespace coinwell::budget
