#pragma once
// The Totals For Year panel Panel3D1 that covers the entry area while it is shown: the caption,
// the item totals grid Grid2, the year's expenses, income and balance with their percentages,
// the percentage base note, "Ch&ange %", "&Print Grid Data" and "&Close", and the area beside
// Grid2 that holds the chart. It shows what the screen gives it; the screen runs the commands.

#include <QFrame>

#include "budget/core/budget_totals.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace coinwell::budget {

class TotalsPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TotalsPanel(QWidget* parent);

    // Everything buildYearTotals computed: the caption and the figures always, the item rows
    // only when the computation was complete.
    void showTotals(const YearTotals& totals);
    // The year's expenses and income empty (a year never saved).
    void clearYearTotals();
    // Grid2 back to its header and one empty row.
    void clearGrid();
    void setPercentBase(PercentBase base);
    // The balance figures take the income's background again (any highlight goes).
    void resetBalanceBackground();
    // The grid takes the entry grid's background (colour or picture) and text colour.
    void takeGridAppearance(const QPalette& entryGridPalette);
    // Column widths from Grid2's width: 0.46, 0.235 and 0.26 of it.
    void fitColumns();

    QTableWidget* grid() const { return grid_; }
    QPushButton* changePercentButton() const { return command12_; }
    QPushButton* closeButton() const { return command9_; }
    QPushButton* printButton() const { return command14_; }
    // The place beside Grid2 where the chart and its options go (empty until they are added).
    QWidget* chartArea() const { return chartArea_; }
    QString caption() const;
    // Labels by their names, for the chart's highlight of the balance.
    QLabel* balanceCaption() const { return label12_; }
    QLabel* balanceValue() const { return label15_; }
    QLabel* balancePercent() const { return label18_; }
    QLabel* incomeCaption() const { return label11_; }

  private:
    void showScrollTip(int value);

    QLabel* caption_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* label10_ = nullptr;
    QLabel* label11_ = nullptr;
    QLabel* label12_ = nullptr;
    QLabel* label13_ = nullptr;
    QLabel* label14_ = nullptr;
    QLabel* label15_ = nullptr;
    QLabel* label16_ = nullptr;
    QLabel* label17_ = nullptr;
    QLabel* label18_ = nullptr;
    QLabel* label19_ = nullptr;
    QPushButton* command12_ = nullptr;
    QPushButton* command14_ = nullptr;
    QPushButton* command9_ = nullptr;
    QWidget* chartArea_ = nullptr;
};

}  // namespace coinwell::budget
