#pragma once
// The chart beside the comparison grid: each item's year totals as a pair of bars, year A and
// year B in two colours with a legend, on the screen's panel colour. A highlighted item's pair
// of bars takes the highlight colour.

#include <QChartView>
#include <QColor>
#include <QImage>
#include <string>
#include <vector>

#include "budget/core/year_comparison.h"

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

namespace coinwell::budget {

class ComparisonChart : public QChartView {
    Q_OBJECT
  public:
    explicit ComparisonChart(QWidget* parent);

    // The items of the comparison (not its total rows) as pairs of bars; no highlight.
    void fill(const YearComparison& comparison);
    // The pair of bars of item (0 = the first), or none for -1.
    void highlight(int item);
    int highlighted() const { return highlighted_; }
    void setBackgroundColor(const QColor& color);

    // The chart drawn at another size on another background (as for a printed picture).
    QImage picture(const QSize& size, const QColor& background) const;

    // For tests: the bar sets of year A and year B.
    QBarSet* setA() const { return setA_; }
    QBarSet* setB() const { return setB_; }
    QBarCategoryAxis* categories() const { return categories_; }

  private:
    YearComparison comparison_;  // the last fill, for pictures
    QBarSeries* series_ = nullptr;
    QBarSet* setA_ = nullptr;
    QBarSet* setB_ = nullptr;
    QBarCategoryAxis* categories_ = nullptr;
    QValueAxis* values_ = nullptr;
    int highlighted_ = -1;
};

}  // namespace coinwell::budget
