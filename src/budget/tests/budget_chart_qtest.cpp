// The chart on the Totals For Year panel as a user drives it: its series and legend on both
// bases, the chart types and orientations, the item and balance highlights and every reset
// (type change, Change %, reopening), the negative balance and the panel colour.

#include <QAbstractBarSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QGroupBox>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QRadioButton>
#include <QStackedBarSeries>

#include "budget/tests/budget_screen_fixture.h"
#include "budget/tests/sample_years.h"
#include "budget/ui/budget_chart_widget.h"
#include "budget/ui/budget_printing.h"
#include "budget/ui/chart_legend.h"
#include "budget/ui/chart_look.h"
#include "budget/ui/pie_3d_view.h"
#include "common/ui/colors.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

QStringList legendLabels(const BudgetChartWidget* chart) {
    QStringList labels;
    for (const ChartLegend::Entry& entry : chart->legend()->entries()) {
        labels << entry.label;
    }
    return labels;
}

QList<double> barValues(const BudgetChartWidget* chart) {
    QList<double> values;
    for (const QBarSet* set : chart->barSeries()->barSets()) {
        values << set->at(0);
    }
    return values;
}

}  // namespace

class BudgetChartTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void init() {
        start();
        parts = &attachChartAndPrinting;
    }
    void cleanup() { finish(); }
    void fillsASeriesPerItemAndTheBalance();
    void changePercentRefillsOnTheExpenseBase();
    void singleItemOnBothBases();
    void typesAndOrientations();
    void itemHighlightByClickAndEnter();
    void balanceHighlight();
    void balanceHighlightOnlyOnTheIncomeBase();
    void typeChangeResetsEveryHighlight();
    void reopeningKeepsTypeAndOrientationButNoHighlight();
    void negativeBalanceBarAndPie();
    void noItemsNoHint();
    void backgroundsTakeThePanelColour();

  private:
    BudgetChartWidget* openTotals(const BudgetYear& year) {
        storeYear("2012", year);
        open();
        pickYear("2012");
        QTest::mouseClick(button("Command8"), Qt::LeftButton);
        return child<BudgetChartWidget>("Chart2D1");
    }
    void clickGridRow(int row) const {
        QTableWidget* grid = screen->totalsPanel()->grid();
        const QRect cell = grid->visualItemRect(grid->item(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QApplication::processEvents();
    }
    void clickOption(const char* name) const {
        auto* option = child<QRadioButton>(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QApplication::processEvents();
    }
    QColor labelBackground(const char* name) const {
        auto* label = child<QLabel>(name);
        return label->autoFillBackground() ? label->palette().color(QPalette::Window) : QColor();
    }
};

void BudgetChartTest::fillsASeriesPerItemAndTheBalance() {
    BudgetChartWidget* chart = openTotals(halfSpentYear());
    QVERIFY(chart && chart->isVisible());
    QCOMPARE(legendLabels(chart), QStringList({"Rent", "Savings", "Gift", "Balance"}));
    // Read aloud, the chart, the pie and the totals give the same items with their figures.
    QVERIFY2(chart->accessibleDescription().startsWith("Rent: "),
             qPrintable(chart->accessibleDescription()));
    QCOMPARE(chart->accessibleDescription().count('\n'), 3);
    QCOMPARE(chart->pie()->accessibleDescription(), chart->accessibleDescription());
    QVERIFY(screen->totalsPanel()->accessibleDescription().contains("\nBalance: "));
    // One series of one point each, in Grid2's order; the empty total is 0.
    QCOMPARE(chart->barSeries()->count(), 4);
    QCOMPARE(barValues(chart), QList<double>({10.0, 40.0, 0.0, 50.0}));
    QVERIFY(child<QLabel>("Label9")->isVisible());
    QCOMPARE(child<QLabel>("Label9")->text(), QString("Click Item to Highlight in Graph"));
    QCOMPARE(child<QGroupBox>("Frame1")->title(), QString("Chart Type"));
    QCOMPARE(child<QGroupBox>("Frame2")->title(), QString("Orientation"));
    QVERIFY(child<QRadioButton>("SSOption1(0)")->isChecked());
    QVERIFY(child<QRadioButton>("SSOption2(0)")->isChecked());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!isHighlightBrush(chart->seriesFill(i)));
    }
}

void BudgetChartTest::changePercentRefillsOnTheExpenseBase() {
    BudgetChartWidget* chart = openTotals(halfSpentYear());
    clickGridRow(0);
    QVERIFY(isHighlightBrush(chart->seriesFill(0)));
    QTest::mouseClick(screen->totalsPanel()->changePercentButton(), Qt::LeftButton);
    QCOMPARE(legendLabels(chart), QStringList({"Rent", "Savings", "Gift", " "}));
    QCOMPARE(barValues(chart), QList<double>({20.0, 80.0, 0.0, 0.0}));
    QVERIFY(!chart->state().highlighted().has_value());
    QVERIFY(!isHighlightBrush(chart->seriesFill(0)));
    QVERIFY(screen->totalsPanel()->grid()->selectedItems().isEmpty());
    QTest::mouseClick(screen->totalsPanel()->changePercentButton(), Qt::LeftButton);
    QCOMPARE(barValues(chart), QList<double>({10.0, 40.0, 0.0, 50.0}));
}

void BudgetChartTest::singleItemOnBothBases() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "3000.00";
    year.income[0] = "30000.00";
    BudgetChartWidget* chart = openTotals(year);
    QCOMPARE(legendLabels(chart), QStringList({"Rent", "Balance"}));
    QCOMPARE(barValues(chart), QList<double>({10.0, 90.0}));
    // A single item leaves Change % disabled; the base changes as the button's command would.
    screen->changePercentBase();
    QCOMPARE(legendLabels(chart), QStringList({"Rent", " "}));
    QCOMPARE(barValues(chart), QList<double>({100.0, 0.0}));
}

void BudgetChartTest::typesAndOrientations() {
    BudgetChartWidget* chart = openTotals(halfSpentYear());
    QVERIFY(qobject_cast<QBarSeries*>(chart->barSeries()));
    clickOption("SSOption2(1)");
    QCOMPARE(chart->state().orientation(), ChartOrientation::Horizontal);
    QVERIFY(qobject_cast<QHorizontalBarSeries*>(chart->barSeries()));
    clickOption("SSOption1(2)");
    QCOMPARE(chart->state().type(), ChartType::Stacking);
    QVERIFY(qobject_cast<QHorizontalStackedBarSeries*>(chart->barSeries()));
    QCOMPARE(barValues(chart), QList<double>({10.0, 40.0, 0.0, 50.0}));
    clickOption("SSOption2(0)");
    QVERIFY(qobject_cast<QStackedBarSeries*>(chart->barSeries()));
    clickOption("SSOption1(1)");
    QCOMPARE(chart->state().type(), ChartType::Pie);
    QCOMPARE(chart->barSeries(), nullptr);
    QVERIFY(chart->pie()->isVisible());
    QCOMPARE(chart->pie()->layout().slices.size(), std::size_t{3});  // Gift's 0 has no slice
    QCOMPARE(legendLabels(chart), QStringList({"Rent", "Savings", "Gift", "Balance"}));
    clickOption("SSOption1(0)");
    QVERIFY(!chart->pie()->isVisible());
    QVERIFY(qobject_cast<QBarSeries*>(chart->barSeries()));
}

void BudgetChartTest::itemHighlightByClickAndEnter() {
    BudgetChartWidget* chart = openTotals(halfSpentYear());
    QTableWidget* grid = screen->totalsPanel()->grid();
    clickGridRow(1);
    QCOMPARE(chart->state().highlighted(), std::optional<int>(1));
    QVERIFY(isHighlightBrush(chart->seriesFill(1)));
    QVERIFY(!isHighlightBrush(chart->seriesFill(0)));
    QVERIFY(isHighlightBrush(chart->legend()->entries()[1].brush));
    // The row is selected across its three columns; Close takes the focus.
    QCOMPARE(grid->selectedItems().size(), 3);
    for (const QTableWidgetItem* item : grid->selectedItems()) {
        QCOMPARE(item->row(), 1);
    }
    QCOMPARE(QApplication::focusWidget(), screen->totalsPanel()->closeButton());

    // Enter on a row of Grid2.
    grid->setFocus();
    grid->setCurrentCell(2, 0);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(chart->state().highlighted(), std::optional<int>(2));
    QVERIFY(!isHighlightBrush(chart->seriesFill(1)));
    QVERIFY(isHighlightBrush(chart->seriesFill(2)));

    // In a pie the highlighted slice is pulled out by 20.
    clickOption("SSOption1(1)");
    clickGridRow(0);
    QCOMPARE(chart->state().sliceOffset(0), 20);
    QCOMPARE(chart->state().sliceOffset(1), 0);
}

void BudgetChartTest::balanceHighlight() {
    BudgetChartWidget* chart = openTotals(halfSpentYear());
    clickGridRow(0);
    const QColor lightCyan = toQColor(classicPaletteColor(11));
    for (const char* name : {"Label15", "Label12", "Label18"}) {
        clickLabel(name);
        QCOMPARE(chart->state().highlighted(), std::optional<int>(3));
        QVERIFY(isHighlightBrush(chart->seriesFill(3)));
        QVERIFY(!isHighlightBrush(chart->seriesFill(0)));
        QVERIFY(screen->totalsPanel()->grid()->selectedItems().isEmpty());
        for (const char* label : {"Label12", "Label15", "Label18"}) {
            QCOMPARE(labelBackground(label), lightCyan);
        }
    }
    // An item clicked takes the highlight and the balance labels their normal background.
    clickGridRow(2);
    QCOMPARE(chart->state().highlighted(), std::optional<int>(2));
    QCOMPARE(labelBackground("Label15"), QColor());
}

void BudgetChartTest::balanceHighlightOnlyOnTheIncomeBase() {
    BudgetChartWidget* chart = openTotals(halfSpentYear());
    QTest::mouseClick(screen->totalsPanel()->changePercentButton(), Qt::LeftButton);
    clickLabel("Label15");
    QVERIFY(!chart->state().highlighted().has_value());
    QCOMPARE(labelBackground("Label15"), QColor());
    QCOMPARE(screen->totalsPanel()->grid()->currentRow(), -1);
}

void BudgetChartTest::typeChangeResetsEveryHighlight() {
    BudgetChartWidget* chart = openTotals(halfSpentYear());
    clickOption("SSOption1(1)");
    clickLabel("Label15");
    QCOMPARE(chart->state().sliceOffset(3), 20);
    // Pie to Bar: every bar with the normal fill, the balance labels normal.
    clickOption("SSOption1(0)");
    QVERIFY(!chart->state().highlighted().has_value());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!isHighlightBrush(chart->seriesFill(i)));
        QVERIFY(!isHighlightBrush(chart->legend()->entries()[static_cast<std::size_t>(i)].brush));
    }
    QCOMPARE(labelBackground("Label12"), QColor());
    clickGridRow(1);
    clickOption("SSOption1(2)");
    QVERIFY(!chart->state().highlighted().has_value());
    QVERIFY(screen->totalsPanel()->grid()->selectedItems().isEmpty());
}

void BudgetChartTest::reopeningKeepsTypeAndOrientationButNoHighlight() {
    BudgetChartWidget* chart = openTotals(halfSpentYear());
    clickOption("SSOption1(1)");
    clickOption("SSOption2(1)");
    clickGridRow(1);
    QTest::mouseClick(screen->totalsPanel()->closeButton(), Qt::LeftButton);
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QCOMPARE(chart->state().type(), ChartType::Pie);
    QCOMPARE(chart->state().orientation(), ChartOrientation::Horizontal);
    QVERIFY(child<QRadioButton>("SSOption1(1)")->isChecked());
    QVERIFY(!chart->state().highlighted().has_value());
    QCOMPARE(chart->state().sliceOffset(1), 0);
}

void BudgetChartTest::negativeBalanceBarAndPie() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "1500.00";
    year.items[1].name = "Food";
    year.items[1].amounts[0] = "500.00";
    year.income[0] = "1600.00";
    BudgetChartWidget* chart = openTotals(year);
    QCOMPARE(barValues(chart), QList<double>({93.75, 31.25, -25.0}));
    clickOption("SSOption1(1)");
    // The pie shares what is above zero; the note names the negative balance.
    QCOMPARE(chart->pie()->layout().slices.size(), std::size_t{2});
    QCOMPARE(chart->pie()->note(), QString("Balance -25.00% is below zero and has no slice"));
    clickLabel("Label15");
    QCOMPARE(chart->state().highlighted(), std::optional<int>(2));
}

void BudgetChartTest::noItemsNoHint() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.income[0] = "2500.00";
    BudgetChartWidget* chart = openTotals(year);
    QVERIFY(!child<QLabel>("Label9")->isVisible());
    QCOMPARE(legendLabels(chart), QStringList({"Balance"}));
    clickLabel("Label15");
    QVERIFY(!chart->state().highlighted().has_value());
    QCOMPARE(labelBackground("Label15"), QColor());
}

void BudgetChartTest::backgroundsTakeThePanelColour() {
    BudgetChartWidget* chart = openTotals(halfSpentYear());
    QCOMPARE(chart->backgroundColor(), screen->panelColor());
    QCOMPARE(chart->plotBackgroundColor(), screen->panelColor());
    chart->setBackgroundColor(Qt::white);
    screen->activate();
    QCOMPARE(chart->backgroundColor(), screen->panelColor());
    QCOMPARE(chart->plotBackgroundColor(), screen->panelColor());
    QCOMPARE(chart->pie()->backgroundColor(), screen->panelColor());
}

QTEST_MAIN(BudgetChartTest)
#include "budget_chart_qtest.moc"
