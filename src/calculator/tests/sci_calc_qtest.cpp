// The Calculator screen driven through its real keys, the keyboard and the right-click menu,
// with every question answered by the scripted desktop.

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "calculator/ui/sci_calc.h"
#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/screen_test_environment.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/temporary_program_folder.h"
#include "common/tests/support/window_switch.h"

using namespace coinwell;

namespace {

MessageRequest errorBox(const std::string& text) {
    return {text, "Error", MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

}  // namespace

class SciCalcTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void everyKeyLabelAndListIsThere();
    void keysComputeAndTheFocusGoesToEquals();
    void keyboardMainKeysAndNumericPad();
    void stackShowsOpenParentheses();
    void parenthesesGroupWhatTheyEnclose();
    void failedOperationAsksNothingElseAndClears();
    void functionsShiftsAndDegrees();
    void memoriesFollowTheSelectedEntry();
    void displayFormatAndExponentPrompts();
    void rightClickOpensTheOptionsMenuOnlyWhereItShould();
    void focusComingBackIsNoActivation();
    void helpAndExit();

  private:
    QPushButton* key(const char* name) const;
    void click(const char* name);
    void clickKeys(const QString& captions);
    QString display() const;

    std::unique_ptr<ScreenTestEnvironment> env_;
    std::unique_ptr<QMainWindow> main_;
    QPointer<SciCalc> screen_;
};

void SciCalcTest::init() {
    env_ = std::make_unique<ScreenTestEnvironment>();
    QVERIFY(env_->folder.isValid());
    env_->settings.displayMode = DisplayMode::Smaller;
    main_ = std::make_unique<QMainWindow>();
    main_->setGeometry(0, 0, 800, 600);
    main_->show();
    screen_ = static_cast<SciCalc*>(createSciCalc(env_->context, main_.get()));
    screen_->present();
    enterScreen(screen_);
}

void SciCalcTest::cleanup() {
    if (screen_) {
        screen_->closeQuietly();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    COINWELL_VERIFY_WATCHDOG(env_->watchdog);
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    main_.reset();
    env_.reset();
}

QPushButton* SciCalcTest::key(const char* name) const {
    auto* button = screen_->findChild<QPushButton*>(QLatin1String(name));
    if (!button) {
        qWarning("no key %s", name);
    }
    return button;
}

void SciCalcTest::click(const char* name) {
    QPushButton* button = key(name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks the keys named by their captions, blank-separated; a number is clicked digit by digit.
void SciCalcTest::clickKeys(const QString& captions) {
    const std::pair<const char*, const char*> names[] = {
        {"+", "AddBtn"},     {"-", "SubBtn"},       {"x", "MulBtn"},        {"/", "DivBtn"},
        {"=", "EqualBtn"},   {"(", "OpenParenBtn"}, {")", "CloseParenBtn"}, {"Y^X", "PowerBtn"},
        {"SQRT", "SqrtBtn"}, {"CLX", "ClxBtn"}};
    for (const QString& caption : captions.split(' ', Qt::SkipEmptyParts)) {
        const auto named = std::find_if(std::begin(names), std::end(names), [&](const auto& n) {
            return caption == QLatin1String(n.first);
        });
        if (named != std::end(names)) {
            click(named->second);
            continue;
        }
        for (QChar c : caption) {
            QVERIFY2(c.isDigit(), qPrintable("no key " + caption));
            click(qPrintable(QStringLiteral("DigitBtn(%1)").arg(c)));
        }
    }
}

QString SciCalcTest::display() const {
    return screen_->findChild<QLineEdit*>(QStringLiteral("DspBox"))->text();
}

void SciCalcTest::everyKeyLabelAndListIsThere() {
    QCOMPARE(screen_->objectName(), QStringLiteral("SciCalc"));
    QCOMPARE(screen_->windowTitle(), QStringLiteral("Calculator"));
    QCOMPARE(screen_->centralPanel()->objectName(), QStringLiteral("SSPanel2"));

    const std::pair<const char*, const char*> keys[] = {{"DecimalBtn", "."},
                                                        {"ChsBtn", "+/-"},
                                                        {"AddBtn", "+"},
                                                        {"SubBtn", "-"},
                                                        {"MulBtn", "x"},
                                                        {"DivBtn", "/"},
                                                        {"PowerBtn", "Y^X"},
                                                        {"EqualBtn", "="},
                                                        {"OpenParenBtn", "((...("},
                                                        {"CloseParenBtn", ")...))"},
                                                        {"ClxBtn", "CLX"},
                                                        {"OffBtn", "E&XIT"},
                                                        {"SinBtn", "SIN"},
                                                        {"CosBtn", "COS"},
                                                        {"TanBtn", "TAN"},
                                                        {"SqrtBtn", "SQRT"},
                                                        {"CubeRootBtn", "X^1/3"},
                                                        {"LnBtn", "LN"},
                                                        {"LogBtn", "LOG"},
                                                        {"ReciprocalBtn", "1/X"},
                                                        {"InvBtn", "INV"},
                                                        {"HypBtn", "HYP"},
                                                        {"PiBtn", "Pi"},
                                                        {"StoBtn", "STO"},
                                                        {"StoPlusBtn", "STO+"},
                                                        {"RclBtn", "RCL"},
                                                        {"ClrBtn", "CLR"},
                                                        {"ClearAllBtn", "Clear All"},
                                                        {"DspBtn", "DSP"},
                                                        {"EexBtn", "EEX"}};
    for (const auto& [name, caption] : keys) {
        QPushButton* button = key(name);
        QVERIFY2(button, name);
        QCOMPARE(button->text(), QLatin1String(caption));
        QVERIFY2(button->isVisibleTo(screen_), name);
    }
    for (int d = 0; d < 10; ++d) {
        auto* digit = screen_->findChild<QPushButton*>(QStringLiteral("DigitBtn(%1)").arg(d));
        QVERIFY(digit);
        QCOMPARE(digit->text(), QString::number(d));
    }
    const std::pair<const char*, const char*> labels[] = {
        {"InputLbl", "Input"},    {"StackLbl", "Stack"},    {"SinLbl", "hyp/arcsin"},
        {"CosLbl", "hyp/arccos"}, {"TanLbl", "hyp/arctan"}, {"SqrtLbl", "X^2"},
        {"CubeRootLbl", "X^3"},   {"LnLbl", "e^X"},         {"LogLbl", "10^X"},
        {"ReciprocalLbl", "Abs"}, {"PowerLbl", "Y^1/X"}};
    for (const auto& [name, caption] : labels) {
        auto* label = screen_->findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QLatin1String(caption));
    }
    auto* degrees = screen_->findChild<QCheckBox*>(QStringLiteral("DegreesChk"));
    QVERIFY(degrees);
    QCOMPARE(degrees->text(), QStringLiteral("Degrees"));
    QVERIFY(!degrees->isChecked());
    auto* frame = screen_->findChild<QGroupBox*>(QStringLiteral("MemFrm"));
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral(" Memory "));
    auto* memories = frame->findChild<QListWidget*>(QStringLiteral("MemLst"));
    QVERIFY(memories);
    QCOMPARE(memories->count(), 100);
    QCOMPARE(memories->item(0)->text(), QStringLiteral("001 : 0"));
    QCOMPARE(memories->item(99)->text(), QStringLiteral("100 : 0"));
    QVERIFY(memories->selectedItems().isEmpty());
    // The list shows whole lines: none is cut off at the bottom.
    const int rowHeight = memories->visualItemRect(memories->item(0)).height();
    QVERIFY(rowHeight > 0);
    QCOMPARE(memories->viewport()->height() % rowHeight, 0);
    QVERIFY(memories->viewport()->height() / rowHeight >= 8);
    // Still whole lines after the window grows by a ratio that does not divide a line evenly:
    // any screenful of lines fills the list exactly.
    const int rowsShown = memories->viewport()->height() / rowHeight;
    screen_->resize(screen_->size() + screen_->backgroundArea()->size() * 0.37);
    QApplication::processEvents();
    for (int top : {0, 3, 50}) {
        int sum = 0;
        for (int i = top; i < top + rowsShown; ++i) {
            sum += memories->visualItemRect(memories->item(i)).height();
        }
        QCOMPARE(sum, memories->viewport()->height());
    }
    QVERIFY(screen_->findChild<QListWidget*>(QStringLiteral("StackLst")));
    QCOMPARE(display(), QString());

    // Every key lies inside the central panel and no two overlap.
    const QRect panel = screen_->centralPanel()->rect();
    const QList<QPushButton*> all = screen_->centralPanel()->findChildren<QPushButton*>();
    QCOMPARE(all.size(), 40);
    for (QPushButton* a : all) {
        const QRect ra(a->mapTo(screen_->centralPanel(), QPoint(0, 0)), a->size());
        QVERIFY2(panel.contains(ra), qPrintable(a->objectName()));
        for (QPushButton* b : all) {
            const QRect rb(b->mapTo(screen_->centralPanel(), QPoint(0, 0)), b->size());
            QVERIFY2(a == b || !ra.intersects(rb),
                     qPrintable(a->objectName() + " overlaps " + b->objectName()));
        }
    }
}

void SciCalcTest::keysComputeAndTheFocusGoesToEquals() {
    click("DigitBtn(7)");
    QCOMPARE(QApplication::focusWidget(), key("EqualBtn"));
    click("AddBtn");
    QCOMPARE(QApplication::focusWidget(), key("EqualBtn"));
    click("DigitBtn(8)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Enter acts as "="
    QCOMPARE(display(), QStringLiteral("15"));

    click("DigitBtn(1)");
    click("DivBtn");
    click("DigitBtn(3)");
    click("EqualBtn");
    QCOMPARE(display(), QStringLiteral("0.333333333333333"));

    click("DigitBtn(2)");
    click("AddBtn");
    click("DigitBtn(3)");
    click("MulBtn");
    QCOMPARE(display(), QStringLiteral("5"));
    click("DigitBtn(4)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(display(), QStringLiteral("20"));

    click("DigitBtn(1)");
    click("DigitBtn(2)");
    click("ChsBtn");
    QCOMPARE(display(), QStringLiteral("-12"));
    click("DecimalBtn");
    click("DigitBtn(5)");
    QCOMPARE(display(), QStringLiteral("-12.5"));
    click("ClxBtn");
    QCOMPARE(display(), QString());
    click("AddBtn");  // nothing to add to
    QCOMPARE(screen_->engine().state().pendingOperator, std::string(" "));
}

void SciCalcTest::keyboardMainKeysAndNumericPad() {
    QWidget* target = key("EqualBtn");
    target->setFocus();
    QTest::keyClicks(target, "12");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Asterisk, Qt::ShiftModifier);  // Shift+8
    QCOMPARE(QApplication::focusWidget(), key("MulBtn"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), key("EqualBtn"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(display(), QStringLiteral("36"));

    // x key, "/" and "-" of the main keyboard, numeric-pad "+", "=" of the main keyboard.
    QTest::keyClicks(QApplication::focusWidget(), "6x7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal);
    QCOMPARE(display(), QStringLiteral("42"));
    QTest::keyClicks(QApplication::focusWidget(), "/2");
    QCOMPARE(screen_->engine().state().pendingOperator, std::string("/"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus);
    QCOMPARE(QApplication::focusWidget(), key("SubBtn"));
    QCOMPARE(display(), QStringLiteral("21"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), key("AddBtn"));
    QCOMPARE(display(), QStringLiteral("20"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Period);
    QCOMPARE(QApplication::focusWidget(), key("DecimalBtn"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal);
    QCOMPARE(display(), QStringLiteral("20.5"));

    // Shift with a digit of the main keyboard still types the digit; Shift+"=" adds.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Exclam, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_ParenRight, Qt::ShiftModifier);
    QCOMPARE(display(), QStringLiteral("10"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(display(), QStringLiteral("15"));

    // The form sees the keys first, whichever control has the focus.
    auto* memories = screen_->findChild<QListWidget*>(QStringLiteral("MemLst"));
    memories->setFocus();
    QTest::keyClicks(memories, "9");
    QCOMPARE(display(), QStringLiteral("9"));
    QVERIFY(memories->selectedItems().isEmpty());
}

void SciCalcTest::stackShowsOpenParentheses() {
    auto* stack = screen_->findChild<QListWidget*>(QStringLiteral("StackLst"));
    click("DigitBtn(2)");
    click("PowerBtn");
    click("OpenParenBtn");
    click("DigitBtn(1)");
    click("AddBtn");
    click("DigitBtn(2)");
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->item(0)->text(), QStringLiteral("Y^X"));
    QCOMPARE(stack->item(1)->text(), QStringLiteral("2"));
    click("CloseParenBtn");
    QCOMPARE(display(), QStringLiteral("8"));
    QCOMPARE(stack->count(), 0);

    click("DigitBtn(2)");
    click("MulBtn");
    click("OpenParenBtn");
    click("DigitBtn(9)");
    click("SqrtBtn");
    QCOMPARE(stack->count(), 2);
    click("EqualBtn");  // "=" closes the parenthesis
    QCOMPARE(display(), QStringLiteral("6"));
    QCOMPARE(stack->count(), 0);
}

void SciCalcTest::parenthesesGroupWhatTheyEnclose() {
    auto* stack = screen_->findChild<QListWidget*>(QStringLiteral("StackLst"));
    const std::pair<const char*, const char*> answers[] = {
        {"2 x ( 3 + 4 ) =", "14"},         {"2 + 3 x ( 4 + 5 ) =", "45"},
        {"( 1 + 2 ) x ( 3 + 4 ) =", "21"}, {"2 x ( 3 + 4 x ( 5 - 1 ) ) =", "56"},
        {"2 - ( ( 3 + 4 ) - 5 ) =", "0"},  {"2 + 3 x 4 =", "20"}};
    for (const auto& [keys, shown] : answers) {
        clickKeys(QStringLiteral("CLX ") + QLatin1String(keys));
        QVERIFY2(display() == QLatin1String(shown), keys);
        QCOMPARE(stack->count(), 0);
    }

    // A group opened first inside another shows as "+" over "0" on the stack.
    clickKeys("1 + ( (");
    QCOMPARE(stack->count(), 4);
    QCOMPARE(stack->item(0)->text(), QStringLiteral("+"));
    QCOMPARE(stack->item(1)->text(), QStringLiteral("0"));
    clickKeys("2 + 3 ) x 4 ) =");
    QCOMPARE(display(), QStringLiteral("21"));
}

void SciCalcTest::failedOperationAsksNothingElseAndClears() {
    auto* stack = screen_->findChild<QListWidget*>(QStringLiteral("StackLst"));
    click("DigitBtn(3)");
    click("PowerBtn");
    click("OpenParenBtn");
    click("DigitBtn(5)");
    click("DivBtn");
    click("DigitBtn(0)");
    QCOMPARE(stack->count(), 2);
    env_->desktop.expectMessage(errorBox("Error in / operation"), Answer::Ok);
    click("EqualBtn");
    QCOMPARE(display(), QString());
    QCOMPARE(stack->count(), 0);

    env_->desktop.expectMessage(errorBox("Error in SQRT function"), Answer::Ok);
    click("DigitBtn(4)");
    click("ChsBtn");
    click("SqrtBtn");
    QCOMPARE(display(), QString());
}

void SciCalcTest::functionsShiftsAndDegrees() {
    click("DigitBtn(9)");
    click("InvBtn");
    click("SqrtBtn");
    QCOMPARE(display(), QStringLiteral("81"));
    click("DigitBtn(2)");
    click("InvBtn");
    click("LogBtn");
    QCOMPARE(display(), QStringLiteral("100"));
    click("PiBtn");
    click("SinBtn");
    QCOMPARE(display(), QStringLiteral("1.22464679914735E-16"));

    auto* degrees = screen_->findChild<QCheckBox*>(QStringLiteral("DegreesChk"));
    QTest::mouseClick(degrees, Qt::LeftButton, {}, QPoint(8, degrees->height() / 2));
    QVERIFY(degrees->isChecked());
    click("DigitBtn(3)");
    click("DigitBtn(0)");
    click("SinBtn");
    QCOMPARE(display(), QStringLiteral("0.5"));
    click("DecimalBtn");
    click("DigitBtn(5)");
    click("InvBtn");
    click("SinBtn");
    QCOMPARE(display(), QStringLiteral("30"));
    click("DigitBtn(1)");
    click("HypBtn");
    click("InvBtn");
    env_->desktop.expectMessage(errorBox("Error in ARCTANH function"), Answer::Ok);
    click("TanBtn");
    QTest::mouseClick(degrees, Qt::LeftButton, {}, QPoint(8, degrees->height() / 2));
    click("DigitBtn(2)");
    click("DigitBtn(0)");
    click("DigitBtn(0)");
    click("CubeRootBtn");  // radians again: 200 to the third is not affected anyway
    click("InvBtn");
    click("CubeRootBtn");
    QCOMPARE(display(), QStringLiteral("200"));
    click("DigitBtn(1)");
    click("DigitBtn(8)");
    click("DigitBtn(0)");
    click("CosBtn");
    QCOMPARE(display(), QStringLiteral("-0.598460069057858"));  // bc -l: c(180)
}

void SciCalcTest::memoriesFollowTheSelectedEntry() {
    auto* memories = screen_->findChild<QListWidget*>(QStringLiteral("MemLst"));
    click("DigitBtn(5)");
    click("StoBtn");
    QCOMPARE(memories->item(0)->text(), QStringLiteral("001 : 5"));
    click("DigitBtn(3)");
    click("StoPlusBtn");
    QCOMPARE(memories->item(0)->text(), QStringLiteral("001 : 8"));
    click("ClrBtn");  // nothing selected: nothing cleared
    QCOMPARE(memories->item(0)->text(), QStringLiteral("001 : 8"));

    QTest::mouseClick(memories->viewport(), Qt::LeftButton, {},
                      memories->visualItemRect(memories->item(2)).center());
    QCOMPARE(memories->selectedItems().size(), 1);
    click("DigitBtn(2)");
    click("DecimalBtn");
    click("DigitBtn(5)");
    click("StoBtn");
    QCOMPARE(memories->item(2)->text(), QStringLiteral("003 : 2.5"));
    QCOMPARE(memories->selectedItems().size(), 1);  // the selection stays
    click("ClxBtn");
    click("RclBtn");
    QCOMPARE(display(), QStringLiteral("2.5"));
    click("ClrBtn");
    QCOMPARE(memories->item(2)->text(), QStringLiteral("003 : 0"));
    click("ClearAllBtn");
    QCOMPARE(memories->item(0)->text(), QStringLiteral("001 : 0"));
    QVERIFY(memories->selectedItems().isEmpty());
    click("RclBtn");
    QCOMPARE(display(), QStringLiteral("0"));
}

void SciCalcTest::displayFormatAndExponentPrompts() {
    env_->desktop.expectInput({"Enter display format", "Input", ""}, "0.00\\");
    env_->desktop.expectMessage(
        {"Bad format string", "Error!", MessageIcon::Information, MessageButtons::Ok, Answer::Ok},
        Answer::Ok);
    env_->desktop.expectInput({"Enter display format", "Input", "0.00\\"}, "0.00");
    click("DspBtn");
    click("DigitBtn(1)");
    click("DivBtn");
    click("DigitBtn(3)");
    click("EqualBtn");
    QCOMPARE(display(), QStringLiteral("0.33"));

    click("DigitBtn(1)");
    click("DecimalBtn");
    click("DigitBtn(5)");
    env_->desktop.expectInput({"Enter exponent ", "Input", "D+000"}, "D+003");
    click("EexBtn");
    QCOMPARE(display(), QStringLiteral("1.5D+003"));
    click("EexBtn");  // already has an exponent: nothing asked
    click("AddBtn");
    click("DigitBtn(2)");
    click("EqualBtn");
    QCOMPARE(display(), QStringLiteral("1502.00"));
    click("EexBtn");  // just after "=": nothing asked
}

void SciCalcTest::rightClickOpensTheOptionsMenuOnlyWhereItShould() {
    QMenu* popup = screen_->popupMenu();
    QVERIFY(popup);
    QCOMPARE(popup, screen_->optionsMenu());
    auto rightClick = [](QWidget* widget) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, widget->rect().center(),
                                widget->mapToGlobal(widget->rect().center()));
        QApplication::sendEvent(widget, &event);
    };
    const char* silent[] = {"SinBtn", "EqualBtn", "StoBtn", "OffBtn"};
    for (const char* name : silent) {
        rightClick(key(name));
        QVERIFY2(!popup->isVisible(), name);
    }
    rightClick(screen_->findChild<QListWidget*>(QStringLiteral("MemLst"))->viewport());
    QVERIFY(!popup->isVisible());
    rightClick(screen_->findChild<QListWidget*>(QStringLiteral("StackLst"))->viewport());
    QVERIFY(!popup->isVisible());
    rightClick(screen_->findChild<QLabel*>(QStringLiteral("SinLbl")));
    QTRY_VERIFY(popup->isVisible());
    popup->hide();
    rightClick(key("DigitBtn(4)"));
    QTRY_VERIFY(popup->isVisible());
    popup->hide();
    rightClick(screen_->centralPanel());
    QTRY_VERIFY(popup->isVisible());
    popup->hide();
}

void SciCalcTest::focusComingBackIsNoActivation() {
    // 2 x ( 3 + 4 ) =, with a visit to another program (or a dialog) in the middle: the chain is
    // not broken by the focus coming back.
    for (const char* name : {"DigitBtn(2)", "MulBtn", "OpenParenBtn", "DigitBtn(3)"}) {
        click(name);
    }
    switchAwayAndBack(screen_);
    QVERIFY(screen_->engine().state().chainPending);
    for (const char* name : {"AddBtn", "DigitBtn(4)", "CloseParenBtn", "EqualBtn"}) {
        click(name);
    }
    QCOMPARE(display(), QStringLiteral("14"));

    // Coming from another of the program's screens is an activation: the chain ends.
    click("DigitBtn(2)");
    click("AddBtn");
    QVERIFY(screen_->engine().state().chainPending);
    comeBackFromAnotherScreen(screen_);
    QVERIFY(!screen_->engine().state().chainPending);
}

void SciCalcTest::helpAndExit() {
    QTest::keyClick(screen_, Qt::Key_F1);
    QCOMPARE(env_->desktop.helpTopics(), std::vector<int>{3010});
    screen_->helpAction()->trigger();
    QCOMPARE(env_->desktop.helpTopics(), (std::vector<int>{3010, 3010}));

    // An arithmetic chain ends when the screen is activated again.
    click("DigitBtn(2)");
    click("AddBtn");
    QVERIFY(screen_->engine().state().chainPending);
    screen_->activate();
    QVERIFY(!screen_->engine().state().chainPending);

    // Esc is no key of the calculator: it neither closes the screen nor touches the display.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(screen_);
    QVERIFY(screen_->isVisible());
    QCOMPARE(display(), QStringLiteral("2"));

    QVERIFY(!main_->isVisible());
    click("OffBtn");
    QTRY_VERIFY(screen_.isNull());
    QVERIFY(main_->isVisible());
}

QTEST_MAIN(SciCalcTest)
#include "sci_calc_qtest.moc"
