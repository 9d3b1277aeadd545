// Undo and redo on the Home Budget screen, and the earlier versions of a year: each kind of
// change taken back and done again, Ctrl+Z in the grid's editor and in the Input Box, the Edit
// menu's items, and a version restored through Versions1 and that restore taken back.

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

#include "budget/core/version_texts.h"
#include "budget/core/year_versions.h"
#include "budget/tests/budget_screen_fixture.h"
#include "budget/ui/undo_and_versions.h"
#include "budget/ui/versions_dialog.h"
#include "common/core/safe_write.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

BudgetYear startYear() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.items[1].name = "Snacks";
    year.items[1].amounts[1] = ".50";
    year.items[2].name = "Car";
    year.items[2].amounts[0] = "99.00";
    year.income[0] = "2500.00";
    return year;
}

}  // namespace

class BudgetUndoTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void init() {
        start();
        seconds_ = 0;
        parts = [this](BudgetScreen& s) {
            // Each write a second after the one before.
            attachUndoAndVersions(s, [this] { return DateTime{2026, 12, 10, 14, 5, seconds_++}; });
        };
    }
    void cleanup() {
        setSafeWriteFailureHook({});
        finish();
    }
    void everyChangeGoesBackAndForth();
    void restoringAVersionAndTakingItBack();
    void aVersionThatCannotBeKeptIsReportedAndTheSaveGoesAhead();

  private:
    void pressInGrid(QKeySequence keys) {
        QTest::keySequence(grid(), keys);
        QApplication::processEvents();
    }
    // The change made by change is taken back with Ctrl+Z and done again with Ctrl+Y and with
    // Ctrl+Shift+Z; each time the year shows exactly as it was and the cell becomes current.
    void walk(const char* what, const std::function<void()>& change, int row, int column) {
        const BudgetYear before = screen->year();
        change();
        const BudgetYear after = screen->year();
        QVERIFY2(after != before, what);
        QVERIFY2(action("mEUndo")->isEnabled(), what);
        pressInGrid(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY2(screen->year() == before, what);
        QVERIFY2(screen->unsavedChanges(), what);
        QCOMPARE(screen->currentRow(), row);
        QCOMPARE(screen->currentColumn(), column);
        QVERIFY2(action("mERedo")->isEnabled(), what);
        pressInGrid(QKeySequence(Qt::CTRL | Qt::Key_Y));
        QVERIFY2(screen->year() == after, what);
        pressInGrid(QKeySequence(Qt::CTRL | Qt::Key_Z));
        pressInGrid(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QVERIFY2(screen->year() == after, what);
        QVERIFY2(!action("mERedo")->isEnabled(), what);
    }
    // Opens Utilities > Restore an Earlier Version and hands the dialog to act.
    void withVersions(const std::function<void(VersionsDialog&)>& act) {
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<VersionsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seen = true;
            act(*dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        action("mUV")->trigger();
        QVERIFY(seen);
        // The screen is active again once the dialog has gone, as a window manager makes it.
        comeBackFromAnotherScreen(screen);
    }
    QStringList versionLines(const VersionsDialog& dialog) const {
        QStringList lines;
        for (int i = 0; i < dialog.list()->count(); ++i) {
            lines << dialog.list()->item(i)->text();
        }
        return lines;
    }

    int seconds_ = 0;
};

void BudgetUndoTest::everyChangeGoesBackAndForth() {
    storeYear("2012", startYear());
    open();
    pickYear("2012");

    // Edit menu: Undo, Redo and a separator at the top, with their keys, off with no history.
    const QList<QAction*> edit = screen->editMenu()->actions();
    QCOMPARE(edit.at(0)->objectName(), QString("mEUndo"));
    QCOMPARE(edit.at(0)->text(), QString("&Undo"));
    QCOMPARE(edit.at(0)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(edit.at(1)->objectName(), QString("mERedo"));
    QCOMPARE(edit.at(1)->text(), QString("&Redo"));
    QCOMPARE(edit.at(1)->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    QVERIFY(edit.at(2)->isSeparator());
    QCOMPARE(edit.at(3)->objectName(), QString("mECR"));
    QVERIFY(!edit.at(0)->isEnabled() && !edit.at(1)->isEnabled());
    QCOMPARE(action("mOS")->text(), QString("&Save"));
    QCOMPARE(action("mOS")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    const QList<QAction*> utilities = screen->utilitiesMenu()->actions();
    QCOMPARE(utilities.at(utilities.indexOf(action("mUR")) + 1), action("mUV"));
    QCOMPARE(action("mUV")->text(), QString("Restore an &Earlier Version of Selected Year"));

    // A committed grid edit, with the amount the entry rule emptied coming back.
    env->desktop.expectMessage(numbersOnlyMessage(), Answer::Ok);
    walk(
        "grid edit", [&] { typeInCell(1, 2, "abc"); }, 1, 2);
    QCOMPARE(cell(1, 2), QString());
    QCOMPARE(monthLabel("Label3", 0), QString("99.00"));
    QTest::keySequence(grid(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(cell(1, 2), QString("850.00"));
    QCOMPARE(monthLabel("Label3", 0), QString("949.00"));  // recalculated

    // Keystrokes into one cell through the Input Box are one step; Ctrl+Z there is the budget's.
    walk(
        "Input Box",
        [&] {
            clickCell(2, 1);
            inputBox()->setFocus();
            inputBox()->selectAll();
            QTest::keyClicks(inputBox(), "Gas");
            QCOMPARE(cell(2, 1), QString("Gas"));
        },
        2, 1);
    inputBox()->setFocus();
    QTest::keySequence(inputBox(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(cell(2, 1), QString("Snacks"));
    QVERIFY(action("mERedo")->isEnabled());  // the step was undone, not the box's typing
    QTest::keySequence(inputBox(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(cell(2, 1), QString("Gas"));

    // A monthly income copied to the right: one step.
    walk(
        "income",
        [&] {
            clickCell(1, 3);
            env->desktop.expectInput(incomeQuestion("0.00"), "1000");
            env->desktop.expectMessage(copyIncomeRightQuestion(), Answer::Yes);
            clickLabel("Label5(2)");
            QCOMPARE(monthLabel("Label5", 11), QString("1000.00"));
        },
        1, 3);

    walk(
        "Copy To Right",
        [&] {
            clickCell(1, 2);
            grid()->setFocus();
            button("Command4")->click();
            QCOMPARE(cell(1, 13), QString("850.00"));
        },
        1, 2);

    walk(
        "Insert New Row",
        [&] {
            clickCell(2, 1);
            action("mOIN")->trigger();
            QCOMPARE(cell(3, 1), QString("Gas"));
        },
        2, 1);

    walk(
        "Delete Row",
        [&] {
            clickCell(1, 1);
            grid()->setFocus();
            env->desktop.expectMessage(deleteRowQuestion(), Answer::Yes);
            button("Command6")->click();
            QCOMPARE(cell(2, 1), QString("Gas"));
        },
        1, 1);

    walk(
        "sort",
        [&] {
            clickCell(1, 1);
            QHeaderView* header = grid()->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(0) + 5, 5));
            QCOMPARE(cell(1, 1), QString("Car"));
        },
        1, 1);

    // A spelling run is one step however many names it changed.
    screen->hooks().checkSpelling = [](BudgetScreen& s) {
        s.setCellText(1, 1, "Rant");
        s.setCellText(2, 1, "Gass");
    };
    walk(
        "spelling", [&] { button("Command15")->click(); }, screen->currentRow(),
        screen->currentColumn());

    // Inside the grid's editor Ctrl+Z undoes the typing, not a step.
    const BudgetYear shown = screen->year();
    clickCell(5, 1);
    grid()->setFocus();
    QTest::keyClicks(grid(), "X");
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editorShown());
    QTest::keyClicks(editor, "yz");
    QTest::keySequence(editor, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(editorShown());
    QVERIFY(screen->year() == shown);
    commitEditor(editor);

    // Another year starts a history of its own.
    QVERIFY(action("mEUndo")->isEnabled());
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::No);
    pickYear("2013");
    QVERIFY(!action("mEUndo")->isEnabled() && !action("mERedo")->isEnabled());
}

void BudgetUndoTest::restoringAVersionAndTakingItBack() {
    env->watchdog.allowDialog(QStringLiteral("Versions1"));
    open();
    pickYear("2012");
    typeInCell(1, 1, "Rent");
    button("Command5")->click();  // the first save replaces nothing
    withVersions([&](VersionsDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QString("Earlier Versions of 2012"));
        QCOMPARE(versionLines(dialog), QStringList{"No earlier versions of 2012"});
        QVERIFY(!dialog.restoreButton()->isEnabled());
        QCOMPARE(dialog.restoreButton()->text(), QString("&Restore"));
        QCOMPARE(dialog.closeButton()->text(), QString("&Close"));
        dialog.closeButton()->click();
    });

    typeInCell(2, 1, "Gas");
    typeInCell(2, 2, "40");
    QTest::keySequence(grid(), QKeySequence(Qt::CTRL | Qt::Key_S));  // keeps the Rent-only file
    QVERIFY(!screen->unsavedChanges());
    typeInCell(3, 1, "Oops");
    withVersions([&](VersionsDialog& dialog) {
        QCOMPARE(versionLines(dialog),
                 QStringList{"2026-12-10 14:05:01   Expenses .00   Income .00"});
        QVERIFY(dialog.restoreButton()->isEnabled());
        // The year on screen has changes: Cancel does nothing, No drops them.
        env->desktop.expectMessage(saveBeforeRestoreQuestion("2012"), Answer::Cancel);
        dialog.restoreButton()->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(cell(3, 1), QString("Oops"));
        env->desktop.expectMessage(saveBeforeRestoreQuestion("2012"), Answer::No);
        dialog.restoreButton()->click();
        QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(cell(1, 1), QString("Rent"));
    QCOMPARE(cell(2, 1), QString());
    QCOMPARE(cell(3, 1), QString());
    QVERIFY(!screen->unsavedChanges());
    QVERIFY(!action("mEUndo")->isEnabled());

    // The restore kept the file it replaced: restoring that one takes the restore back.
    withVersions([&](VersionsDialog& dialog) {
        QCOMPARE(versionLines(dialog),
                 (QStringList{"2026-12-10 14:05:02   Expenses 40.00   Income .00",
                              "2026-12-10 14:05:01   Expenses .00   Income .00"}));
        QVERIFY(dialog.preview()->toPlainText().contains("Gas"));
        dialog.restoreButton()->click();
    });
    QCOMPARE(cell(2, 1), QString("Gas"));
    QCOMPARE(cell(2, 2), QString("40.00"));
    QCOMPARE(monthLabel("Label3", 0), QString("40.00"));
    QCOMPARE(listVersions(kVersionsFolder, "2012").size(), std::size_t{3});
}

void BudgetUndoTest::aVersionThatCannotBeKeptIsReportedAndTheSaveGoesAhead() {
    storeYear("2012", startYear());
    open();
    pickYear("2012");
    typeInCell(4, 1, "Water");
    QVERIFY(env->folder.writeBytes("Versions", "not a folder"));
    env->desktop.expectMessage(
        versionNotKeptMessage("2012", "Something other than a folder is named Versions."),
        Answer::Ok);
    action("mOS")->trigger();
    QVERIFY(!screen->unsavedChanges());
    QCOMPARE(readYearFile(env->folder.filePath("2012.Fil")).year.items[3].name,
             std::string("Water"));
}

QTEST_MAIN(BudgetUndoTest)
#include "budget_undo_qtest.moc"
