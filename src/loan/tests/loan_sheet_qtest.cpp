// The Loan Calculator screen driven through its real controls: keystroke filtering, the down
// payment and Show Payments checks with their messages, focus and box resets, the payment table
// and schedule in the grid, the unit and mode menus, the popup and the output hooks.

#include <QAction>
#include <QApplication>
#include <QComboBox>
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
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include "common/core/settings_files.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/temporary_program_folder.h"
#include "common/tests/support/tool_screen_fixture.h"
#include "common/tests/support/window_switch.h"
#include "common/ui/colors.h"
#include "loan/core/loan_inputs.h"
#include "loan/ui/loan_sheet.h"

using namespace coinwell;
using namespace coinwell::loan;

namespace {

// Records what the screen hands to its output.
class RecordingOutput : public LoanSheetOutput {
  public:
    int copies = 0;
    int printOptions = 0;
    void copyToClipboard(LoanSheet&) override { ++copies; }
    void openPrintOptions(LoanSheet&) override { ++printOptions; }
};

}  // namespace

class LoanSheetTest : public QObject, ToolScreenFixture<LoanSheet> {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void opensWithItsControlsMenusAndCaptions();
    void keystrokesAreFilteredAndTheLoanAmountFollows();
    void downPaymentChecksResetTheBox();
    void downPaymentModeSwitchReadsTheValueAgain();
    void showPaymentsChecksInOrder_data();
    void showPaymentsChecksInOrder();
    void lengthsAndRatesAreCompletedAndSwappedInTheBoxes();
    void workedTableInTheGrid();
    void scrollBarCasesAndScrollTips();
    void typedRatesAndZeroMinimumLength();
    void scheduleReplacesTheTableAndLocksShowAmortization();
    void monthsUnitClearsTheScreen();
    void largestTableOpens();
    void popupShowsCopyOnlyWithResultsAndHooksReachTheOutput();
    void gridTakesTheStoredBackgroundAndTextColour();
    void gridCornerFollowsTheWindowScale();

  private:
    LoanSheet* open();
    void type(const char* box, const QString& text);
    void setRates(const QString& min, const QString& max);
    void clickShowPayments() {
        QTest::mouseClick(child<QPushButton>("cmdCalcPmts"), Qt::LeftButton);
    }
    void clickCell(int gridRow, int gridColumn, bool twice = false);
    QString cell(int row, int column) {
        return QString::fromStdString(sheet_->gridText(row, column));
    }

    LoanSheet* sheet_ = nullptr;
};

void LoanSheetTest::init() {
    startScreenTest();
    sheet_ = nullptr;
}

void LoanSheetTest::cleanup() {
    LoanSheet::setOutputFactory({});
    finishScreenTest();
}

LoanSheet* LoanSheetTest::open() {
    return sheet_ = openScreen();
}

void LoanSheetTest::type(const char* name, const QString& text) {
    if (text.startsWith(QLatin1Char('-'))) {
        auto* box = child<QLineEdit>(name);
        box->setFocus();
        box->setText(text);  // a sign can only be pasted
    } else {
        ToolScreenFixture::type(name, text);
    }
}

void LoanSheetTest::setRates(const QString& min, const QString& max) {
    for (auto [name, value] : {std::pair{"comIntrMin", min}, std::pair{"comIntrMax", max}}) {
        auto* box = child<QComboBox>(name);
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), value);
    }
    child<QLineEdit>("txtLenMin")->setFocus();  // leaving the box stores the typed rate
}

void LoanSheetTest::clickCell(int gridRow, int gridColumn, bool twice) {
    QTableView* grid = sheet_->grid();
    const QModelIndex index = grid->model()->index(gridRow - 1, gridColumn - 1);
    grid->scrollTo(index);
    const QPoint at = grid->visualRect(index).center();
    // A double click arrives as a click followed by a double-click press and a release.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    }
}

// ---------------------------------------------------------------------------------------------

void LoanSheetTest::opensWithItsControlsMenusAndCaptions() {
    open();
    QCOMPARE(sheet_->objectName(), QString("LoanSheet"));
    QCOMPARE(sheet_->windowTitle(), QString("Loan Calculator"));
    QCOMPARE(child<QLabel>("lblPurchTotl")->text(), QString("Purchase Amount:"));
    QCOMPARE(child<QLabel>("lblDwnPay")->text(), QString("Percent Down:"));
    QCOMPARE(child<QLabel>("Label2")->text(), QString("Loan Amount:"));
    QCOMPARE(child<QGroupBox>("SSPanel1")->title(), QString(" Years in Loan "));
    QCOMPARE(child<QGroupBox>("SSPanel2")->title(), QString(" Interest Rates"));
    QCOMPARE(child<QLabel>("lblLen(0)")->text(), QString("Maximum"));
    QCOMPARE(child<QLabel>("lblLen(1)")->text(), QString("Minimum"));
    QCOMPARE(child<QLabel>("lblLen(2)")->text(), QString("Minimum %"));
    QCOMPARE(child<QLabel>("lblLen(3)")->text(), QString("Maximum %"));
    QCOMPARE(child<QPushButton>("cmdCalcPmts")->text(), QString("Show Payments"));
    QCOMPARE(child<QPushButton>("cmdCalcAmort")->text(), QString("Show Amortization"));
    QCOMPARE(child<QPushButton>("cmdExit")->text(), QString("E&xit"));
    QCOMPARE(child<QLabel>("Label1")->text(),
             QString("Loan Length in Years will show a Monthly Payment for 12 months a year."));
    QVERIFY(child<QLabel>("Label1")->isVisible());
    QVERIFY(!child<QPushButton>("cmdCalcAmort")->isEnabled());

    for (const char* name : {"comIntrMin", "comIntrMax"}) {
        auto* rates = child<QComboBox>(name);
        QVERIFY(rates->isEditable());
        QCOMPARE(rates->count(), 101);
        QCOMPARE(rates->itemText(0), QString("0.00"));
        QCOMPARE(rates->itemText(29), QString("7.25"));
        QCOMPARE(rates->itemText(100), QString("25.00"));
        QCOMPARE(rates->currentText(), QString("0.00"));
    }

    // Menus: Options (Copy and its separator hidden), Edit, Down Payment, Loan Length, Help.
    QStringList bar;
    for (QAction* a : sheet_->menuBar()->actions()) {
        bar << a->text();
    }
    QCOMPARE(bar, QStringList({"&Options", "&Edit", "&Down Payment", "&Loan Length", "&Help"}));
    QStringList options;
    for (QAction* a : sheet_->optionsMenu()->actions()) {
        options << a->objectName() + (a->isVisible() ? "" : "(hidden)");
    }
    QCOMPARE(options, QStringList({"mOC", "mO1", "mOCopy(hidden)", "mO3(hidden)", "mnuPrint",
                                   "mnuOpt2", "mnuOptExit"}));
    QCOMPARE(action("mOCopy")->text(), QString("&Copy"));
    QVERIFY(!action("mnuPrint")->isEnabled());
    QVERIFY(!action("mECopy")->isEnabled());
    QCOMPARE(action("mnuOptDwn(0)")->text(), QString("&Percent Down"));
    QCOMPARE(action("mnuOptDwn(1)")->text(), QString("&Amount Down"));
    QCOMPARE(action("mnuOptLen(0)")->text(), QString("&Years"));
    QCOMPARE(action("mnuOptLen(1)")->text(), QString("&Months"));
    QVERIFY(action("mnuOptDwn(0)")->isChecked() && !action("mnuOptDwn(1)")->isChecked());
    QVERIFY(action("mnuOptLen(0)")->isChecked() && !action("mnuOptLen(1)")->isChecked());

    // The grid: 16 × 3 empty cells, the picture in the top-left cell.
    QCOMPARE(sheet_->gridColumns(), 4);
    QVERIFY(sheet_->gridRows() >= 17);
    QVERIFY(!child<QLabel>("Grid1Corner")->pixmap().isNull());

    // F1 opens the loan topic.
    QTest::keyClick(sheet_, Qt::Key_F1);
    QCOMPARE(env_->desktop.helpTopics(), std::vector<int>({3012}));

    // Exit closes the screen and brings the main screen back.
    QPointer<LoanSheet> guard(sheet_);
    QTest::mouseClick(child<QPushButton>("cmdExit"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    sheet_ = nullptr;
    QVERIFY(main_->isVisible());
}

void LoanSheetTest::keystrokesAreFilteredAndTheLoanAmountFollows() {
    open();
    auto* purchase = child<QLineEdit>("txtPurchTotl");
    type("txtPurchTotl", "12a");
    QCOMPARE(purchase->text(), QString("12"));
    QCOMPARE(purchase->cursorPosition(), 2);
    QCOMPARE(sheet_->inputs().purchaseAmount, 12.0);
    type("txtPurchTotl", "x");
    QCOMPARE(purchase->text(), QString());
    QCOMPARE(sheet_->inputs().purchaseAmount, 0.0);

    // A pasted 1.5 reads whole: kept and stored. A paste that does not read whole is cut to
    // the number it shows, in the amount boxes and the rate boxes alike.
    purchase->setText("1.5");
    QCOMPARE(sheet_->inputs().purchaseAmount, 1.5);
    purchase->setText("$250,000.50 cash");
    QCOMPARE(purchase->text(), QString("250000"));
    QCOMPARE(sheet_->inputs().purchaseAmount, 250000.0);
    child<QComboBox>("comIntrMin")->lineEdit()->setText("7.5%");
    QCOMPARE(child<QComboBox>("comIntrMin")->currentText(), QString("7.5"));
    // A long paste settles at once where the keystroke rules take it (one change per dropped
    // character would run out of stack).
    purchase->setText("34" + QString(32765, QLatin1Char('x')));
    QCOMPARE(purchase->text(), QString("34"));
    QCOMPARE(sheet_->inputs().purchaseAmount, 34.0);
    purchase->setText(QString(32767, QLatin1Char('9')));
    QCOMPARE(purchase->text(), QString(308, QLatin1Char('9')));

    type("txtPurchTotl", "200000");
    QCOMPARE(child<QLabel>("Label3")->text(), QString("200000"));
    type("txtDwnPay", "10");
    QCOMPARE(child<QLabel>("Label3")->text(), QString("180000"));
    type("txtDwnPay", "99");
    QCOMPARE(child<QLabel>("Label3")->text(), QString("2000"));

    // A length box keeps its stored value when emptied; a digit-only number past the double
    // range is refused at its last keystroke.
    type("txtLenMin", "15");
    QCOMPARE(sheet_->inputs().lengthMin, 15.0);
    child<QLineEdit>("txtLenMin")->clear();
    QCOMPARE(sheet_->inputs().lengthMin, 15.0);
    const QString huge(308, QLatin1Char('9'));
    child<QLineEdit>("txtLenMax")->setText(huge + "9");
    QCOMPARE(child<QLineEdit>("txtLenMax")->text(), huge);
}

void LoanSheetTest::downPaymentChecksResetTheBox() {
    open();
    type("txtPurchTotl", "1000");
    env_->desktop.expectMessage(loanError("Down payment percentage cannot exceed 99 percent."),
                                Answer::Ok);
    type("txtDwnPay", "100");
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QCOMPARE(child<QLineEdit>("txtDwnPay")->text(), QString());
    QVERIFY(child<QLineEdit>("txtDwnPay")->hasFocus());
    QCOMPARE(sheet_->inputs().downValue, 0.0);
    QCOMPARE(child<QLabel>("Label3")->text(), QString("1000"));

    sheet_->findChild<QAction*>("mnuOptDwn(1)")->trigger();
    env_->desktop.expectMessage(loanError("Down payment amount cannot exceed purchase amount."),
                                Answer::Ok);
    type("txtDwnPay", "1001");
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QCOMPARE(child<QLineEdit>("txtDwnPay")->text(), QString());
    QCOMPARE(sheet_->inputs().downValue, 0.0);

    // An amount accepted while the purchase was larger is refused when payments are asked for.
    type("txtDwnPay", "500");
    type("txtPurchTotl", "400");
    type("txtLenMin", "10");
    child<QComboBox>("comIntrMax")->setCurrentIndex(24);
    env_->desktop.expectMessage(loanError("Down payment amount cannot exceed purchase amount."),
                                Answer::Ok);
    QTest::mouseClick(child<QPushButton>("cmdCalcPmts"), Qt::LeftButton);
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QCOMPARE(child<QLineEdit>("txtDwnPay")->text(), QString());
    QVERIFY(child<QLineEdit>("txtDwnPay")->hasFocus());
    QCOMPARE(sheet_->paymentTable(), nullptr);
    QTest::mouseClick(child<QPushButton>("cmdCalcPmts"), Qt::LeftButton);
    QVERIFY(sheet_->paymentTable());
    QCOMPARE(child<QLabel>("Label3")->text(), QString("400"));

    // A negative amount can only be pasted.
    env_->desktop.expectMessage(loanError("Down payment amount must be zero or greater."),
                                Answer::Ok);
    child<QLineEdit>("txtDwnPay")->setText("-5");
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QCOMPARE(child<QLineEdit>("txtDwnPay")->text(), QString());
}

void LoanSheetTest::downPaymentModeSwitchReadsTheValueAgain() {
    open();
    type("txtPurchTotl", "50000");
    type("txtDwnPay", "10");
    QCOMPARE(child<QLabel>("Label3")->text(), QString("45000"));

    action("mnuOptDwn(1)")->trigger();
    QVERIFY(action("mnuOptDwn(1)")->isChecked() && !action("mnuOptDwn(0)")->isChecked());
    QCOMPARE(child<QLabel>("lblDwnPay")->text(), QString("Amount Down"));
    QCOMPARE(child<QLineEdit>("txtDwnPay")->text(), QString("10"));
    QCOMPARE(child<QLabel>("Label3")->text(), QString("49990"));

    // 5000 as an amount is fine; back in Percent mode it is re-checked and refused.
    type("txtDwnPay", "5000");
    QCOMPARE(child<QLabel>("Label3")->text(), QString("45000"));
    env_->desktop.expectMessage(loanError("Down payment percentage cannot exceed 99 percent."),
                                Answer::Ok);
    action("mnuOptDwn(0)")->trigger();
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QCOMPARE(child<QLabel>("lblDwnPay")->text(), QString("Percent Down"));
    QCOMPARE(child<QLineEdit>("txtDwnPay")->text(), QString());
    QCOMPARE(child<QLabel>("Label3")->text(), QString("50000"));
}

void LoanSheetTest::showPaymentsChecksInOrder_data() {
    QTest::addColumn<QString>("purchase");
    QTest::addColumn<QString>("lenMin");
    QTest::addColumn<QString>("lenMax");
    QTest::addColumn<QString>("rateMin");
    QTest::addColumn<QString>("rateMax");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("emptied");

    QTest::newRow("no purchase") << ""
                                 << "30"
                                 << "30"
                                 << "6.00"
                                 << "6.00"
                                 << "You must enter a valid purchase amount."
                                 << "txtPurchTotl" << true;
    QTest::newRow("no lengths") << "1000"
                                << ""
                                << ""
                                << "6.00"
                                << "6.00"
                                << "You must enter a maximum length of loan."
                                << "txtLenMax" << false;
    QTest::newRow("zero rates") << "1000"
                                << "30"
                                << "30"
                                << "0.00"
                                << "0.00"
                                << "You must specify a maximum interest rate greater than zero."
                                << "comIntrMax" << false;
    QTest::newRow("zero length") << "1000"
                                 << "0"
                                 << "0"
                                 << "6.00"
                                 << "6.00"
                                 << "You must enter a maximum length of loan greater than zero."
                                 << "txtLenMax" << true;
    QTest::newRow("endless loan") << "1000"
                                  << "30"
                                  << "99999"
                                  << "6.00"
                                  << "6.00"
                                  << "Loan length cannot exceed 50 years."
                                  << "txtLenMax" << false;
    QTest::newRow("negative minimum (pasted)") << "1000"
                                               << "-5"
                                               << "20"
                                               << "6.00"
                                               << "6.00"
                                               << "Loan length cannot be less than zero."
                                               << "txtLenMin" << true;
    QTest::newRow("purchase beyond any loan") << "5000000000000"
                                              << "30"
                                              << "30"
                                              << "6.00"
                                              << "6.00"
                                              << "Purchase amount cannot exceed 999,999,999,999."
                                              << "txtPurchTotl" << false;
    QTest::newRow("thousands of rates") << "1000"
                                        << "30"
                                        << "30"
                                        << "1"
                                        << "5000"
                                        << "Interest rate cannot exceed 100 percent."
                                        << "comIntrMax" << false;
}

void LoanSheetTest::showPaymentsChecksInOrder() {
    QFETCH(QString, purchase);
    QFETCH(QString, lenMin);
    QFETCH(QString, lenMax);
    QFETCH(QString, rateMin);
    QFETCH(QString, rateMax);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(bool, emptied);
    open();
    type("txtPurchTotl", purchase);
    type("txtLenMin", lenMin);
    type("txtLenMax", lenMax);
    setRates(rateMin, rateMax);

    env_->desktop.expectMessage(loanError(message.toStdString()), Answer::Ok);
    clickShowPayments();
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QVERIFY2(focused->objectName() == focus || focused->parent()->objectName() == focus,
             qPrintable(focused->objectName()));
    if (auto* box = qobject_cast<QLineEdit*>(focused); box && focus.startsWith("txt")) {
        QCOMPARE(box->text(), emptied                                ? QString()
                              : box == child<QLineEdit>("txtLenMax") ? lenMax
                                                                     : purchase);
    }
    QVERIFY(!action("mECopy")->isEnabled());
    QVERIFY(!action("mnuPrint")->isEnabled());
    QVERIFY(!child<QPushButton>("cmdCalcAmort")->isEnabled());
    QCOMPARE(sheet_->paymentTable(), nullptr);
}

void LoanSheetTest::lengthsAndRatesAreCompletedAndSwappedInTheBoxes() {
    open();
    type("txtPurchTotl", "100000");
    type("txtLenMin", "30");
    type("txtLenMax", "10");
    setRates("9.00", "5.00");
    clickShowPayments();
    QCOMPARE(child<QLineEdit>("txtLenMin")->text(), QString("10"));
    QCOMPARE(child<QLineEdit>("txtLenMax")->text(), QString("30"));
    QCOMPARE(child<QComboBox>("comIntrMin")->currentText(), QString("5.00"));
    QCOMPARE(child<QComboBox>("comIntrMax")->currentText(), QString("9.00"));
    QCOMPARE(sheet_->paymentTable()->lengthColumns(), 21);
    QCOMPARE(sheet_->paymentTable()->rateRows(), 17);

    // Only a minimum of 15: the maximum box takes it, one column. Minimum rate 0.00 with 6.50:
    // a single row of 6.50.
    type("txtLenMin", "15");
    child<QLineEdit>("txtLenMax")->clear();
    setRates("0.00", "6.50");
    clickShowPayments();
    QCOMPARE(child<QLineEdit>("txtLenMax")->text(), QString("15"));
    QCOMPARE(child<QComboBox>("comIntrMin")->currentText(), QString("6.50"));
    QCOMPARE(child<QComboBox>("comIntrMin")->currentIndex(), 26);
    QCOMPARE(sheet_->paymentTable()->lengthColumns(), 1);
    QCOMPARE(sheet_->paymentTable()->rateRows(), 1);
    QCOMPARE(cell(1, 0), QString("6.50%"));
}

void LoanSheetTest::workedTableInTheGrid() {
    open();
    type("txtPurchTotl", "100000");
    type("txtLenMin", "30");
    setRates("6.00", "6.00");
    clickShowPayments();
    QVERIFY(!env_->desktop.isBusy());
    QVERIFY(env_->desktop.log().contains("beginBusy") || !env_->desktop.events().empty());
    QCOMPARE(cell(1, 1), QString("$599.55"));
    QCOMPARE(cell(1, 0), QString("6.00%"));
    QCOMPARE(cell(0, 1), QString("\n\r30 Years"));
    QCOMPARE(cell(0, 2), QString(" "));
    QCOMPARE(cell(2, 0), QString(" "));
    QCOMPARE(cell(2, 1), QString());
    QCOMPARE(sheet_->gridRows(), 17);
    QCOMPARE(sheet_->gridColumns(), 4);
    QCOMPARE(sheet_->inputs().loanAmount, 100000.0);
    QCOMPARE(sheet_->paymentTable()->lastRowPayment, float(sheet_->paymentTable()->at(1, 1)));
    // Drawn as the grid shows it: the carriage return of the line break is not drawn.
    QTableView* grid = sheet_->grid();
    QCOMPARE(grid->model()->data(grid->model()->index(0, 0)).toString(), QString("$599.55"));
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QString("\n30 Years"));
    QVERIFY(action("mECopy")->isEnabled());
    QVERIFY(action("mnuPrint")->isEnabled());
    QVERIFY(!sheet_->showsSchedule());

    // A cell beyond the table never enables Show Amortization; a payment cell does.
    clickCell(3, 2);
    QVERIFY(!child<QPushButton>("cmdCalcAmort")->isEnabled());
    clickCell(1, 1);
    QVERIFY(child<QPushButton>("cmdCalcAmort")->isEnabled());

    // The focus coming back from another program or a dialog keeps the table and the selection;
    // coming from another of the program's screens empties the grid.
    const QModelIndex selected = grid->currentIndex();
    switchAwayAndBack(sheet_);
    QCOMPARE(cell(1, 1), QString("$599.55"));
    QCOMPARE(sheet_->gridRows(), 17);
    QCOMPARE(grid->currentIndex(), selected);
    QVERIFY(grid->selectionModel()->isSelected(selected));
    comeBackFromAnotherScreen(sheet_);
    QCOMPARE(cell(1, 1), QString());
    QCOMPARE(sheet_->gridRows(), 23);
}

void LoanSheetTest::scrollBarCasesAndScrollTips() {
    open();
    QTableView* grid = sheet_->grid();
    type("txtPurchTotl", "100000");
    type("txtLenMin", "15");
    type("txtLenMax", "17");
    setRates("5.00", "8.75");
    clickShowPayments();
    QCOMPARE(sheet_->gridRows(), 17);
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QTRY_VERIFY(!grid->horizontalScrollBar()->isVisible());
    // The visible area holds the 16 rows and 3 columns.
    const int rowHeight = grid->verticalHeader()->defaultSectionSize();
    const int columnWidth = grid->horizontalHeader()->defaultSectionSize();
    QVERIFY(16 * rowHeight <= grid->viewport()->height() + 16);
    QVERIFY(3 * columnWidth <= grid->viewport()->width() + 3);

    setRates("5.00", "9.00");
    type("txtLenMax", "30");
    clickShowPayments();
    QCOMPARE(sheet_->gridRows(), 18);
    QCOMPARE(sheet_->gridColumns(), 17);
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QTRY_VERIFY(grid->verticalScrollBar()->isVisible());
    QTRY_VERIFY(grid->horizontalScrollBar()->isVisible());
    QVERIFY(grid->horizontalHeader()->defaultSectionSize() < columnWidth);
    QVERIFY(grid->verticalHeader()->defaultSectionSize() < rowHeight);
    // Sixteen rows and three columns fill the room beside the scroll bars (255 twips each)
    // without a strip left under or beside them.
    const int frames = 2 * grid->frameWidth();
    const int rowRoom = grid->height() - grid->horizontalHeader()->height() - frames - 17;
    const int columnRoom = grid->width() - grid->verticalHeader()->width() - frames - 17;
    int rowsHeight = 0;
    for (int r = 0; r < 16; ++r) {
        rowsHeight += grid->rowHeight(r);
    }
    const int columnsWidth = grid->columnWidth(0) + grid->columnWidth(1) + grid->columnWidth(2);
    QVERIFY2(rowsHeight <= rowRoom && rowsHeight >= rowRoom - 1,
             qPrintable(QString("%1 of %2").arg(rowsHeight).arg(rowRoom)));
    QVERIFY2(columnsWidth <= columnRoom && columnsWidth >= columnRoom - 1,
             qPrintable(QString("%1 of %2").arg(columnsWidth).arg(columnRoom)));

    // Dragging the scroll box of a longer table to row 5 tips " Row 5: 6.00% ".
    setRates("5.00", "12.00");
    clickShowPayments();
    QScrollBar* bar = grid->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() >= 4);
    bar->setSliderDown(true);
    bar->setSliderPosition(4);
    bar->setSliderDown(false);
    QCOMPARE(bar->toolTip(), QString(" Row 5: 6.00% "));

    setRates("5.00", "9.00");
    type("txtLenMax", "15");
    clickShowPayments();
    QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    // Typed rates 5.10 to 9.00 count 16.6 quarter points: sixteen rates, an empty row after them
    // and the vertical scroll bar.
    setRates("5.10", "9.00");
    clickShowPayments();
    QCOMPARE(sheet_->paymentTable()->rateRows(), 16);
    QCOMPARE(sheet_->gridRows(), 18);
    QCOMPARE(cell(16, 0), QString("8.85%"));
    QCOMPARE(cell(17, 0), QString(" "));
    QCOMPARE(cell(17, 1), QString());
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QTRY_VERIFY(grid->verticalScrollBar()->isVisible());
}

void LoanSheetTest::typedRatesAndZeroMinimumLength() {
    open();
    type("txtPurchTotl", "100000");
    type("txtLenMin", "0");
    type("txtLenMax", "20");
    setRates("7.30", "8.00");
    clickShowPayments();
    QCOMPARE(sheet_->paymentTable()->rateRows(), 3);
    QCOMPARE(cell(1, 0), QString("7.30%"));
    QCOMPARE(cell(2, 0), QString("7.55%"));
    QCOMPARE(cell(3, 0), QString("7.80%"));
    QCOMPARE(cell(4, 0), QString(" "));
    QCOMPARE(sheet_->paymentTable()->lengthColumns(), 1);
    QCOMPARE(cell(0, 1), QString("\n\r20 Years"));
    QCOMPARE(child<QComboBox>("comIntrMin")->currentText(), QString("7.30"));
}

void LoanSheetTest::scheduleReplacesTheTableAndLocksShowAmortization() {
    open();
    type("txtPurchTotl", "100000");
    type("txtLenMin", "15");
    type("txtLenMax", "30");
    setRates("5.00", "6.00");
    clickShowPayments();
    QCOMPARE(cell(5, 16), QString("$599.55"));

    clickCell(5, 16);
    auto* amortize = child<QPushButton>("cmdCalcAmort");
    QVERIFY(amortize->isEnabled());
    QTest::mouseClick(amortize, Qt::LeftButton);
    QVERIFY(sheet_->showsSchedule());
    QVERIFY(!amortize->isEnabled());
    QVERIFY(!env_->desktop.isBusy());
    QCOMPARE(sheet_->gridRows(), 361);
    QCOMPARE(sheet_->gridColumns(), 5);
    QCOMPARE(cell(0, 0), QString("Monthly\n\rPayment\n\r$599.55"));
    QCOMPARE(cell(0, 2), QString("Amount of\n\rInterest\n\r$115,838.23"));
    QCOMPARE(cell(1, 0), QString("1"));
    QCOMPARE(cell(1, 1), QString("$99.55"));
    QCOMPARE(cell(1, 2), QString("$500.00"));
    QCOMPARE(cell(1, 3), QString("$99,900.45"));
    QCOMPARE(cell(2, 2), QString("$499.50"));
    QCOMPARE(cell(360, 2), QString("$2.98"));
    QCOMPARE(cell(360, 3), QString("$0.04"));
    QCOMPARE(cell(360, 4), QString("$115,838.23"));
    QCOMPARE(sheet_->schedule()->rateText, std::string("6.00%"));
    QCOMPARE(child<QLabel>("Grid1Corner")->text(), QString("Monthly\nPayment\n$599.55"));
    QVERIFY(action("mECopy")->isEnabled());
    QVERIFY(action("mnuPrint")->isEnabled());
    // Every payment can be scrolled to.
    QCOMPARE(sheet_->grid()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    // Clicks and double clicks on the schedule leave Show Amortization off.
    clickCell(3, 2);
    QVERIFY(!amortize->isEnabled());
    clickCell(3, 2, true);
    QVERIFY(!amortize->isEnabled());
    QCOMPARE(sheet_->gridRows(), 361);

    // Show Payments brings the table back; a double click on a cell shows its schedule at once.
    clickShowPayments();
    QVERIFY(!sheet_->showsSchedule());
    QCOMPARE(cell(0, 1), QString("\n\r15 Years"));
    clickCell(1, 1, true);
    QVERIFY(sheet_->showsSchedule());
    QCOMPARE(sheet_->gridRows(), 181);
    QCOMPARE(sheet_->schedule()->rateText, std::string("5.00%"));

    // A one-year loan fills 12 of 16 rows.
    type("txtLenMin", "1");
    type("txtLenMax", "1");
    clickShowPayments();
    clickCell(1, 1, true);
    QCOMPARE(sheet_->gridRows(), 16);
    QCOMPARE(cell(12, 0), QString("12"));
    QCOMPARE(cell(13, 1), QString());
}

void LoanSheetTest::monthsUnitClearsTheScreen() {
    open();
    type("txtPurchTotl", "1200");
    type("txtDwnPay", "0");
    type("txtLenMin", "2");
    type("txtLenMax", "3");
    setRates("12.00", "12.00");
    clickShowPayments();
    QVERIFY2(sheet_->paymentTable(), qPrintable(env_->desktop.verifyDone()));
    QCOMPARE(sheet_->paymentTable()->lengthColumns(), 2);

    action("mnuOptLen(1)")->trigger();
    QVERIFY(action("mnuOptLen(1)")->isChecked() && !action("mnuOptLen(0)")->isChecked());
    QCOMPARE(child<QGroupBox>("SSPanel1")->title(), QString(" Months in Loan "));
    QVERIFY(!child<QLabel>("Label1")->isVisible());
    for (const char* box : {"txtPurchTotl", "txtDwnPay", "txtLenMin", "txtLenMax"}) {
        QCOMPARE(child<QLineEdit>(box)->text(), QString());
    }
    QCOMPARE(child<QLabel>("Label3")->text(), QString());
    QCOMPARE(sheet_->inputs().purchaseAmount, 0.0);
    QCOMPARE(sheet_->inputs().downValue, 0.0);
    QCOMPARE(sheet_->gridRows(), 19);
    QCOMPARE(cell(1, 1), QString());
    QCOMPARE(cell(0, 1).trimmed(), QString());

    type("txtPurchTotl", "1200");
    type("txtLenMin", "6");
    setRates("12.00", "12.00");
    clickShowPayments();
    QCOMPARE(cell(0, 1), QString("\n\r6 Months"));
    QCOMPARE(cell(1, 1), QString("$207.06"));
    clickCell(1, 1, true);
    QCOMPARE(sheet_->schedule()->count, 6);

    action("mnuOptLen(0)")->trigger();
    QCOMPARE(child<QGroupBox>("SSPanel1")->title(), QString(" Years in Loan "));
    QVERIFY(child<QLabel>("Label1")->isVisible());
    // The months limit no longer applies to years.
    type("txtPurchTotl", "1200");
    type("txtLenMin", "60");
    env_->desktop.expectMessage(loanError("Loan length cannot exceed 50 years."), Answer::Ok);
    clickShowPayments();
}

void LoanSheetTest::largestTableOpens() {
    open();
    action("mnuOptLen(1)")->trigger();
    type("txtPurchTotl", "250000");
    type("txtLenMin", "1");
    type("txtLenMax", "600");
    setRates("0.25", "99.25");
    clickShowPayments();
    QCOMPARE(sheet_->paymentTable()->rateRows(), 397);
    QCOMPARE(sheet_->paymentTable()->lengthColumns(), 600);
    QCOMPARE(sheet_->gridRows(), 398);
    QCOMPARE(sheet_->gridColumns(), 601);
    QCOMPARE(cell(397, 0), QString("99.25%"));
    QCOMPARE(cell(0, 600), QString("\n\r600 Months"));
    clickCell(397, 600, true);
    QCOMPARE(sheet_->gridRows(), 601);
}

void LoanSheetTest::popupShowsCopyOnlyWithResultsAndHooksReachTheOutput() {
    RecordingOutput* output = nullptr;
    LoanSheet::setOutputFactory([&output](LoanSheet&) {
        auto made = std::make_unique<RecordingOutput>();
        output = made.get();
        return made;
    });
    open();
    QVERIFY(output);
    QMenu* popup = sheet_->popupMenu();
    QCOMPARE(popup, sheet_->optionsMenu());

    // No results yet: the popup shows no Copy.
    QContextMenuEvent early(QContextMenuEvent::Mouse, QPoint(5, 5),
                            sheet_->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(child<QPushButton>("cmdCalcPmts"), &early);
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(!action("mOCopy")->isVisible());
    popup->hide();

    type("txtPurchTotl", "100000");
    type("txtLenMin", "30");
    setRates("6.00", "6.00");
    clickShowPayments();
    QContextMenuEvent late(QContextMenuEvent::Mouse, QPoint(5, 5),
                           sheet_->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(sheet_->grid()->viewport(), &late);
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(action("mOCopy")->isVisible());
    QVERIFY(action("mO3")->isVisible());
    action("mOCopy")->trigger();
    popup->hide();
    QTRY_VERIFY(!action("mOCopy")->isVisible());
    QCOMPARE(output->copies, 1);

    action("mECopy")->trigger();
    action("mnuPrint")->trigger();
    QCOMPARE(output->copies, 2);
    QCOMPARE(output->printOptions, 1);

    // What the output reads.
    clickCell(1, 1);
    const GridSelection selection = sheet_->gridSelection();
    QCOMPARE(selection.row, 1);
    QCOMPARE(selection.column, 1);
    QCOMPARE(sheet_->purchaseText(), std::string("100000"));
    QCOMPARE(sheet_->loanAmountCaption(), std::string("100000"));
    QCOMPARE(sheet_->downPaymentCaption(), std::string("Percent Down:"));
    QVERIFY(sheet_->noteVisible());
}

void LoanSheetTest::gridTakesTheStoredBackgroundAndTextColour() {
    QVERIFY(writeGridBackground("255"));
    QVERIFY(writeGridTextColor("16711680"));
    open();
    const QPalette palette = sheet_->grid()->palette();
    QCOMPARE(palette.color(QPalette::Base), QColor(Qt::red));
    QCOMPARE(palette.color(QPalette::Text), QColor(Qt::blue));
    QCOMPARE(sheet_->gridTextColor(), QColor(Qt::blue));
    sheet_->closeQuietly();
    sheet_ = nullptr;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Texts that are no colour numbers leave the window colour and black.
    QVERIFY(writeGridBackground("abc"));
    QVERIFY(writeGridTextColor("12x"));
    open();
    QCOMPARE(sheet_->grid()->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    QCOMPARE(sheet_->gridTextColor(), QColor(Qt::black));
    sheet_->closeQuietly();
    sheet_ = nullptr;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // A wallpaper name puts the picture behind the cells.
    QVERIFY(writeGridBackground("WP3"));
    open();
    QVERIFY(sheet_->grid()->palette().brush(QPalette::Base).textureImage().width() > 0 ||
            !sheet_->grid()->palette().brush(QPalette::Base).texture().isNull());
}

QTEST_MAIN(LoanSheetTest)
#include "loan_sheet_qtest.moc"

void LoanSheetTest::gridCornerFollowsTheWindowScale() {
    open();
    QTableView* grid = sheet_->grid();
    const int designWidth = grid->verticalHeader()->width();
    const int designHeight = grid->horizontalHeader()->height();
    const QSize area = sheet_->backgroundArea()->size();

    // Twice the area, then a table: the picture row and column are twice their design size,
    // not the picture's own pixel size, and the table still shows 16 rates.
    sheet_->resize(sheet_->size() + area);
    QApplication::processEvents();
    type("txtPurchTotl", "100000");
    type("txtLenMin", "15");
    type("txtLenMax", "30");
    setRates("5.00", "10.00");
    clickShowPayments();
    // (within rounding of the measured scale)
    QVERIFY(qAbs(grid->verticalHeader()->width() - designWidth * 2) <= 2);
    QVERIFY(qAbs(grid->horizontalHeader()->height() - designHeight * 2) <= 2);
    QVERIFY(grid->rowAt(grid->viewport()->height() - 1) >= 15);
}
