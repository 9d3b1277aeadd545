#pragma once
// The chart on the Totals For Year panel with its choices: "Chart Type" (Bar, Pie, Stacking),
// "Orientation" (Vertical, Horizontal) and the hint "Click Item to Highlight in Graph". It fills
// the chart from the year totals, highlights the item clicked (or chosen with Enter) in Grid2 and
// the balance when its figures are clicked, and takes the panel colour at every activation.

#include <QObject>
#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace coinwell::budget {

class BudgetChartWidget;
class BudgetScreen;

class TotalsChart : public QObject {
    Q_OBJECT
  public:
    explicit TotalsChart(BudgetScreen& screen);

    // budgetChart, after every highlight is reset: the panel opens or the base changes.
    void fillChart();
    // SSOption1(k) and SSOption2(k).
    void chooseType(int index);
    void chooseOrientation(int index);
    // A click on a row of Grid2 (0 = the first item) or Enter on it.
    void highlightItem(int row);
    // A click on Label12, Label15 or Label18.
    void highlightBalance();

    BudgetChartWidget* chart() const { return chart_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void placeControls();
    bool highlightAllowed();
    void resetBalanceLabels();
    void focusClose();

    BudgetScreen& screen_;
    BudgetChartWidget* chart_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    std::array<QRadioButton*, 3> typeOptions_{};
    std::array<QRadioButton*, 2> orientationOptions_{};
    QLabel* label9_ = nullptr;
};

}  // namespace coinwell::budget
