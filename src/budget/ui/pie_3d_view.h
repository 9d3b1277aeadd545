#pragma once
// The budget chart as a pie in a three-dimensional view (depth 20, elevation 20): the slices'
// tops on a tilted ellipse, the side walls facing the viewer in a darker shade, a highlighted
// slice hatched and pulled out along its middle. Shares below zero get no slice; a note under
// the pie names them.

#include <QWidget>
#include <vector>

#include "budget/core/budget_chart.h"

namespace coinwell::budget {

class Pie3DView : public QWidget {
    Q_OBJECT
  public:
    explicit Pie3DView(QWidget* parent);

    void setSeries(const std::vector<ChartSeries>& series);
    void setState(const ChartState& state);
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return background_; }

    const PieLayout& layout() const { return layout_; }
    // The negative shares' note ("" when every share has its slice).
    const QString& note() const { return note_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<ChartSeries> series_;
    PieLayout layout_;
    ChartState state_;
    QColor background_;
    QString note_;
};

}  // namespace coinwell::budget
