// The Totals For Year panel on the screen: its pre-check, figures and item rows, the commands it
// disables and gives back, Change %, Close, the toggle and Esc, and rebuilding while it is up.

#include <QScrollBar>

#include "budget/tests/budget_screen_fixture.h"
#include "budget/tests/sample_years.h"
#include "common/ui/colors.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

QStringList gridRows(const QTableWidget* grid) {
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 3; ++c) {
            const QTableWidgetItem* item = grid->item(r, c);
            cells << (item ? item->text() : QString());
        }
        rows << cells.join('|');
    }
    return rows;
}

}  // namespace

class TotalsPanelTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void init() { start(); }
    void cleanup() { finish(); }
    void preCheckNeedsAnEarlyEntryAndIncome();
    void showsTheYearsFiguresAndItems();
    void changePercentSwitchesTheBase();
    void closeGivesTheCommandsBack();
    void toggleAndEscapeCloseItToo();
    void noAmountsShowsYearTotalsOnly();
    void singleItemDisablesChangePercent();
    void negativeBalanceIsRed();
    void captionsFitAtALargeWindowSize();
    void recalculationRebuildsIt();
    void gridTakesTheEntryGridsLook();
    void scrollTipNamesTheItem();
};

void TotalsPanelTest::preCheckNeedsAnEarlyEntryAndIncome() {
    BudgetYear late;
    late.items[8].name = "Row nine";
    late.items[8].amounts[0] = "5.00";
    late.income[0] = "2500.00";
    storeYear("2012", late);
    BudgetYear december;
    december.items[0].amounts[11] = "5.00";
    december.income[0] = "2500.00";
    storeYear("2013", december);
    BudgetYear noIncome;
    noIncome.items[0].name = "Rent";
    noIncome.items[0].amounts[0] = "5.00";
    storeYear("2014", noIncome);
    open();
    for (const char* year : {"2012", "2013", "2014"}) {
        pickYear(year);
        env->desktop.expectMessage(viewTotalsMessage(), Answer::Ok);
        QTest::mouseClick(button("Command8"), Qt::LeftButton);
        QVERIFY(!screen->totalsShown());
        QVERIFY(!action("mOT")->isChecked());
    }
    QCOMPARE(QString::fromStdString(viewTotalsMessage().title), QString("View Totals"));
}

void TotalsPanelTest::showsTheYearsFiguresAndItems() {
    storeYear("2012", halfSpentYear());
    open();
    pickYear("2012");
    clickCell(2, 3);
    action("mOT")->trigger();
    QVERIFY(screen->totalsShown());
    TotalsPanel* panel = screen->totalsPanel();
    QCOMPARE(panel->caption(),
             QString("          TOTALS FOR  2012                                        "
                     "Percentage Per Item"));
    QCOMPARE(labelText("Label10"), QString("Total Expenses: "));
    QCOMPARE(labelText("Label11"), QString("Total Income: "));
    QCOMPARE(labelText("Label12"), QString("Balance: "));
    QCOMPARE(labelText("Label13"), QString("15000.00 "));
    QCOMPARE(labelText("Label14"), QString("30000.00 "));
    QCOMPARE(labelText("Label15"), QString("15000.00 "));
    QCOMPARE(labelText("Label16"), QString("     50.00%"));
    QCOMPARE(labelText("Label17"), QString("     100.00%"));
    QCOMPARE(labelText("Label18"), QString("     50.00%"));
    QCOMPARE(labelText("Label19"), QString("% = Item Totals divided by Total Income"));
    QCOMPARE(gridRows(panel->grid()),
             QStringList({"Rent|3000.00|10.00% ", "Savings|12000.00|40.00% ", "Gift||"}));
    QStringList headings;
    for (int c = 0; c < 3; ++c) {
        headings << panel->grid()->horizontalHeaderItem(c)->text();
    }
    QCOMPARE(headings, QStringList({"Item", "Total", "%"}));
    QCOMPARE(panel->grid()->columnWidth(0), qRound(0.46 * panel->grid()->width()));
    QCOMPARE(panel->grid()->columnWidth(1), qRound(0.235 * panel->grid()->width()));
    QCOMPARE(panel->grid()->columnWidth(2), qRound(0.26 * panel->grid()->width()));
    QCOMPARE(screen->yearTotals().itemRowCount(), 3);

    for (const char* name : {"Command2", "Command5", "Command6", "Command7"}) {
        QVERIFY2(!button(name)->isEnabled(), name);
    }
    QVERIFY(!action("mED")->isEnabled());
    // Options > Print Options is not among the commands that wait for the panel to close.
    QVERIFY(action("mOPrt")->isEnabled());
    QVERIFY(!action("mOGB")->isEnabled());
    QVERIFY(action("mOT")->isChecked());
    QVERIFY(panel->changePercentButton()->isEnabled());
    QCOMPARE(QApplication::focusWidget(), panel->closeButton());
    QCOMPARE(panel->closeButton()->text(), QString("&Close"));
    QCOMPARE(panel->changePercentButton()->text(), QString("Ch&ange %"));
    QCOMPARE(panel->printButton()->text(), QString("&Print Grid Data"));
}

void TotalsPanelTest::changePercentSwitchesTheBase() {
    storeYear("2012", halfSpentYear());
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    TotalsPanel* panel = screen->totalsPanel();
    QTest::mouseClick(panel->changePercentButton(), Qt::LeftButton);
    QCOMPARE(screen->percentBase(), PercentBase::Expenses);
    QCOMPARE(labelText("Label19"), QString("% = Item Totals divided by Total Expenses"));
    QCOMPARE(gridRows(panel->grid()),
             QStringList({"Rent|3000.00|20.00% ", "Savings|12000.00|80.00% ", "Gift||"}));
    QCOMPARE(labelText("Label18"), QString("     50.00%"));
    QTest::mouseClick(panel->changePercentButton(), Qt::LeftButton);
    QCOMPARE(screen->percentBase(), PercentBase::Income);
    QCOMPARE(labelText("Label19"), QString("% = Item Totals divided by Total Income"));
    QCOMPARE(gridRows(panel->grid()).first(), QString("Rent|3000.00|10.00% "));
}

void TotalsPanelTest::closeGivesTheCommandsBack() {
    storeYear("2012", halfSpentYear());
    open();
    pickYear("2012");
    clickCell(2, 3);
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QTest::mouseClick(screen->totalsPanel()->closeButton(), Qt::LeftButton);
    QVERIFY(!screen->totalsShown());
    QVERIFY(!action("mOT")->isChecked());
    QVERIFY(action("mOGB")->isEnabled());
    for (const char* name : {"Command2", "Command5", "Command6", "Command7"}) {
        QVERIFY2(button(name)->isEnabled(), name);
    }
    QVERIFY(action("mED")->isEnabled());
    QCOMPARE(screen->currentRow(), 2);
    QCOMPARE(screen->currentColumn(), 3);
    QCOMPARE(QApplication::focusWidget(), grid());
}

void TotalsPanelTest::toggleAndEscapeCloseItToo() {
    storeYear("2012", halfSpentYear());
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(!screen->totalsShown());
    // Toggled off, the panel gives the commands back as Close does.
    QVERIFY(button("Command5")->isEnabled());
    QVERIFY(action("mOGB")->isEnabled());
    QVERIFY(!action("mOT")->isChecked());
    action("mOT")->trigger();
    QVERIFY(screen->totalsShown());
    QVERIFY(action("mOT")->isChecked());
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!screen->totalsShown());
    QVERIFY(screen->isVisible());
    QVERIFY(button("Command2")->isEnabled());
}

void TotalsPanelTest::noAmountsShowsYearTotalsOnly() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[1].name = "Food";
    year.income[0] = "2500.00";
    storeYear("2012", year);
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(screen->totalsShown());
    QCOMPARE(labelText("Label13"), QString(".00 "));
    QCOMPARE(labelText("Label14"), QString("2500.00 "));
    for (const char* name : {"Label15", "Label16", "Label17", "Label18"}) {
        QCOMPARE(labelText(name), QString("0"));
    }
    QCOMPARE(gridRows(screen->totalsPanel()->grid()), QStringList({"||"}));
    QVERIFY(!screen->totalsPanel()->changePercentButton()->isEnabled());
    // The computation stopped before the commands were disabled.
    QVERIFY(button("Command5")->isEnabled());
}

void TotalsPanelTest::singleItemDisablesChangePercent() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.income[0] = "2500.00";
    storeYear("2012", year);
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QCOMPARE(gridRows(screen->totalsPanel()->grid()), QStringList({"Rent|850.00|34.00% "}));
    QVERIFY(!screen->totalsPanel()->changePercentButton()->isEnabled());
}

void TotalsPanelTest::captionsFitAtALargeWindowSize() {
    // The screen's letters grow with its window: the captions of the year's figures still show
    // whole.
    storeYear("2012", halfSpentYear());
    open();
    pickYear("2012");
    screen->showNormal();
    screen->setGeometry(0, 0, 1400, 860);
    QTest::qWait(50);
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    for (const char* name : {"Label10", "Label11", "Label12", "Label13", "Label16", "Label19"}) {
        const QLabel* label = child<QLabel>(name);
        QVERIFY2(
            label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
            name);
    }
}

void TotalsPanelTest::negativeBalanceIsRed() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts.fill("1000.00");
    year.income[0] = "6000.00";
    year.income[6] = "5000.00";
    storeYear("2012", year);
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QCOMPARE(labelText("Label15"), QString("-1000.00 "));
    QCOMPARE(labelText("Label18"), QString("     -9.09%"));
    const QColor red = toQColor(classicPaletteColor(4));
    QCOMPARE(child<QLabel>("Label15")->palette().color(QPalette::WindowText), red);
    QCOMPARE(child<QLabel>("Label18")->palette().color(QPalette::WindowText), red);
    QCOMPARE(child<QLabel>("Label13")->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void TotalsPanelTest::recalculationRebuildsIt() {
    storeYear("2012", halfSpentYear());
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    env->desktop.expectInput(incomeQuestion("0.00"), "10000");
    env->desktop.expectMessage(copyIncomeRightQuestion(), Answer::No);
    screen->enterIncome(1);
    QCOMPARE(labelText("Label14"), QString("40000.00 "));
    QCOMPARE(gridRows(screen->totalsPanel()->grid()).first(), QString("Rent|3000.00|7.50% "));
}

void TotalsPanelTest::gridTakesTheEntryGridsLook() {
    storeYear("2012", halfSpentYear());
    open();
    screen->setGridAppearance(QColor(255, 255, 200), QPixmap(), QColor(0, 0, 128));
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    const QPalette palette = screen->totalsPanel()->grid()->palette();
    QCOMPARE(palette.color(QPalette::Base), QColor(255, 255, 200));
    QCOMPARE(palette.color(QPalette::Text), QColor(0, 0, 128));
}

void TotalsPanelTest::scrollTipNamesTheItem() {
    BudgetYear year;
    for (int r = 0; r < 30; ++r) {
        year.items[static_cast<std::size_t>(r)].name = "Item " + std::to_string(r + 1);
        year.items[static_cast<std::size_t>(r)].amounts[0] = "10.00";
    }
    year.income[0] = "2500.00";
    storeYear("2012", year);
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QScrollBar* bar = screen->totalsPanel()->grid()->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(4);
    bar->setSliderDown(false);
    QCOMPARE(bar->toolTip(), QString(" Row 5: Item 5 "));
}

QTEST_MAIN(TotalsPanelTest)
#include "totals_panel_qtest.moc"
