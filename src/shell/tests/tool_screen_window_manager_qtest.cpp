// The tool-screen frame under a real window manager (openbox on its own X server): windows have
// frames there, and a screen the user moved gives way to the main screen at the same place.

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include "common/tests/support/screen_test_environment.h"
#include "common/tests/support/window_manager_display.h"
#include "shell/core/tool_screens.h"
#include "shell/ui/tool_screen.h"

using namespace coinwell;

namespace {

// The window manager has framed the window. (QWidget::frameGeometry() may still lack the frame
// until the window moves: ask the window itself.)
bool framed(const QWidget& window) {
    return window.isVisible() && !window.windowHandle()->frameMargins().isNull();
}

QPoint frameTopLeft(const QWidget& window) {
    return window.windowHandle()->frameGeometry().topLeft();
}

}  // namespace

class ToolScreenWindowManagerTest : public QObject {
    Q_OBJECT

  private slots:
    void mainScreenReturnsWhereTheMovedScreenStood();
};

void ToolScreenWindowManagerTest::mainScreenReturnsWhereTheMovedScreenStood() {
    ScreenTestEnvironment env;
    env.settings.displayMode = DisplayMode::Smaller;
    QMainWindow main;
    main.setObjectName("Startfrm");
    main.setGeometry(200, 150, 760, 560);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main, 10000));
    QTRY_VERIFY2_WITH_TIMEOUT(framed(main), "openbox frames the main screen", 10000);

    QPointer<ToolScreen> screen = new ToolScreen(env.context, shell::loanScreenSpec(), &main);
    screen->present();
    QVERIFY(QTest::qWaitForWindowExposed(screen, 10000));
    QTRY_VERIFY(framed(*screen));
    screen->activate();
    QVERIFY(!main.isVisible());

    // Moved near the top of the screen (the window manager places the frame there).
    const QPoint moved(20, 10);
    screen->move(moved);
    QTRY_COMPARE(frameTopLeft(*screen), moved);
    const QRect client = screen->geometry();

    screen->exitAction()->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(screen.isNull());
    QVERIFY(QTest::qWaitForWindowExposed(&main, 10000));
    QTRY_VERIFY(framed(main));
    // Give a wrong placement time to show before it is judged.
    QTest::qWait(200);
    QCOMPARE(frameTopLeft(main), moved);
    QCOMPARE(main.geometry().topLeft(), client.topLeft());
    COINWELL_VERIFY_WATCHDOG(env.watchdog);
    QVERIFY2(env.desktop.done(), qPrintable(env.desktop.verifyDone()));
}

int main(int argc, char** argv) {
    WindowManagerDisplay display;
    if (!display.started()) {
        return display.skip();
    }
    if (!display.windowManagerStarted()) {
        std::fprintf(stderr, "FAIL: %s\n", display.problem().c_str());
        return 1;
    }
    QApplication app(argc, argv);
    ToolScreenWindowManagerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tool_screen_window_manager_qtest.moc"
