#include "shell/ui/reminder_panel.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "common/core/date_time.h"
#include "common/core/format_number.h"
#include "common/ui/qt_text.h"
#include "shell/core/planner.h"

namespace coinwell {

namespace {

DateTime toDateTime(const QDateTime& when) {
    const QDate date = when.date();
    const QTime time = when.time();
    return DateTime{date.year(), date.month(),  date.day(),
                    time.hour(), time.minute(), time.second()};
}

}  // namespace

ReminderPanel::ReminderPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("SSPanel2"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    // The default background colour (the button face), whatever the main screen shows behind.
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    setPalette(face);

    auto* caption = new QLabel(QStringLiteral("Daily Planner Reminder"), this);
    caption->setObjectName(QStringLiteral("SSPanel2Caption"));
    QFont captionFont = caption->font();
    captionFont.setBold(true);
    captionFont.setPixelSize(15);
    caption->setFont(captionFont);
    caption->setAlignment(Qt::AlignCenter);

    date_ = new QLabel(this);
    date_->setObjectName(QStringLiteral("Label2"));
    date_->setAlignment(Qt::AlignCenter);
    auto* message =
        new QLabel(QStringLiteral("You have an appointment or activity listed for today."), this);
    message->setObjectName(QStringLiteral("Label3"));
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("Label4"));
    clock_->setAlignment(Qt::AlignCenter);
    QFont clockFont = clock_->font();
    clockFont.setBold(true);
    clock_->setFont(clockFont);
    auto* spare = new QLabel(this);
    spare->setObjectName(QStringLiteral("Label5"));

    auto* view = new QPushButton(QStringLiteral("&View"), this);
    view->setObjectName(QStringLiteral("Command2"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Command3"));
    connect(view, &QPushButton::clicked, this, &ReminderPanel::closeReminder);
    connect(close, &QPushButton::clicked, this, &ReminderPanel::closeReminder);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer2"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, [this] { showTime(QDateTime::currentDateTime()); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(view);
    buttons->addWidget(close);
    buttons->addStretch();

    // Date and clock share a row, so the panel fits the band under the main panel.
    auto* dateAndClock = new QHBoxLayout;
    dateAndClock->addWidget(date_);
    dateAndClock->addWidget(clock_);
    spare->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setSpacing(4);
    layout->addWidget(caption);
    layout->addLayout(dateAndClock);
    layout->addWidget(message);
    layout->addLayout(buttons);

    for (QWidget* part : std::initializer_list<QWidget*>{this, caption, date_, message, clock_,
                                                         spare, view, close}) {
        part->installEventFilter(this);
    }

    setFixedSize(340, 124);
    hide();
}

bool ReminderPanel::checkReminder(const DateTime& today, const std::string& dateOrder) {
    if (lookedUp_) {
        return pending_;
    }
    lookedUp_ = true;
    date_->setText(toQString(reminderDateText(today, dateOrder)));
    if (coinwell::checkReminder(today)) {
        pending_ = true;
    }
    return pending_;
}

bool ReminderPanel::checkReminder() {
    return checkReminder(toDateTime(QDateTime::currentDateTime()), dateOrder());
}

void ReminderPanel::showIfPending() {
    if (!pending_) {
        return;
    }
    showTime(QDateTime::currentDateTime());
    show();
    raise();
    timer_->start();
}

void ReminderPanel::closeReminder() {
    hide();
    timer_->stop();
    pending_ = false;
}

void ReminderPanel::showTime(const QDateTime& now) {
    clock_->setText(toQString(formatDate(toDateTime(now), "h:nn AM/PM")));
}

bool ReminderPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        emit optionsMenuRequested(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace coinwell
