// The Home Calculator screen driven through its real controls: captions and menus, typing into
// each box, results emptied by any change, the loan length list recalculating, the household's
// limit and the fallback rate written back, the income message, copy and print with their
// enabling, and the rate kept by Exit but not by the close box.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "common/core/settings_files.h"
#include "common/tests/support/tool_screen_fixture.h"
#include "common/tests/support/window_switch.h"
#include "common/ui/colors.h"
#include "homecalc/ui/home_calc.h"
#include "print/ui/print_panel.h"

using namespace coinwell;
using namespace coinwell::homecalc;

namespace {

constexpr DateTime kToday{2006, 9, 30, 0, 0, 0};

const char* const kResultLabels[] = {"Label3", "Label6",  "Label7", "Label8",
                                     "Label9", "Label10", "Label16"};

const MessageRequest kMissingIncome{"Please enter Gross Annual Income\rEntry must be 1 or more",
                                    "Data Input", MessageIcon::Information, MessageButtons::Ok,
                                    Answer::Ok};
const MessageRequest kCopied{"Data has been copied to the Windows Clipboard.", "Copy Option",
                             MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
const MessageRequest kPanelColorQuestion{
    "Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will "
    "appear.\rNo = Current System Default Color will be selected.",
    "Panel Color", MessageIcon::Information, MessageButtons::YesNoCancel, Answer::Yes};
const MessageRequest kColorChanges{"Save changes made to Panel Color?", "Color Changes",
                                   MessageIcon::Question, MessageButtons::YesNo, Answer::Yes};

int pdfPageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(pdf.readAll()).count(page));
}

}  // namespace

class HomeCalcTest : public QObject, ToolScreenFixture<HomeCalc> {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void opensWithItsControlsMenusAndCaptions();
    void typingIntoEachBoxKeepsOnlyWhatItTakes();
    void calculateShowsTheWorkedExample();
    void anyChangeEmptiesTheResultsAndDisablesPrinting_data();
    void anyChangeEmptiesTheResultsAndDisablesPrinting();
    void missingIncomeAsksAndChangesNothing();
    void choosingALengthRecalculatesOnlyWithAnIncome();
    void ownLimitBelowOrAboveTheAffordablePayment();
    void emptyOrZeroRateBecomesHalfAPercent();
    void debtsAboveTheRatioGiveNegativeResultsThatDoNotPrint();
    void popupFollowsTheResultsShown();
    void copyPutsTheReportLineByLine();
    void printOptionsShowsTheReportWithAndWithoutALimit();
    void printedToAPdfFile();
    void rateIsKeptByExitOnly_data();
    void rateIsKeptByExitOnly();
    void rateWrittenByOlderVersionsIsTakenUp();
    void panelColorIsAskedAboutOnClosing();

  private:
    HomeCalc* open();
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
    void enterWorkedExample();
    void clickCalculate() { QTest::mouseClick(child<QPushButton>("cmdCalcPmts"), Qt::LeftButton); }
    void chooseLength(int index);
    bool printingEnabled() {
        const bool menu = action("mOPrt")->isEnabled();
        const bool button = child<QPushButton>("Command1")->isEnabled();
        if (menu != button) {
            qWarning("mOPrt and Command1 disagree");
        }
        return menu && button;
    }
    bool resultsEmpty() {
        for (const char* name : kResultLabels) {
            if (!label(name).isEmpty()) {
                return false;
            }
        }
        return true;
    }
    void openPopup();

    QPointer<HomeCalc> screen_;
};

void HomeCalcTest::init() {
    startScreenTest(MainWindowAtStart::Shown);
}

void HomeCalcTest::cleanup() {
    finishScreenTest();
}

HomeCalc* HomeCalcTest::open() {
    return screen_ = openScreen([](HomeCalc& screen) { screen.setClock([] { return kToday; }); });
}

void HomeCalcTest::enterWorkedExample() {
    type("Text1", "60000");
    type("Text2", "300");
    type("Text3", "20000");
}

void HomeCalcTest::chooseLength(int index) {
    auto* list = child<QComboBox>("Combo1");
    list->setFocus();
    const int steps = index - list->currentIndex();
    for (int i = 0; i < std::abs(steps); ++i) {
        QTest::keyClick(list, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
    if (steps == 0) {
        emit list->activated(index);  // the same item chosen again from the open list
    }
}

void HomeCalcTest::openPopup() {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            screen_->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(child<QLabel>("lblPurchTotl"), &click);
    QTRY_VERIFY(screen_->popupMenu()->isVisible());
}

// ---------------------------------------------------------------------------------------------

void HomeCalcTest::opensWithItsControlsMenusAndCaptions() {
    open();
    QCOMPARE(screen_->objectName(), QString("HomeCalc"));
    QCOMPARE(screen_->windowTitle(), QString("Home Calculator"));
    QCOMPARE(child<QGroupBox>("SSPanel3")->title(), QString(" Input Section:"));
    QCOMPARE(child<QGroupBox>("SSPanel1")->title(), QString(" Calculation Results:"));
    const std::pair<const char*, const char*> captions[] = {
        {"lblPurchTotl", "Estimated Gross (pre-tax) Annual Income from all possible sources:"},
        {"Label5",
         "Minimum Monthly Debt for Credit Cards, Loans, Alimony, etc... (Not including Current "
         "Mortgage):"},
        {"Label2",
         "Cash available for down payment and other fees:  (Savings, gifts, sale of current home, "
         "etc.)"},
        {"Label11", "Loan Length in Years:"},
        {"Label12", "Fixed Interest Rate:"},
        {"Label13", "%"},
        {"Label14",
         "If you have a limit on your Monthly Mortgage Payment. Limit I can afford per Month:"},
        {"lblLen(0)", "Approximate Amount of Home You Can Afford:"},
        {"lblLen(1)", "Approx. Monthly Loan Payment + Taxes + Ins.:"},
        {"lblLen(2)", "Approximate Amount of Loan:"},
        {"lblLen(3)", "Amount of Down Payment:"},
        {"lblLen(4)", "Estimated Closing Costs:"},
        {"lblLen(5)", "Down Payment Percent (%):"},
        {"Label15", "Limiting Factor:"},
        {"Label1", "Loan Length in Years will show a Monthly Payment for 12 months a year."},
    };
    for (const auto& [name, text] : captions) {
        QCOMPARE(label(name), QString(text));
        QVERIFY2(child<QLabel>(name)->isVisible(), name);
    }
    QCOMPARE(child<QPushButton>("cmdCalcPmts")->text(), QString("&Calculate"));
    QCOMPARE(child<QPushButton>("Command1")->text(), QString("&Print Options"));
    QCOMPARE(child<QPushButton>("cmdExit")->text(), QString("E&xit"));
    QVERIFY(resultsEmpty());
    for (const char* name : {"Text1", "Text2", "Text3", "Text5"}) {
        QCOMPARE(box(name)->text(), QString());
    }
    QCOMPARE(box("Text4")->text(), QString("7"));
    auto* list = child<QComboBox>("Combo1");
    QVERIFY(!list->isEditable());
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0), QString("30"));
    QCOMPARE(list->itemText(1), QString("15"));
    QCOMPARE(list->currentText(), QString("30"));
    QVERIFY(box("Text1")->hasFocus());

    QStringList bar;
    for (QAction* a : screen_->menuBar()->actions()) {
        bar << a->objectName() + "=" + a->text();
    }
    QCOMPARE(bar, QStringList({"mO=&Options", "mE=&Edit", "mH=&Help"}));
    QStringList options;
    for (QAction* a : screen_->optionsMenu()->actions()) {
        options << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
    }
    QCOMPARE(options, QStringList({"mOC=Panel C&olor", "mO1=-", "mOPrt=&Print Options", "mO2=-",
                                   "mOE=E&xit"}));
    QCOMPARE(action("mECopy")->text(), QString("&Copy"));
    QStringList popup;
    for (QAction* a : screen_->popupMenu()->actions()) {
        popup << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
    }
    QCOMPARE(screen_->popupMenu()->objectName(), QString("mV"));
    QCOMPARE(screen_->popupMenu()->title(), QString("&V"));
    QCOMPARE(popup, QStringList({"mVPC=Panel C&olor", "mV1=-", "mVC=&Copy", "mVP=&Print", "mV3=-",
                                 "mVE=E&xit"}));
    QVERIFY(!printingEnabled());
    QVERIFY(!action("mECopy")->isEnabled());

    // Help: topic 3011.
    QTest::keyClick(screen_, Qt::Key_F1);
    action("mH")->trigger();
    QCOMPARE(env_->desktop.helpTopics(), std::vector<int>({3011, 3011}));

    // The screen fits the offscreen display with room to spare for every control, and the
    // results of the worked example show whole in their labels.
    const QRect panel = screen_->centralPanel()->geometry();
    QVERIFY(screen_->centralWidget()->rect().contains(panel));
    enterWorkedExample();
    clickCalculate();
    for (const char* name : kResultLabels) {
        auto* result = child<QLabel>(name);
        QVERIFY2(!result->text().isEmpty(), name);
        QVERIFY2(result->contentsRect().width() >=
                     result->fontMetrics().horizontalAdvance(result->text()),
                 qPrintable(QString(name) + ": " + result->text()));
    }
}

void HomeCalcTest::typingIntoEachBoxKeepsOnlyWhatItTakes() {
    open();
    type("Text1", "60a0x0.0");
    QCOMPARE(box("Text1")->text(), QString("60000"));
    QCOMPARE(box("Text1")->cursorPosition(), 5);
    type("Text2", "a");
    QCOMPARE(box("Text2")->text(), QString());
    type("Text2", "3-00");
    QCOMPARE(box("Text2")->text(), QString("300"));
    type("Text3", "20 000$");
    QCOMPARE(box("Text3")->text(), QString("20000"));
    type("Text4", "6.2x5/%");
    QCOMPARE(box("Text4")->text(), QString("6.25/"));
    type("Text4", ",");
    QCOMPARE(box("Text4")->text(), QString());
    type("Text5", "9.5");
    QCOMPARE(box("Text5")->text(), QString("95"));

    // A paste keeps whatever ends in a character the box takes; a number too long to read
    // loses its last digits.
    box("Text1")->setText(QStringLiteral("1.5"));
    QCOMPARE(box("Text1")->text(), QString("1.5"));
    box("Text1")->setText(QString(400, QLatin1Char('9')));
    QCOMPARE(box("Text1")->text(), QString(308, QLatin1Char('9')));
    // The longest paste the box takes settles without running out of stack.
    box("Text2")->setText(QString(32767, QLatin1Char('9')));
    QCOMPARE(box("Text2")->text(), QString(308, QLatin1Char('9')));
    box("Text3")->setText(QStringLiteral("12") + QString(32765, QLatin1Char('a')));
    QCOMPARE(box("Text3")->text(), QString("12"));
    QCOMPARE(box("Text3")->cursorPosition(), 2);
    box("Text4")->setText(QStringLiteral("$6.5 %"));
    QCOMPARE(box("Text4")->text(), QString("6.5"));
}

void HomeCalcTest::calculateShowsTheWorkedExample() {
    open();
    enterWorkedExample();
    clickCalculate();
    QCOMPARE(label("Label3"), QString("$184,682.00"));
    QCOMPARE(label("Label6"), QString("$1,400.00"));
    QCOMPARE(label("Label7"), QString("$168,043.00"));
    QCOMPARE(label("Label8"), QString("$16,639.00"));
    QCOMPARE(label("Label9"), QString("$3,361.00"));
    QCOMPARE(label("Label10"), QString("9.01%"));
    QCOMPARE(label("Label16"), QString("Cash Available for Down Payment"));
    QVERIFY(printingEnabled());
    QVERIFY(action("mECopy")->isEnabled());
    QCOMPARE(box("Text5")->text(), QString());
    QCOMPARE(box("Text4")->text(), QString("7"));

    // Nothing of the screen's own is reset when the focus comes back, from a dialog or another
    // program or from another of the program's screens.
    type("Text5", "1200");
    clickCalculate();
    switchAwayAndBack(screen_);
    comeBackFromAnotherScreen(screen_);
    QCOMPARE(box("Text5")->text(), QString("1200"));
    QCOMPARE(label("Label6"), QString("$1,200.00"));
    QCOMPARE(label("Label16"), QString("Limit of Monthly Payment"));
    QVERIFY(printingEnabled());
    type("Text5", "");

    // More cash: the income limits.
    type("Text3", "30000");
    clickCalculate();
    QCOMPARE(label("Label3"), QString("$192,915.00"));
    QCOMPARE(label("Label8"), QString("$26,675.00"));
    QCOMPARE(label("Label10"), QString("13.83%"));
    QCOMPARE(label("Label16"), QString("Gross Amount of Annual Income"));
}

void HomeCalcTest::anyChangeEmptiesTheResultsAndDisablesPrinting_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("key");
    QTest::newRow("income") << "Text1"
                            << "1";
    QTest::newRow("debt") << "Text2"
                          << "1";
    QTest::newRow("cash") << "Text3"
                          << "1";
    QTest::newRow("rate") << "Text4"
                          << ".";
    QTest::newRow("limit") << "Text5"
                           << "9";
    // A refused character is a change too, before the filter takes it out again.
    QTest::newRow("refused") << "Text1"
                             << "x";
}

void HomeCalcTest::anyChangeEmptiesTheResultsAndDisablesPrinting() {
    QFETCH(QString, box);
    QFETCH(QString, key);
    open();
    enterWorkedExample();
    clickCalculate();
    QVERIFY(!resultsEmpty());
    QVERIFY(printingEnabled());
    const QByteArray name = box.toLatin1();
    QLineEdit* edit = this->box(name.constData());
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, key);
    QVERIFY(resultsEmpty());
    QVERIFY(!printingEnabled());
    QVERIFY(!action("mECopy")->isEnabled());
    screen_->editMenu()->aboutToShow();
    QVERIFY(!action("mECopy")->isEnabled());
}

void HomeCalcTest::missingIncomeAsksAndChangesNothing() {
    open();
    type("Text2", "300");
    env_->desktop.expectMessage(kMissingIncome, Answer::Ok);
    clickCalculate();
    QVERIFY(box("Text1")->hasFocus());
    QVERIFY(resultsEmpty());

    // An income of 0 asks the same.
    type("Text1", "0");
    box("Text5")->setFocus();
    env_->desktop.expectMessage(kMissingIncome, Answer::Ok);
    clickCalculate();
    QVERIFY(box("Text1")->hasFocus());
    QVERIFY(resultsEmpty());
    QVERIFY(!printingEnabled());
    QCOMPARE(box("Text4")->text(), QString("7"));
}

void HomeCalcTest::choosingALengthRecalculatesOnlyWithAnIncome() {
    open();
    // No income: the choice only disables printing.
    chooseLength(1);
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString("15"));
    QVERIFY(resultsEmpty());
    chooseLength(0);

    enterWorkedExample();
    QVERIFY(resultsEmpty());
    chooseLength(1);
    QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString("15"));
    QCOMPARE(label("Label3"), QString("$149,201.00"));
    QCOMPARE(label("Label7"), QString("$131,838.00"));
    QCOMPARE(label("Label10"), QString("11.64%"));
    QCOMPARE(label("Label16"), QString("Gross Amount of Annual Income"));
    QVERIFY(printingEnabled());

    // Back to 30 years: the new results replace the old ones at once.
    chooseLength(0);
    QCOMPARE(label("Label3"), QString("$184,682.00"));
    QVERIFY(printingEnabled());

    // An income below 1 still asks for it.
    type("Text1", "0");
    env_->desktop.expectMessage(kMissingIncome, Answer::Ok);
    box("Text1")->setText(QStringLiteral("0.5"));
    chooseLength(1);
    QVERIFY(!printingEnabled());
}

void HomeCalcTest::ownLimitBelowOrAboveTheAffordablePayment() {
    open();
    enterWorkedExample();
    // A pasted limit the box cannot read whole is cut to the number it shows, and used.
    box("Text5")->setFocus();
    box("Text5")->insert(QStringLiteral("$900.75 per month"));
    QCOMPARE(box("Text5")->text(), QString("900"));
    clickCalculate();
    QCOMPARE(label("Label6"), QString("$900.00"));
    QCOMPARE(label("Label3"), QString("$124,584.00"));
    QCOMPARE(label("Label16"), QString("Limit of Monthly Payment"));
    QCOMPARE(box("Text5")->text(), QString("900"));
    QVERIFY(printingEnabled());

    // A limit above what the income allows is replaced by the affordable payment, and the
    // results of that payment are shown.
    type("Text5", "5000");
    clickCalculate();
    QCOMPARE(box("Text5")->text(), QString("1400"));
    QCOMPARE(label("Label6"), QString("$1,400.00"));
    QCOMPARE(label("Label3"), QString("$184,682.00"));
    QCOMPARE(label("Label16"), QString("Cash Available for Down Payment"));
    QVERIFY(printingEnabled());
    QVERIFY(action("mECopy")->isEnabled());
}

void HomeCalcTest::emptyOrZeroRateBecomesHalfAPercent() {
    open();
    enterWorkedExample();
    for (const QString& rate :
         {QStringLiteral("0"), QString(), QStringLiteral("."), QStringLiteral("0.00")}) {
        type("Text4", rate);
        clickCalculate();
        QCOMPARE(box("Text4")->text(), QString("0.5"));
        QCOMPARE(label("Label3"), QString("$284,006.00"));
        QCOMPARE(label("Label6"), QString("$1,400.00"));
        // Writing the rate back does not take printing away from a good result.
        QVERIFY(printingEnabled());
    }
}

void HomeCalcTest::debtsAboveTheRatioGiveNegativeResultsThatDoNotPrint() {
    open();
    enterWorkedExample();
    type("Text2", "2000");
    clickCalculate();
    QCOMPARE(label("Label6"), QString("($200.00)"));
    QCOMPARE(label("Label7"), QString("($28,409.00)"));
    QCOMPARE(label("Label9"), QString("($568.00)"));
    QCOMPARE(label("Label8"), QString("$20,568.00"));
    QCOMPARE(label("Label3"), QString("($7,841.00)"));
    QCOMPARE(label("Label16"), QString("Minimum Monthly Debt"));
    QVERIFY(!printingEnabled());
    // The results can still be copied.
    QVERIFY(action("mECopy")->isEnabled());
}

void HomeCalcTest::popupFollowsTheResultsShown() {
    open();
    openPopup();
    QVERIFY(!action("mVC")->isEnabled());
    QVERIFY(!action("mVP")->isEnabled());
    QVERIFY(action("mVPC")->isEnabled());
    QVERIFY(action("mVE")->isEnabled());
    screen_->popupMenu()->hide();

    // With results shown, Copy and Print are offered, even for results that the Print Options
    // button does not print.
    enterWorkedExample();
    type("Text2", "2000");
    clickCalculate();
    openPopup();
    QVERIFY(action("mVC")->isEnabled());
    QVERIFY(action("mVP")->isEnabled());
    env_->desktop.expectMessage(kCopied, Answer::Ok);
    action("mVC")->trigger();
    screen_->popupMenu()->hide();
    QVERIFY(QString::fromStdString(env_->desktop.clipboardText())
                .endsWith("Limiting Factor:\tMinimum Monthly Debt"));
    action("mVP")->trigger();
    QVERIFY(screen_->printPanel()->isShown());
}

void HomeCalcTest::copyPutsTheReportLineByLine() {
    open();
    enterWorkedExample();
    type("Text5", "900");
    type("Text5", "");
    clickCalculate();
    env_->desktop.expectMessage(kCopied, Answer::Ok);
    action("mECopy")->trigger();
    const QString text = QString::fromStdString(env_->desktop.clipboardText());
    // Lines end in CRLF, or in LFCR after the date, the input heading, the rate, the results
    // heading and the down payment share; the last one ends in nothing.
    const QStringList expected = {
        "Home Calculator Results\r\n",
        "As of  Saturday, September 30, 2006\n\r",
        "Input Section\n\r",
        "Estimated Gross (pre-tax) Annual Income from all possible sources:\t$60,000.00\r\n",
        "Minimum Monthly Debt for Credit Cards, Loans, Alimony, etc..            \t$300.00\r\n",
        "Cash available for down payment and other fees:                               "
        "\t$20,000.00\r\n",
        "Loan Length in Years:\t30\r\n",
        "Fixed Interest Rate:          \t7.00%\n\r",
        "Calculation Results\n\r",
        "Approximate Amount of Home You Can Afford:\t$184,682.00\r\n",
        "Approx. Monthly Loan Payment + Taxes + Ins.:\t$1,400.00\r\n",
        "Approximate Amount of Loan:                         \t$168,043.00\r\n",
        "Amount of Down Payment:                              \t$16,639.00\r\n",
        "Estimated Closing Costs:                              \t$3,361.00\r\n",
        "Down Payment Percent (%):                              \t9.01%\n\r",
        "Limiting Factor:\tCash Available for Down Payment",
    };
    QCOMPARE(text, expected.join(QString()));
    QCOMPARE(env_->desktop.clipboardTextCount(), 1);

    // The Edit menu offers Copy only while results are shown.
    screen_->editMenu()->aboutToShow();
    QVERIFY(action("mECopy")->isEnabled());
}

void HomeCalcTest::printOptionsShowsTheReportWithAndWithoutALimit() {
    open();
    enterWorkedExample();
    clickCalculate();
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    print::PrintPanel* panel = screen_->printPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->objectName(), QString("SSPanel80"));
    QVERIFY(panel->findChild<QLabel*>(QStringLiteral("Labe5")) != nullptr);
    const auto& pages = panel->document().pages();
    QCOMPARE(static_cast<int>(pages.size()), 1);
    const std::vector<std::string> texts = print::pageTexts(pages[0]);
    const std::vector<std::string> expected = {
        "Home Calculator Results",
        "Input Section",
        "Estimated Gross (pre-tax) Annual Income:  $60,000.00",
        "Minimum  Monthly  Debt  Payments:  $300.00",
        "Cash available for down Payment:  $20,000.00",
        "Length of Loan in Years:  30",
        "Loan Interest Rate:  7%",
        "Calculation Results",
        "Approximate Amount of Home You Can Afford:  $184,682.00",
        "Approximate Monthly Loan Payment + Taxes + Ins.:  $1,400.00",
        "Approximate Amount of Loan:  $168,043.00",
        "Amount of Down Payment:  $16,639.00",
        "Estimated Closing Costs:  $3,361.00",
        "Down Payment Percent (%):  9.01%",
        "Limiting Factor:  Cash Available for Down Payment",
        "Coinwell",
        "Printed on 9/30/2006",
    };
    QCOMPARE(texts, expected);

    // The panel's keys: F1 gives its topic, Esc closes it, then the screen's topic again.
    QTest::keyClick(screen_, Qt::Key_F1);
    QCOMPARE(env_->desktop.helpTopics().back(), 1014);
    QTest::keyClick(screen_, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QVERIFY(screen_->isVisible());
    QTest::keyClick(screen_, Qt::Key_F1);
    QCOMPARE(env_->desktop.helpTopics().back(), 3011);

    // With a limit of 900 the limit line follows the rate.
    type("Text5", "900");
    clickCalculate();
    action("mOPrt")->trigger();
    const std::vector<std::string> limited = print::pageTexts(panel->document().pages()[0]);
    QCOMPARE(limited.size(), expected.size() + 1);
    QCOMPARE(limited[6], std::string("Loan Interest Rate:  7%"));
    QCOMPARE(limited[7], std::string("Limit on Monthly Mortgage Payment:  $900.00"));
    QCOMPARE(limited[9], std::string("Approximate Amount of Home You Can Afford:  $124,584.00"));

    // A new font rebuilds the same report in it.
    FontChoice courier;
    courier.family = "Courier New";
    courier.pointSize = 10;
    env_->desktop.expectFont(std::nullopt, courier);
    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("SSCommand80(0)")),
                      Qt::LeftButton);
    const auto& title = std::get<print::TextItem>(panel->document().pages()[0].items.front());
    QCOMPARE(title.font.name, std::string("Courier New"));
    QCOMPARE(title.font.size, 10.0);
    QCOMPARE(print::pageTexts(panel->document().pages()[0]), limited);
}

void HomeCalcTest::printedToAPdfFile() {
    open();
    enterWorkedExample();
    clickCalculate();
    action("mOPrt")->trigger();
    const QString file = env_->folder.qPath() + "/home.pdf";
    env_->desktop.expectPrinter(true, [file](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    });
    QTest::mouseClick(
        screen_->printPanel()->findChild<QPushButton*>(QStringLiteral("SSCommand80(4)")),
        Qt::LeftButton);
    QCOMPARE(pdfPageCount(file), 1);
    const QString shots = qEnvironmentVariable("COINWELL_SHOT_DIR");
    if (!shots.isEmpty()) {
        screen_->grab().save(shots + "/home_calc_print.png");
        QFile::copy(file, shots + "/home_calc.pdf");
    }
}

void HomeCalcTest::rateIsKeptByExitOnly_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("kept");
    QTest::newRow("cmdExit") << "cmdExit" << true;
    QTest::newRow("mOE") << "mOE" << true;
    QTest::newRow("mVE") << "mVE" << true;
    QTest::newRow("Esc") << "Esc" << true;
    QTest::newRow("close box") << "close" << false;
}

void HomeCalcTest::rateIsKeptByExitOnly() {
    QFETCH(QString, route);
    QFETCH(bool, kept);
    open();
    type("Text4", "6.25");
    if (route == "cmdExit") {
        QTest::mouseClick(child<QPushButton>("cmdExit"), Qt::LeftButton);
    } else if (route == "mOE" || route == "mVE") {
        action(route.toLatin1().constData())->trigger();
    } else if (route == "Esc") {
        QTest::keyClick(screen_, Qt::Key_Escape);
    } else {
        screen_->close();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(screen_.isNull());
    QVERIFY(main_->isVisible());

    open();
    QCOMPARE(box("Text4")->text(), kept ? QString("6.25") : QString("7"));
    if (kept) {
        // Kept in the program's own record, where the Loan Calculator's guide lines are not.
        QCOMPARE(readHomeCalculatorRate(), RecordVariant(std::string("6.25")));
        QCOMPARE(readGuideLines(GuideLinesScreen::Loan), std::string());
    }

    // A rate of 7 (or an emptied box) leaves the initial 7 at the next opening.
    type("Text4", "");
    QTest::mouseClick(child<QPushButton>("cmdExit"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    open();
    QCOMPARE(box("Text4")->text(), QString("7"));
}

void HomeCalcTest::rateWrittenByOlderVersionsIsTakenUp() {
    // A rate the suite's older programs left as a variant in GColor3.Fil record 20.
    QVERIFY(openSettingsFile(kGColor3File).writeVariant(20, RecordVariant(std::string("5.75"))));
    open();
    QCOMPARE(box("Text4")->text(), QString("5.75"));
    screen_->closeQuietly();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The Loan Calculator's guide-lines text there is no rate.
    QVERIFY(writeGuideLines(GuideLinesScreen::Loan, "1"));
    open();
    QCOMPARE(box("Text4")->text(), QString("7"));
}

void HomeCalcTest::panelColorIsAskedAboutOnClosing() {
    open();
    env_->desktop.expectMessage(kPanelColorQuestion, Answer::Yes);
    env_->desktop.expectColor(std::nullopt, ColorNumber{0x00FF00});
    action("mVPC")->trigger();
    QCOMPARE(screen_->panelColor(), QColor(Qt::green));
    // The print options panel takes the colour too.
    QCOMPARE(screen_->printPanel()->palette().color(QPalette::Window), QColor(Qt::green));

    // No keeps the stored colour; the rate is still kept by Exit.
    type("Text4", "8");
    env_->desktop.expectMessage(kColorChanges, Answer::No);
    QTest::mouseClick(child<QPushButton>("cmdExit"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(readPanelColor(PanelColorScreen::HomeCalculator), std::string());
    QCOMPARE(readHomeCalculatorRate(), RecordVariant(std::string("8")));

    // Yes stores it in the screen's record.
    open();
    env_->desktop.expectMessage(kPanelColorQuestion, Answer::Yes);
    env_->desktop.expectColor(std::nullopt, ColorNumber{0x0000FF});
    action("mOC")->trigger();
    env_->desktop.expectMessage(kColorChanges, Answer::Yes);
    env_->desktop.expectMessage({"Save Panel Color Changes for ALL of the Program Functions?",
                                 "Complete Program Panel Color Update Option",
                                 MessageIcon::Question, MessageButtons::YesNoCancel, Answer::No},
                                Answer::No);
    screen_->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(readPanelColor(PanelColorScreen::HomeCalculator), std::string("255"));
}

QTEST_MAIN(HomeCalcTest)
#include "home_calc_qtest.moc"
