#include "budget/ui/budget_chart_widget.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

#include "budget/ui/chart_legend.h"
#include "budget/ui/chart_look.h"
#include "budget/ui/pie_3d_view.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

namespace {

// The value axis' reach: the smallest and largest bar, or for stacked bars the sums of the
// shares below and above zero; always including 0.
std::pair<double, double> valueRange(const std::vector<ChartSeries>& series, bool stacked) {
    double low = 0;
    double high = 0;
    for (const ChartSeries& s : series) {
        if (stacked) {
            (s.value < 0 ? low : high) += s.value;
        } else {
            low = std::min(low, static_cast<double>(s.value));
            high = std::max(high, static_cast<double>(s.value));
        }
    }
    if (low == high) {
        high = low + 10;
    }
    return {low, high};
}

}  // namespace

BudgetChartWidget::BudgetChartWidget(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Chart2D1"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);

    chart_ = new QChart();
    chart_->legend()->hide();
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->setPlotAreaBackgroundVisible(true);
    chartView_ = new QChartView(chart_, this);
    chartView_->setObjectName(QStringLiteral("Chart2D1Bars"));
    chartView_->setRenderHint(QPainter::Antialiasing, true);
    chartView_->setFrameShape(QFrame::NoFrame);
    pie_ = new Pie3DView(this);
    pie_->hide();
    legend_ = new ChartLegend(this);
    setBackgroundColor(palette().color(QPalette::Window));
    rebuildBars();
    placeParts();
}

void BudgetChartWidget::fill(std::vector<ChartSeries> series) {
    // Nothing is redrawn until every series is in.
    setUpdatesEnabled(false);
    series_ = std::move(series);
    state_.clearHighlight();
    std::vector<ChartLegend::Entry> entries;
    entries.reserve(series_.size());
    for (int i = 0; i < static_cast<int>(series_.size()); ++i) {
        entries.push_back(
            {toQString(series_[static_cast<std::size_t>(i)].label), seriesBrush(i, false)});
    }
    legend_->setEntries(std::move(entries));
    pie_->setSeries(series_);
    rebuildBars();
    setUpdatesEnabled(true);
}

void BudgetChartWidget::setType(ChartType type) {
    setUpdatesEnabled(false);
    state_.chooseType(type);
    rebuildBars();
    setUpdatesEnabled(true);
}

void BudgetChartWidget::setOrientation(ChartOrientation orientation) {
    if (orientation == state_.orientation()) {
        return;
    }
    setUpdatesEnabled(false);
    state_.chooseOrientation(orientation);
    rebuildBars();
    setUpdatesEnabled(true);
}

void BudgetChartWidget::highlight(int series) {
    state_.highlight(series);
    applyBrushes();
}

void BudgetChartWidget::clearHighlight() {
    state_.clearHighlight();
    applyBrushes();
}

void BudgetChartWidget::rebuildBars() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    barSeries_ = nullptr;
    barSets_.clear();

    const bool pie = state_.type() == ChartType::Pie;
    pie_->setVisible(pie);
    chartView_->setVisible(!pie);
    if (!pie) {
        const bool stacked = state_.type() == ChartType::Stacking;
        const bool horizontal = state_.orientation() == ChartOrientation::Horizontal;
        if (stacked) {
            barSeries_ = horizontal
                             ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                             : new QStackedBarSeries;
        } else {
            barSeries_ = horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                    : new QBarSeries;
        }
        barSeries_->setBarWidth(stacked ? 0.5 : 0.9);
        QList<QBarSet*> sets;
        for (const ChartSeries& s : series_) {
            auto* set = new QBarSet(toQString(s.label));
            set->append(static_cast<double>(s.value));
            sets.append(set);
            barSets_.push_back(set);
        }
        barSeries_->append(sets);
        chart_->addSeries(barSeries_);

        auto* categories = new QBarCategoryAxis;
        categories->append(QStringLiteral(" "));
        categories->setGridLineVisible(false);
        auto* values = new QValueAxis;
        const auto [low, high] = valueRange(series_, stacked);
        values->setRange(low, high);
        values->applyNiceNumbers();
        values->setLabelFormat(QStringLiteral("%g"));
        chart_->addAxis(categories, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
        chart_->addAxis(values, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
        barSeries_->attachAxis(categories);
        barSeries_->attachAxis(values);
    }
    applyBrushes();
}

void BudgetChartWidget::applyBrushes() {
    for (int i = 0; i < static_cast<int>(barSets_.size()); ++i) {
        QBarSet* set = barSets_[static_cast<std::size_t>(i)];
        set->setBrush(seriesBrush(i, state_.patterned(i)));
        set->setBorderColor(seriesColor(i).darker(140));
    }
    for (int i = 0; i < static_cast<int>(series_.size()); ++i) {
        legend_->setEntryBrush(i, seriesBrush(i, state_.patterned(i)));
    }
    pie_->setState(state_);
}

QBrush BudgetChartWidget::seriesFill(int series) const {
    if (series < 0 || series >= static_cast<int>(series_.size())) {
        return {};
    }
    if (series < static_cast<int>(barSets_.size())) {
        return barSets_[static_cast<std::size_t>(series)]->brush();
    }
    return seriesBrush(series, state_.patterned(series));
}

void BudgetChartWidget::setBackgroundColor(const QColor& color) {
    background_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    chart_->setBackgroundBrush(color);
    chart_->setPlotAreaBackgroundBrush(color);
    chartView_->setBackgroundBrush(color);
    pie_->setBackgroundColor(color);
}

QColor BudgetChartWidget::backgroundColor() const {
    return chart_->backgroundBrush().color();
}

QColor BudgetChartWidget::plotBackgroundColor() const {
    return chart_->plotAreaBackgroundBrush().color();
}

void BudgetChartWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    placeParts();
}

void BudgetChartWidget::placeParts() {
    const QRect inside = contentsRect();
    const int legendWidth = std::clamp(inside.width() * 32 / 100, 120, 260);
    const QRect plot(inside.left(), inside.top(), std::max(10, inside.width() - legendWidth),
                     inside.height());
    chartView_->setGeometry(plot);
    pie_->setGeometry(plot);
    legend_->setGeometry(plot.right() + 1, inside.top(), legendWidth, inside.height());
}

QImage BudgetChartWidget::picture(const QSize& size) const {
    // A chart of its own at the picture's size, never shown on the screen: the one on the
    // screen keeps its size and look.
    BudgetChartWidget copy(nullptr);
    copy.setFrameShape(QFrame::NoFrame);
    copy.setAttribute(Qt::WA_DontShowOnScreen);
    copy.setFont(font());
    copy.resize(size);
    copy.setBackgroundColor(background_);
    copy.state_ = state_;
    copy.fill(series_);
    copy.state_ = state_;
    copy.rebuildBars();
    copy.show();
    QApplication::sendPostedEvents(&copy);
    QApplication::sendPostedEvents(copy.chart_);
    QApplication::sendPostedEvents(copy.chart_->scene());
    return copy.grab().toImage();
}

}  // namespace coinwell::budget
