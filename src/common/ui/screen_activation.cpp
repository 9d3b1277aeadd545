#include "common/ui/screen_activation.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace coinwell {

namespace {

// The program's screen that was last the active window. Message boxes, common dialogs, the help
// viewer and other programs are never recorded, so the focus coming back from them finds the
// screen itself here.
QPointer<QWidget>& lastActiveScreen() {
    static QPointer<QWidget> screen;
    return screen;
}

}  // namespace

ScreenActivation::ScreenActivation(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
}

bool ScreenActivation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::ActivationChange &&
        window_->isActiveWindow() && lastActiveScreen() != window_) {
        lastActiveScreen() = window_;
        emit activated();
    }
    return QObject::eventFilter(watched, event);
}

ScreenActivation* markAsProgramScreen(QWidget* window) {
    return new ScreenActivation(window);
}

}  // namespace coinwell
