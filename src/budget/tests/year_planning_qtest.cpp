// Year planning on the screen: where the two menu items sit, Copy To Next Year with a change
// (its questions, refusals and failure), and the Compare Years panel (its year lists, grid,
// chart highlight, the commands it turns off, Totals and Esc, print, copy, names and Tab order).

#include <QBarSet>
#include <QCheckBox>

#include "budget/core/changed_year_copy.h"
#include "budget/core/year_comparison.h"
#include "budget/core/year_planning_texts.h"
#include "budget/tests/budget_screen_fixture.h"
#include "budget/ui/budget_printing.h"
#include "budget/ui/compare_panel.h"
#include "budget/ui/comparison_chart.h"
#include "budget/ui/year_planning.h"
#include "common/core/safe_write.h"
#include "print/ui/print_panel.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

// Rent 850.00 each month, Food 400.00 January to June, income 2500.00 each month.
BudgetYear knownYear() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts.fill("850.00");
    year.items[1].name = "Food";
    for (int m = 0; m < 6; ++m) {
        year.items[1].amounts[static_cast<std::size_t>(m)] = "400.00";
    }
    year.income.fill("2500.00");
    return year;
}

QStringList menuItems(QMenu* menu) {
    QStringList names;
    for (const QAction* item : menu->actions()) {
        names << item->objectName();
    }
    return names;
}

QStringList gridRow(const QTableWidget* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem* item = grid->item(row, c);
        cells << (item ? item->text() : QString());
    }
    return cells;
}

}  // namespace

class YearPlanningTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void init() {
        start();
        parts = [](BudgetScreen& s) {
            attachChartAndPrinting(s);
            attachYearPlanning(s);
        };
    }
    void cleanup() {
        setSafeWriteFailureHook({});
        finish();
    }
    void menuItemsFollowTheirNeighbours();
    void copyWithChangeAsksAgainUntilANumber();
    void cancelOrNoWritesNothing();
    void aFailedWriteIsReported();
    void compareShowsTheYearBeforeAndTheYearOnScreen();
    void choosingAnotherYearComparesAgain();
    void itTurnsTheCoveredCommandsOffAndBack();
    void totalsAndCompareCloseEachOther();
    void escapeClosesThePrintPanelFirst();
    void copyPutsTheGridOnTheClipboard();
    void clickingARowHighlightsItsBars();
    void controlsHaveNamesAndATabOrder();

  private:
    ComparePanel* panel() const { return child<ComparePanel>("Compare1"); }
    QTableWidget* compareGrid() const { return child<QTableWidget>("GridCompare"); }
    void openCompare(const char* year) {
        pickYear(year);
        action("mOCompare")->trigger();
        QApplication::processEvents();
        QVERIFY(panel()->isVisible());
    }
    void expectPercent(const std::string& answer) {
        env->desktop.expectInput(percentChangeQuestion(), answer);
    }
};

void YearPlanningTest::menuItemsFollowTheirNeighbours() {
    open();
    QCOMPARE(menuItems(screen->editMenu()).mid(0, 4),
             QStringList({"mECR", "mECY", "mECYC", "mED"}));
    const QStringList options = menuItems(screen->optionsMenu());
    QCOMPARE(options.at(options.indexOf("mOT") + 1), QString("mOCompare"));
    QCOMPARE(action("mECYC")->text(), QString("Copy To Next Year with C&hange..."));
    QCOMPARE(action("mOCompare")->text(), QString("Compare &Years..."));
    const InputRequest question = percentChangeQuestion();
    QCOMPARE(question.title, std::string("Copy To Next Year"));
    QCOMPARE(question.prompt,
             std::string("Change every amount by what percentage? (for example 3 or -2.5)"));
    QCOMPARE(question.defaultText, std::string("0"));
}

void YearPlanningTest::copyWithChangeAsksAgainUntilANumber() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "70.50";
    year.income[0] = "2500.00";
    storeYear("2012", year);
    open();
    pickYear("2012");
    expectPercent("abc");
    env->desktop.expectMessage(percentChangeRefusedMessage(), Answer::Ok);
    expectPercent("-101");
    env->desktop.expectMessage(percentChangeRefusedMessage(), Answer::Ok);
    expectPercent("3%");
    env->desktop.expectMessage(copyYearQuestion("2012", "2013"), Answer::Yes);
    action("mECYC")->trigger();
    BudgetYear expected = year;
    expected.items[0].amounts[0] = "72.62";
    expected.income[0] = "2575.00";
    QCOMPARE(parseYearFile(env->folder.readBytes("2013.Fil")), expected);
    QCOMPARE(percentChangeRefusedMessage().text,
             std::string("Enter a percentage such as 3 or -2.5."));
    QCOMPARE(percentChangeRefusedMessage().icon, MessageIcon::Information);
    QVERIFY(grid()->hasFocus());
}

void YearPlanningTest::cancelOrNoWritesNothing() {
    storeYear("2012", knownYear());
    open();
    pickYear("2012");
    expectPercent("");
    action("mECYC")->trigger();
    expectPercent("3");
    env->desktop.expectMessage(copyYearQuestion("2012", "2013"), Answer::No);
    action("mECYC")->trigger();
    QVERIFY(!env->folder.exists("2013.Fil"));
    // A year never saved has nothing to copy, silently, as with the plain copy.
    pickYear("2015");
    expectPercent("3");
    env->desktop.expectMessage(copyYearQuestion("2015", "2016"), Answer::Yes);
    action("mECYC")->trigger();
    QVERIFY(!env->folder.exists("2016.Fil"));
}

void YearPlanningTest::aFailedWriteIsReported() {
    storeYear("2012", knownYear());
    open();
    pickYear("2012");
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Write; });
    expectPercent("3");
    env->desktop.expectMessage(copyYearQuestion("2012", "2013"), Answer::Yes);
    env->desktop.expectMessage(
        changedCopyFailedMessage("2013", "The disk reported an error while writing."), Answer::Ok);
    action("mECYC")->trigger();
    QVERIFY(!env->folder.exists("2013.Fil"));
    QCOMPARE(changedCopyFailedMessage("2013", "x").title, std::string("Copy Year"));
}

void YearPlanningTest::compareShowsTheYearBeforeAndTheYearOnScreen() {
    storeYear("2011", knownYear());
    storeYear("2012", PercentChange::parse("10")->changedYear(knownYear()));
    open();
    openCompare("2012");
    QCOMPARE(panel()->yearBoxA()->currentText(), QString("2011"));
    QCOMPARE(panel()->yearBoxB()->currentText(), QString("2012"));
    QCOMPARE(panel()->yearBoxA()->count(), 2);
    QCOMPARE(labelText("lblCompareHint"), QString("Saved files are compared."));
    QTableWidget* grid = compareGrid();
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("2011"));
    QCOMPARE(grid->rowCount(), 5);
    QCOMPARE(gridRow(grid, 0),
             QStringList({"Rent", "10200.00", "11220.00", "+1020.00", "+10.00%"}));
    QCOMPARE(gridRow(grid, 3),
             QStringList({"Total Income", "30000.00", "33000.00", "+3000.00", "+10.00%"}));
    ComparisonChart* chart = panel()->chart();
    QCOMPARE(chart->setA()->label(), QString("2011"));
    QCOMPARE(chart->setA()->count(), 2);
    QCOMPARE(chart->setB()->at(0), 11220.0);
    QVERIFY(panel()->closeButton()->hasFocus());

    // Without a saved year before it, both lists start at the year on screen, which is offered
    // even when it was never saved.
    QTest::mouseClick(panel()->closeButton(), Qt::LeftButton);
    openCompare("2011");
    QCOMPARE(panel()->yearBoxA()->currentText(), QString("2011"));
    QTest::mouseClick(panel()->closeButton(), Qt::LeftButton);
    openCompare("2020");
    QCOMPARE(panel()->yearBoxB()->currentText(), QString("2020"));
    QCOMPARE(panel()->yearBoxB()->count(), 3);
}

void YearPlanningTest::choosingAnotherYearComparesAgain() {
    storeYear("2011", knownYear());
    storeYear("2012", PercentChange::parse("10")->changedYear(knownYear()));
    open();
    openCompare("2012");
    QComboBox* yearA = panel()->yearBoxA();
    const int index = yearA->findText("2012");
    yearA->setCurrentIndex(index);
    emit yearA->activated(index);
    QCOMPARE(gridRow(compareGrid(), 0),
             QStringList({"Rent", "11220.00", "11220.00", ".00", "0.00%"}));
}

void YearPlanningTest::itTurnsTheCoveredCommandsOffAndBack() {
    storeYear("2012", knownYear());
    open();
    pickYear("2012");
    clickCell(1, 3);
    QVERIFY(button("Command4")->isEnabled());
    action("mOCompare")->trigger();
    const char* buttons[] = {"Command2", "Command4", "Command5", "Command6", "Command7"};
    const char* items[] = {"mECR", "mED", "mOGB"};
    for (const char* name : buttons) {
        QVERIFY2(!button(name)->isEnabled(), name);
    }
    for (const char* name : items) {
        QVERIFY2(!action(name)->isEnabled(), name);
    }
    QVERIFY(!grid()->isEnabled());
    // As with the Totals For Year panel, Options > Print Options stays on.
    QVERIFY(action("mOPrt")->isEnabled());
    QTest::mouseClick(panel()->closeButton(), Qt::LeftButton);
    QVERIFY(!panel()->isVisible());
    for (const char* name : buttons) {
        QVERIFY2(button(name)->isEnabled(), name);
    }
    for (const char* name : items) {
        QVERIFY2(action(name)->isEnabled(), name);
    }
    QVERIFY(grid()->hasFocus());
}

void YearPlanningTest::totalsAndCompareCloseEachOther() {
    storeYear("2012", knownYear());
    open();
    openCompare("2012");
    action("mOT")->trigger();
    QVERIFY(screen->totalsShown());
    QVERIFY(!panel()->isVisible());
    QVERIFY(!button("Command2")->isEnabled());  // the Totals panel's own rule
    QVERIFY(button("Command4")->isEnabled() == action("mECR")->isEnabled());
    action("mOCompare")->trigger();
    QVERIFY(panel()->isVisible());
    QVERIFY(!screen->totalsShown());
    QVERIFY(!action("mOT")->isChecked());
    QVERIFY(!button("Command4")->isEnabled());
}

void YearPlanningTest::escapeClosesThePrintPanelFirst() {
    storeYear("2011", knownYear());
    storeYear("2012", knownYear());
    open();
    openCompare("2012");
    QTest::mouseClick(panel()->printButton(), Qt::LeftButton);
    auto* printPanel = child<print::PrintPanel>("SSPanel80");
    QVERIFY(printPanel->isShown());
    const auto& pages = printPanel->document().pages();
    QVERIFY(!pages.empty());
    const std::vector<std::string> texts = print::pageTexts(pages.front());
    QCOMPARE(texts.front(), std::string("Budget Comparison 2011 and 2012"));
    QVERIFY(std::find(texts.begin(), texts.end(), "Rent") != texts.end());
    QVERIFY(!child<QCheckBox>("SSCheck1")->isVisible());

    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!printPanel->isShown());
    QVERIFY(panel()->isVisible());
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!panel()->isVisible());
    QVERIFY(screen->isVisible());

    // The comparison opened over the budget's print panel is the one on top.
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QVERIFY(printPanel->isShown());
    action("mOCompare")->trigger();
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!panel()->isVisible());
    QVERIFY(printPanel->isShown());
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!printPanel->isShown());
    QVERIFY(screen->isVisible());
}

void YearPlanningTest::copyPutsTheGridOnTheClipboard() {
    storeYear("2011", knownYear());
    storeYear("2012", knownYear());
    open();
    openCompare("2012");
    QTest::mouseClick(panel()->copyButton(), Qt::LeftButton);
    const std::string text = env->desktop.clipboardText();
    QVERIFY(text.starts_with(
        "Item\t2011\t2012\tChange\tChange %\r\nRent\t10200.00\t10200.00\t.00\t0.00%\r\n"));
    QVERIFY(text.ends_with("Balance\t17400.00\t17400.00\t.00\t0.00%\r\n"));
}

void YearPlanningTest::clickingARowHighlightsItsBars() {
    storeYear("2012", knownYear());
    open();
    openCompare("2012");
    QTableWidget* grid = compareGrid();
    const auto clickRow = [grid](int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 0)).center());
    };
    clickRow(1);
    QCOMPARE(panel()->chart()->highlighted(), 1);
    QVERIFY(panel()->chart()->setA()->isBarSelected(1));
    QVERIFY(panel()->chart()->setB()->isBarSelected(1));
    clickRow(2);  // Total Expenses has no bars
    QCOMPARE(panel()->chart()->highlighted(), -1);
    QVERIFY(!panel()->chart()->setA()->isBarSelected(1));
}

void YearPlanningTest::controlsHaveNamesAndATabOrder() {
    storeYear("2012", knownYear());
    open();
    openCompare("2012");
    auto* labelA = child<QLabel>("cboCompareALabel");
    QCOMPARE(labelA->buddy(), panel()->yearBoxA());
    QCOMPARE(child<QLabel>("cboCompareBLabel")->buddy(), panel()->yearBoxB());
    QVERIFY(!compareGrid()->accessibleName().isEmpty());
    QVERIFY(!panel()->chart()->accessibleName().isEmpty());
    QCOMPARE(button("cmdComparePrint")->text(), QString("&Print"));
    QCOMPARE(button("cmdCompareCopy")->text(), QString("Copy to Clip&board"));
    QCOMPARE(button("cmdCompareClose")->text(), QString("&Close"));
    // Tab runs from the first year list through the grid to the buttons.
    QWidget* chain[] = {panel()->yearBoxA(),    panel()->yearBoxB(),   compareGrid(),
                        panel()->printButton(), panel()->copyButton(), panel()->closeButton()};
    chain[0]->setFocus();
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), chain[i]);
    }
}

QTEST_MAIN(YearPlanningTest)
#include "year_planning_qtest.moc"
