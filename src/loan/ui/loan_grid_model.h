#pragma once
// The cells of the Loan Calculator's grid, produced on demand from the payment table or the
// amortization schedule: nothing is stored per cell, so a table of hundreds of rates by hundreds
// of lengths opens at once. The grid's header row and first column (row 0 and column 0 of the
// grid) are the view's headers; model row r and column c are grid row r + 1 and column c + 1.

#include <memory>
#include <string>

#include <QAbstractTableModel>

#include "loan/core/amortization.h"
#include "loan/core/payment_table.h"

namespace coinwell::loan {

class LoanGridModel : public QAbstractTableModel {
  public:
    enum class Content { Empty, Table, Schedule };

    explicit LoanGridModel(QObject* parent = nullptr);

    // An empty grid of the given size (header row and first column included); the header row
    // and first column hold one blank.
    void showEmpty(int gridRows, int gridColumns);
    void showTable(std::shared_ptr<const PaymentTable> table);
    void showSchedule(std::shared_ptr<const AmortizationSchedule> schedule);

    Content content() const { return content_; }
    int gridRows() const { return rows_; }
    int gridColumns() const { return columns_; }
    // The exact text of grid cell (row, column), header row and first column included; line
    // breaks inside a cell are line feed + carriage return. Empty outside the grid.
    std::string gridText(int row, int column) const;
    // The text as drawn (the carriage returns of the line breaks left out).
    static QString displayText(const std::string& text);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    Content content_ = Content::Empty;
    int rows_ = 1;
    int columns_ = 4;
    std::shared_ptr<const PaymentTable> table_;
    std::shared_ptr<const AmortizationSchedule> schedule_;
};

}  // namespace coinwell::loan
