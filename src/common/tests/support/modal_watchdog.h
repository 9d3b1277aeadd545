#pragma once
// Guards a screen test against real modal dialogs: while it lives, every 50 ms it looks for a
// modal widget or a visible top-level dialog, closes it (reject) and records a failure naming
// it. Screens must ask through the Desktop, so any real dialog is a fault.
//
//   coinwell::ModalWatchdog watchdog;
//   ... drive the screen ...
//   COINWELL_VERIFY_WATCHDOG(watchdog);

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QWidget;

namespace coinwell {

class ModalWatchdog : public QObject {
  public:
    explicit ModalWatchdog(int intervalMs = 50);
    ~ModalWatchdog() override;

    // Closes and records any dialog up now; the timer does the same on its own.
    void check();
    const QStringList& failures() const { return failures_; }
    // Empty when no dialog was met; otherwise their descriptions.
    QString verify() const { return failures_.join(QLatin1Char('\n')); }
    // Stops watching for a while (e.g. while a test deliberately drives a real dialog).
    void setPaused(bool paused) { paused_ = paused; }
    // The program's own modal forms (the backup dialog, the About box) are left alone when their
    // objectName is allowed; everything else is a question that bypassed the Desktop.
    void allowDialog(const QString& objectName) { allowed_.append(objectName); }

  private:
    void closeDialog(QWidget* widget);

    QTimer timer_;
    QStringList failures_;
    bool paused_ = false;
    QStringList allowed_;
};

}  // namespace coinwell

#define COINWELL_VERIFY_WATCHDOG(watchdog)                                                  \
    do {                                                                                    \
        (watchdog).check();                                                                 \
        const QString coinwellWatchdogProblems = (watchdog).verify();                       \
        QVERIFY2(coinwellWatchdogProblems.isEmpty(), qPrintable(coinwellWatchdogProblems)); \
    } while (false)
