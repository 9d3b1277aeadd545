#include "budget/ui/comparison_chart.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>

#include "budget/core/year_comparison.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

namespace {

const QColor kColorA(58, 110, 180);
const QColor kColorB(232, 142, 40);
const QColor kHighlightA(150, 20, 30);
const QColor kHighlightB(230, 60, 70);

double amount(const std::optional<std::int64_t>& cents) {
    return cents ? static_cast<double>(*cents) / 100.0 : 0.0;
}

}  // namespace

ComparisonChart::ComparisonChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("ChartCompare"));
    setAccessibleName(QStringLiteral("Chart of the two years"));
    setAccessibleDescription(
        QStringLiteral("Each item's totals of the two years as a pair of bars"));
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::NoFocus);

    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->legend()->setAlignment(Qt::AlignBottom);
    series_ = new QBarSeries(chart);
    setA_ = new QBarSet(QString(), series_);
    setB_ = new QBarSet(QString(), series_);
    for (auto [set, color, selected] :
         {std::tuple{setA_, kColorA, kHighlightA}, std::tuple{setB_, kColorB, kHighlightB}}) {
        set->setColor(color);
        set->setBorderColor(color.darker(130));
        set->setSelectedColor(selected);
        series_->append(set);
    }
    chart->addSeries(series_);
    categories_ = new QBarCategoryAxis(chart);
    categories_->setLabelsAngle(-60);
    // Item names take up to 18 letters: smaller letters keep more of them whole under the bars.
    QFont labels = categories_->labelsFont();
    labels.setPointSizeF(std::max(6.0, labels.pointSizeF() - 1));
    categories_->setLabelsFont(labels);
    values_ = new QValueAxis(chart);
    values_->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(categories_, Qt::AlignBottom);
    chart->addAxis(values_, Qt::AlignLeft);
    series_->attachAxis(categories_);
    series_->attachAxis(values_);
    setChart(chart);
}

void ComparisonChart::fill(const YearComparison& comparison) {
    comparison_ = comparison;
    highlight(-1);
    setA_->setLabel(toQString(comparison.yearA));
    setB_->setLabel(toQString(comparison.yearB));
    QList<qreal> a;
    QList<qreal> b;
    QStringList names;
    double low = 0;
    double high = 0;
    for (const ComparisonRow& row : comparison.items) {
        a.append(amount(row.centsA));
        b.append(amount(row.centsB));
        names.append(toQString(row.name));
        low = std::min({low, a.back(), b.back()});
        high = std::max({high, a.back(), b.back()});
    }
    // Two items may share a shown name only by letter case; the axis needs them apart.
    for (int i = 0; i < names.size(); ++i) {
        while (names.indexOf(names[i]) != i) {
            names[i] += QLatin1Char(' ');
        }
    }
    // Qt Charts makes its bars anew for a set that changes its length; values of bars it has
    // are changed in place.
    for (auto [set, values] : {std::pair{setA_, &a}, std::pair{setB_, &b}}) {
        if (set->count() == values->size()) {
            for (int i = 0; i < values->size(); ++i) {
                set->replace(i, values->at(i));
            }
        } else {
            set->remove(0, set->count());
            set->append(*values);
        }
    }
    if (categories_->categories() != names) {
        categories_->clear();
        categories_->append(names);
    }
    values_->setRange(low, high > low ? high * 1.05 : low + 10);
    values_->applyNiceNumbers();
}

void ComparisonChart::highlight(int item) {
    setA_->deselectAllBars();
    setB_->deselectAllBars();
    highlighted_ = item >= 0 && item < setA_->count() ? item : -1;
    if (highlighted_ >= 0) {
        setA_->selectBar(highlighted_);
        setB_->selectBar(highlighted_);
    }
}

void ComparisonChart::setBackgroundColor(const QColor& color) {
    chart()->setBackgroundBrush(color);
    chart()->setPlotAreaBackgroundBrush(color);
    chart()->setPlotAreaBackgroundVisible(true);
}

QImage ComparisonChart::picture(const QSize& size, const QColor& background) const {
    // A chart of its own at the picture's size, never shown on the screen: the one on the
    // screen keeps its size and look.
    ComparisonChart copy(nullptr);
    copy.setAttribute(Qt::WA_DontShowOnScreen);
    copy.setFrameShape(QFrame::NoFrame);
    copy.setBackgroundBrush(background);
    copy.setFont(font());
    copy.resize(size);
    copy.setBackgroundColor(background);
    copy.fill(comparison_);
    copy.highlight(highlighted_);
    copy.show();
    QApplication::sendPostedEvents(&copy);
    QApplication::sendPostedEvents(copy.chart());
    QApplication::sendPostedEvents(copy.chart()->scene());
    return copy.grab().toImage();
}

}  // namespace coinwell::budget
