// Years on the Home Budget screen: choosing and typing a year, what is read from and written to
// the year file, Copy (Yr), every unsaved-changes question with its answers, saves that fail,
// and the hand-over to the backup and restore utility.

#include <QCheckBox>
#include <QPointer>
#include <QRadioButton>

#include "budget/tests/budget_screen_fixture.h"
#include "budget/ui/budget_chart_widget.h"
#include "budget/ui/budget_printing.h"
#include "budget/ui/export_and_colors.h"
#include "common/core/record_file.h"
#include "common/core/safe_write.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

BudgetYear rentYear() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.items[1].name = "Snacks";
    year.items[1].amounts[1] = ".50";
    year.income[0] = "2500.00";
    return year;
}

// The first lines of rentYear's file as written by the program after a recalculation.
const char* const kRentYearStart =
    "\"Rent\"\r\n\"850.00\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
    "\"\"\r\n\"\"\r\n\"\"\r\n\"Snacks\"\r\n\"\"\r\n\".50\"\r\n";

}  // namespace

class BudgetYearTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void init() { start(); }
    void cleanup() {
        setSafeWriteFailureHook({});
        finish();
    }
    void pickedYearShowsItsFile();
    void typedYearsAreHeldToTheList();
    void yearTypedButNotEnteredIsNotTheYearOnShow();
    void savingWritesTheYearFile();
    void yearWithoutIncomeSavesEmptyIncomeAndReadsBackZero();
    void savingWhileTypingSavesTheEntry();
    void failedSaveKeepsTheChangesAndTheFile();
    void failedSaveOnExitKeepsTheScreenOpen();
    void copyYearReplacesTheNextYear();
    void copyYearOfAYearNeverSavedDoesNothing();
    void copyYearThatCannotWriteSaysSo();
    void selectorFocusQuestionYes();
    void selectorFocusQuestionNo();
    void selectorFocusQuestionCancelKeepsTheYear();
    void exitQuestionYesSavesAndLeaves();
    void exitQuestionNoLeavesWithoutASecondQuestion();
    void exitQuestionCancelStays();
    void closeBoxAsksYesOrNo();
    void exitWithoutChangesAsksNothing();
    void backupHandsOverAfterTheQuestion();
    void backupAnsweredNoKeepsTheChangesOnShow();
    void restoreShowsTheRestoredFile();
    void restoreThatRestoredNothingKeepsTheChanges();
    void restoreSetsColoursChartAndPrintingUpAsAtOpening();
    void pickingAYearClosesTheTotals();
};

void BudgetYearTest::pickedYearShowsItsFile() {
    storeYear("2012", rentYear());
    open();
    pickYear("2012");
    QCOMPARE(QString::fromStdString(screen->selectedYear()), QString("2012"));
    QCOMPARE(cell(1, 1), QString("Rent"));
    QCOMPARE(cell(1, 2), QString("850.00"));
    QCOMPARE(cell(2, 3), QString(".50"));
    QCOMPARE(monthLabel("Label5", 0), QString("2500.00"));
    QCOMPARE(monthLabel("Label5", 1), QString("0.00"));  // empty in the file
    QCOMPARE(monthLabel("Label3", 0), QString("850.00"));
    QCOMPARE(monthLabel("Label7", 0), QString("1650.00"));
    QCOMPARE(monthLabel("Label3", 1), QString(".50"));
    QCOMPARE(monthLabel("Label7", 1), QString("-.50"));
    QCOMPARE(labelText("Panel3D4"), QString("C1:R1"));
    QVERIFY(inputBox()->text().isEmpty());
    QVERIFY(button("Command7")->isVisible());
    QVERIFY(button("Command2")->isEnabled());
    QVERIFY(button("Command5")->isEnabled());
    QVERIFY(!screen->unsavedChanges());
    QCOMPARE(screen->currentRow(), 1);
    QCOMPARE(screen->currentColumn(), 1);
}

void BudgetYearTest::typedYearsAreHeldToTheList() {
    storeYear("1990", rentYear());
    open();
    typeYear("1985");
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString("1990"));
    QCOMPARE(QString::fromStdString(screen->selectedYear()), QString("1990"));
    QCOMPARE(cell(1, 1), QString("Rent"));
    typeYear("3000");
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString("2089"));
    QCOMPARE(cell(1, 1), QString());
    typeYear("2012x");
    QCOMPARE(QString::fromStdString(screen->selectedYear()), QString("2012"));
}

void BudgetYearTest::yearTypedButNotEnteredIsNotTheYearOnShow() {
    storeYear("2012", rentYear());
    storeYear("2013", BudgetYear{});
    open();
    pickYear("2012");
    auto* combo = child<QComboBox>("Combo1");
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, "2013");
    grid()->setFocus();
    QCOMPARE(combo->currentText(), QString("2012"));
    screen->setCellText(3, 1, "Gas");
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    QCOMPARE(readYearFile(env->folder.filePath("2013.Fil")).year.items, BudgetYear{}.items);
    QCOMPARE(readYearFile(env->folder.filePath("2012.Fil")).year.items[2].name, "Gas");
}

void BudgetYearTest::savingWritesTheYearFile() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    typeInCell(1, 2, "850");
    typeInCell(2, 1, "Snacks");
    typeInCell(2, 3, "0.5");
    QVERIFY(screen->unsavedChanges());
    clickCell(2, 3);
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    QVERIFY(!screen->unsavedChanges());
    QCOMPARE(screen->currentRow(), 2);
    QCOMPARE(screen->currentColumn(), 3);
    const std::string bytes = env->folder.readBytes("2012.Fil");
    QVERIFY(bytes.starts_with(kRentYearStart));
    QCOMPARE(std::count(bytes.begin(), bytes.end(), '\n'), 662);
    // The recalculation put "0.00" into every income caption.
    QVERIFY(bytes.ends_with(std::string(
        "\"0.00\"\r\n\"0.00\"\r\n\"0.00\"\r\n\"0.00\"\r\n\"0.00\"\r\n\"0.00\"\r\n\"0.00\"\r\n"
        "\"0.00\"\r\n\"0.00\"\r\n\"0.00\"\r\n\"0.00\"\r\n\"0.00\"\r\n")));

    // Reloading shows every text as it was.
    pickYear("2013");
    pickYear("2012");
    QCOMPARE(cell(1, 2), QString("850.00"));
    QCOMPARE(cell(2, 3), QString(".50"));
    QCOMPARE(cell(2, 1), QString("Snacks"));
}

void BudgetYearTest::yearWithoutIncomeSavesEmptyIncomeAndReadsBackZero() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    action("mOS")->trigger();
    const std::string bytes = env->folder.readBytes("2012.Fil");
    QVERIFY(bytes.starts_with("\"Rent\"\r\n\"\"\r\n"));
    std::string emptyIncome;
    for (int m = 0; m < 12; ++m) {
        emptyIncome += "\"\"\r\n";
    }
    QVERIFY(bytes.ends_with(emptyIncome));
    pickYear("2012");
    for (int m = 0; m < 12; ++m) {
        QCOMPARE(monthLabel("Label5", m), QString("0.00"));
    }
}

void BudgetYearTest::savingWhileTypingSavesTheEntry() {
    open();
    pickYear("2012");
    clickCell(1, 1);
    QTest::keyClicks(grid(), "R");
    QTest::keyClicks(QApplication::focusWidget(), "ent");
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    QVERIFY(env->folder.readBytes("2012.Fil").starts_with("\"Rent\"\r\n"));
    QVERIFY(!screen->unsavedChanges());

    // An amount is saved as entered; its recalculation, coming after the save, leaves the year
    // saved.
    clickCell(1, 2);
    QTest::keyClicks(grid(), "8");
    QTest::keyClicks(QApplication::focusWidget(), "50");
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    QVERIFY(env->folder.readBytes("2012.Fil").starts_with("\"Rent\"\r\n\"850.00\"\r\n"));
    QTRY_VERIFY(!screen->entryPending());
    QCOMPARE(monthLabel("Label3", 0), QString("850.00"));
    QVERIFY(!screen->unsavedChanges());
}

void BudgetYearTest::failedSaveKeepsTheChangesAndTheFile() {
    storeYear("2012", rentYear());
    const std::string before = env->folder.readBytes("2012.Fil");
    open();
    pickYear("2012");
    typeInCell(3, 1, "Gas");
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Write; });
    env->desktop.expectMessage(
        saveFailedMessage("2012", "The disk reported an error while writing."), Answer::Ok);
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    QVERIFY(screen->unsavedChanges());
    QCOMPARE(cell(3, 1), QString("Gas"));
    QCOMPARE(env->folder.readBytes("2012.Fil"), before);
    QCOMPARE(QString::fromStdString(saveFailedMessage("2012", "R").title), QString("Home Budget"));

    // A folder in the way of the file is reported in plain words too.
    setSafeWriteFailureHook({});
    std::filesystem::remove(env->folder.filePath("2012.Fil"));
    std::filesystem::create_directory(env->folder.filePath("2012.Fil"));
    env->desktop.expectMessage(saveFailedMessage("2012", "A folder has the name of the file."),
                               Answer::Ok);
    action("mOS")->trigger();
    QVERIFY(screen->unsavedChanges());
}

void BudgetYearTest::failedSaveOnExitKeepsTheScreenOpen() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Rename; });
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::Yes);
    env->desktop.expectMessage(
        saveFailedMessage("2012", "The disk reported an error while writing."), Answer::Ok);
    QPointer<BudgetScreen> alive(screen);
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!alive.isNull());
    QVERIFY(screen->isVisible());
    QVERIFY(screen->unsavedChanges());
    QVERIFY(!env->folder.exists("2012.Fil"));
}

void BudgetYearTest::copyYearReplacesTheNextYear() {
    storeYear("2012", rentYear());
    const std::string saved = env->folder.readBytes("2012.Fil");
    env->folder.writeBytes("2013.Fil", "old 2013");
    open();
    pickYear("2012");
    typeInCell(4, 1, "Not saved");
    env->desktop.expectMessage(copyYearQuestion("2012", "2013"), Answer::No);
    QTest::mouseClick(button("Command7"), Qt::LeftButton);
    QCOMPARE(env->folder.readBytes("2013.Fil"), std::string("old 2013"));
    env->desktop.expectMessage(copyYearQuestion("2012", "2013"), Answer::Yes);
    action("mECY")->trigger();
    // The saved file, without the change on screen.
    QCOMPARE(env->folder.readBytes("2013.Fil"), saved);
    QCOMPARE(QApplication::focusWidget(), grid());
}

void BudgetYearTest::copyYearOfAYearNeverSavedDoesNothing() {
    env->folder.writeBytes("2013.Fil", "old 2013");
    open();
    pickYear("2012");
    env->desktop.expectMessage(copyYearQuestion("2012", "2013"), Answer::Yes);
    QTest::mouseClick(button("Command7"), Qt::LeftButton);
    QCOMPARE(env->folder.readBytes("2013.Fil"), std::string("old 2013"));
    QVERIFY(!env->folder.exists("2012.Fil"));
}

void BudgetYearTest::copyYearThatCannotWriteSaysSo() {
    storeYear("2089", rentYear());
    env->folder.writeBytes("2090.Fil", "old 2090");
    open();
    pickYear("2089");
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Sync; });
    env->desktop.expectMessage(copyYearQuestion("2089", "2090"), Answer::Yes);
    env->desktop.expectMessage(
        copyYearFailedMessage("2089", "2090", "The disk reported an error while writing."),
        Answer::Ok);
    QTest::mouseClick(button("Command7"), Qt::LeftButton);
    QCOMPARE(env->folder.readBytes("2090.Fil"), std::string("old 2090"));
}

void BudgetYearTest::selectorFocusQuestionYes() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::Yes);
    child<QComboBox>("Combo1")->setFocus();
    QApplication::processEvents();
    QVERIFY(!screen->unsavedChanges());
    QVERIFY(env->folder.readBytes("2012.Fil").starts_with("\"Rent\"\r\n"));
    QVERIFY(!button("Command6")->isEnabled());
    QCOMPARE(labelText("Panel3D4"), QString());
}

void BudgetYearTest::selectorFocusQuestionNo() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::No);
    pickYear("2013");  // the focus asks; the pick then asks nothing more
    QVERIFY(!screen->unsavedChanges());
    QVERIFY(!env->folder.exists("2012.Fil"));
    QCOMPARE(cell(1, 1), QString());
    pickYear("2012");
    QCOMPARE(cell(1, 1), QString());
}

void BudgetYearTest::selectorFocusQuestionCancelKeepsTheYear() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::Cancel);
    child<QComboBox>("Combo1")->setFocus();
    // The grid has the focus back, so that no year is picked over the changes.
    QTRY_COMPARE(QApplication::focusWidget(), grid());
    QVERIFY(screen->unsavedChanges());
    QVERIFY(button("Command6")->isEnabled());
    QCOMPARE(cell(1, 1), QString("Rent"));
    // A pick that still comes asks first.
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::Cancel);
    auto* combo = child<QComboBox>("Combo1");
    const int index = combo->findText("2013");
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    QCOMPARE(cell(1, 1), QString("Rent"));
    QCOMPARE(combo->currentText(), QString("2012"));
}

void BudgetYearTest::exitQuestionYesSavesAndLeaves() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::Yes);
    QPointer<BudgetScreen> alive(screen);
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    screen = nullptr;
    QVERIFY(env->folder.readBytes("2012.Fil").starts_with("\"Rent\"\r\n"));
    QVERIFY(main->isVisible());
}

void BudgetYearTest::exitQuestionNoLeavesWithoutASecondQuestion() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::No);
    QPointer<BudgetScreen> alive(screen);
    action("mOE")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    screen = nullptr;
    QVERIFY(!env->folder.exists("2012.Fil"));
}

void BudgetYearTest::exitQuestionCancelStays() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::Cancel);
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(screen->isVisible());
    QVERIFY(screen->unsavedChanges());
}

void BudgetYearTest::closeBoxAsksYesOrNo() {
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    env->desktop.expectMessage(exitQuestion("2012", false), Answer::Yes);
    QPointer<BudgetScreen> alive(screen);
    screen->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    screen = nullptr;
    QVERIFY(env->folder.readBytes("2012.Fil").starts_with("\"Rent\"\r\n"));
}

void BudgetYearTest::exitWithoutChangesAsksNothing() {
    open();
    QPointer<BudgetScreen> alive(screen);
    QTest::keyClick(screen, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    screen = nullptr;
}

void BudgetYearTest::backupHandsOverAfterTheQuestion() {
    storeYear("2011", rentYear());
    std::vector<BackupHandOver> handed;
    std::string fileAtBackup;
    parts = [&](BudgetScreen& s) {
        s.hooks().runBackupUtility = [&](BudgetScreen&, const BackupHandOver& handOver) {
            handed.push_back(handOver);
            fileAtBackup = env->folder.readBytes("2011.Fil");
        };
    };
    open();
    pickYear("2011");
    typeInCell(3, 1, "Gas");
    env->desktop.expectMessage(saveBeforeBackupQuestion("2011"), Answer::Yes);
    action("mUB")->trigger();
    QCOMPARE(handed, (std::vector<BackupHandOver>{{36, false, 2011}}));
    QCOMPARE(readYearFile(env->folder.filePath("2011.Fil")).year.items[2].name, "Gas");
    QVERIFY(fileAtBackup.find("\"Gas\"") != std::string::npos);
    QVERIFY(!screen->unsavedChanges());
    QCOMPARE(cell(3, 1), QString("Gas"));

    // Without changes nothing is asked.
    action("mUB")->trigger();
    QCOMPARE(handed.size(), 2u);
}

void BudgetYearTest::backupAnsweredNoKeepsTheChangesOnShow() {
    storeYear("2011", rentYear());
    std::vector<BackupHandOver> handed;
    parts = [&](BudgetScreen& s) {
        s.hooks().runBackupUtility = [&](BudgetScreen&, const BackupHandOver& handOver) {
            handed.push_back(handOver);
        };
    };
    open();
    pickYear("2011");
    typeInCell(3, 1, "Gas");
    env->desktop.expectMessage(saveBeforeBackupQuestion("2011"), Answer::No);
    action("mUB")->trigger();
    QCOMPARE(handed.size(), 1u);
    QCOMPARE(readYearFile(env->folder.filePath("2011.Fil")).year.items[2].name, "");
    QCOMPARE(cell(3, 1), QString("Gas"));
    QVERIFY(screen->unsavedChanges());
}

void BudgetYearTest::restoreShowsTheRestoredFile() {
    storeYear("2011", rentYear());
    BudgetYear restored = rentYear();
    restored.items[0].name = "Restored rent";
    std::vector<BackupHandOver> handed;
    parts = [&](BudgetScreen& s) {
        s.hooks().runBackupUtility = [&](BudgetScreen&, const BackupHandOver& handOver) {
            handed.push_back(handOver);
            storeYear("2011", restored);
        };
    };
    open();
    pickYear("2011");
    typeInCell(3, 1, "Gas");
    action("mUR")->trigger();
    QCOMPARE(handed, (std::vector<BackupHandOver>{{37, true, 2011}}));
    // Set up again as at opening, with the year the user had picked.
    QCOMPARE(QString::fromStdString(screen->selectedYear()), QString("2011"));
    QCOMPARE(cell(1, 1), QString("Restored rent"));
    QCOMPARE(cell(3, 1), QString());
    QVERIFY(!screen->unsavedChanges());
    QVERIFY(!button("Command6")->isEnabled());
    QVERIFY(button("Command2")->isEnabled());
}

void BudgetYearTest::restoreThatRestoredNothingKeepsTheChanges() {
    storeYear("2011", rentYear());
    parts = [](BudgetScreen& s) {
        s.hooks().runBackupUtility = [](BudgetScreen&, const BackupHandOver&) {};
    };
    open();
    pickYear("2011");
    typeInCell(3, 1, "Gas");
    action("mUR")->trigger();
    QCOMPARE(cell(3, 1), QString("Gas"));
    QVERIFY(screen->unsavedChanges());
}

// After a restore the screen is as when it opens: the stored colours (colour changes not yet
// stored are dropped), the first chart type and orientation, all gridlines and Print Graph.
void BudgetYearTest::restoreSetsColoursChartAndPrintingUpAsAtOpening() {
    storeYear("2011", rentYear());
    QVERIFY(RecordFile("GColor1.Fil", 20).writeText(15, std::to_string(0x800000)));
    parts = [](BudgetScreen& s) {
        attachChartAndPrinting(s);
        attachExportAndColors(s);
        s.hooks().runBackupUtility = [](BudgetScreen&, const BackupHandOver&) {};
    };
    open();
    pickYear("2011");
    const QColor storedText(0, 0, 128);
    const QColor openingPanel = screen->panelColor();
    QCOMPARE(grid()->palette().color(QPalette::Text), storedText);

    env->desktop.expectColor(0x800000, 0x008000);
    action("mOGT")->trigger();
    env->desktop.expectMessage(
        {"Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will "
         "appear.\rNo = Current System Default Color will be selected.",
         "Panel Color", MessageIcon::Information, MessageButtons::YesNoCancel, Answer::Yes},
        Answer::Yes);
    env->desktop.expectColor(std::nullopt, 0x008080);
    action("mOC")->trigger();
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    for (const char* option : {"SSOption1(1)", "SSOption2(1)"}) {
        child<QRadioButton>(option)->click();
    }
    QTest::mouseClick(screen->totalsPanel()->printButton(), Qt::LeftButton);
    child<QRadioButton>("SSOption83(2)")->click();
    child<QCheckBox>("SSCheck1")->click();
    QTest::mouseClick(child<QPushButton>("SSCommand80(2)"), Qt::LeftButton);
    COINWELL_VERIFY_DESKTOP(env->desktop);

    action("mUR")->trigger();
    QVERIFY(!screen->totalsShown());
    QCOMPARE(grid()->palette().color(QPalette::Text), storedText);
    QCOMPARE(screen->panelColor(), openingPanel);
    QCOMPARE(screen->centralPanel()->palette().color(QPalette::Window), openingPanel);
    auto* chart = child<BudgetChartWidget>("Chart2D1");
    QCOMPARE(chart->state().type(), ChartType::Bar);
    QCOMPARE(chart->state().orientation(), ChartOrientation::Vertical);
    for (const char* option : {"SSOption1(0)", "SSOption2(0)", "SSOption83(0)"}) {
        QVERIFY2(child<QRadioButton>(option)->isChecked(), option);
    }
    QVERIFY(child<QCheckBox>("SSCheck1")->isChecked());
    // Nothing is left to store: Exit asks no colour question.
    QPointer<BudgetScreen> alive(screen);
    QVERIFY(screen->closeByCommand());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    screen = nullptr;
}

void BudgetYearTest::pickingAYearClosesTheTotals() {
    BudgetYear year = rentYear();
    storeYear("2012", year);
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(screen->totalsShown());
    QVERIFY(!button("Command5")->isEnabled());
    pickYear("2013");
    QVERIFY(!screen->totalsShown());
    QVERIFY(!action("mOT")->isChecked());
    QVERIFY(action("mOGB")->isEnabled());
    QVERIFY(button("Command5")->isEnabled());
    QVERIFY(button("Command6")->isEnabled());
}

QTEST_MAIN(BudgetYearTest)
#include "budget_year_qtest.moc"
