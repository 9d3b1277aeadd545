#include "budget/ui/totals_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolTip>
#include <cmath>

#include "budget/core/budget_texts.h"
#include "budget/core/totals_reading.h"
#include "common/ui/colors.h"
#include "common/ui/qt_text.h"
#include "shell/ui/tool_screen.h"

namespace coinwell::budget {

namespace {

// Controls of the panel, in pixels (the panel is 940 x 396).
constexpr int kGridLeft = 8;
constexpr int kGridTop = 28;
constexpr int kGridWidth = 440;
constexpr int kGridHeight = 236;
constexpr int kFiguresTop = 270;
constexpr int kRowHeight = 20;
constexpr int kCaptionWidth = 184;
constexpr int kValueWidth = 118;
constexpr int kPercentWidth = 118;

void setTextColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

}  // namespace

TotalsPanel::TotalsPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel3D1"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("Panel3D1Caption"));
    caption_->setGeometry(6, 4, 928, 20);
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("Grid2"));
    grid_->setAccessibleName(QStringLiteral("Item Totals"));
    grid_->setGeometry(kGridLeft, kGridTop, kGridWidth, kGridHeight);
    grid_->setColumnCount(3);
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("Item"), QStringLiteral("Total"), QStringLiteral("%")});
    grid_->horizontalHeaderItem(0)->setTextAlignment(Qt::AlignCenter);
    grid_->horizontalHeaderItem(1)->setTextAlignment(Qt::AlignCenter);
    grid_->horizontalHeaderItem(2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setWordWrap(false);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    connect(grid_->verticalScrollBar(), &QScrollBar::sliderMoved, this,
            &TotalsPanel::showScrollTip);

    auto label = [this](const char* name, const QString& text, QRect where,
                        Qt::Alignment alignment) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(where);
        l->setAlignment(alignment);
        return l;
    };
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    // The captions get the widest column: the screen's letters grow with its window.
    const int captionX = kGridLeft;
    const int valueX = kGridLeft + kCaptionWidth + 4;
    const int percentX = valueX + kValueWidth + 4;
    label10_ = label("Label10", QStringLiteral("Total Expenses: "),
                     {captionX, kFiguresTop, kCaptionWidth, kRowHeight}, right);
    label11_ = label("Label11", QStringLiteral("Total Income: "),
                     {captionX, kFiguresTop + kRowHeight, kCaptionWidth, kRowHeight}, right);
    label12_ = label("Label12", QStringLiteral("Balance: "),
                     {captionX, kFiguresTop + 2 * kRowHeight, kCaptionWidth, kRowHeight}, right);
    label13_ = label("Label13", QString(), {valueX, kFiguresTop, kValueWidth, kRowHeight}, right);
    label14_ = label("Label14", QString(),
                     {valueX, kFiguresTop + kRowHeight, kValueWidth, kRowHeight}, right);
    label15_ = label("Label15", QString(),
                     {valueX, kFiguresTop + 2 * kRowHeight, kValueWidth, kRowHeight}, right);
    label16_ =
        label("Label16", QString(), {percentX, kFiguresTop, kPercentWidth, kRowHeight}, right);
    label17_ = label("Label17", QString(),
                     {percentX, kFiguresTop + kRowHeight, kPercentWidth, kRowHeight}, right);
    label18_ = label("Label18", QString(),
                     {percentX, kFiguresTop + 2 * kRowHeight, kPercentWidth, kRowHeight}, right);
    label19_ = label("Label19", toQString(percentBaseCaption(PercentBase::Income)),
                     {kGridLeft, kFiguresTop + 3 * kRowHeight + 4, kGridWidth, kRowHeight},
                     Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel* value : {label13_, label14_, label15_, label16_, label17_, label18_}) {
        value->setFrameShape(QFrame::StyledPanel);
        value->setFrameShadow(QFrame::Sunken);
    }

    auto button = [this](const char* name, const QString& caption, int left) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(left, kFiguresTop + 4 * kRowHeight + 10, 140, 28);
        return b;
    };
    command12_ = button("Command12", QStringLiteral("Ch&ange %"), kGridLeft);
    command14_ = button("Command14", QStringLiteral("&Print Grid Data"), kGridLeft + 150);
    command9_ = button("Command9", QStringLiteral("&Close"), kGridLeft + 300);

    chartArea_ = new QWidget(this);
    chartArea_->setObjectName(QStringLiteral("ChartArea"));
    chartArea_->setGeometry(kGridLeft + kGridWidth + 12, kGridTop, 928 - kGridWidth - 16,
                            396 - kGridTop - 8);
    hide();
}

QString TotalsPanel::caption() const {
    return caption_->text();
}

void TotalsPanel::clearYearTotals() {
    label13_->clear();
    label14_->clear();
}

void TotalsPanel::clearGrid() {
    grid_->clearContents();
    grid_->setRowCount(1);
}

void TotalsPanel::showTotals(const YearTotals& totals) {
    caption_->setText(toQString(totals.caption));
    label13_->setText(toQString(totals.expenses));
    label14_->setText(toQString(totals.income));
    label15_->setText(toQString(totals.balance));
    label16_->setText(toQString(totals.expensesPercent));
    label17_->setText(toQString(totals.incomePercent));
    label18_->setText(toQString(totals.balancePercent));
    const QColor balanceColor = toQColor(classicPaletteColor(totals.balanceNegative ? 4 : 0));
    setTextColor(label15_, balanceColor);
    setTextColor(label18_, balanceColor);
    setAccessibleDescription(toQString(totalsReading(totals)));
    if (!totals.complete) {
        return;
    }
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(totals.rows.size()));
    for (int r = 0; r < static_cast<int>(totals.rows.size()); ++r) {
        const TotalsRow& row = totals.rows[static_cast<std::size_t>(r)];
        const QString texts[3] = {toQString(row.name), toQString(row.total),
                                  toQString(row.percent)};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(r, c, item);
        }
    }
}

void TotalsPanel::setPercentBase(PercentBase base) {
    label19_->setText(toQString(percentBaseCaption(base)));
}

void TotalsPanel::resetBalanceBackground() {
    const QColor background = label11_->palette().color(QPalette::Window);
    for (QLabel* l : {label12_, label15_, label18_}) {
        QPalette palette = l->palette();
        palette.setColor(QPalette::Window, background);
        l->setPalette(palette);
        l->setAutoFillBackground(false);
    }
}

void TotalsPanel::takeGridAppearance(const QPalette& entryGridPalette) {
    QPalette palette = grid_->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setBrush(group, QPalette::Base, entryGridPalette.brush(group, QPalette::Base));
        palette.setBrush(group, QPalette::Text, entryGridPalette.brush(group, QPalette::Text));
    }
    grid_->setPalette(palette);
}

void TotalsPanel::fitColumns() {
    const int width = grid_->width();
    grid_->setColumnWidth(0, static_cast<int>(std::lround(0.46 * width)));
    grid_->setColumnWidth(1, static_cast<int>(std::lround(0.235 * width)));
    grid_->setColumnWidth(2, static_cast<int>(std::lround(0.26 * width)));
}

void TotalsPanel::showScrollTip(int value) {
    const int row = value + 1;
    const QTableWidgetItem* name = grid_->item(value, 0);
    const QString tip =
        toQString(scrollTipText(row, name ? name->text().toStdString() : std::string()));
    QScrollBar* bar = grid_->verticalScrollBar();
    bar->setToolTip(tip);
    QToolTip::showText(bar->mapToGlobal(QPoint(-8, bar->height() / 2)), tip, bar);
}

}  // namespace coinwell::budget
