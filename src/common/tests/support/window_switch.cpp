#include "common/tests/support/window_switch.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "common/ui/screen_activation.h"

namespace coinwell {

namespace {

void activate(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

void visitAndReturn(QWidget& other, QWidget* screen) {
    other.setGeometry(10, 10, 200, 100);
    other.show();
    activate(&other);
    other.hide();
    activate(screen);
}

}  // namespace

void enterScreen(QWidget* screen) {
    activate(screen);
    QTest::qWaitForWindowActive(screen);
    QApplication::processEvents();
}

void switchAwayAndBack(QWidget* screen) {
    QWidget elsewhere;
    visitAndReturn(elsewhere, screen);
}

void comeBackFromAnotherScreen(QWidget* screen) {
    QWidget form;
    markAsProgramScreen(&form);
    visitAndReturn(form, screen);
}

}  // namespace coinwell
