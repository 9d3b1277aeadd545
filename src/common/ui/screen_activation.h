#pragma once
// A screen's activation is the moment it becomes the active window coming from another of the
// program's own screens or forms (the main screen, a tool screen, the splash, the About box, the
// backup dialog). The focus merely coming back to it — after a message box, an input box, a
// common dialog, the help viewer, or a visit to another program — is not an activation, so the
// screen's activation steps (which reset grids, chains and focus) do not run then.

#include <QObject>

class QWidget;

namespace coinwell {

// Watches one top-level window of the program's own. activated() is emitted when the window
// becomes active and the last of the program's screens that was active is a different one.
class ScreenActivation : public QObject {
    Q_OBJECT
  public:
    explicit ScreenActivation(QWidget* window);

  signals:
    void activated();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
};

// Makes a form one of the program's screens, so that coming back from it activates the screen
// underneath (a form with activation steps of its own connects to the returned watcher).
ScreenActivation* markAsProgramScreen(QWidget* window);

}  // namespace coinwell
