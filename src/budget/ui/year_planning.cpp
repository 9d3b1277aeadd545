#include "budget/ui/year_planning.h"

#include <QAction>
#include <QDate>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <cmath>

#include "budget/core/budget_texts.h"
#include "budget/core/changed_year_copy.h"
#include "budget/core/comparison_print_document.h"
#include "budget/core/year_choice.h"
#include "budget/core/year_file.h"
#include "budget/core/year_planning_texts.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/compare_panel.h"
#include "budget/ui/comparison_chart.h"
#include "budget/ui/totals_panel.h"
#include "common/core/regular_file.h"
#include "common/core/text_trim.h"
#include "common/ui/colors.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

namespace {

// The chart picture at 100 pixels to the inch of its printed rectangle.
constexpr double kPicturePixelsPerInch = 100;

DateTime today() {
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

// A print panel raised after the comparison (to print it) lies above it; one opened before and
// left open lies below.
bool printPanelAbove(const QWidget* comparison) {
    const QWidget* parent = comparison->parentWidget();
    const auto* printPanel =
        parent->findChild<QWidget*>(QStringLiteral("SSPanel80"), Qt::FindDirectChildrenOnly);
    const QObjectList& stack = parent->children();
    return printPanel != nullptr && !printPanel->isHidden() &&
           stack.indexOf(printPanel) > stack.indexOf(comparison);
}

// The item right after the given one in a menu (null at the end).
QAction* itemAfter(QMenu* menu, QAction* item) {
    const QList<QAction*> items = menu->actions();
    const qsizetype index = items.indexOf(item);
    return index >= 0 && index + 1 < items.size() ? items.at(index + 1) : nullptr;
}

}  // namespace

YearPlanning::YearPlanning(BudgetScreen& screen) : QObject(&screen), screen_(screen) {
    panel_ = new ComparePanel(screen.centralPanel());
    panel_->setGeometry(screen.totalsPanel()->geometry());
    addMenuItems();

    connect(panel_, &ComparePanel::yearsChosen, this, &YearPlanning::compareChosenYears);
    connect(panel_->closeButton(), &QPushButton::clicked, this, &YearPlanning::closeComparison);
    connect(panel_->printButton(), &QPushButton::clicked, this, &YearPlanning::printComparison);
    connect(panel_->copyButton(), &QPushButton::clicked, this, &YearPlanning::copyComparison);
    // The panel colour arrives before the screen shows and with every change.
    connect(&screen, &BudgetScreen::panelColorApplied, this, [this](const QColor& color) {
        setPanelColor3D(panel_, color);
        panel_->chart()->setBackgroundColor(color);
    });
    // Opening the Totals For Year panel closes this one; so does another year on the screen,
    // as it closes the Totals panel.
    connect(&screen, &BudgetScreen::totalsOpening, this, [this] {
        if (comparisonShown()) {
            closeComparison();
        }
    });
    connect(&screen, &BudgetScreen::yearLoaded, this, [this] {
        if (comparisonShown()) {
            closeComparison();
        }
    });
    // A print panel opened from the comparison lies above it and takes Esc first.
    screen.setOverlay(
        BudgetOverlay::ComparePanel,
        [this] {
            return comparisonShown() &&
                   !(screen_.overlayShown(BudgetOverlay::PrintOptions) && printPanelAbove(panel_));
        },
        [this] { closeComparison(); });
}

void YearPlanning::addMenuItems() {
    QMenu* edit = screen_.editMenu();
    QMenu* options = screen_.optionsMenu();
    mECYC_ = new QAction(QStringLiteral("Copy To Next Year with C&hange..."), &screen_);
    mECYC_->setObjectName(QStringLiteral("mECYC"));
    edit->insertAction(itemAfter(edit, screen_.findChild<QAction*>(QStringLiteral("mECY"))),
                       mECYC_);
    mOCompare_ = new QAction(QStringLiteral("Compare &Years..."), &screen_);
    mOCompare_->setObjectName(QStringLiteral("mOCompare"));
    options->insertAction(itemAfter(options, screen_.findChild<QAction*>(QStringLiteral("mOT"))),
                          mOCompare_);
    connect(mECYC_, &QAction::triggered, this, &YearPlanning::copyToNextYearWithChange);
    connect(mOCompare_, &QAction::triggered, this, &YearPlanning::openComparison);
}

// ---- Copy To Next Year with a change -----------------------------------------------------

void YearPlanning::copyToNextYearWithChange() {
    Desktop& desktop = screen_.context().desktop;
    desktop.endBusy();
    std::optional<PercentChange> change;
    while (!change) {
        const std::string answer = desktop.input(percentChangeQuestion());
        if (trimBlanks(answer).empty()) {
            break;  // Cancel
        }
        change = PercentChange::parse(answer);
        if (!change) {
            desktop.message(percentChangeRefusedMessage());
        }
    }
    const std::string year = screen_.selectedYear();
    const std::string next = nextYearText(year);
    if (change && desktop.message(copyYearQuestion(year, next)) == Answer::Yes) {
        desktop.beginBusy();
        const std::string from = yearFileName(year);
        YearFileResult result{YearFileResult::Outcome::NothingToCopy, {}};
        const auto copy = [&] {
            result = copyYearFileWithChange(from, yearFileName(next), *change);
            return result.ok();
        };
        // As with the plain copy, a copy that can happen keeps the next year's file it replaces
        // as an earlier version.
        if (isRegularFile(from)) {
            screen_.replaceYearFile(next, copy);
        } else {
            copy();
        }
        desktop.endBusy();
        // A year never saved has nothing to copy, as with the plain copy; a file that could not
        // be written is reported.
        if (result.outcome == YearFileResult::Outcome::Failed) {
            desktop.message(changedCopyFailedMessage(next, result.reason));
        }
        if (comparisonShown()) {
            // The next year may be new to the lists, or its figures changed.
            const std::string a = panel_->yearA();
            const std::string b = panel_->yearB();
            panel_->setYears(offeredYears(), a, b);
            compareChosenYears();
        }
    }
    if (comparisonShown()) {
        panel_->closeButton()->setFocus();
    } else {
        screen_.grid()->setFocus();
    }
}

// ---- Compare Years ---------------------------------------------------------------------------

bool YearPlanning::comparisonShown() const {
    return !panel_->isHidden();
}

std::vector<std::string> YearPlanning::offeredYears() const {
    std::vector<std::string> years;
    for (const std::string& year : yearListItems()) {
        if (isRegularFile(yearFileName(year))) {
            years.push_back(year);
        }
    }
    const std::string& onScreen = screen_.selectedYear();
    if (std::find(years.begin(), years.end(), onScreen) == years.end()) {
        years.insert(std::upper_bound(years.begin(), years.end(), onScreen), onScreen);
    }
    return years;
}

void YearPlanning::openComparison() {
    if (comparisonShown()) {
        panel_->closeButton()->setFocus();
        return;
    }
    // The grid goes under the panel: an entry still open in it ends first.
    screen_.commitOpenEntry();
    Desktop& desktop = screen_.context().desktop;
    if (screen_.totalsShown()) {
        screen_.closeTotals();
    }
    screen_.runOverlayEscape(BudgetOverlay::GridBackgroundSelector);
    desktop.beginBusy();
    const std::string yearB = screen_.selectedYear();
    const std::string before =
        std::to_string(static_cast<long long>(std::lround(yearNumber(yearB))) - 1);
    const std::vector<std::string> years = offeredYears();
    const bool beforeSaved = std::find(years.begin(), years.end(), before) != years.end();
    panel_->setYears(years, beforeSaved ? before : yearB, yearB);
    compareChosenYears();
    screen_.setOverlaidCommandsEnabled(false);
    // The grid lies under the panel: it takes no focus (which would turn its commands on).
    screen_.grid()->setEnabled(false);
    panel_->show();
    panel_->raise();
    panel_->closeButton()->setFocus();
    desktop.endBusy();
}

void YearPlanning::closeComparison() {
    panel_->hide();
    screen_.grid()->setEnabled(true);
    screen_.setOverlaidCommandsEnabled(true);
    screen_.grid()->setFocus();
}

void YearPlanning::compareChosenYears() {
    const std::string a = panel_->yearA();
    const std::string b = panel_->yearB();
    comparison_ =
        compareYears(a, readYearFile(yearFileName(a)).year, b, readYearFile(yearFileName(b)).year);
    panel_->showComparison(comparison_);
}

std::string YearPlanning::chartPicture(int pageWidth) {
    if (!pictureFolder_.isValid() || comparison_.items.empty()) {
        return {};
    }
    const PictureRect rect = comparisonChartSize(pageWidth);
    const QSize size(static_cast<int>(std::lround(rect.width / 1440.0 * kPicturePixelsPerInch)),
                     static_cast<int>(std::lround(rect.height / 1440.0 * kPicturePixelsPerInch)));
    const QString file = pictureFolder_.filePath(QStringLiteral("comparison-chart.png"));
    if (!panel_->chart()->picture(size, Qt::white).save(file, "PNG")) {
        return {};  // printed without the chart
    }
    return file.toStdString();
}

void YearPlanning::printComparison() {
    if (!screen_.hooks().printDocument) {
        return;
    }
    screen_.hooks().printDocument(
        screen_, [this](print::PageDocument& doc, const print::PrintPanelSettings& settings) {
            const ComparisonPrintSource source{comparison_, today(),
                                               toColorNumber(screen_.gridTextColor())};
            layoutComparisonDocument(doc, settings, source, chartPicture(doc.pageWidth()));
        });
}

void YearPlanning::copyComparison() {
    screen_.context().desktop.setClipboardText(comparisonClipboardText(comparison_));
}

YearPlanning* attachYearPlanning(BudgetScreen& screen) {
    return new YearPlanning(screen);
}

}  // namespace coinwell::budget
