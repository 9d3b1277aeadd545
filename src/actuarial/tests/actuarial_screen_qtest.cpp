// The Actuarial Calculator screen driven through its real controls: captions and menus, the
// keystroke filters and the "Maximum Entry" rule, the checks with their messages and focus, the
// boxes put in order, the four tables in the grid with the explanation under it, the scroll-bar
// cases and tips, the stored grid colours, the copy and print enabling rules and activation.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "actuarial/core/actuarial_inputs.h"
#include "actuarial/core/explanation.h"
#include "actuarial/ui/actuarial_screen.h"
#include "common/core/settings_files.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/tool_screen_fixture.h"
#include "common/tests/support/window_switch.h"

using namespace coinwell;
using namespace coinwell::actuarial;

class ActuarialScreenTest : public QObject, ToolScreenFixture<ActuarialScreen> {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void opensWithItsControlsMenusAndCaptions();
    void keystrokesAreFilteredAndEntriesAboveAHundredCut();
    void checksStopTheBuildWithTheirMessageAndFocus_data();
    void checksStopTheBuildWithTheirMessageAndFocus();
    void fourKindsOfTableWithTheirExplanations();
    void singlePrecisionShowsInTheGrid();
    void zeroRatesAndAZeroMinimumRate();
    void yearBoxesAreCompletedAndExchanged();
    void scrollBarCasesAndScrollTips();
    void typedRateRangesAndTheirExtraRow();
    void resizedWindowKeepsTheTableAndItsSelection();
    void copyAndPrintFollowTheCurrentCell();
    void activationEmptiesTheGridAndKeepsTheCommands();
    void gridTakesTheStoredBackgroundAndTextColour();
    void popupAndKeys();

  private:
    ActuarialScreen* open();
    void setRates(const QString& max, const QString& min);
    void enter(const QString& amount, const QString& perYear, const QString& maxRate,
               const QString& minRate, const QString& maxYears, const QString& minYears);
    void build(int command) {
        QTest::mouseClick(child<QPushButton>(qPrintable(QStringLiteral("Command%1").arg(command))),
                          Qt::LeftButton);
    }
    void clickCell(int gridRow, int gridColumn, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QString cell(int row, int column) {
        return QString::fromStdString(screen_->gridText(row, column));
    }
    bool commandsEnabled() {
        const bool copy = action("mECopy")->isEnabled();
        if (copy != action("mOPrint")->isEnabled() || copy != action("mVC")->isEnabled() ||
            copy != action("mVP")->isEnabled()) {
            qWarning("copy and print commands disagree");
        }
        return copy;
    }

    ActuarialScreen* screen_ = nullptr;
};

void ActuarialScreenTest::init() {
    startScreenTest();
    screen_ = nullptr;
}

void ActuarialScreenTest::cleanup() {
    finishScreenTest();
}

ActuarialScreen* ActuarialScreenTest::open() {
    return screen_ = openScreen();
}

void ActuarialScreenTest::setRates(const QString& max, const QString& min) {
    for (auto [name, value] : {std::pair{"Combo1", max}, std::pair{"Combo2", min}}) {
        auto* box = child<QComboBox>(name);
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), value);
    }
}

void ActuarialScreenTest::enter(const QString& amount, const QString& perYear,
                                const QString& maxRate, const QString& minRate,
                                const QString& maxYears, const QString& minYears) {
    type("Text1", amount);
    type("Text2", perYear);
    setRates(maxRate, minRate);
    type("Text3", maxYears);
    type("Text4", minYears);
}

void ActuarialScreenTest::clickCell(int gridRow, int gridColumn, Qt::KeyboardModifiers modifiers) {
    TableGrid* grid = screen_->grid();
    const QModelIndex index = grid->model()->index(gridRow - 1, gridColumn - 1);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers,
                      grid->visualRect(index).center());
}

// ---------------------------------------------------------------------------------------------

void ActuarialScreenTest::opensWithItsControlsMenusAndCaptions() {
    open();
    QCOMPARE(screen_->objectName(), QString("Actua1"));
    QCOMPARE(screen_->windowTitle(), QString("Actuarial Calculator"));
    QCOMPARE(child<QLabel>("lblPurchTotl")->text(), QString("Amount or Annuity"));
    QCOMPARE(child<QLabel>("lblDwnPay")->text(), QString("No. Payments Per Year"));
    QCOMPARE(child<QGroupBox>("SSPanel2")->title(), QString(" Annual Interest Rates"));
    QCOMPARE(child<QLabel>("lblIntr(0)")->text(), QString("Maximum %"));
    QCOMPARE(child<QLabel>("lblIntr(1)")->text(), QString("Minimum %"));
    QCOMPARE(child<QGroupBox>("SSPanel3")->title(), QString(" Number of Years"));
    QCOMPARE(child<QLabel>("lblLen(0)")->text(), QString("Maximum"));
    QCOMPARE(child<QLabel>("lblLen(1)")->text(), QString("Minimum"));
    QVERIFY(child<QWidget>("SSPanel1") && child<QWidget>("SSPanel4"));
    QCOMPARE(child<QPushButton>("Command1")->text(), QString("&Present Value of Amount"));
    QCOMPARE(child<QPushButton>("Command2")->text(), QString("Present Value of &Annuity"));
    QCOMPARE(child<QPushButton>("Command3")->text(), QString("&Future Value of Amount"));
    QCOMPARE(child<QPushButton>("Command4")->text(), QString("Future &Value of Annuity"));
    QCOMPARE(child<QPushButton>("Command5")->text(), QString("E&xit"));
    QCOMPARE(child<QLabel>("Label1")->text(), QString());
    QVERIFY(!child<QLabel>("imgGraphic")->isVisible());
    QCOMPARE(child<QLineEdit>("Text1")->maxLength(), 7);
    for (const char* name : {"Text2", "Text3", "Text4"}) {
        QCOMPARE(child<QLineEdit>(name)->maxLength(), 3);
    }
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
        QCOMPARE(child<QLineEdit>(name)->text(), QString());
    }
    for (const char* name : {"Combo1", "Combo2"}) {
        auto* rates = child<QComboBox>(name);
        QVERIFY(rates->isEditable());
        QCOMPARE(rates->count(), 51);
        QCOMPARE(rates->itemText(15), QString("7.5"));
        QCOMPARE(rates->itemText(50), QString("25.0"));
        QCOMPARE(rates->currentText(), QString("0.0"));
    }

    QStringList bar;
    for (QAction* a : screen_->menuBar()->actions()) {
        bar << a->objectName() + "=" + a->text();
    }
    QCOMPARE(bar, QStringList({"mO=&Options", "mE=&Edit", "mH=&Help"}));
    QStringList options;
    for (QAction* a : screen_->optionsMenu()->actions()) {
        options << a->objectName() + "=" + a->text();
    }
    QCOMPARE(options, QStringList({"mOC=Panel C&olor", "mO1=", "mOPrint=&Print Options",
                                   "mO2=", "mOE=E&xit"}));
    QCOMPARE(action("mECopy")->text(), QString("&Copy"));
    QStringList popup;
    for (QAction* a : screen_->popupMenu()->actions()) {
        popup << a->objectName() + "=" + a->text();
    }
    QCOMPARE(popup, QStringList({"mVPC=&Panel C&olor", "mV1=", "mVC=&Copy", "mVP=&Print Options",
                                 "mV3=", "mVE=E&xit"}));
    QCOMPARE(screen_->popupMenu()->objectName(), QString("mV"));
    QVERIFY(!commandsEnabled());

    // The grid: 16 × 3 empty cells under the picture of the top-left cell.
    QCOMPARE(screen_->gridColumns(), 4);
    QVERIFY(screen_->gridRows() >= 17);
    QVERIFY(!child<QLabel>("Grid1Corner")->pixmap().isNull());
    QCOMPARE(cell(1, 1), QString());

    // Exit closes the screen and brings the main screen back.
    QPointer<ActuarialScreen> guard(screen_);
    QTest::mouseClick(child<QPushButton>("Command5"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    screen_ = nullptr;
    QVERIFY(main_->isVisible());
}

void ActuarialScreenTest::keystrokesAreFilteredAndEntriesAboveAHundredCut() {
    open();
    auto* amount = child<QLineEdit>("Text1");
    type("Text1", "12a");
    QCOMPARE(amount->text(), QString("12"));
    QCOMPARE(amount->cursorPosition(), 2);
    type("Text1", "x");
    QCOMPARE(amount->text(), QString());
    type("Text1", "123456789");
    QCOMPARE(amount->text(), QString("1234567"));  // seven characters at most
    // A pasted 1.5 ends with a digit and stays.
    amount->setText("1.5");
    QCOMPARE(amount->text(), QString("1.5"));
    // A paste that does not read whole is cut to the number it shows.
    amount->setText("$1,000.50");
    QCOMPARE(amount->text(), QString("1000"));
    child<QComboBox>("Combo1")->lineEdit()->setText("8.25 %");
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString("8.25"));
    // A number beyond the double range is refused at its last keystroke.
    amount->setText("1e999");
    QCOMPARE(amount->text(), QString("1e99"));

    // Payments and years take at most 100: 150 becomes 100 with the message.
    env_->desktop.expectMessage(maximumEntryMessage(), Answer::Ok);
    type("Text2", "150");
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QCOMPARE(child<QLineEdit>("Text2")->text(), QString("100"));
    QCOMPARE(child<QLineEdit>("Text2")->cursorPosition(), 3);
    type("Text2", "12b");
    QCOMPARE(child<QLineEdit>("Text2")->text(), QString("12"));
    type("Text3", "100");
    QCOMPARE(child<QLineEdit>("Text3")->text(), QString("100"));
    env_->desktop.expectMessage(maximumEntryMessage(), Answer::Ok);
    type("Text4", "101");
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QCOMPARE(child<QLineEdit>("Text4")->text(), QString("100"));
    // A pasted 9e9 (three characters) is above 100 too.
    env_->desktop.expectMessage(maximumEntryMessage(), Answer::Ok);
    child<QLineEdit>("Text3")->setText("9e9");
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QCOMPARE(child<QLineEdit>("Text3")->text(), QString("100"));
    type("Text3", "-");
    QCOMPARE(child<QLineEdit>("Text3")->text(), QString());
}

void ActuarialScreenTest::checksStopTheBuildWithTheirMessageAndFocus_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("perYear");
    QTest::addColumn<QString>("maxYears");
    QTest::addColumn<QString>("maxRate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no amount") << ""
                               << "12"
                               << "10"
                               << "5.0"
                               << "Amount or Annuity must be 1 or more"
                               << "Amount or Annuity"
                               << "Text1";
    QTest::newRow("amount 0") << "0"
                              << "12"
                              << "10"
                              << "5.0"
                              << "Amount or Annuity must be 1 or more"
                              << "Amount or Annuity"
                              << "Text1";
    QTest::newRow("no payments") << "1000"
                                 << ""
                                 << "10"
                                 << "5.0"
                                 << "No. Payments Per Year must be 1 or more"
                                 << "Number of Interest Payments Per Year"
                                 << "Text2";
    QTest::newRow("no years") << "1000"
                              << "12"
                              << ""
                              << "5.0"
                              << "Maximum Number of Years must be 1 or more"
                              << "Number of Years"
                              << "Text3";
    QTest::newRow("rates beyond a table")
        << "1000"
        << "12"
        << "10"
        << "20000"
        << "Too many Interest Rates between Minimum % and Maximum %. Select a smaller range and "
           "try again!"
        << "Annual Interest Rates"
        << "Combo1";
}

void ActuarialScreenTest::checksStopTheBuildWithTheirMessageAndFocus() {
    QFETCH(QString, amount);
    QFETCH(QString, perYear);
    QFETCH(QString, maxYears);
    QFETCH(QString, maxRate);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(QString, focus);
    open();
    // A table first: the failed build empties it and leaves the commands off.
    enter("1000", "12", "6.0", "5.0", "3", "1");
    build(1);
    QCOMPARE(cell(1, 1), QString("$951.33"));
    QVERIFY(commandsEnabled());

    enter(amount, perYear, maxRate, "0.5", maxYears, "");
    env_->desktop.expectMessage({message.toStdString(), title.toStdString(),
                                 MessageIcon::Information, MessageButtons::Ok, Answer::Ok},
                                Answer::Ok);
    build(3);
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QTRY_VERIFY(child<QWidget>(qPrintable(focus))->hasFocus());
    QCOMPARE(cell(1, 1), QString());
    QCOMPARE(cell(1, 0).trimmed(), QString());
    QCOMPARE(cell(0, 1).trimmed(), QString());
    QCOMPARE(screen_->valueTable(), nullptr);
    QVERIFY(!commandsEnabled());
    QVERIFY(!env_->desktop.isBusy());
}

void ActuarialScreenTest::fourKindsOfTableWithTheirExplanations() {
    open();
    enter("1000", "12", "5.0", "5.0", "10", "10");
    build(1);
    QCOMPARE(cell(1, 1), QString("$607.16"));
    QCOMPARE(cell(1, 0), QString("5%"));
    QCOMPARE(cell(0, 1), QString("10 Years"));
    QCOMPARE(cell(0, 2), QString(" "));
    QCOMPARE(cell(2, 0), QString(" "));
    QCOMPARE(cell(2, 1), QString());
    const std::string explanation =
        explanationText(ValueTableKind::PresentValueOfAmount, "1000", "12");
    QCOMPARE(screen_->explanation(), explanation);
    QCOMPARE(child<QLabel>("Label1")->text(),
             QString::fromStdString(explanation).replace('\r', '\n'));
    QVERIFY(commandsEnabled());
    // Values right-aligned and vertically centred, the headers centred.
    QAbstractItemModel* model = screen_->grid()->model();
    QCOMPARE(model->data(model->index(0, 0), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignCenter));
    QCOMPARE(screen_->grid()->highlight(), TableGrid::Highlight::Always);

    enter("100", "12", "6.0", "0.0", "10", "");
    build(2);
    QCOMPARE(cell(1, 1), QString("$9,007.35"));
    QVERIFY(child<QLabel>("Label1")->text().startsWith("Present Value of an Annuity:\nThe amount"));

    enter("1000", "1", "5.0", "5.0", "10", "10");
    build(3);
    QCOMPARE(cell(1, 1), QString("$1,628.89"));
    QCOMPARE(screen_->explanation().substr(0, 27), std::string("Future Value of an Amount:\r"));

    enter("100", "12", "6.0", "6.0", "1", "1");
    build(4);
    QCOMPARE(cell(1, 1), QString("$1,233.56"));
    QCOMPARE(cell(0, 1), QString("1 Years"));
    QCOMPARE(screen_->explanation(),
             explanationText(ValueTableKind::FutureValueOfAnnuity, "100", "12"));
    QVERIFY(!env_->desktop.isBusy());
}

void ActuarialScreenTest::singlePrecisionShowsInTheGrid() {
    open();
    enter("1000000", "12", "10.0", "10.0", "30", "30");
    build(3);
    QCOMPARE(cell(1, 1), QString("$19,837,398.00"));
}

void ActuarialScreenTest::zeroRatesAndAZeroMinimumRate() {
    open();
    enter("100", "12", "0.0", "0.0", "10", "");
    build(1);
    QCOMPARE(cell(1, 0), QString("0%"));
    QCOMPARE(cell(1, 1), QString("$100.00"));
    QCOMPARE(cell(2, 0), QString(" "));
    build(3);
    QCOMPARE(cell(1, 1), QString("$100.00"));
    // An annuity without interest is worth its payments.
    build(2);
    QCOMPARE(cell(1, 1), QString("$12,000.00"));
    build(4);
    QCOMPARE(cell(1, 1), QString("$12,000.00"));

    // A minimum of 0.0 with a maximum of 5.0: the single row 5%.
    setRates("5.0", "0.0");
    build(1);
    QCOMPARE(cell(1, 0), QString("5%"));
    QCOMPARE(cell(2, 0), QString(" "));
    QCOMPARE(screen_->valueTable()->rateRows(), 1);
    // The same the other way round: the boxes are exchanged and the row stays the same.
    setRates("0.0", "5.0");
    build(1);
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString("5.0"));
    QCOMPARE(child<QComboBox>("Combo2")->currentText(), QString("0.0"));
    QCOMPARE(screen_->valueTable()->rateRows(), 1);
    QCOMPARE(cell(1, 0), QString("5%"));
}

void ActuarialScreenTest::yearBoxesAreCompletedAndExchanged() {
    open();
    enter("1000", "1", "5.0", "5.0", "10", "");
    build(3);
    QCOMPARE(cell(0, 1), QString("10 Years"));
    QCOMPARE(cell(0, 2), QString(" "));

    type("Text3", "5");
    type("Text4", "10");
    build(3);
    QCOMPARE(child<QLineEdit>("Text3")->text(), QString("10"));
    QCOMPARE(child<QLineEdit>("Text4")->text(), QString("5"));
    QCOMPARE(screen_->gridColumns(), 7);
    QCOMPARE(cell(0, 1), QString("5 Years"));
    QCOMPARE(cell(0, 6), QString("10 Years"));
    QCOMPARE(cell(1, 6), QString("$1,628.89"));
    QCOMPARE(screen_->grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    // Rates the other way round are exchanged in the boxes, formatted "0.0".
    setRates("5", "6.25");
    build(3);
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString("6.3"));
    QCOMPARE(child<QComboBox>("Combo2")->currentText(), QString("5.0"));
    // 5 to 6.25 as typed: up to 6.5, the first half point at or above 6.25.
    QCOMPARE(cell(3, 0), QString("6%"));
    QCOMPARE(cell(4, 0), QString("6.5%"));
    QCOMPARE(cell(5, 0), QString(" "));
}

void ActuarialScreenTest::scrollBarCasesAndScrollTips() {
    open();
    TableGrid* grid = screen_->grid();
    enter("1000", "12", "12.5", "5.0", "3", "1");
    build(1);
    QCOMPARE(screen_->gridRows(), 17);
    QCOMPARE(screen_->gridColumns(), 4);
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(cell(16, 0), QString("12.5%"));
    // Sixteen rows and three columns fill the grid to the pixel.
    const int frames = 2 * grid->frameWidth();
    int rowsHeight = 0;
    for (int r = 0; r < 16; ++r) {
        rowsHeight += grid->rowHeight(r);
    }
    QVERIFY(qAbs(grid->height() - grid->horizontalHeader()->height() - frames - rowsHeight) <= 3);
    const int columnsWidth = grid->columnWidth(0) + grid->columnWidth(1) + grid->columnWidth(2);
    QVERIFY(qAbs(grid->width() - grid->verticalHeader()->width() - frames - columnsWidth) <= 3);

    setRates("13.0", "5.0");
    build(1);
    QCOMPARE(screen_->gridRows(), 18);
    QCOMPARE(screen_->gridColumns(), 4);
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QTRY_VERIFY(grid->verticalScrollBar()->isVisible());
    QCOMPARE(cell(17, 0), QString("13%"));

    // The whole list: both scroll bars; dragging to row 6 tips its rate.
    setRates("25.0", "0.5");
    type("Text3", "100");
    build(1);
    QCOMPARE(screen_->gridRows(), 51);
    QCOMPARE(screen_->gridColumns(), 101);
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QScrollBar* bar = grid->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    bar->setSliderDown(true);
    bar->setSliderPosition(14);
    bar->setSliderDown(false);
    QCOMPARE(bar->toolTip(), QString(" Row 15: 7.5% "));
}

void ActuarialScreenTest::typedRateRangesAndTheirExtraRow() {
    open();
    // 1.0 to 9.2: the rates run to 9.5, the first half point at or above 9.2, on 18 rows.
    enter("1000", "12", "9.2", "1", "1", "");
    build(1);
    QCOMPARE(screen_->gridRows(), 19);
    QCOMPARE(cell(18, 0), QString("9.5%"));
    QVERIFY(!cell(18, 1).isEmpty());
    QCOMPARE(screen_->grid()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    // A rate typed with text after it reads its leading number.
    setRates("7.5 %", "7.5abc");
    build(1);
    QCOMPARE(cell(1, 0), QString("7.5%"));
    QCOMPARE(cell(2, 0), QString(" "));
}

void ActuarialScreenTest::resizedWindowKeepsTheTableAndItsSelection() {
    open();
    TableGrid* grid = screen_->grid();
    const int designCorner = grid->verticalHeader()->width();
    enter("1000", "12", "25.0", "0.5", "10", "1");
    build(1);
    clickCell(2, 2);
    clickCell(4, 3, Qt::ShiftModifier);

    // Twice the area: the picture column doubles, sixteen rows still fill the grid, and the
    // selection to copy is the same.
    screen_->resize(screen_->size() + screen_->backgroundArea()->size());
    QApplication::processEvents();
    QVERIFY(qAbs(grid->verticalHeader()->width() - 2 * designCorner) <= 2);
    int rowsHeight = 0;
    for (int r = 0; r < 16; ++r) {
        rowsHeight += grid->rowHeight(r);
    }
    // The fit keeps 255 twips (17 pixels) for the horizontal scroll bar.
    const int room =
        grid->height() - grid->horizontalHeader()->height() - 2 * grid->frameWidth() - 17;
    QVERIFY2(qAbs(room - rowsHeight) <= 2, qPrintable(QString("%1 %2").arg(room).arg(rowsHeight)));
    const GridSelection selection = screen_->gridSelection();
    QCOMPARE(selection.row, 4);
    QCOMPARE(selection.column, 3);
    QCOMPARE(selection.rowSel, 2);
    QCOMPARE(selection.columnSel, 2);
    QCOMPARE(cell(50, 10), QString("$84.22"));
}

void ActuarialScreenTest::copyAndPrintFollowTheCurrentCell() {
    open();
    // Before the first table a change of the selection enables nothing.
    clickCell(1, 1);
    QVERIFY(!commandsEnabled());

    enter("1000", "12", "6.0", "5.0", "3", "1");
    build(1);
    QVERIFY(commandsEnabled());
    // Right after the build the current cell is the header of the last year column.
    const GridSelection built = screen_->gridSelection();
    QCOMPARE(built.row, 0);
    QCOMPARE(built.column, 3);

    clickCell(5, 1);  // beyond the table: empty
    QVERIFY(!commandsEnabled());
    clickCell(2, 2);
    QVERIFY(commandsEnabled());
    screen_->copyDone();
    QVERIFY(!commandsEnabled());
    QCOMPARE(screen_->grid()->highlight(), TableGrid::Highlight::WithFocus);
    clickCell(3, 3);
    QVERIFY(commandsEnabled());

    // A build that stops at a check leaves them off, also for a click into the emptied grid.
    child<QLineEdit>("Text1")->clear();
    env_->desktop.expectMessage(amountMessage(), Answer::Ok);
    build(1);
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QVERIFY(!commandsEnabled());
    clickCell(1, 1);
    QVERIFY(!commandsEnabled());
    type("Text1", "1000");
    build(1);
    QVERIFY(commandsEnabled());
}

void ActuarialScreenTest::activationEmptiesTheGridAndKeepsTheCommands() {
    open();
    enter("1000", "12", "6.0", "5.0", "3", "1");
    build(1);
    clickCell(2, 2);
    QVERIFY(commandsEnabled());

    // The focus coming back from another program or a dialog keeps the table and the selection.
    TableGrid* grid = screen_->grid();
    const QModelIndex selected = grid->currentIndex();
    switchAwayAndBack(screen_);
    QCOMPARE(cell(2, 2), QString("$896.06"));
    QCOMPARE(grid->currentIndex(), selected);
    QVERIFY(grid->selectionModel()->isSelected(selected));

    // Coming from another of the program's screens empties the grid (23 rows); the copy and
    // print commands stay as they were.
    comeBackFromAnotherScreen(screen_);
    QCOMPARE(screen_->gridRows(), 23);
    QCOMPARE(cell(2, 2), QString());
    QVERIFY(commandsEnabled());
}

void ActuarialScreenTest::gridTakesTheStoredBackgroundAndTextColour() {
    QVERIFY(writeGridBackground("255"));
    QVERIFY(writeGridTextColor("16711680"));
    open();
    const QPalette palette = screen_->grid()->palette();
    QCOMPARE(palette.color(QPalette::Base), QColor(Qt::red));
    QCOMPARE(palette.color(QPalette::Text), QColor(Qt::blue));
    QCOMPARE(screen_->grid()->textColor(), QColor(Qt::blue));
    screen_->closeQuietly();
    screen_ = nullptr;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(writeGridBackground("WP3"));
    QVERIFY(writeGridTextColor("x"));
    open();
    QVERIFY(!screen_->grid()->palette().brush(QPalette::Base).texture().isNull());
    QCOMPARE(screen_->grid()->textColor(), QColor(Qt::black));
}

void ActuarialScreenTest::popupAndKeys() {
    open();
    QMenu* popup = screen_->popupMenu();
    // Before a table: the popup's Copy and Print Options are off.
    QContextMenuEvent early(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            screen_->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(child<QPushButton>("Command1"), &early);
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(!action("mVC")->isEnabled());
    QVERIFY(!action("mVP")->isEnabled());
    popup->hide();

    enter("1000", "12", "6.0", "5.0", "3", "1");
    build(1);
    QContextMenuEvent late(QContextMenuEvent::Keyboard, QPoint(5, 5),
                           screen_->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(screen_->grid()->viewport(), &late);
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(action("mVC")->isEnabled());
    QVERIFY(action("mVP")->isEnabled());
    popup->hide();

    // F1 opens the screen's topic; Esc closes the screen.
    QTest::keyClick(screen_, Qt::Key_F1);
    QCOMPARE(env_->desktop.helpTopics(), std::vector<int>({3026}));
    QPointer<ActuarialScreen> guard(screen_);
    QTest::keyClick(screen_, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    screen_ = nullptr;
    QVERIFY(main_->isVisible());
}

QTEST_MAIN(ActuarialScreenTest)
#include "actuarial_screen_qtest.moc"
