// The Home Budget screen as a user sees and edits it: controls, captions and menus, entry in the
// grid and the Input Box with their limits and messages, the monthly Total Income, Copy To
// Right, inserting, deleting and sorting rows, the menu and popup rules, Esc and F1.

#include <QDate>
#include <QPointer>
#include <QScrollBar>
#include <functional>

#include "budget/core/budget_edits.h"
#include "budget/tests/budget_screen_fixture.h"
#include "common/tests/support/window_switch.h"
#include "common/ui/colors.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

QStringList actionNames(const QMenu* menu) {
    QStringList names;
    for (QAction* a : menu->actions()) {
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + "=" + a->text());
    }
    return names;
}

BudgetYear sampleYear() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts.fill("850.00");
    year.items[1].name = "Food";
    year.items[1].amounts[0] = "400.00";
    year.items[2].name = "Water";
    year.items[2].amounts[5] = "60.00";
    year.income.fill("2500.00");
    return year;
}

}  // namespace

class BudgetScreenTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void init() { start(); }
    void cleanup() { finish(); }
    void opensWithItsControlsCaptionsAndMenus();
    void opensOnTodaysYearNeverSaved();
    void gridEditorLimitsAndMessages();
    void gridEditorRefusesCharactersTheFileCannotHold();
    void entriesTypedAheadAreKept();
    void inputBoxCommasCapAndColour();
    void locationIndicatorAndCopyRightRule();
    void copyToRightFromJune();
    void insertingWhenRowFiftyHoldsAnItem();
    void deletingRowThree();
    void deleteAnsweredNoKeepsTheRow();
    void incomeLimitAndCopyToTheRight();
    void incomeForDecemberAsksNothing();
    void incomeCancelledChangesNothing();
    void headingSortsAndCleanUps();
    void fiftyLargestAmountsGiveTheBillsMessage();
    void negativeBalanceIsRed();
    void popupAndMenuRules();
    void utilitiesMenuRules();
    void escapeClosesOverlaysInTurnThenTheScreen();
    void helpTopics();
    void hooksReceiveTheirCommands();
    void scrollTipNamesTheRow();
    void activationStepsRunOnlyComingFromAnotherScreen();
    void escapeWhileEditingOnlyLeavesTheEditor();
    void everyCommandEndsTheOpenEntryFirst();
    void commasTypedAndPastedAlikeInGridAndInputBox();
    void inputBoxKeepsTheMonthlyFiguresCurrent();
};

void BudgetScreenTest::opensWithItsControlsCaptionsAndMenus() {
    open();
    QCOMPARE(screen->objectName(), QString("Budget1"));
    QCOMPARE(screen->windowTitle(), QString("Home Budget"));
    QCOMPARE(labelText("Panel3D5"), QString("Home Budget"));
    QCOMPARE(labelText("Label1"), QString("Select Year:"));
    QCOMPARE(labelText("Label8"), QString("Input Box:"));
    QCOMPARE(labelText("Panel3D4"), QString("C1:R1"));
    const std::pair<const char*, const char*> buttons[] = {
        {"Command8", "&Totals (Yr)"},   {"Command7", "Copy (&Yr)"},
        {"Command2", "&Print Options"}, {"Command3", "E&xit "},
        {"Command4", "&Copy To Right"}, {"Command5", "&Save"},
        {"Command6", "&Delete Row"},    {"Command15", "Spelling Chec&k"}};
    for (const auto& [name, caption] : buttons) {
        QCOMPARE(button(name)->text(), QString(caption));
    }
    QCOMPARE(monthLabel("Label2", 0), QString("Total Expenses: "));
    QCOMPARE(monthLabel("Label2", 1), QString("Total Income: "));
    QCOMPARE(monthLabel("Label2", 2), QString("Balance: "));
    QVERIFY(child<QLineEdit>("Text2")->isHidden());

    auto* combo = child<QComboBox>("Combo1");
    QCOMPARE(combo->count(), 100);
    QCOMPARE(combo->itemText(0), QString("1990"));
    QCOMPARE(combo->itemText(99), QString("2089"));

    QCOMPARE(grid()->model()->rowCount(), 50);
    QCOMPARE(grid()->model()->columnCount(), 13);
    QStringList headings;
    for (int c = 0; c < 13; ++c) {
        headings << grid()->model()->headerData(c, Qt::Horizontal).toString();
    }
    QCOMPARE(headings, QStringList({"Item", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                    "Sep", "Oct", "Nov", "Dec"}));
    // Column widths by proportion of the grid's width.
    const int width = grid()->width();
    QCOMPARE(grid()->verticalHeader()->width(), qRound(0.019 * width));
    QCOMPARE(grid()->columnWidth(0), qRound(0.14 * width));
    QCOMPARE(grid()->columnWidth(12), qRound(0.06825 * width));

    // At load the row commands wait for the grid's focus; Exit holds it.
    QVERIFY(!button("Command4")->isEnabled());
    QVERIFY(!button("Command6")->isEnabled());
    QVERIFY(!action("mED")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), button("Command3"));

    QStringList bar;
    for (QAction* a : screen->menuBar()->actions()) {
        bar << a->objectName() + "=" + a->text();
    }
    QCOMPARE(bar, QStringList({"mO=&Options", "mE=&Edit", "mU=&Utilities", "mH=&Help"}));
    QCOMPARE(
        actionNames(screen->optionsMenu()),
        QStringList({"mOGB=Grid &Backgorund Selector", "mOGT=Grid &Text  Color", "mOC=Panel C&olor",
                     "-", "mODel=&Delete Row", "mOIN=&Insert New Row", "-", "mOCopy=&Copy",
                     "mOPrt=&Print Options", "mOS=&Save", "mOSpell=Spelling Chec&k", "-",
                     "mOT=&Totals For Year", "-", "mOE=E&xit"}));
    QCOMPARE(actionNames(screen->editMenu()),
             QStringList({"mECR=&Copy Right", "mECY=Copy To Next &Year", "mED=&Delete Row", "-",
                          "mECopy=Copy Budget to &Windows Clipboard"}));
    QCOMPARE(actionNames(child<QMenu>("mU")),
             QStringList({"mUB=&Backup Selected Year File to Disk",
                          "mUR=&Restore Selected Year File from Disk", "-",
                          "mUExcel=Export File in Excel/Spreadsheet Format"}));
}

void BudgetScreenTest::opensOnTodaysYearNeverSaved() {
    open();
    const QString thisYear = QString::number(QDate::currentDate().year());
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), thisYear);
    QCOMPARE(QString::fromStdString(screen->selectedYear()), thisYear);
    for (int row = 1; row <= 50; ++row) {
        for (int column = 1; column <= 13; ++column) {
            QVERIFY(cell(row, column).isEmpty());
        }
    }
    for (int m = 0; m < 12; ++m) {
        QCOMPARE(monthLabel("Label3", m), QString());
        QCOMPARE(monthLabel("Label5", m), QString());
        QCOMPARE(monthLabel("Label7", m), QString());
    }
    QVERIFY(button("Command7")->isVisible());
    QVERIFY(!screen->unsavedChanges());
    QVERIFY(inputBox()->text().isEmpty());
}

void BudgetScreenTest::gridEditorLimitsAndMessages() {
    open();
    const MessageRequest limit = amountLimitMessage();
    const MessageRequest numbersOnly = numbersOnlyMessage();

    typeInCell(1, 1, "Rent");
    QCOMPARE(cell(1, 1), QString("Rent"));
    QVERIFY(screen->unsavedChanges());

    env->desktop.expectMessage(limit, Answer::Ok);
    typeInCell(1, 2, "10000");
    QCOMPARE(cell(1, 2), QString("9999.99"));
    QCOMPARE(monthLabel("Label3", 0), QString("9999.99"));

    typeInCell(1, 3, "0.5");
    QCOMPARE(cell(1, 3), QString(".50"));

    env->desktop.expectMessage(numbersOnly, Answer::Ok);
    typeInCell(1, 3, "");
    QCOMPARE(cell(1, 3), QString());

    env->desktop.expectMessage(numbersOnly, Answer::Ok);
    typeInCell(1, 4, "-20");
    QCOMPARE(cell(1, 4), QString());

    // The editor takes at most 7 characters in a month and 18 in the Item column; commas in an
    // amount go as they are typed.
    typeInCell(1, 5, "1,250.505");
    QCOMPARE(cell(1, 5), QString("1250.50"));
    typeInCell(2, 1, "A very long item name here");
    QCOMPARE(cell(2, 1), QString("A very long item n"));
    COINWELL_VERIFY_DESKTOP(env->desktop);
}

void BudgetScreenTest::gridEditorRefusesCharactersTheFileCannotHold() {
    open();
    typeInCell(1, 1, "Rent");
    env->desktop.expectMessage(unstorableCharacterMessage("Ω"), Answer::Ok);
    clickCell(1, 1);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->setText(QStringLiteral("Rent Ω"));
    commitEditor(editor);
    QCOMPARE(cell(1, 1), QString("Rent"));

    env->desktop.expectMessage(unstorableCharacterMessage("\""), Answer::Ok);
    clickCell(2, 1);
    inputBox()->setFocus();
    QTest::keyClicks(inputBox(), "Joe");
    QTest::keyClicks(inputBox(), "\"");
    QCOMPARE(inputBox()->text(), QString("Joe"));
    QCOMPARE(cell(2, 1), QString("Joe"));
}

// On a busy machine the user's next clicks and keys may be handled before the screen has
// shown an entry's message and recalculated: they find the entry in place and lose nothing.
void BudgetScreenTest::entriesTypedAheadAreKept() {
    open();
    clickCell(1, 2);
    QTest::keyClicks(grid(), "5");
    clickCell(1, 3);  // the click ends the entry in (1, 2)
    QVERIFY(screen->entryPending());
    QCOMPARE(cell(1, 2), QString("5.00"));

    // Back on the cell, the editor starts from the entry.
    clickCell(1, 2);
    QTest::keyClick(grid(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString("5.00"));
    editor->selectAll();
    QTest::keyClicks(editor, "6");
    commitEditor(editor);
    QCOMPARE(cell(1, 2), QString("6.00"));
    QCOMPARE(monthLabel("Label3", 0), QString("6.00"));

    // An entry begun in the next cell keeps the editor and the Input Box while the last one is
    // recalculated.
    QTest::keyClicks(grid(), "1");
    clickCell(1, 3);
    QTest::keyClicks(grid(), "7");
    QVERIFY(screen->entryPending());
    QTRY_VERIFY(!screen->entryPending());
    QCOMPARE(monthLabel("Label3", 0), QString("1.00"));
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor && editor->objectName() == QLatin1String("VSGd1Editor"));
    QCOMPARE(inputBox()->text(), QString("7"));
    QTest::keyClicks(editor, "5");
    commitEditor(editor);
    QCOMPARE(cell(1, 3), QString("75.00"));
    QCOMPARE(monthLabel("Label3", 1), QString("75.00"));
}

void BudgetScreenTest::inputBoxCommasCapAndColour() {
    open();
    clickCell(1, 2);
    QLineEdit* box = inputBox();
    box->setFocus();
    QCOMPARE(box->palette().color(QPalette::Base), toQColor(classicPaletteColor(14)));
    QTest::keyClicks(box, "1,250");
    QCOMPARE(box->text(), QString("1250"));
    QCOMPARE(cell(1, 2), QString("1250.00"));
    QVERIFY(screen->unsavedChanges());

    // Pasted in one piece, the comma cuts the text.
    box->selectAll();
    box->insert(QStringLiteral("12,50"));
    QCOMPARE(box->text(), QString("12"));
    QCOMPARE(cell(1, 2), QString("12.00"));

    box->selectAll();
    QTest::keyClicks(box, "12345");
    QCOMPARE(box->text(), QString("9999.99"));
    QCOMPARE(cell(1, 2), QString("9999.99"));

    QCOMPARE(monthLabel("Label3", 0), QString("9999.99"));

    clickCell(1, 1);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "10000 Maniacs");
    QCOMPARE(cell(1, 1), QString("10000 Maniacs"));

    grid()->setFocus();
    QCOMPARE(box->palette().color(QPalette::Base),
             child<QLineEdit>("Text2")->palette().color(QPalette::Base));
}

void BudgetScreenTest::locationIndicatorAndCopyRightRule() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    clickCell(5, 3);
    QCOMPARE(labelText("Panel3D4"), QString("C3R5"));
    QVERIFY(button("Command4")->isEnabled());
    QVERIFY(action("mECR")->isEnabled());
    QVERIFY(button("Command6")->isEnabled());
    clickCell(2, 13);
    QVERIFY(!button("Command4")->isEnabled());
    QVERIFY(!action("mECR")->isEnabled());
    clickCell(2, 1);
    QVERIFY(!button("Command4")->isEnabled());
    QCOMPARE(inputBox()->text(), QString("Food"));
    clickCell(1, 7);
    QCOMPARE(inputBox()->text(), QString("850.00"));

    // The year selector's focus disables the row commands and empties the indicator.
    child<QComboBox>("Combo1")->setFocus();
    QApplication::processEvents();
    QVERIFY(!button("Command4")->isEnabled());
    QVERIFY(!button("Command6")->isEnabled());
    QVERIFY(!action("mED")->isEnabled());
    QCOMPARE(labelText("Panel3D4"), QString());
    grid()->setFocus();
    QVERIFY(button("Command6")->isEnabled());
    QCOMPARE(labelText("Panel3D4"), QString("C7R1"));
}

void BudgetScreenTest::copyToRightFromJune() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    typeInCell(3, 7, "75");
    clickCell(3, 7);
    QTest::mouseClick(button("Command4"), Qt::LeftButton);
    QApplication::processEvents();
    QCOMPARE(cell(3, 6), QString());
    for (int column = 7; column <= 13; ++column) {
        QCOMPARE(cell(3, column), QString("75.00"));
    }
    QCOMPARE(cell(2, 8), QString());
    QCOMPARE(monthLabel("Label3", 11), QString("925.00"));
    QCOMPARE(screen->currentRow(), 3);
    QCOMPARE(screen->currentColumn(), 7);
}

void BudgetScreenTest::insertingWhenRowFiftyHoldsAnItem() {
    BudgetYear year = sampleYear();
    year.items[49].name = "Last";
    year.items[49].amounts[0] = "100.00";
    storeYear("2012", year);
    open();
    pickYear("2012");
    QCOMPARE(monthLabel("Label3", 0), QString("1350.00"));
    clickCell(2, 1);
    action("mOIN")->trigger();
    QApplication::processEvents();
    QCOMPARE(cell(1, 1), QString("Rent"));
    QCOMPARE(cell(2, 1), QString());
    QCOMPARE(cell(3, 1), QString("Food"));
    QCOMPARE(cell(4, 1), QString("Water"));
    QCOMPARE(cell(50, 1), QString());
    QCOMPARE(screen->currentRow(), 2);
    QVERIFY(screen->unsavedChanges());
    QCOMPARE(monthLabel("Label3", 0), QString("1250.00"));
}

void BudgetScreenTest::deletingRowThree() {
    BudgetYear year;
    for (int r = 0; r < 50; ++r) {
        year.items[static_cast<std::size_t>(r)].name = QString("Item %1").arg(r + 1).toStdString();
        year.items[static_cast<std::size_t>(r)].amounts[0] = "1.00";
    }
    storeYear("2012", year);
    open();
    pickYear("2012");
    clickCell(3, 2);
    QColor whileAsked;
    env->desktop.expectMessage(deleteRowQuestion(), Answer::Yes);
    // The row is red while the question is up: the first repaint of its cells is red.
    auto* model = grid()->model();
    const QModelIndex probe = model->index(2, 5);
    QObject guard;
    QMetaObject::Connection watch =
        connect(model, &QAbstractItemModel::dataChanged, &guard,
                [&](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                    if (roles.contains(Qt::BackgroundRole) && !whileAsked.isValid()) {
                        whileAsked = model->data(probe, Qt::BackgroundRole).value<QColor>();
                    }
                });
    QTest::mouseClick(button("Command6"), Qt::LeftButton);
    QApplication::processEvents();
    disconnect(watch);
    QCOMPARE(whileAsked, QColor(255, 0, 0));
    QVERIFY(!model->data(model->index(2, 0), Qt::BackgroundRole).isValid());
    QCOMPARE(cell(2, 1), QString("Item 2"));
    QCOMPARE(cell(3, 1), QString("Item 4"));
    QCOMPARE(cell(49, 1), QString("Item 50"));
    QCOMPARE(cell(50, 1), QString());
    QCOMPARE(cell(50, 2), QString());
    QCOMPARE(monthLabel("Label3", 0), QString("49.00"));
    QVERIFY(screen->unsavedChanges());
    QVERIFY(!button("Command6")->isEnabled());
    QVERIFY(!action("mODel")->isEnabled());
    QCOMPARE(screen->currentRow(), 1);
}

void BudgetScreenTest::deleteAnsweredNoKeepsTheRow() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    clickCell(2, 1);
    env->desktop.expectMessage(deleteRowQuestion(), Answer::No);
    action("mED")->trigger();
    QApplication::processEvents();
    QCOMPARE(cell(2, 1), QString("Food"));
    QVERIFY(!screen->unsavedChanges());
    QVERIFY(!button("Command6")->isEnabled());
    QCOMPARE(screen->currentRow(), 1);
}

void BudgetScreenTest::incomeLimitAndCopyToTheRight() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    clickCell(2, 2);
    env->desktop.expectInput(incomeQuestion("2500.00"), "100000");
    env->desktop.expectMessage(incomeLimitMessage(), Answer::Ok);
    env->desktop.expectMessage(copyIncomeRightQuestion(), Answer::Yes);
    clickLabel("Label5(2)");
    QCOMPARE(monthLabel("Label5", 1), QString("2500.00"));
    for (int m = 2; m < 12; ++m) {
        QCOMPARE(monthLabel("Label5", m), QString("99999.99"));
    }
    QCOMPARE(monthLabel("Label7", 2), QString("99149.99"));
    QVERIFY(screen->unsavedChanges());
    // The cell the user was on is current again.
    QCOMPARE(screen->currentRow(), 2);
    QCOMPARE(screen->currentColumn(), 2);

    env->desktop.expectInput(incomeQuestion("99999.99"), "3000");
    env->desktop.expectMessage(copyIncomeRightQuestion(), Answer::No);
    clickLabel("Label5(3)");
    QCOMPARE(monthLabel("Label5", 3), QString("3000.00"));
    QCOMPARE(monthLabel("Label5", 4), QString("99999.99"));
}

void BudgetScreenTest::incomeForDecemberAsksNothing() {
    open();
    env->desktop.expectInput(incomeQuestion(""), "1234.5");
    clickLabel("Label5(11)");
    QCOMPARE(monthLabel("Label5", 11), QString("1234.50"));
    QCOMPARE(monthLabel("Label5", 10), QString("0.00"));
    QCOMPARE(monthLabel("Label7", 11), QString("1234.50"));
    QCOMPARE(monthLabel("Label3", 11), QString(".00"));
}

void BudgetScreenTest::incomeCancelledChangesNothing() {
    open();
    env->desktop.expectInput(incomeQuestion(""), "");
    clickLabel("Label5(4)");
    QCOMPARE(monthLabel("Label5", 4), QString());
    QVERIFY(!screen->unsavedChanges());
    QVERIFY(!child<QLabel>("Label5(4)")->autoFillBackground());
}

void BudgetScreenTest::headingSortsAndCleanUps() {
    BudgetYear year;
    year.items[0].name = "rent";
    year.items[0].amounts[0] = "850.00";
    year.items[2].amounts[0] = "12.00";  // amounts without a name
    year.items[5].name = "Car";
    year.items[5].amounts[0] = "1250.00";
    year.items[9].name = "bank";
    storeYear("2012", year);
    open();
    pickYear("2012");
    QCOMPARE(monthLabel("Label3", 0), QString("2112.00"));
    QHeaderView* header = grid()->horizontalHeader();

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    QApplication::processEvents();
    QCOMPARE(cell(1, 1), QString("bank"));
    QCOMPARE(cell(2, 1), QString("Car"));
    QCOMPARE(cell(3, 1), QString("rent"));
    QCOMPARE(cell(4, 1), QString());
    QCOMPARE(cell(4, 2), QString());  // the nameless row went with the clean-up
    QVERIFY(screen->unsavedChanges());
    QCOMPARE(monthLabel("Label3", 0), QString("2100.00"));

    // The same heading again sorts the other way.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    QApplication::processEvents();
    QCOMPARE(cell(1, 1), QString("rent"));
    QCOMPARE(cell(3, 1), QString("bank"));

    // By January: amounts as numbers, the empty amount first.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    QApplication::processEvents();
    QCOMPARE(cell(1, 1), QString("bank"));
    QCOMPARE(cell(2, 1), QString("rent"));
    QCOMPARE(cell(3, 1), QString("Car"));
    QCOMPARE(cell(4, 1), QString());
}

void BudgetScreenTest::fiftyLargestAmountsGiveTheBillsMessage() {
    BudgetYear year;
    for (BudgetItem& item : year.items) {
        item.amounts[5] = "9999.99";
    }
    storeYear("2012", year);
    open();
    env->desktop.expectMessage(billsLimitMessage(), Answer::Ok);
    pickYear("2012");
    QCOMPARE(monthLabel("Label3", 5), QString("99999.00"));
    QCOMPARE(monthLabel("Label7", 5), QString("-99999.00"));
    // Every recalculation shows it again.
    env->desktop.expectMessage(billsLimitMessage(), Answer::Ok);
    typeInCell(1, 2, "5");
    QCOMPARE(monthLabel("Label3", 0), QString("5.00"));
}

void BudgetScreenTest::negativeBalanceIsRed() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[3] = "1125.50";
    year.income[3] = "1000.00";
    year.income[4] = "2500.00";
    storeYear("2012", year);
    open();
    pickYear("2012");
    QCOMPARE(monthLabel("Label7", 3), QString("-125.50"));
    QCOMPARE(child<QLabel>("Label7(3)")->palette().color(QPalette::WindowText),
             toQColor(classicPaletteColor(4)));
    QCOMPARE(monthLabel("Label7", 4), QString("2500.00"));
    QCOMPARE(monthLabel("Label3", 4), QString(".00"));
    QCOMPARE(child<QLabel>("Label7(4)")->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(monthLabel("Label5", 0), QString("0.00"));
}

void BudgetScreenTest::popupAndMenuRules() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    clickCell(3, 4);
    // The grid has the focus: Delete Row and Insert follow Command6 when the menu opens.
    QVERIFY(button("Command6")->isEnabled());
    screen->showPopupMenu(QPoint(10, 10));
    QVERIFY(screen->popupMenu()->isVisible());
    QVERIFY(action("mODel")->isEnabled());
    QVERIFY(action("mOIN")->isEnabled());
    QVERIFY(action("mOCopy")->isEnabled());
    QCOMPARE(screen->currentRow(), 1);
    QCOMPARE(screen->currentColumn(), 1);
    screen->popupMenu()->hide();

    child<QComboBox>("Combo1")->setFocus();
    QApplication::processEvents();
    emit screen->optionsMenu()->aboutToShow();
    QVERIFY(!action("mODel")->isEnabled());
    QVERIFY(!action("mOIN")->isEnabled());

    clickCell(4, 5);
    emit screen->editMenu()->aboutToShow();
    QCOMPARE(screen->currentRow(), 1);
    QVERIFY(action("mECopy")->isEnabled());

    // Without a first item name there is nothing to copy.
    screen->setCellText(1, 1, "");
    emit screen->editMenu()->aboutToShow();
    QVERIFY(!action("mECopy")->isEnabled());
    screen->showPopupMenu(QPoint(10, 10));
    QVERIFY(!action("mOCopy")->isEnabled());
    screen->popupMenu()->hide();
}

void BudgetScreenTest::utilitiesMenuRules() {
    open();
    pickYear("2012");
    auto* utilities = child<QMenu>("mU");
    emit utilities->aboutToShow();
    QVERIFY(!action("mUB")->isEnabled());  // never saved
    QVERIFY(action("mUR")->isEnabled());
    QVERIFY(!action("mUExcel")->isEnabled());

    BudgetYear year;
    year.items[19].name = "Row twenty";
    storeYear("2012", year);
    pickYear("2012");
    emit utilities->aboutToShow();
    QVERIFY(action("mUB")->isEnabled());
    QVERIFY(action("mUExcel")->isEnabled());

    screen->setCellText(20, 1, "   ");
    screen->setCellText(21, 1, "Row twenty-one");
    emit utilities->aboutToShow();
    QVERIFY(!action("mUExcel")->isEnabled());

    // An empty file cannot be backed up.
    env->folder.writeBytes("2012.Fil", "");
    emit utilities->aboutToShow();
    QVERIFY(!action("mUB")->isEnabled());
}

void BudgetScreenTest::escapeClosesOverlaysInTurnThenTheScreen() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    bool exportShown = true;
    bool selectorShown = true;
    bool printShown = true;
    QStringList closed;
    screen->setOverlay(
        BudgetOverlay::ExportPanel, [&] { return exportShown; },
        [&] {
            exportShown = false;
            closed << "export";
        });
    screen->setOverlay(
        BudgetOverlay::GridBackgroundSelector, [&] { return selectorShown; },
        [&] {
            selectorShown = false;
            closed << "selector";
        });
    screen->setOverlay(
        BudgetOverlay::PrintOptions, [&] { return printShown; },
        [&] {
            printShown = false;
            closed << "print";
        });
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(screen->totalsShown());
    // Opening the totals closes the grid background selector.
    QCOMPARE(closed, QStringList({"selector"}));
    selectorShown = true;

    QTest::keyClick(screen, Qt::Key_Escape);
    QCOMPARE(closed.last(), QString("export"));
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!screen->totalsShown());
    QTest::keyClick(screen, Qt::Key_Escape);
    QCOMPARE(closed.last(), QString("selector"));
    QTest::keyClick(screen, Qt::Key_Escape);
    QCOMPARE(closed.last(), QString("print"));
    QPointer<BudgetScreen> alive(screen);
    QTest::keyClick(screen, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    screen = nullptr;
}

void BudgetScreenTest::helpTopics() {
    open();
    bool printShown = false;
    screen->setOverlay(
        BudgetOverlay::PrintOptions, [&] { return printShown; }, [] {});
    QTest::keyClick(screen, Qt::Key_F1);
    printShown = true;
    QTest::keyClick(screen, Qt::Key_F1);
    QCOMPARE(env->desktop.helpTopics(), (std::vector<int>{3006, 1014}));
}

void BudgetScreenTest::hooksReceiveTheirCommands() {
    storeYear("2012", sampleYear());
    QStringList calls;
    parts = [&calls](BudgetScreen& s) {
        BudgetScreenHooks& h = s.hooks();
        h.copyBudget = [&calls](BudgetScreen&) { calls << "copy"; };
        h.openPrintOptions = [&calls](BudgetScreen&) { calls << "print"; };
        h.printTotals = [&calls](BudgetScreen&) { calls << "print totals"; };
        h.checkSpelling = [&calls](BudgetScreen&) { calls << "spelling"; };
        h.gridBackgroundSelector = [&calls](BudgetScreen&) { calls << "background"; };
        h.gridTextColor = [&calls](BudgetScreen&) { calls << "text colour"; };
        h.openExportPanel = [&calls](BudgetScreen&) { calls << "export"; };
        h.fillChart = [&calls](BudgetScreen& screen) {
            calls << QString("chart %1").arg(screen.yearTotals().itemRowCount());
        };
    };
    open();
    pickYear("2012");
    for (const char* name : {"mOCopy", "mECopy", "mOPrt", "mOSpell", "mOGB", "mOGT", "mUExcel"}) {
        action(name)->trigger();
    }
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QTest::mouseClick(button("Command15"), Qt::LeftButton);
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QTest::mouseClick(screen->totalsPanel()->printButton(), Qt::LeftButton);
    QTest::mouseClick(screen->totalsPanel()->changePercentButton(), Qt::LeftButton);
    QCOMPARE(calls,
             QStringList({"copy", "copy", "print", "spelling", "background", "text colour",
                          "export", "print", "spelling", "chart 3", "print totals", "chart 3"}));
}

void BudgetScreenTest::scrollTipNamesTheRow() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    QScrollBar* bar = grid()->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(1);
    bar->setSliderDown(false);
    QCOMPARE(bar->toolTip(), QString(" Row 2: Food "));
}

void BudgetScreenTest::activationStepsRunOnlyComingFromAnotherScreen() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    clickCell(3, 4);
    // The focus coming back from a dialog or another program keeps the current cell.
    switchAwayAndBack(screen);
    QCOMPARE(screen->currentRow(), 3);
    QCOMPARE(screen->currentColumn(), 4);
    // Coming from another of the program's screens: row 1, column 1, and Exit has the focus.
    comeBackFromAnotherScreen(screen);
    QCOMPARE(screen->currentRow(), 1);
    QCOMPARE(screen->currentColumn(), 1);
    QCOMPARE(QApplication::focusWidget(), button("Command3"));
    QCOMPARE(grid()->columnWidth(0), qRound(0.14 * grid()->width()));
}

void BudgetScreenTest::escapeWhileEditingOnlyLeavesTheEditor() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    clickCell(2, 2);
    grid()->setFocus();
    QTest::keyClicks(grid(), "7");
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor->objectName() == QLatin1String("VSGd1Editor"));
    QCOMPARE(inputBox()->text(), QString("7"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QTest::qWait(20);
    QVERIFY(screen->isVisible());
    QCOMPARE(cell(2, 2), QString("400.00"));
    QCOMPARE(inputBox()->text(), QString("400.00"));
    QCOMPARE(QApplication::focusWidget(), grid());
    // The next Esc is the screen's own.
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::Cancel);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(screen->isVisible());
}

// With 500 typed over June's 400.00 and the grid's editor still open, each command reached by
// its access key, its heading or its menu works on the 500.
void BudgetScreenTest::everyCommandEndsTheOpenEntryFirst() {
    BudgetYear year = sampleYear();
    for (int month = 0; month < 6; ++month) {
        year.items[1].amounts[static_cast<std::size_t>(month)] = "400.00";
    }
    struct Command {
        const char* name;
        std::function<void()> run;
        int row;  // where Food's June stands afterwards
    };
    const auto menuItem = [this](QMenu* menu, const char* name) { chooseMenuItem(menu, name); };
    const std::vector<Command> commands = {
        {"Alt+C, Copy To Right",
         [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier); }, 2},
        {"Alt+D, Delete Row answered No",
         [this] {
             env->desktop.expectMessage(deleteRowQuestion(), Answer::No);
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
         },
         2},
        {"a click on the Item heading",
         [this] {
             QHeaderView* header = grid()->horizontalHeader();
             QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                               QPoint(header->sectionViewportPosition(0) + 5, 5));
         },
         1},
        {"Options > Insert New Row", [&] { menuItem(screen->optionsMenu(), "mOIN"); }, 3},
        {"Options > Delete Row answered No",
         [&] {
             env->desktop.expectMessage(deleteRowQuestion(), Answer::No);
             menuItem(screen->optionsMenu(), "mODel");
         },
         2},
        // Opening the Edit menu makes row 1 current: Delete Row asks about Rent.
        {"Edit > Delete Row answered No",
         [&] {
             env->desktop.expectMessage(deleteRowQuestion(), Answer::No);
             menuItem(screen->editMenu(), "mED");
         },
         2},
    };
    for (const Command& command : commands) {
        storeYear("2012", year);
        open();
        pickYear("2012");
        clickCell(2, 7);
        grid()->setFocus();
        QTest::keyClicks(grid(), "5");
        QVERIFY2(editorShown(), command.name);
        QTest::keyClicks(QApplication::focusWidget(), "00");
        command.run();
        // An access key clicks its button a moment later.
        QTRY_VERIFY2(env->desktop.remainingExpectations() == 0, command.name);
        QTRY_VERIFY2(!editorShown() && !screen->entryPending(), command.name);
        QApplication::processEvents();
        QVERIFY2(cell(command.row, 1) == QLatin1String("Food"), command.name);
        QVERIFY2(cell(command.row, 7) == QLatin1String("500.00"), command.name);
        if (QLatin1String(command.name).contains(QLatin1String("Copy"))) {
            QTRY_VERIFY2(cell(2, 13) == QLatin1String("500.00"), command.name);
        }
        COINWELL_VERIFY_DESKTOP(env->desktop);
        screen->closeQuietly();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        screen = nullptr;
    }
}

// Typed key by key a comma is dropped as it comes; pasted in one piece it cuts the amount, in
// the grid's editor as in the Input Box.
void BudgetScreenTest::commasTypedAndPastedAlikeInGridAndInputBox() {
    open();
    typeInCell(1, 2, "12,50");
    QCOMPARE(cell(1, 2), QString("1250.00"));

    clickCell(1, 3);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->insert(QStringLiteral("12,50"));
    QCOMPARE(editor->text(), QString("12"));
    commitEditor(editor);
    QCOMPARE(cell(1, 3), QString("12.00"));

    clickCell(1, 4);
    inputBox()->setFocus();
    inputBox()->insert(QStringLiteral("12,50"));
    QCOMPARE(cell(1, 4), QString("12.00"));
}

// Each change made through the Input Box brings the monthly figures up to date at once, in
// place; the bills limit is told once, as the box is left.
void BudgetScreenTest::inputBoxKeepsTheMonthlyFiguresCurrent() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    clickCell(3, 7);
    inputBox()->setFocus();
    inputBox()->selectAll();
    QTest::keyClicks(inputBox(), "75");
    QCOMPARE(monthLabel("Label3", 5), QString("925.00"));
    QCOMPARE(monthLabel("Label7", 5), QString("1575.00"));
    QCOMPARE(QApplication::focusWidget(), inputBox());
    QCOMPARE(screen->currentRow(), 3);
    QCOMPARE(screen->currentColumn(), 7);

    BudgetYear full;
    for (BudgetItem& item : full.items) {
        item.amounts[5] = "9999.99";
    }
    storeYear("2013", full);
    env->desktop.expectMessage(exitQuestion("2012", true), Answer::No);
    env->desktop.expectMessage(billsLimitMessage(), Answer::Ok);
    pickYear("2013");
    clickCell(1, 7);
    inputBox()->setFocus();
    inputBox()->selectAll();
    QTest::keyClicks(inputBox(), "12");
    QCOMPARE(monthLabel("Label3", 5), QString("99999.00"));
    COINWELL_VERIFY_DESKTOP(env->desktop);
    env->desktop.expectMessage(billsLimitMessage(), Answer::Ok);
    grid()->setFocus();
    QApplication::processEvents();
}

QTEST_MAIN(BudgetScreenTest)
#include "budget_screen_qtest.moc"
