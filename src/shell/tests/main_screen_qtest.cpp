// The main screen: first start, caption, exit question, tools opened over it, display modes on
// screens of different sizes, the Background Selector, Default Panel Color and help topics.

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

#include "common/core/record_file.h"
#include "common/core/settings_files.h"
#include "common/tests/support/blocking_guard.h"
#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/screen_test_environment.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/temporary_program_folder.h"
#include "common/tests/support/window_switch.h"
#include "common/ui/colors.h"
#include "common/ui/twips.h"
#include "shell/core/planner.h"
#include "shell/ui/background_selector.h"
#include "shell/ui/main_screen.h"
#include "shell/ui/reminder_panel.h"
#include "shell/ui/tool_registry.h"
#include "shell/ui/tool_screen.h"

using namespace coinwell;

#define VERIFY_DESKTOP(desktop) QVERIFY2((desktop).done(), qPrintable((desktop).verifyDone()))

namespace {

const MessageRequest kExitQuestion{"Do you wish to Exit Coinwell?", "Exit", MessageIcon::Question,
                                   MessageButtons::YesNoCancel, Answer::Yes};

const char kFamilyPrompt[] =
    "Please Enter Family Name for use in the Various Program areas.\rTo Accept name,\rclick "
    "OK.\rTo Delete name,\rclick Cancel or press <Esc> key.";

template <typename T>
T* child(QWidget* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found) {
        qWarning("no %s", qPrintable(name));
    }
    return found;
}

QAction* action(QWidget* window, const QString& name) {
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->objectName() == name) {
            return a;
        }
    }
    qWarning("no action %s", qPrintable(name));
    return nullptr;
}

}  // namespace

class MainScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void firstStartInAnEmptyFolder();
    void pipesInTheProgramFolderDoNotHangTheStart();
    void familyNameShowsInTheCaption();
    void exitAsksAndOnlyYesEnds();
    void closeBoxEndsWithoutTheQuestion();
    void toolScreensOpenOnceAndReturnInSmallerDisplay();
    void toolScreenReturnInFullDisplayReappliesCaptionAndBackground();
    void focusComingBackIsNoActivation();
    void storedSmallerDisplayIsRaisedToTheMinimumAndCentred();
    void defaultScreenSize_data();
    void defaultScreenSize();
    void tooSmallScreenWarnsAndUsesFullDisplay();
    void maximizingAndRestoringSwitchTheDisplayMode();
    void backgroundSelectorCancelRestoresWhatWasInForce();
    void backgroundSelectorStoresWallpaperColourAndDefault();
    void defaultPanelColorReachesEveryScreen();
    void helpTopics();
    void reminderKeepsClearOfTheToolButtons();

  private:
    MainScreen* start(QSize screen = {1024, 768});

    std::unique_ptr<ScreenTestEnvironment> env_;
    std::unique_ptr<ToolScreenRegistry> tools_;
    std::unique_ptr<MainScreen> main_;
};

void MainScreenTest::init() {
    env_ = std::make_unique<ScreenTestEnvironment>();
    QVERIFY(env_->folder.isValid());
    tools_ = std::make_unique<ToolScreenRegistry>();
}

void MainScreenTest::cleanup() {
    main_.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    COINWELL_VERIFY_WATCHDOG(env_->watchdog);
    tools_.reset();
    env_.reset();
}

MainScreen* MainScreenTest::start(QSize screen) {
    main_ = std::make_unique<MainScreen>(env_->context, *tools_, [screen] { return screen; });
    main_->startUp();
    main_->showAsStored();
    main_->activate();
    return main_.get();
}

void MainScreenTest::firstStartInAnEmptyFolder() {
    MainScreen* main = start();
    QCOMPARE(main->objectName(), QString("Startfrm"));
    QCOMPARE(main->windowTitle(), QString("Coinwell"));
    QCOMPARE(toColorNumber(main->backgroundColor()), ColorNumber{0xFF0000});
    QVERIFY(!main->backgroundArea()->showsPicture());
    QVERIFY(main->isMaximized());
    QCOMPARE(env_->settings.displayMode, DisplayMode::Full);
    QVERIFY(action(main, "mOPF")->isChecked());
    QVERIFY(!action(main, "mOPS")->isChecked());
    for (const char* name : {"GColor1.Fil", "GColor3.Fil", "GHINV1.Fil", "HINVNAME.FIL"}) {
        QVERIFY2(env_->folder.exists(name), name);
    }
    QVERIFY(!main->loadGuard());
    QVERIFY(!env_->desktop.isBusy());

    // The panel and its buttons.
    QFrame* panel = child<QFrame>(main, "Panel3D7");
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(child<QLabel>(panel, "Label6")->text(), QString("Version 6.0"));
    const std::pair<int, const char*> buttons[] = {{0, "&Actuarial Calculator"},
                                                   {1, "&Calculator"},
                                                   {2, "&Home Calculator"},
                                                   {3, "&Loan Calculator"},
                                                   {4, "Home &Budget"},
                                                   {6, "&Help"},
                                                   {7, "E&xit"}};
    for (const auto& [index, caption] : buttons) {
        auto* button = child<QPushButton>(panel, QString("SSCommand1(%1)").arg(index));
        QVERIFY(button);
        QCOMPARE(button->text(), QString(caption));
        QCOMPARE(button->height(), twipsToPixels(900));
    }
    QVERIFY(!panel->findChild<QPushButton*>("SSCommand1(5)"));
    // One bold font on every button, each caption whole across its button.
    const QFont font = child<QPushButton>(panel, "SSCommand1(0)")->font();
    QVERIFY(font.bold());
    for (const auto& [index, caption] : buttons) {
        auto* button = child<QPushButton>(panel, QString("SSCommand1(%1)").arg(index));
        QCOMPARE(button->font(), font);
        QVERIFY2(QFontMetrics(font).horizontalAdvance(QString(caption).remove('&')) <
                     button->contentsRect().width(),
                 caption);
    }
    QCOMPARE(child<QPushButton>(panel, "SSCommand1(4)")->geometry(),
             QRect(20, twipsToPixels(6000), twipsToPixels(4115), 60));

    // Centred, 500 twips above the middle.
    QTRY_VERIFY(main->frameGeometry().width() > panel->width());
    const QSize window = main->frameGeometry().size();
    QCOMPARE(panel->x(), qRound(window.width() / 2.0 - panel->width() / 2.0));
    QCOMPARE(panel->y(), qRound((window.height() / 2.0 - panel->height() / 2.0) - 500 / 15.0));

    // The menus, in order.
    auto items = [main](const char* menuName) {
        QStringList list;
        for (QAction* a : main->findChild<QMenu*>(menuName)->actions()) {
            list << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
        }
        return list;
    };
    QCOMPARE(items("mO"), QStringList({"mOBC=&Background Selector", "mOP=&Program Display",
                                       "mO23=-", "mON=&Family Name", "mO1=-", "mOE=E&xit"}));
    QCOMPARE(items("mOP"), QStringList({"mOPF=&Full Screen Display", "mOPS=&Smaller Screen Display",
                                        "mO67=-", "mOPDefault=&Default Screen Size", "mO20=-",
                                        "mOPCDefault=Default Panel Color"}));
    QCOMPARE(items("mM"), QStringList({"mMA=&Actuarial Calculator", "mOSC=&Calculator",
                                       "mMHCal=&Home Calculator", "mML=&Loan Calculator", "mO10=-",
                                       "mMB=Home &Budget"}));
    const QStringList help = items("mH");
    QCOMPARE(
        help.mid(0, 8),
        QStringList({"mHI=&Program Overview", "mH1=-", "mHBR=&Backup and Restore Option", "mH4=-",
                     "mHPC=Panel Color Option", "mH5=-", "mHA=&About Coinwell", "mO21=-"}));
    QVERIFY(help.value(8).startsWith("mHWeb=&Visit "));
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::pipesInTheProgramFolderDoNotHangTheStart() {
    // The planner file of this year and a settings file as pipes, another settings file a folder.
    const int year = QDate::currentDate().year();
    const std::filesystem::path planner = env_->folder.path() / plannerFileName(year);
    const std::filesystem::path settings = env_->folder.path() / "GColor3.Fil";
    QCOMPARE(::mkfifo(planner.c_str(), 0600), 0);
    QCOMPARE(::mkfifo(settings.c_str(), 0600), 0);
    QVERIFY(QDir(env_->folder.qPath()).mkdir("GHINV1.Fil"));
    PipeReleaser releaser({planner, settings});
    MainScreen* main = start();
    QVERIFY2(!releaser.finish(), "the start opened a pipe");
    QVERIFY(main->isVisible());
    QVERIFY(!main->findChild<ReminderPanel*>()->isVisible());
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::familyNameShowsInTheCaption() {
    QVERIFY(writeFamilyName("Abcdefghijklmno"));  // 15 characters, in full
    MainScreen* main = start();
    QCOMPARE(main->windowTitle(), QString("Abcdefghijklmno Coinwell"));

    // Cancel while a name is stored asks to delete it; No keeps it.
    env_->desktop.expectInput({kFamilyPrompt, "Family Name", "Abcdefghijklmno"}, "");
    env_->desktop.expectMessage({"Delete Family Name - Abcdefghijklmno?", "Family Name",
                                 MessageIcon::Question, MessageButtons::YesNo, Answer::No},
                                Answer::No);
    action(main, "mON")->trigger();
    QCOMPARE(main->windowTitle(), QString("Abcdefghijklmno Coinwell"));

    // A longer name is cut to 15 characters.
    env_->desktop.expectInput({kFamilyPrompt, "Family Name", "Abcdefghijklmno"},
                              "The Smith-Jones Family");
    action(main, "mON")->trigger();
    QCOMPARE(main->windowTitle(), QString("The Smith-Jones Coinwell"));

    // Deleting it leaves "Coinwell" alone.
    env_->desktop.expectInput({kFamilyPrompt, "Family Name", "The Smith-Jones"}, "");
    env_->desktop.expectMessage({"Delete Family Name - The Smith-Jones?", "Family Name",
                                 MessageIcon::Question, MessageButtons::YesNo, Answer::No},
                                Answer::Yes);
    action(main, "mON")->trigger();
    QCOMPARE(main->windowTitle(), QString("Coinwell"));
    QCOMPARE(readFamilyName().value_or("?"), std::string());
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::exitAsksAndOnlyYesEnds() {
    MainScreen* main = start();
    QVERIFY(QTest::qWaitForWindowActive(main));
    const std::string storedBefore = env_->folder.readBytes("GColor3.Fil");
    env_->desktop.expectMessage(kExitQuestion, Answer::Cancel);
    env_->desktop.expectMessage(kExitQuestion, Answer::No);
    QTest::keyClick(main, Qt::Key_Escape);
    child<QPushButton>(main, "SSCommand1(7)")->click();
    QVERIFY(!main->hasExited());
    QVERIFY(main->isVisible());
    // Cancel and No store nothing.
    QCOMPARE(env_->folder.readBytes("GColor3.Fil"), storedBefore);

    // Yes ends the program and stores the display state, closing the tool screens quietly.
    QPointer<ToolScreen> loan = main->openTool(shell::Tool::Loan);
    main->show();
    env_->desktop.expectMessage(kExitQuestion, Answer::Yes);
    action(main, "mOE")->trigger();
    QVERIFY(main->hasExited());
    QVERIFY(!main->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(loan.isNull());
    QCOMPARE(readDisplayRecords().mode, std::string("No"));
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::closeBoxEndsWithoutTheQuestion() {
    QVERIFY(writeDisplayState("Yes", 9500, 12500));
    MainScreen* main = start();
    QVERIFY(!main->isMaximized());
    main->close();
    QVERIFY(main->hasExited());
    const DisplayRecords stored = readDisplayRecords();
    QCOMPARE(stored.mode, std::string("Yes"));
    QCOMPARE(int(stored.height), pixelsToTwips(main->frameGeometry().height()));
    QCOMPARE(int(stored.width), pixelsToTwips(main->frameGeometry().width()));
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::toolScreensOpenOnceAndReturnInSmallerDisplay() {
    QVERIFY(writeDisplayState("Yes", 9000, 12000));
    MainScreen* main = start({800, 600});
    QVERIFY(!main->isMaximized());
    const QRect mainGeometry = main->geometry();

    child<QPushButton>(main, "SSCommand1(3)")->click();
    QPointer<ToolScreen> loan = main->toolScreen(shell::Tool::Loan);
    QVERIFY(loan);
    QCOMPARE(loan->objectName(), QString("LoanSheet"));
    loan->activate();
    QVERIFY(!main->isVisible());
    QCOMPARE(loan->geometry(), mainGeometry);
    // The menu item opens the same screen again, not a second one.
    action(main, "mML")->trigger();
    QCOMPARE(main->toolScreen(shell::Tool::Loan), loan.data());
    int loanScreens = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        loanScreens += w->objectName() == "LoanSheet" && !w->testAttribute(Qt::WA_WState_Hidden);
    }
    QCOMPARE(loanScreens, 1);

    loan->move(mainGeometry.topLeft() + QPoint(13, 9));
    const QPoint moved = loan->pos();
    loan->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(loan.isNull());
    QVERIFY(main->isVisible());
    QCOMPARE(main->pos(), moved);
    QVERIFY(main->toolScreen(shell::Tool::Loan) == nullptr);

    // Each of the five opens its own screen.
    const std::pair<const char*, const char*> items[] = {
        {"mMA", "Actua1"}, {"mOSC", "SciCalc"}, {"mMHCal", "HomeCalc"}, {"mMB", "Budget1"}};
    for (const auto& [item, name] : items) {
        action(main, item)->trigger();
        QWidget* active = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible()) {
                active = w;
            }
        }
        QVERIFY2(active, name);
        active->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::toolScreenReturnInFullDisplayReappliesCaptionAndBackground() {
    MainScreen* main = start();
    const QPoint mainPos = main->pos();
    QPointer<ToolScreen> budget = main->openTool(shell::Tool::Budget);
    QVERIFY(budget->isMaximized());
    budget->activate();
    QVERIFY(!main->isVisible());

    // Changed while the tool screen was up.
    env_->settings.familyName = "Brown";
    env_->settings.screenBackground = "255";
    budget->move(mainPos + QPoint(40, 40));
    budget->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    main->activate();
    QVERIFY(main->isVisible());
    QCOMPARE(main->pos(), mainPos);
    QCOMPARE(main->windowTitle(), QString("Brown Coinwell"));
    QCOMPARE(toColorNumber(main->backgroundColor()), ColorNumber{255});
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::focusComingBackIsNoActivation() {
    MainScreen* main = start();
    QApplication::setActiveWindow(main);
    QCOMPARE(main->windowTitle(), QString("Coinwell"));
    env_->settings.familyName = "Brown";

    // Back from another program or a message box: nothing of the activation runs.
    switchAwayAndBack(main);
    QCOMPARE(main->windowTitle(), QString("Coinwell"));

    // Back from another of the program's screens: the caption is set again.
    comeBackFromAnotherScreen(main);
    QCOMPARE(main->windowTitle(), QString("Brown Coinwell"));
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::storedSmallerDisplayIsRaisedToTheMinimumAndCentred() {
    QVERIFY(writeDisplayState("Yes", 5000, 8000));
    MainScreen* main = start({1024, 768});
    QVERIFY(!main->isMaximized());
    QCOMPARE(env_->settings.displayMode, DisplayMode::Smaller);
    const QRect frame = main->frameGeometry();
    QCOMPARE(frame.size(), QSize(800, 600));
    QCOMPARE(frame.topLeft(), QPoint((1024 - 800) / 2, (768 - 600) / 2));
    QVERIFY(action(main, "mOPS")->isChecked());
    QVERIFY(!action(main, "mOPF")->isChecked());
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::defaultScreenSize_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("storedHeight");
    QTest::addColumn<int>("storedWidth");
    QTest::addColumn<QSize>("window");
    QTest::newRow("1024 x 768") << QSize(1024, 768) << 11200 << 15100 << QSize(1007, 747);
    QTest::newRow("800 x 600") << QSize(800, 600) << 8800 << 11800 << QSize(800, 600);
}

void MainScreenTest::defaultScreenSize() {
    QFETCH(QSize, screen);
    QFETCH(int, storedHeight);
    QFETCH(int, storedWidth);
    QFETCH(QSize, window);
    MainScreen* main = start(screen);
    QVERIFY(main->isMaximized());
    action(main, "mOPDefault")->trigger();
    QVERIFY(!action(main, "mOPDefault")->isChecked());  // only the display modes carry a mark
    QVERIFY(!action(main, "mOPF")->isChecked());
    const DisplayRecords stored = readDisplayRecords();
    QCOMPARE(stored.mode, std::string("Yes"));
    QCOMPARE(int(stored.height), storedHeight);
    QCOMPARE(int(stored.width), storedWidth);
    // At the load that follows the window takes the size, raised to the minimum.
    QVERIFY(!main->isMaximized());
    QCOMPARE(main->frameGeometry().size(), window);
    QCOMPARE(env_->settings.displayMode, DisplayMode::Smaller);
    QVERIFY(!main->loadGuard());
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::tooSmallScreenWarnsAndUsesFullDisplay() {
    QVERIFY(writeDisplayState("Yes", 9000, 12000));
    env_->desktop.expectMessage(
        {"Monitor Resolution Settings (Screen Area) and Program Size requirements are at least "
         "800 by 600 or Higher.\rIf you do not set your screen resolution to this setting or "
         "higher this program will not function properly!",
         "Program Display Option", MessageIcon::Information, MessageButtons::Ok, Answer::Ok},
        Answer::Ok);
    MainScreen* main = start({640, 480});
    QVERIFY(main->isMaximized());
    QCOMPARE(env_->settings.displayMode, DisplayMode::Full);
    QCOMPARE(readDisplayRecords().mode, std::string("No"));
    QCOMPARE(env_->desktop.questionsWhileBusy(), 0);
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::maximizingAndRestoringSwitchTheDisplayMode() {
    QVERIFY(writeDisplayState("Yes", 9300, 12300));
    MainScreen* main = start();
    QVERIFY(!main->isMaximized());
    const QSize smaller = main->frameGeometry().size();

    main->showMaximized();
    QCOMPARE(readDisplayRecords().mode, std::string("No"));
    QCOMPARE(int(readDisplayRecords().height), 9300);
    QCOMPARE(env_->settings.displayMode, DisplayMode::Full);
    QVERIFY(action(main, "mOPF")->isChecked());

    main->showNormal();
    QVERIFY(main->isVisible());
    QCOMPARE(readDisplayRecords().mode, std::string("Yes"));
    QCOMPARE(env_->settings.displayMode, DisplayMode::Smaller);
    QCOMPARE(main->frameGeometry().size(), smaller);
    QVERIFY(action(main, "mOPS")->isChecked());

    // The menu items switch back and forth; choosing the checked one does nothing.
    action(main, "mOPF")->trigger();
    QVERIFY(main->isMaximized());
    QCOMPARE(readDisplayRecords().mode, std::string("No"));
    action(main, "mOPF")->trigger();
    QVERIFY(main->isMaximized());
    action(main, "mOPS")->trigger();
    QVERIFY(!main->isMaximized());
    QCOMPARE(readDisplayRecords().mode, std::string("Yes"));
    QCOMPARE(main->frameGeometry().size(), smaller);
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::backgroundSelectorCancelRestoresWhatWasInForce() {
    MainScreen* main = start();
    action(main, "mOBC")->trigger();
    BackgroundSelector* selector = main->backgroundSelector();
    QVERIFY(selector->isOpen() && selector->isVisible());
    QCOMPARE(selector->objectName(), QString("SSPanel4"));
    QCOMPARE(main->helpTopic(), 1001);
    // Its only text is the caption; the four buttons lie within the panel.
    QStringList texts;
    for (QLabel* label : selector->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    QCOMPARE(texts, QStringList{"Background Selector"});
    const char* captions[] = {"&Select Color Background", "Use &Default Background",
                              "Use &Above Background", "&Cancel"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(selector->button(i)->text(), QString(captions[i]));
        QVERIFY(selector->rect().contains(selector->button(i)->geometry()));
    }
    QPushButton* above = child<QPushButton>(selector, "Command1(2)");
    QVERIFY(!above->isEnabled());
    QVERIFY(!child<QFrame>(selector, "Shape2")->isVisible());
    QVERIFY(!child<QLabel>(selector, "Image3(0)")->pixmap().isNull());

    QTest::mouseClick(child<QLabel>(selector, "Image3(1)"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(selector, "Image3(6)"), Qt::LeftButton);
    QVERIFY(above->isEnabled());
    QVERIFY(main->backgroundArea()->showsPicture());
    QCOMPARE(selector->pendingWallpaper(), std::string("WP7"));
    QFrame* shape = child<QFrame>(selector, "Shape2");
    QVERIFY(shape->isVisible());
    QVERIFY(shape->geometry().contains(child<QLabel>(selector, "Image3(6)")->geometry()));

    child<QPushButton>(selector, "Command1(3)")->click();
    QVERIFY(!selector->isOpen() && !selector->isVisible());
    QVERIFY(!main->backgroundArea()->showsPicture());
    QCOMPARE(toColorNumber(main->backgroundColor()), ColorNumber{0xFF0000});
    QVERIFY(env_->settings.screenBackground.empty());
    QCOMPARE(readScreenBackground(), std::string());
    QCOMPARE(main->helpTopic(), 1000);
    // The thumbnails are released when the selector closes.
    QVERIFY(child<QLabel>(selector, "Image3(0)")->pixmap().isNull());

    // Opened again, the thumbnail last clicked is still the one "Use Above Background" takes;
    // choosing the menu item again closes it.
    action(main, "mOBC")->trigger();
    QVERIFY(selector->isOpen());
    QVERIFY(above->isEnabled());
    QCOMPARE(selector->pendingWallpaper(), std::string("WP7"));
    action(main, "mOBC")->trigger();
    QVERIFY(!selector->isOpen());
    action(main, "mOBC")->trigger();
    above->click();
    QCOMPARE(env_->settings.screenBackground, std::string("WP7"));
    QCOMPARE(readScreenBackground(), std::string("WP7"));
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::backgroundSelectorStoresWallpaperColourAndDefault() {
    MainScreen* main = start();
    BackgroundSelector* selector = main->backgroundSelector();

    action(main, "mOBC")->trigger();
    QTest::mouseClick(child<QLabel>(selector, "Image3(4)"), Qt::LeftButton);
    child<QPushButton>(selector, "Command1(2)")->click();
    QCOMPARE(env_->settings.screenBackground, std::string("WP5"));
    QCOMPARE(readScreenBackground(), std::string("WP5"));
    QVERIFY(main->backgroundArea()->showsPicture());

    // Reopened on a wallpaper: its thumbnail is framed. A colour starts the dialog at blue;
    // Cancel there brings the wallpaper back.
    action(main, "mOBC")->trigger();
    QVERIFY(child<QFrame>(selector, "Shape2")->isVisible());
    QVERIFY(child<QFrame>(selector, "Shape2")
                ->geometry()
                .contains(child<QLabel>(selector, "Image3(4)")->geometry()));
    env_->desktop.expectColor(ColorNumber{0xFF0000}, std::nullopt);
    child<QPushButton>(selector, "Command1(0)")->click();
    QVERIFY(main->backgroundArea()->showsPicture());
    QCOMPARE(env_->settings.screenBackground, std::string("WP5"));

    action(main, "mOBC")->trigger();
    env_->desktop.expectColor(ColorNumber{0xFF0000}, ColorNumber{0x00FF00});
    child<QPushButton>(selector, "Command1(0)")->click();
    QVERIFY(!main->backgroundArea()->showsPicture());
    QCOMPARE(toColorNumber(main->backgroundColor()), ColorNumber{0x00FF00});
    QCOMPARE(env_->settings.screenBackground, std::string("65280"));
    const RecordVariant stored = RecordFile("GHINV1.Fil", 10).readVariant(3);
    QVERIFY(std::holds_alternative<std::int32_t>(stored));
    QCOMPARE(std::get<std::int32_t>(stored), 0x00FF00);

    // The default colour: "Def" in the file, the colour's number in memory.
    action(main, "mOBC")->trigger();
    child<QPushButton>(selector, "Command1(1)")->click();
    QCOMPARE(readScreenBackground(), std::string("Def"));
    QCOMPARE(main->backgroundColor(), defaultBackgroundColor());
    QCOMPARE(env_->settings.screenBackground,
             std::to_string(toColorNumber(defaultBackgroundColor())));
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::defaultPanelColorReachesEveryScreen() {
    RecordFile("GColor1.Fil", 20).writeText(49, "12632256");  // the main panel's colour
    RecordFile("GColor1.Fil", 20).writeText(12, "255");
    MainScreen* main = start();
    const ColorNumber panel = toColorNumber(main->mainPanel()->palette().color(QPalette::Window));
    QCOMPARE(panel, ColorNumber{12632256});
    env_->settings.panelColor = "Default";
    action(main, "mOPCDefault")->trigger();  // no question
    QCOMPARE(readPanelColor(PanelColorScreen::Loan), std::to_string(panel));
    QCOMPARE(readPanelColor(PanelColorScreen::HomeCalculator), std::to_string(panel));
    QVERIFY(!env_->settings.defaultPanelColorChosen);
    QVERIFY(env_->settings.pendingPanelColor.empty());

    ToolScreen* loan = main->openTool(shell::Tool::Loan);
    QCOMPARE(toColorNumber(loan->panelColor()), panel);
    loan->close();
    VERIFY_DESKTOP(env_->desktop);
}

void MainScreenTest::helpTopics() {
    MainScreen* main = start();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_F1);
    child<QPushButton>(main, "SSCommand1(6)")->click();
    action(main, "mHI")->trigger();
    action(main, "mHBR")->trigger();
    action(main, "mHPC")->trigger();
    main->toggleBackgroundSelector();
    QTest::keyClick(main, Qt::Key_F1);
    QCOMPARE(env_->desktop.helpTopics(), (std::vector<int>{1000, 1000, 1000, 1005, 1007, 1001}));
    action(main, "mHWeb")->trigger();
    QCOMPARE(env_->desktop.webSiteOpenings(), 1);

    // Releasing the right button on the background pops up the Options menu; a press alone, the
    // main panel, its buttons and the Background Selector do not.
    main->toggleBackgroundSelector();
    QVERIFY(!main->backgroundSelector()->isOpen());
    QContextMenuEvent press(QContextMenuEvent::Mouse, QPoint(3, 3),
                            main->backgroundArea()->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(main->backgroundArea(), &press);
    QVERIFY(!main->optionsMenu()->isVisible());
    auto* panel = child<QFrame>(main, "Panel3D7");
    QTest::mouseClick(panel, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(child<QPushButton>(panel, "SSCommand1(3)"), Qt::RightButton);
    main->toggleBackgroundSelector();
    QTest::mouseClick(main->backgroundSelector(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(main->backgroundSelector()->button(3), Qt::RightButton);
    QVERIFY(!main->optionsMenu()->isVisible());
    main->backgroundSelector()->cancel();
    QTest::mouseClick(main->backgroundArea(), Qt::RightButton, {}, QPoint(3, 3));
    QVERIFY(main->optionsMenu()->isVisible());
    main->optionsMenu()->hide();
    // So is the reminder panel's.
    emit main->reminderPanel()->optionsMenuRequested(main->mapToGlobal(QPoint(5, 5)));
    QVERIFY(main->optionsMenu()->isVisible());
    main->optionsMenu()->hide();
    VERIFY_DESKTOP(env_->desktop);
}

QTEST_MAIN(MainScreenTest)
void MainScreenTest::reminderKeepsClearOfTheToolButtons() {
    // Today's planner record holds an entry: the reminder shows on activation.
    const QDate today = QDate::currentDate();
    std::string record(14 * 10, ' ');
    record += std::string("Dentist").append(43, ' ') + std::string(13 * 50, ' ');
    record += std::string("Full").append(6, ' ') + std::string(50, ' ');
    const int number = plannerRecordNumber(today.month(), today.day());
    QVERIFY(
        env_->folder.writeBytes(plannerFileName(today.year()),
                                std::string((number - 1) * kPlannerRecordLength, ' ') + record));

    MainScreen* main = start();
    main->showNormal();
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024)}) {
        main->resize(size);
        main->activate();
        QApplication::processEvents();
        auto* reminder = main->findChild<ReminderPanel*>(QStringLiteral("SSPanel2"));
        QVERIFY(reminder && reminder->isVisible());
        QVERIFY2(!reminder->geometry().intersects(main->mainPanel()->geometry()),
                 qPrintable(QString("window %1x%2").arg(size.width()).arg(size.height())));
    }
}

#include "main_screen_qtest.moc"
