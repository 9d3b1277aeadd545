#pragma once
// What every tool-screen test repeats: a fresh environment (program folder, scripted desktop,
// settings) with a main window for the screen to hide and bring back, the screen opened as the
// main screen opens it, its controls found and typed into by name, and the checks after each
// test function. A Qt Test class derives from it beside QObject, calls startScreenTest() in
// init() and finishScreenTest() in cleanup().

#include <functional>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLatin1String>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTest>

#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/screen_test_environment.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/window_switch.h"

namespace coinwell {

enum class MainWindowAtStart { Hidden, Shown };

// Screen: a tool screen made from (AppContext&, QWidget* mainScreen), with present() and
// closeQuietly().
template <class Screen>
class ToolScreenFixture {
  protected:
    void startScreenTest(MainWindowAtStart mainWindow = MainWindowAtStart::Hidden) {
        env_ = std::make_unique<ScreenTestEnvironment>();
        QVERIFY(env_->folder.isValid());
        main_ = std::make_unique<QMainWindow>();
        main_->setGeometry(0, 0, 800, 600);
        if (mainWindow == MainWindowAtStart::Shown) {
            main_->show();
        }
    }

    // Opens the screen as the main screen does: made, shown and the active window. `prepare`
    // runs before it is shown.
    Screen* openScreen(const std::function<void(Screen&)>& prepare = {}) {
        opened_ = new Screen(env_->context, main_.get());
        if (prepare) {
            prepare(*opened_);
        }
        opened_->present();
        enterScreen(opened_);
        QApplication::processEvents();
        return opened_;
    }

    // Closes the screen still open without questions, then checks that every scripted question
    // was asked, none while the hourglass showed, and no modal window was left open.
    void finishScreenTest() {
        if (opened_) {
            opened_->closeQuietly();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QString desktopProblems = env_->desktop.verifyDone();
        const int questionsWhileBusy = env_->desktop.questionsWhileBusy();
        env_->watchdog.check();
        const QString watchdogProblems = env_->watchdog.verify();
        main_.reset();
        env_.reset();
        QVERIFY2(desktopProblems.isEmpty(), qPrintable(desktopProblems));
        QCOMPARE(questionsWhileBusy, 0);
        QVERIFY2(watchdogProblems.isEmpty(), qPrintable(watchdogProblems));
    }

    // A control of the screen last opened, by its name (null, with a warning, when missing).
    template <class T>
    T* child(const char* name) const {
        T* widget = opened_ ? opened_->template findChild<T*>(QLatin1String(name)) : nullptr;
        if (!widget) {
            qWarning("missing %s", name);
        }
        return widget;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }

    // Types into a box as the user does after clicking into it and clearing it.
    void type(const char* name, const QString& text) {
        auto* box = child<QLineEdit>(name);
        QVERIFY(box != nullptr);
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, text);
    }

    std::unique_ptr<ScreenTestEnvironment> env_;
    std::unique_ptr<QMainWindow> main_;

  private:
    QPointer<Screen> opened_;
};

}  // namespace coinwell
