#pragma once
// The Daily Planner Reminder panel of the main screen: hidden until today's planner record holds
// an entry, then shown with today's date and a clock running by the second.

#include <QDateTime>
#include <QFrame>
#include <string>

class QLabel;
class QPushButton;
class QTimer;

namespace coinwell {

struct DateTime;

class ReminderPanel : public QFrame {
    Q_OBJECT

  public:
    explicit ReminderPanel(QWidget* parent = nullptr);

    // Looks up today's record in the planner file of the current folder, once per panel: later
    // calls change nothing. Shows today's date in the order given ("USA" or "OTHER") and returns
    // whether the reminder is pending.
    bool checkReminder(const DateTime& today, const std::string& dateOrder);
    // The same for the current date and the locale's date order.
    bool checkReminder();

    bool isPending() const { return pending_; }
    bool wasLookedUp() const { return lookedUp_; }

    // On activation of the main screen: shows the panel and starts the clock when the reminder
    // is pending.
    void showIfPending();
    // "&View" and "&Close": hides the panel, stops the clock and clears the pending flag.
    void closeReminder();

    // Sets the clock to a time ("h:nn AM/PM").
    void showTime(const QDateTime& now);

    QTimer* clockTimer() const { return timer_; }

  signals:
    // A right-button release on the panel, its labels or its buttons: the main screen pops up
    // its Options menu there.
    void optionsMenuRequested(const QPoint& globalPosition);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* date_ = nullptr;
    QLabel* clock_ = nullptr;
    QTimer* timer_ = nullptr;
    bool pending_ = false;
    bool lookedUp_ = false;
};

}  // namespace coinwell
