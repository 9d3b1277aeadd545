#include "budget/ui/totals_chart.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "budget/core/budget_chart.h"
#include "budget/core/totals_reading.h"
#include "budget/ui/budget_chart_widget.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/pie_3d_view.h"
#include "budget/ui/totals_panel.h"
#include "common/ui/colors.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

namespace {

constexpr int kFrameHeight = 44;
constexpr int kHintHeight = 20;
constexpr int kGap = 4;
constexpr int kLightCyan = 11;

}  // namespace

TotalsChart::TotalsChart(BudgetScreen& screen) : QObject(&screen), screen_(screen) {
    buildControls();
    TotalsPanel* panel = screen_.totalsPanel();
    QTableWidget* grid = panel->grid();
    connect(grid, &QTableWidget::cellClicked, this, [this](int row, int) { highlightItem(row); });
    grid->installEventFilter(this);
    for (QLabel* label :
         {panel->balanceCaption(), panel->balanceValue(), panel->balancePercent()}) {
        label->installEventFilter(this);
    }
    panel->chartArea()->installEventFilter(this);
    // The chart's backgrounds follow the panel colour at every activation and every change.
    connect(&screen_, &BudgetScreen::screenActivated, this,
            [this] { chart_->setBackgroundColor(screen_.panelColor()); });
    connect(&screen_, &BudgetScreen::panelColorApplied, this,
            [this](const QColor& color) { chart_->setBackgroundColor(color); });
    screen_.hooks().fillChart = [this](BudgetScreen&) { fillChart(); };
    // The first type and orientation whenever the screen is set up.
    connect(&screen_, &BudgetScreen::initialised, this, [this] {
        chooseType(0);
        chooseOrientation(0);
    });
}

void TotalsChart::buildControls() {
    QWidget* area = screen_.totalsPanel()->chartArea();
    frame1_ = new QGroupBox(QStringLiteral("Chart Type"), area);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    const QString types[3] = {QStringLiteral("Bar"), QStringLiteral("Pie"),
                              QStringLiteral("Stacking")};
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(types[k], frame1_);
        option->setObjectName(QStringLiteral("SSOption1(%1)").arg(k));
        connect(option, &QRadioButton::clicked, this, [this, k] { chooseType(k); });
        typeOptions_[static_cast<std::size_t>(k)] = option;
    }
    typeOptions_[0]->setChecked(true);

    frame2_ = new QGroupBox(QStringLiteral("Orientation"), area);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    const QString orientations[2] = {QStringLiteral("Vertical"), QStringLiteral("Horizontal")};
    for (int k = 0; k < 2; ++k) {
        auto* option = new QRadioButton(orientations[k], frame2_);
        option->setObjectName(QStringLiteral("SSOption2(%1)").arg(k));
        connect(option, &QRadioButton::clicked, this, [this, k] { chooseOrientation(k); });
        orientationOptions_[static_cast<std::size_t>(k)] = option;
    }
    orientationOptions_[0]->setChecked(true);

    chart_ = new BudgetChartWidget(area);
    label9_ = new QLabel(QStringLiteral("Click Item to Highlight in Graph"), area);
    label9_->setObjectName(QStringLiteral("Label9"));
    label9_->setAlignment(Qt::AlignCenter);
    label9_->hide();
    placeControls();
}

void TotalsChart::placeControls() {
    const QRect area = screen_.totalsPanel()->chartArea()->rect();
    // Three chart types beside two orientations.
    const int typeWidth = (area.width() - kGap) * 11 / 20;
    frame1_->setGeometry(0, 0, typeWidth, kFrameHeight);
    frame2_->setGeometry(typeWidth + kGap, 0, area.width() - typeWidth - kGap, kFrameHeight);
    // Each option as wide as its caption needs, the room left over shared between them.
    const auto spread = [](QGroupBox* frame, auto& options) {
        int needed = 0;
        for (QRadioButton* option : options) {
            needed += option->sizeHint().width();
        }
        const int count = static_cast<int>(options.size());
        const int spare = std::max(0, frame->width() - 12 - needed) / count;
        int x = 8;
        for (QRadioButton* option : options) {
            const int width = option->sizeHint().width() + spare;
            option->setGeometry(x, 18, width, 20);
            x += width;
        }
    };
    spread(frame1_, typeOptions_);
    spread(frame2_, orientationOptions_);
    const int chartTop = kFrameHeight + kGap;
    chart_->setGeometry(0, chartTop, area.width(),
                        std::max(40, area.height() - chartTop - kHintHeight - kGap));
    label9_->setGeometry(0, area.height() - kHintHeight, area.width(), kHintHeight);
}

void TotalsChart::fillChart() {
    const YearTotals& totals = screen_.yearTotals();
    screen_.totalsPanel()->grid()->clearSelection();
    std::vector<ChartSeries> series = budgetChartSeries(totals, screen_.percentBase());
    // The chart and the pie are pictures: a screen reader reads their figures instead.
    const QString reading = toQString(chartReading(totals, series));
    chart_->setAccessibleDescription(reading);
    chart_->pie()->setAccessibleDescription(reading);
    chart_->fill(std::move(series));
    // Items can be highlighted only while there are items to show.
    label9_->setVisible(totals.complete && !totals.rows.empty());
}

void TotalsChart::chooseType(int index) {
    typeOptions_[static_cast<std::size_t>(std::clamp(index, 0, 2))]->setChecked(true);
    screen_.totalsPanel()->grid()->clearSelection();
    if (screen_.percentBase() == PercentBase::Income) {
        resetBalanceLabels();
    }
    chart_->setType(static_cast<ChartType>(std::clamp(index, 0, 2)));
}

void TotalsChart::chooseOrientation(int index) {
    orientationOptions_[static_cast<std::size_t>(std::clamp(index, 0, 1))]->setChecked(true);
    chart_->setOrientation(index == 1 ? ChartOrientation::Horizontal : ChartOrientation::Vertical);
}

bool TotalsChart::highlightAllowed() {
    if (!label9_->isVisible()) {
        // Nothing to highlight: no row stays current.
        QTableWidget* grid = screen_.totalsPanel()->grid();
        grid->clearSelection();
        grid->setCurrentIndex(QModelIndex());
        return false;
    }
    return true;
}

void TotalsChart::highlightItem(int row) {
    QTableWidget* grid = screen_.totalsPanel()->grid();
    if (!highlightAllowed() || row < 0 || row >= grid->rowCount()) {
        return;
    }
    screen_.context().desktop.beginBusy();
    if (screen_.percentBase() == PercentBase::Income) {
        resetBalanceLabels();
    }
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 0, grid->rowCount() - 1, 2), false);
    grid->setRangeSelected(QTableWidgetSelectionRange(row, 0, row, 2), true);
    chart_->highlight(row);
    focusClose();
    screen_.context().desktop.endBusy();
}

void TotalsChart::highlightBalance() {
    if (screen_.percentBase() != PercentBase::Income) {
        QTableWidget* grid = screen_.totalsPanel()->grid();
        grid->clearSelection();
        grid->setCurrentIndex(QModelIndex());
        return;
    }
    if (!highlightAllowed()) {
        return;
    }
    screen_.context().desktop.beginBusy();
    screen_.totalsPanel()->grid()->clearSelection();
    TotalsPanel* panel = screen_.totalsPanel();
    for (QLabel* label :
         {panel->balanceCaption(), panel->balanceValue(), panel->balancePercent()}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, toQColor(classicPaletteColor(kLightCyan)));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    chart_->highlight(static_cast<int>(chart_->series().size()) - 1);
    focusClose();
    screen_.context().desktop.endBusy();
}

void TotalsChart::resetBalanceLabels() {
    screen_.totalsPanel()->resetBalanceBackground();
}

void TotalsChart::focusClose() {
    QPushButton* close = screen_.totalsPanel()->closeButton();
    if (close->isVisible()) {
        close->setFocus(Qt::OtherFocusReason);
    }
}

bool TotalsChart::eventFilter(QObject* watched, QEvent* event) {
    TotalsPanel* panel = screen_.totalsPanel();
    if (watched == panel->chartArea() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)) {
        placeControls();
    } else if (watched == panel->grid() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            highlightItem(panel->grid()->currentRow());
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
               (watched == panel->balanceCaption() || watched == panel->balanceValue() ||
                watched == panel->balancePercent())) {
        highlightBalance();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace coinwell::budget
