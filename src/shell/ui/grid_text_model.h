#pragma once
// The cells of a table grid with a fixed header row and first column, produced on demand from
// what the screen shows (nothing is stored per cell, so a table of hundreds of rows by hundreds
// of columns opens at once). The header row and first column (row 0 and column 0 of the grid)
// are the view's headers; model row r and column c are grid row r + 1 and column c + 1.

#include <functional>
#include <string>

#include <QAbstractTableModel>

namespace coinwell {

class GridTextModel : public QAbstractTableModel {
  public:
    explicit GridTextModel(QObject* parent = nullptr);

    // An empty grid of the given size (header row and first column included); the header row
    // and first column hold one blank.
    void showEmpty(int gridRows, int gridColumns);
    bool showsContent() const { return showsContent_; }
    int gridRows() const { return rows_; }
    int gridColumns() const { return columns_; }
    // The exact text of grid cell (row, column), header row and first column included. Empty
    // outside the grid.
    std::string gridText(int row, int column) const;
    // The text as drawn (carriage returns left out).
    static QString displayText(const std::string& text);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  protected:
    // Replaces the content: change() puts the screen's new content in place, between the start
    // and the end of the model's reset.
    void showContent(int gridRows, int gridColumns, const std::function<void()>& change);
    // The text of a cell while content is shown (row and column inside the grid).
    virtual std::string contentText(int row, int column) const = 0;
    // Alignment of a cell; centred unless the screen says otherwise.
    virtual Qt::Alignment contentAlignment(int row, int column) const;

  private:
    bool showsContent_ = false;
    int rows_ = 1;
    int columns_ = 4;
};

}  // namespace coinwell
