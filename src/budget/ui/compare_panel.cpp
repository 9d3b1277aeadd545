#include "budget/ui/compare_panel.h"

#include <QBarSet>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>

#include "budget/core/year_comparison.h"
#include "budget/core/year_planning_texts.h"
#include "budget/ui/comparison_chart.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

namespace {

// Controls of the panel, in pixels (the panel is 940 x 396, as the Totals For Year panel).
constexpr int kLeft = 8;
constexpr int kTop = 8;
constexpr int kRowHeight = 24;
constexpr int kGridTop = 40;
constexpr int kGridWidth = 480;
constexpr int kGridHeight = 300;
constexpr int kButtonsTop = 350;
constexpr std::array<double, kComparisonColumns> kColumnShares = {0.32, 0.17, 0.17, 0.17, 0.15};

}  // namespace

ComparePanel::ComparePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Compare1"));
    setAccessibleName(QStringLiteral("Compare Years"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    auto yearBox = [this](const char* name, const QString& caption, int left) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("%1Label").arg(QLatin1String(name)));
        label->setGeometry(left, kTop, 56, kRowHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* box = new QComboBox(this);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(left + 60, kTop, 80, kRowHeight);
        box->setMaxVisibleItems(16);
        label->setBuddy(box);  // names the list for screen readers
        connect(box, &QComboBox::activated, this, &ComparePanel::yearsChosen);
        return box;
    };
    cboCompareA_ = yearBox("cboCompareA", QStringLiteral("Year &A:"), kLeft);
    cboCompareB_ = yearBox("cboCompareB", QStringLiteral("Yea&r B:"), kLeft + 150);

    hint_ = new QLabel(toQString(kCompareHint), this);
    hint_->setObjectName(QStringLiteral("lblCompareHint"));
    hint_->setGeometry(kLeft + 310, kTop, 300, kRowHeight);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("GridCompare"));
    grid_->setAccessibleName(QStringLiteral("Comparison of the two years"));
    grid_->setGeometry(kLeft, kGridTop, kGridWidth, kGridHeight);
    grid_->setColumnCount(kComparisonColumns);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setWordWrap(false);
    grid_->setTabKeyNavigation(false);  // Tab goes on to the buttons
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { rowChosen(row); });

    chart_ = new ComparisonChart(this);
    chart_->setGeometry(kLeft + kGridWidth + 8, kTop, 940 - kGridWidth - 2 * kLeft - 12,
                        kButtonsTop - kTop + 30);

    auto button = [this](const char* name, const QString& caption, int index) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(kLeft + index * 160, kButtonsTop, 150, 30);
        return b;
    };
    print_ = button("cmdComparePrint", QStringLiteral("&Print"), 0);
    copy_ = button("cmdCompareCopy", QStringLiteral("Copy to Clip&board"), 1);
    close_ = button("cmdCompareClose", QStringLiteral("&Close"), 2);

    setTabOrder(cboCompareA_, cboCompareB_);
    setTabOrder(cboCompareB_, grid_);
    setTabOrder(grid_, print_);
    setTabOrder(print_, copy_);
    setTabOrder(copy_, close_);
    fitColumns();
    hide();
}

void ComparePanel::setYears(const std::vector<std::string>& years, const std::string& yearA,
                            const std::string& yearB) {
    for (QComboBox* box : {cboCompareA_, cboCompareB_}) {
        box->clear();
        for (const std::string& year : years) {
            box->addItem(toQString(year));
        }
    }
    cboCompareA_->setCurrentIndex(cboCompareA_->findText(toQString(yearA)));
    cboCompareB_->setCurrentIndex(cboCompareB_->findText(toQString(yearB)));
}

std::string ComparePanel::yearA() const {
    return cboCompareA_->currentText().toStdString();
}

std::string ComparePanel::yearB() const {
    return cboCompareB_->currentText().toStdString();
}

void ComparePanel::showComparison(const YearComparison& comparison) {
    const auto rows = comparison.gridTexts();
    QStringList headings;
    for (const std::string& heading : rows.front()) {
        headings.append(toQString(heading));
    }
    grid_->clear();
    grid_->setHorizontalHeaderLabels(headings);
    grid_->setRowCount(static_cast<int>(rows.size()) - 1);
    const int firstTotal = static_cast<int>(comparison.items.size());
    QFont bold = grid_->font();
    bold.setBold(true);
    for (int r = 1; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < kComparisonColumns; ++c) {
            auto* item = new QTableWidgetItem(
                toQString(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            if (r - 1 >= firstTotal) {
                item->setFont(bold);
            }
            grid_->setItem(r - 1, c, item);
        }
    }
    chart_->fill(comparison);
    fitColumns();
}

void ComparePanel::fitColumns() {
    const int width = grid_->viewport()->width();
    for (int c = 0; c < kComparisonColumns; ++c) {
        grid_->setColumnWidth(
            c, static_cast<int>(std::lround(kColumnShares[static_cast<std::size_t>(c)] * width)));
    }
}

void ComparePanel::rowChosen(int row) {
    // The total rows have no bars.
    chart_->highlight(row >= 0 && row < chart_->setA()->count() ? row : -1);
}

}  // namespace coinwell::budget
