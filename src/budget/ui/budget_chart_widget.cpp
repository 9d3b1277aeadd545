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

// The kinds of bar chart by type and orientation: 0 side by side upright, 1 lying, 2 stacked
// upright, 3 lying.
int barKind(ChartType type, ChartOrientation orientation) {
    return (type == ChartType::Stacking ? 2 : 0) +
           (orientation == ChartOrientation::Horizontal ? 1 : 0);
}

}  // namespace

BudgetChartWidget::BudgetChartWidget(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Chart2D1"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    pie_ = new Pie3DView(this);
    pie_->hide();
    legend_ = new ChartLegend(this);
    setBackgroundColor(palette().color(QPalette::Window));
    showCurrent();
    placeParts();
}

void BudgetChartWidget::fill(std::vector<ChartSeries> series) {
    // Nothing is redrawn until every series is in.
    setUpdatesEnabled(false);
    series_ = std::move(series);
    ++dataVersion_;
    state_.clearHighlight();
    std::vector<ChartLegend::Entry> entries;
    entries.reserve(series_.size());
    for (int i = 0; i < static_cast<int>(series_.size()); ++i) {
        entries.push_back(
            {toQString(series_[static_cast<std::size_t>(i)].label), seriesBrush(i, false)});
    }
    legend_->setEntries(std::move(entries));
    pie_->setSeries(series_);
    showCurrent();
    setUpdatesEnabled(true);
}

void BudgetChartWidget::setType(ChartType type) {
    setUpdatesEnabled(false);
    state_.chooseType(type);
    showCurrent();
    setUpdatesEnabled(true);
}

void BudgetChartWidget::setOrientation(ChartOrientation orientation) {
    if (orientation == state_.orientation()) {
        return;
    }
    setUpdatesEnabled(false);
    state_.chooseOrientation(orientation);
    showCurrent();
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

BudgetChartWidget::BarChart* BudgetChartWidget::currentBars() const {
    if (state_.type() == ChartType::Pie) {
        return nullptr;
    }
    const BarChart& bars =
        bars_[static_cast<std::size_t>(barKind(state_.type(), state_.orientation()))];
    return bars.chart != nullptr ? const_cast<BarChart*>(&bars) : nullptr;
}

QAbstractBarSeries* BudgetChartWidget::barSeries() const {
    const BarChart* bars = currentBars();
    return bars != nullptr ? bars->series : nullptr;
}

QChart* BudgetChartWidget::chart() const {
    const BarChart* bars = currentBars();
    return bars != nullptr ? bars->chart : nullptr;
}

BudgetChartWidget::BarChart& BudgetChartWidget::makeBars(ChartType type,
                                                         ChartOrientation orientation) {
    BarChart& bars = bars_[static_cast<std::size_t>(barKind(type, orientation))];
    if (bars.chart != nullptr) {
        return bars;
    }
    const bool stacked = type == ChartType::Stacking;
    const bool horizontal = orientation == ChartOrientation::Horizontal;
    bars.chart = new QChart();
    bars.chart->legend()->hide();
    bars.chart->setBackgroundRoundness(0);
    bars.chart->setMargins(QMargins(4, 4, 4, 4));
    bars.chart->setPlotAreaBackgroundVisible(true);
    bars.view = new QChartView(bars.chart, this);
    bars.view->setObjectName(QStringLiteral("Chart2D1Bars"));
    bars.view->setRenderHint(QPainter::Antialiasing, true);
    bars.view->setFrameShape(QFrame::NoFrame);
    bars.view->hide();
    if (stacked) {
        bars.series = horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                                 : new QStackedBarSeries;
    } else {
        bars.series = horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                 : new QBarSeries;
    }
    bars.series->setBarWidth(stacked ? 0.5 : 0.9);
    bars.chart->addSeries(bars.series);
    auto* categories = new QBarCategoryAxis;
    categories->append(QStringLiteral(" "));
    categories->setGridLineVisible(false);
    auto* values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%g"));
    bars.chart->addAxis(categories, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    bars.chart->addAxis(values, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    bars.series->attachAxis(categories);
    bars.series->attachAxis(values);
    applyBackground(bars);
    placeParts();
    return bars;
}

void BudgetChartWidget::showCurrent() {
    const bool pie = state_.type() == ChartType::Pie;
    BarChart* shown = nullptr;
    if (!pie) {
        shown = &makeBars(state_.type(), state_.orientation());
        if (shown->dataVersion != dataVersion_) {
            updateBars(*shown);
        }
    }
    for (BarChart& bars : bars_) {
        if (bars.view != nullptr) {
            bars.view->setVisible(&bars == shown);
        }
    }
    pie_->setVisible(pie);
    applyBrushes();
}

void BudgetChartWidget::updateBars(BarChart& bars) {
    // The same number of series takes the new values and labels in place.
    if (bars.sets.size() != series_.size()) {
        bars.series->clear();
        bars.sets.clear();
        QList<QBarSet*> sets;
        for (const ChartSeries& s : series_) {
            auto* set = new QBarSet(toQString(s.label));
            set->append(static_cast<double>(s.value));
            sets.append(set);
            bars.sets.push_back(set);
        }
        bars.series->append(sets);
    } else {
        for (std::size_t i = 0; i < series_.size(); ++i) {
            bars.sets[i]->setLabel(toQString(series_[i].label));
            bars.sets[i]->replace(0, static_cast<double>(series_[i].value));
        }
    }
    const bool stacked = bars.series->type() == QAbstractSeries::SeriesTypeStackedBar ||
                         bars.series->type() == QAbstractSeries::SeriesTypeHorizontalStackedBar;
    const auto [low, high] = valueRange(series_, stacked);
    for (QAbstractAxis* axis : bars.chart->axes()) {
        if (auto* values = qobject_cast<QValueAxis*>(axis)) {
            values->setRange(low, high);
            values->applyNiceNumbers();
        }
    }
    bars.dataVersion = dataVersion_;
}

void BudgetChartWidget::applyBrushes() {
    if (BarChart* bars = currentBars()) {
        for (int i = 0; i < static_cast<int>(bars->sets.size()); ++i) {
            QBarSet* set = bars->sets[static_cast<std::size_t>(i)];
            set->setBrush(seriesBrush(i, state_.patterned(i)));
            set->setBorderColor(seriesColor(i).darker(140));
        }
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
    if (const BarChart* bars = currentBars();
        bars != nullptr && series < static_cast<int>(bars->sets.size())) {
        return bars->sets[static_cast<std::size_t>(series)]->brush();
    }
    return seriesBrush(series, state_.patterned(series));
}

void BudgetChartWidget::applyBackground(BarChart& bars) {
    bars.chart->setBackgroundBrush(background_);
    bars.chart->setPlotAreaBackgroundBrush(background_);
    bars.view->setBackgroundBrush(background_);
}

void BudgetChartWidget::setBackgroundColor(const QColor& color) {
    background_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    for (BarChart& bars : bars_) {
        if (bars.chart != nullptr) {
            applyBackground(bars);
        }
    }
    pie_->setBackgroundColor(color);
}

QColor BudgetChartWidget::backgroundColor() const {
    const BarChart* bars = currentBars();
    return bars != nullptr ? bars->chart->backgroundBrush().color() : pie_->backgroundColor();
}

QColor BudgetChartWidget::plotBackgroundColor() const {
    const BarChart* bars = currentBars();
    return bars != nullptr ? bars->chart->plotAreaBackgroundBrush().color()
                           : pie_->backgroundColor();
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
    for (BarChart& bars : bars_) {
        if (bars.view != nullptr) {
            bars.view->setGeometry(plot);
        }
    }
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
    copy.showCurrent();
    copy.show();
    QApplication::sendPostedEvents(&copy);
    if (QChart* chart = copy.chart()) {
        QApplication::sendPostedEvents(chart);
        QApplication::sendPostedEvents(chart->scene());
    }
    return copy.grab().toImage();
}

}  // namespace coinwell::budget
