#pragma once
// The chart Chart2D1 beside the Totals For Year grid: bars (side by side or stacked, upright or
// lying) through Qt Charts, the three-dimensional pie through its own painter, and one legend
// for both. It shows what it is given; the Totals panel's wiring decides what and when.

#include <QFrame>
#include <QImage>
#include <array>
#include <vector>

#include "budget/core/budget_chart.h"

class QAbstractBarSeries;
class QBarSet;
class QChart;
class QChartView;

namespace coinwell::budget {

class ChartLegend;
class Pie3DView;

class BudgetChartWidget : public QFrame {
    Q_OBJECT
  public:
    explicit BudgetChartWidget(QWidget* parent);

    // budgetChart: the series with their legend entries, every one with the normal fill.
    void fill(std::vector<ChartSeries> series);
    void setType(ChartType type);
    void setOrientation(ChartOrientation orientation);
    // The highlight pattern (and for a pie the pulled-out slice) on one series; every other
    // series back to normal.
    void highlight(int series);
    void clearHighlight();

    const ChartState& state() const { return state_; }
    const std::vector<ChartSeries>& series() const { return series_; }

    // The chart's background and its plot area's background.
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const;
    QColor plotBackgroundColor() const;

    // The chart drawn at another size (as for a printed picture), as it is now.
    QImage picture(const QSize& size) const;

    // What is drawn, for tests: the bar series (null while the pie shows), the brush of each
    // series, the pie.
    QAbstractBarSeries* barSeries() const;
    QBrush seriesFill(int series) const;
    Pie3DView* pie() const { return pie_; }
    ChartLegend* legend() const { return legend_; }
    QChart* chart() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // One Qt chart for each kind of bar chart (side by side or stacked, upright or lying), made
    // when first shown and kept: Qt Charts makes a bar, a label and a legend marker for every
    // set, which costs far more than changing the values of sets it has.
    struct BarChart {
        QChart* chart = nullptr;
        QChartView* view = nullptr;
        QAbstractBarSeries* series = nullptr;
        std::vector<QBarSet*> sets;
        int dataVersion = -1;  // the fill it shows
    };

    BarChart* currentBars() const;
    BarChart& makeBars(ChartType type, ChartOrientation orientation);
    void showCurrent();
    void updateBars(BarChart& bars);
    void applyBrushes();
    void applyBackground(BarChart& bars);
    void placeParts();

    std::vector<ChartSeries> series_;
    int dataVersion_ = 0;
    ChartState state_;
    QColor background_;
    std::array<BarChart, 4> bars_;
    Pie3DView* pie_ = nullptr;
    ChartLegend* legend_ = nullptr;
};

}  // namespace coinwell::budget
