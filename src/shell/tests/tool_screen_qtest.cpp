// The tool-screen frame: opening over the main screen and returning to it, the panel colour from
// its record and the Panel Color flow, the closing question, keys and the right-click menu.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTest>

#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/screen_test_environment.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/temporary_program_folder.h"
#include "common/ui/colors.h"
#include "shell/core/shell_settings.h"
#include "shell/ui/tool_registry.h"
#include "shell/ui/tool_screen.h"

using namespace coinwell;

#define VERIFY_DESKTOP(desktop) QVERIFY2((desktop).done(), qPrintable((desktop).verifyDone()))

namespace {

const MessageRequest kPanelColorQuestion{
    "Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will "
    "appear.\rNo = Current System Default Color will be selected.",
    "Panel Color", MessageIcon::Information, MessageButtons::YesNoCancel, Answer::Yes};

MessageRequest colorChanges(const std::string& text) {
    return {text, "Color Changes", MessageIcon::Question, MessageButtons::YesNo, Answer::Yes};
}

const MessageRequest kAllScreensQuestion{
    "Save Panel Color Changes for ALL of the Program Functions?",
    "Complete Program Panel Color Update Option", MessageIcon::Question,
    MessageButtons::YesNoCancel, Answer::No};

// A screen with a print options panel that can be shown, as the printing screens have.
class PrintingScreen : public ToolScreen {
  public:
    using ToolScreen::ToolScreen;
    bool panelShown = false;
    int copies = 0;
    QColor lastColor;
    bool* closedByCommand = nullptr;  // how the screen was left

  protected:
    bool printPanelShown() const override { return panelShown; }
    bool confirmClose() override {
        if (closedByCommand) {
            *closedByCommand = closingByCommand();
        }
        return true;
    }
    void closePrintPanel() override { panelShown = false; }
    void openPrintOptions() override { panelShown = true; }
    void copyToClipboard() override { ++copies; }
    void panelColorChanged(const QColor& color) override { lastColor = color; }
};

}  // namespace

class ToolScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void smallerDisplayOpensOverTheMainScreenAndReturnsAtItsPosition();
    void fullDisplayOpensMaximizedAndLeavesTheMainScreenWhereItWas();
    void panelColorComesFromTheScreensRecord_data();
    void panelColorComesFromTheScreensRecord();
    void chosenPanelColorIsStoredOnlyOnYes();
    void defaultColorIsStoredAsDefaultAndBlackDesignColorConflicts();
    void cancelInThePanelColorQuestionOrDialogChangesNothing();
    void helpTopicsAndEscapeFollowThePrintPanel();
    void rightClickOpensTheOptionsMenuOrTheScreensOwnMenu();
    void everyToolOpensItsBareFrame();
    void backgroundFollowsTheStoredValue();
    void controlsFollowTheWindowInProportionAndThePanelStaysCentred();
    void lateActivationAfterClosingLeavesTheMainScreenShown();

  private:
    PrintingScreen* open(const ToolScreenSpec& spec);

    std::unique_ptr<ScreenTestEnvironment> env_;
    std::unique_ptr<QMainWindow> main_;
};

void ToolScreenTest::init() {
    env_ = std::make_unique<ScreenTestEnvironment>();
    QVERIFY(env_->folder.isValid());
    main_ = std::make_unique<QMainWindow>();
    main_->setObjectName("Startfrm");
    main_->setGeometry(40, 30, 760, 560);
}

void ToolScreenTest::cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* screen = qobject_cast<ToolScreen*>(w)) {
            screen->closeQuietly();
        }
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    COINWELL_VERIFY_WATCHDOG(env_->watchdog);
    main_.reset();
    env_.reset();
}

PrintingScreen* ToolScreenTest::open(const ToolScreenSpec& spec) {
    auto* screen = new PrintingScreen(env_->context, spec, main_.get());
    screen->present();
    screen->activate();
    return screen;
}

void ToolScreenTest::smallerDisplayOpensOverTheMainScreenAndReturnsAtItsPosition() {
    env_->settings.displayMode = DisplayMode::Smaller;
    main_->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    const QRect mainGeometry = main_->geometry();

    QPointer<PrintingScreen> screen = open(shell::loanScreenSpec());
    QCOMPARE(screen->objectName(), QString("LoanSheet"));
    QCOMPARE(screen->windowTitle(), QString("Loan Calculator"));
    QVERIFY(!screen->isMaximized());
    QCOMPARE(screen->geometry(), mainGeometry);
    QVERIFY(!main_->isVisible());

    // The central panel is shown and centred on the main screen's size, 400 twips higher and
    // 30 twips further left.
    QFrame* panel = screen->findChild<QFrame*>("Panel3D1");
    QVERIFY(panel && panel->isVisible());
    const QSize mainSize = main_->frameGeometry().size();
    QCOMPARE(panel->x(), qRound(mainSize.width() / 2.0 - panel->width() / 2.0 - 2));
    QCOMPARE(panel->y(), qRound(mainSize.height() / 2.0 - panel->height() / 2.0 - 400 / 15.0));

    // Resized, the panel keeps to the middle of the window.
    screen->resize(screen->width() + 60, screen->height() + 40);
    const QSize resized = screen->frameGeometry().size();
    QCOMPARE(panel->x(), qRound(resized.width() / 2.0 - panel->width() / 2.0 - 2));
    QCOMPARE(panel->y(), qRound(resized.height() / 2.0 - panel->height() / 2.0 - 400 / 15.0));

    screen->move(mainGeometry.topLeft() + QPoint(25, 17));
    const QPoint moved = screen->pos();
    screen->exitAction()->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(screen.isNull());
    QVERIFY(main_->isVisible());
    QCOMPARE(main_->pos(), moved);
    VERIFY_DESKTOP(env_->desktop);
}

// Without a window manager an activation can arrive after Exit has shown the main screen again:
// it must not hide it, or nothing would be left on screen.
void ToolScreenTest::lateActivationAfterClosingLeavesTheMainScreenShown() {
    env_->settings.displayMode = DisplayMode::Smaller;
    main_->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    QPointer<PrintingScreen> screen = open(shell::loanScreenSpec());
    QVERIFY(!main_->isVisible());
    screen->exitAction()->trigger();
    QVERIFY(main_->isVisible());
    QVERIFY(!screen.isNull());  // not yet deleted
    QApplication::setActiveWindow(screen);
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(screen, &activation);
    QVERIFY(main_->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(screen.isNull());
}

void ToolScreenTest::fullDisplayOpensMaximizedAndLeavesTheMainScreenWhereItWas() {
    env_->settings.displayMode = DisplayMode::Full;
    main_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    const QPoint mainPos = main_->pos();

    QPointer<PrintingScreen> screen = open(shell::budgetScreenSpec());
    QVERIFY(screen->isMaximized());
    QVERIFY(!main_->isVisible());
    QVERIFY(screen->findChild<QFrame*>("Panel3D3")->isVisible());
    screen->move(mainPos + QPoint(50, 50));
    bool byCommand = true;
    screen->closedByCommand = &byCommand;
    screen->close();  // the close box
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(screen.isNull());
    QVERIFY(!byCommand);
    QVERIFY(main_->isVisible());
    QCOMPARE(main_->pos(), mainPos);
}

void ToolScreenTest::panelColorComesFromTheScreensRecord_data() {
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("record");
    QTest::addColumn<uint>("expected");
    const auto loan = static_cast<int>(shell::Tool::Loan);
    const auto budget = static_cast<int>(shell::Tool::Budget);
    const auto homeCalc = static_cast<int>(shell::Tool::HomeCalc);
    const uint design = shell::loanScreenSpec().designPanelColor;
    QTest::newRow("Default with trailing blanks") << loan << "Default   " << design;
    QTest::newRow("empty loan record") << loan << "" << uint(0xFFFF00);
    QTest::newRow("empty budget record") << budget << "" << uint(0x808000);
    QTest::newRow("a colour number") << loan << "255" << uint(255);
    QTest::newRow("neither") << homeCalc << "Blue" << uint(0xFFFF00);
    QTest::newRow("beyond 24 bits") << loan << "4294967295" << uint(0xFFFF00);
}

void ToolScreenTest::panelColorComesFromTheScreensRecord() {
    QFETCH(int, tool);
    QFETCH(QString, record);
    QFETCH(uint, expected);
    const ToolScreenSpec& spec = shell::toolScreenSpec(static_cast<shell::Tool>(tool));
    shell::writePanelColorRecord(spec.panelColorRecord, record.toStdString());
    PrintingScreen* screen = open(spec);
    QCOMPARE(toColorNumber(screen->panelColor()), expected);
    QCOMPARE(toColorNumber(screen->centralPanel()->palette().color(QPalette::Window)), expected);
    // The screen's own panels (the print options panel) are told before it shows.
    QCOMPARE(toColorNumber(screen->lastColor), expected);
}

void ToolScreenTest::chosenPanelColorIsStoredOnlyOnYes() {
    const ToolScreenSpec& spec = shell::loanScreenSpec();
    shell::writePanelColorRecord(spec.panelColorRecord, "255");

    // No to "Color Changes": the record keeps its colour, and the next opening shows it.
    PrintingScreen* screen = open(spec);
    env_->desktop.expectMessage(kPanelColorQuestion, Answer::Yes);
    env_->desktop.expectColor(ColorNumber{255}, ColorNumber{0x00FF00});
    env_->desktop.expectMessage(colorChanges("Save changes made to Panel and or Text Color?"),
                                Answer::No);
    screen->panelColorAction()->trigger();
    QCOMPARE(toColorNumber(screen->lastColor), ColorNumber{0x00FF00});
    QVERIFY(screen->panelColorWasChanged());
    screen->close();
    QCOMPARE(shell::readPanelColorRecord(spec.panelColorRecord), std::string("255"));
    QCOMPARE(toColorNumber(open(spec)->panelColor()), ColorNumber{255});
    VERIFY_DESKTOP(env_->desktop);

    // Yes: the record takes the colour, which is offered to every screen; No there keeps it
    // pending and writes nothing else.
    PrintingScreen* again = open(spec);
    env_->desktop.expectMessage(kPanelColorQuestion, Answer::Yes);
    env_->desktop.expectColor(ColorNumber{255}, ColorNumber{0x00FF00});
    env_->desktop.expectMessage(colorChanges("Save changes made to Panel and or Text Color?"),
                                Answer::Yes);
    env_->desktop.expectMessage(kAllScreensQuestion, Answer::No);
    again->panelColorAction()->trigger();
    again->close();
    QCOMPARE(shell::readPanelColorRecord(spec.panelColorRecord), std::string("65280"));
    QCOMPARE(env_->settings.pendingPanelColor, std::string("65280"));
    QCOMPARE(shell::readPanelColorRecord({"GColor1.Fil", 10}), std::string());
    VERIFY_DESKTOP(env_->desktop);

    // The same colour as the program-wide one is not offered again.
    env_->settings.panelColor = "65280";
    PrintingScreen* third = open(spec);
    env_->desktop.expectMessage(kPanelColorQuestion, Answer::Yes);
    env_->desktop.expectColor(ColorNumber{0x00FF00}, ColorNumber{0x00FF00});
    env_->desktop.expectMessage(colorChanges("Save changes made to Panel and or Text Color?"),
                                Answer::Yes);
    third->panelColorAction()->trigger();
    third->close();
    VERIFY_DESKTOP(env_->desktop);
}

void ToolScreenTest::defaultColorIsStoredAsDefaultAndBlackDesignColorConflicts() {
    // The Home Calculator asks its own closing question and stores "Default" for the design
    // colour; Yes to the update of all screens writes every panel-colour record.
    const ToolScreenSpec& spec = shell::homeCalcScreenSpec();
    env_->settings.panelColor = "255";
    PrintingScreen* screen = open(spec);
    QCOMPARE(toColorNumber(screen->panelColor()), ColorNumber{0xFFFF00});
    env_->desktop.expectMessage(kPanelColorQuestion, Answer::No);
    env_->desktop.expectMessage(colorChanges("Save changes made to Panel Color?"), Answer::Yes);
    env_->desktop.expectMessage(kAllScreensQuestion, Answer::Yes);
    screen->panelColorAction()->trigger();
    QCOMPARE(screen->panelColor(), screen->designPanelColor());
    QVERIFY(screen->defaultPanelColorChosen());
    screen->close();
    QCOMPARE(shell::readPanelColorRecord({"GColor3.Fil", 8}), std::string("Default"));
    QCOMPARE(shell::readPanelColorRecord({"GColor1.Fil", 49}), std::string("Default"));
    QCOMPARE(shell::readPanelColorRecord({"GColor2.Fil", 40}), std::string("Default"));
    QCOMPARE(env_->settings.panelColor, std::string("Default"));
    QVERIFY(env_->settings.pendingPanelColor.empty());
    VERIFY_DESKTOP(env_->desktop);

    ToolScreenSpec black = shell::loanScreenSpec();
    black.designPanelColor = 0;
    PrintingScreen* dark = open(black);
    const QColor before = dark->panelColor();
    env_->desktop.expectMessage(kPanelColorQuestion, Answer::No);
    env_->desktop.expectMessage(
        {"Selected Color would cause a conflict with Text and Background "
         "Colors!",
         "Color Conflict", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok},
        Answer::Ok);
    dark->panelColorAction()->trigger();
    QCOMPARE(dark->panelColor(), before);
    QVERIFY(!dark->panelColorWasChanged());
    dark->close();  // no Color Changes question
    VERIFY_DESKTOP(env_->desktop);
}

void ToolScreenTest::cancelInThePanelColorQuestionOrDialogChangesNothing() {
    PrintingScreen* screen = open(shell::actuarialScreenSpec());
    const QColor before = screen->panelColor();
    env_->desktop.expectMessage(kPanelColorQuestion, Answer::Cancel);
    env_->desktop.expectMessage(kPanelColorQuestion, Answer::Yes);
    env_->desktop.expectColor(toColorNumber(before), std::nullopt);
    screen->panelColorAction()->trigger();
    screen->popupPanelColorAction()->trigger();
    QCOMPARE(screen->panelColor(), before);
    QVERIFY(!screen->panelColorWasChanged());
    screen->close();
    VERIFY_DESKTOP(env_->desktop);
}

void ToolScreenTest::helpTopicsAndEscapeFollowThePrintPanel() {
    main_->show();
    QPointer<PrintingScreen> screen = open(shell::actuarialScreenSpec());
    QVERIFY(QTest::qWaitForWindowActive(screen.data()));
    QTest::keyClick(screen.data(), Qt::Key_F1);
    screen->printOptionsAction()->trigger();
    QTest::keyClick(screen.data(), Qt::Key_F1);
    screen->helpAction()->trigger();
    QCOMPARE(env_->desktop.helpTopics(), (std::vector<int>{3026, 1014, 1014}));

    QTest::keyClick(screen.data(), Qt::Key_Escape);
    QVERIFY(!screen->panelShown);
    QVERIFY(!screen.isNull() && screen->isVisible());
    bool byCommand = false;
    screen->closedByCommand = &byCommand;
    QTest::keyClick(screen.data(), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(screen.isNull());
    QVERIFY(main_->isVisible());
    QVERIFY(byCommand);

    // The Calculator has no print options and keeps Esc for its own keys.
    QPointer<PrintingScreen> calc = open(shell::calculatorScreenSpec());
    QVERIFY(QTest::qWaitForWindowActive(calc.data()));
    QVERIFY(calc->printOptionsAction() == nullptr && calc->copyAction() == nullptr);
    QVERIFY(calc->menuBar()->findChild<QMenu*>("mE") == nullptr);
    QTest::keyClick(calc.data(), Qt::Key_F1);
    QTest::keyClick(calc.data(), Qt::Key_Escape);
    QVERIFY(!calc.isNull() && calc->isVisible());
    QCOMPARE(env_->desktop.helpTopics().back(), 3010);
}

void ToolScreenTest::rightClickOpensTheOptionsMenuOrTheScreensOwnMenu() {
    PrintingScreen* loan = open(shell::loanScreenSpec());
    QContextMenuEvent onPanel(QContextMenuEvent::Mouse, QPoint(5, 5),
                              loan->centralPanel()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(loan->centralPanel(), &onPanel);
    QVERIFY(loan->optionsMenu()->isVisible());
    QCOMPARE(loan->optionsMenu()->objectName(), QString("mnuOptions"));
    loan->optionsMenu()->hide();

    // With the mouse, the menu comes up when the right button is released, not on the press.
    QVERIFY(QTest::qWaitForWindowExposed(loan));
    QWindow* window = loan->windowHandle();
    const QPoint at = window->mapFromGlobal(loan->centralPanel()->mapToGlobal(QPoint(6, 6)));
    QTest::mousePress(window, Qt::RightButton, {}, at);
    QVERIFY(!loan->optionsMenu()->isVisible());
    QTest::mouseRelease(window, Qt::RightButton, {}, at);
    QTRY_VERIFY(loan->optionsMenu()->isVisible());
    loan->optionsMenu()->hide();

    PrintingScreen* home = open(shell::homeCalcScreenSpec());
    // The Home Calculator has nothing to print until it has calculated.
    QStringList options;
    for (QAction* a : home->optionsMenu()->actions()) {
        options << (a->isSeparator() ? "-" : a->text());
    }
    QCOMPARE(options, QStringList({"Panel C&olor", "-", "&Print Options", "-", "E&xit"}));
    QVERIFY(!home->printOptionsAction()->isEnabled());
    QVERIFY(loan->printOptionsAction()->isEnabled());
    home->setCopyEnabled(false);
    QContextMenuEvent onBackground(QContextMenuEvent::Mouse, QPoint(2, 2),
                                   home->backgroundArea()->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(home->backgroundArea(), &onBackground);
    QMenu* popup = home->findChild<QMenu*>("mV");
    QVERIFY(popup && popup->isVisible());
    QStringList items;
    for (QAction* a : popup->actions()) {
        items << (a->isSeparator() ? "-" : a->text());
    }
    QCOMPARE(items, QStringList({"Panel C&olor", "-", "&Copy", "&Print", "-", "E&xit"}));
    QVERIFY(!home->popupCopyAction()->isEnabled());
    QVERIFY(!home->popupPrintAction()->isEnabled());
    popup->hide();

    home->setCopyEnabled(true);
    home->setPrintOptionsEnabled(true);
    home->showPopupMenu(home->mapToGlobal(QPoint(2, 2)));
    QVERIFY(home->popupCopyAction()->isEnabled() && home->popupPrintAction()->isEnabled());
    popup->hide();
    home->popupCopyAction()->trigger();
    QCOMPARE(home->copies, 1);
}

void ToolScreenTest::everyToolOpensItsBareFrame() {
    ToolScreenRegistry registry;
    const std::pair<shell::Tool, const char*> tools[] = {{shell::Tool::Actuarial, "Actua1"},
                                                         {shell::Tool::Calculator, "SciCalc"},
                                                         {shell::Tool::HomeCalc, "HomeCalc"},
                                                         {shell::Tool::Loan, "LoanSheet"},
                                                         {shell::Tool::Budget, "Budget1"}};
    for (const auto& [tool, name] : tools) {
        QPointer<ToolScreen> screen = registry.create(tool, env_->context, main_.get());
        QCOMPARE(screen->objectName(), QString(name));
        QVERIFY(screen->menuBar()->findChild<QMenu*>(
            QString::fromStdString(screen->spec().menus.options)));
        screen->present();
        screen->activate();
        QVERIFY(screen->centralPanel()->isVisible());
        screen->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(screen.isNull());
    }
    bool called = false;
    registry.set(shell::Tool::Loan, [&called](AppContext& c, QWidget* m) {
        called = true;
        return new ToolScreen(c, shell::loanScreenSpec(), m);
    });
    ToolScreen* loan = registry.create(shell::Tool::Loan, env_->context, main_.get());
    QVERIFY(called);
    loan->closeQuietly();
}

void ToolScreenTest::backgroundFollowsTheStoredValue() {
    struct Case {
        const char* stored;
        shell::Tool tool;
        bool picture;
        QColor color;
    };
    const Case cases[] = {
        {"", shell::Tool::Loan, false, QColor(0, 0, 255)},
        {"255", shell::Tool::Loan, false, QColor(255, 0, 0)},
        {"Def", shell::Tool::Loan, false, defaultBackgroundColor()},
        {"wp3", shell::Tool::Budget, true, defaultBackgroundColor()},
        {"WP17", shell::Tool::Budget, false, defaultBackgroundColor()},
        // "Image": the screen's own design picture; the Actuarial Calculator reads it as any
        // other text and keeps its design colour.
        {"Image", shell::Tool::Loan, true, defaultBackgroundColor()},
        {"Image", shell::Tool::Budget, true, defaultBackgroundColor()},
        {"Image", shell::Tool::Calculator, true, defaultBackgroundColor()},
        {"Image", shell::Tool::HomeCalc, true, defaultBackgroundColor()},
        {"Image", shell::Tool::Actuarial, false, defaultBackgroundColor()},
    };
    for (const Case& c : cases) {
        env_->settings.screenBackground = c.stored;
        PrintingScreen* screen = open(shell::toolScreenSpec(c.tool));
        QVERIFY2(screen->backgroundArea()->showsPicture() == c.picture, c.stored);
        QVERIFY2(screen->backgroundArea()->color() == c.color, c.stored);
        screen->closeQuietly();
    }
}

void ToolScreenTest::controlsFollowTheWindowInProportionAndThePanelStaysCentred() {
    env_->settings.displayMode = DisplayMode::Smaller;
    main_->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));

    auto* screen = new PrintingScreen(env_->context, shell::calculatorScreenSpec(), main_.get());
    QFrame* panel = screen->centralPanel();
    auto* label = new QLabel(QStringLiteral("Stack"), panel);
    label->setObjectName("StackLbl");
    label->setGeometry(40, 30, 120, 20);
    QFont font = label->font();
    font.setPointSizeF(10);
    label->setFont(font);
    auto* frame = new QGroupBox(QStringLiteral(" Memory "), panel);
    frame->setGeometry(200, 100, 200, 150);
    auto* key = new QPushButton(QStringLiteral("STO"), frame);
    key->setObjectName("StoBtn");
    key->setGeometry(10, 20, 80, 30);
    // A panel over the whole area that lays itself out, as the print options panel does.
    auto* overlay = new QWidget(screen->backgroundArea());
    overlay->setGeometry(0, 0, 50, 40);
    screen->present();
    screen->activate();

    const QSize designPanel = panel->size();
    const QSize area = screen->backgroundArea()->size();
    const double designKeyFont = key->font().pointSizeF();
    QCOMPARE(label->geometry(), QRect(40, 30, 120, 20));

    auto checkCentred = [&] {
        const QSize window = screen->frameGeometry().size();
        QCOMPARE(panel->x(), qMax(0, qRound(window.width() / 2.0 - panel->width() / 2.0 - 2)));
        QCOMPARE(panel->y(),
                 qMax(0, qRound(window.height() / 2.0 - panel->height() / 2.0 - 400 / 15.0)));
    };

    // Twice the area: every control twice as far and as large, the text twice as big, the panel
    // twice its size and centred by the rule on that size.
    screen->resize(screen->size() + area);
    QCOMPARE(screen->backgroundArea()->size(), area * 2);
    QCOMPARE(panel->size(), designPanel * 2);
    checkCentred();
    QCOMPARE(label->geometry(), QRect(80, 60, 240, 40));
    QCOMPARE(label->font().pointSizeF(), 20.0);
    QCOMPARE(frame->geometry(), QRect(400, 200, 400, 300));
    QCOMPARE(key->geometry(), QRect(20, 40, 160, 60));
    QCOMPARE(key->font().pointSizeF(), 2 * designKeyFont);
    QCOMPARE(overlay->geometry(), QRect(0, 0, 50, 40));

    // Wider only: the text keeps its size (the height did not grow).
    screen->resize(screen->width(), screen->height() - area.height());
    QCOMPARE(label->geometry(), QRect(80, 30, 240, 20));
    QCOMPARE(label->font().pointSizeF(), 10.0);
    checkCentred();

    // The screen moves a control while the window is large; back at the opening size it sits
    // at half of that place and every other control is exactly as designed.
    screen->resize(screen->size() + QSize(0, area.height()));
    label->setGeometry(100, 100, 60, 20);
    screen->resize(screen->size() - area);
    QCOMPARE(screen->backgroundArea()->size(), area);
    QCOMPARE(label->geometry(), QRect(50, 50, 30, 10));
    QCOMPARE(label->font().pointSizeF(), 10.0);
    QCOMPARE(panel->size(), designPanel);
    QCOMPARE(key->geometry(), QRect(10, 20, 80, 30));
    QCOMPARE(key->font().pointSizeF(), designKeyFont);
    checkCentred();
    screen->closeQuietly();
}

QTEST_MAIN(ToolScreenTest)
#include "tool_screen_qtest.moc"
