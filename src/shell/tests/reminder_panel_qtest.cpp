// The Daily Planner Reminder panel: looked up once from the planner file of the program folder,
// shown on activation when pending, closed by View or Close, with its clock and its right-click.

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "common/core/date_time.h"
#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/temporary_program_folder.h"
#include "shell/core/planner.h"
#include "shell/ui/reminder_panel.h"

using namespace coinwell;

namespace {

// A planner record as the planner program stores it, with one entry (or none) and a marker.
std::string plannerRecord(const std::string& marker, const std::string& entry) {
    std::string record(14 * 10, ' ');
    std::string first = entry;
    first.resize(50, ' ');
    record += first + std::string(13 * 50, ' ');
    std::string paddedMarker = marker;
    paddedMarker.resize(10, ' ');
    record += paddedMarker + std::string(50, ' ');
    return record;
}

// A planner file of the year holding the record of one day.
void writePlanner(const TemporaryProgramFolder& folder, int year, int month, int day,
                  const std::string& record) {
    const int number = plannerRecordNumber(month, day);
    QVERIFY(folder.writeBytes(plannerFileName(year),
                              std::string((number - 1) * kPlannerRecordLength, ' ') + record));
}

QLabel* label(QWidget& panel, const char* name) {
    return panel.findChild<QLabel*>(QString::fromLatin1(name));
}

QPushButton* button(QWidget& panel, const char* name) {
    return panel.findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

class ReminderPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void entryForTodayShowsThePanelOnActivationUntilViewOrClose_data();
    void entryForTodayShowsThePanelOnActivationUntilViewOrClose();
    void dateFollowsTheDateOrder();
    void noReminderWithoutAnEntryForToday();
    void clockShowsHoursAndMinutesWithAmPm();
    void clockRunsBySecondWhileShown();
    void rightButtonReleaseAsksForTheOptionsMenu();
};

void ReminderPanelTest::entryForTodayShowsThePanelOnActivationUntilViewOrClose_data() {
    QTest::addColumn<QString>("closer");
    QTest::newRow("View") << "Command2";
    QTest::newRow("Close") << "Command3";
}

void ReminderPanelTest::entryForTodayShowsThePanelOnActivationUntilViewOrClose() {
    QFETCH(QString, closer);
    ModalWatchdog watchdog;
    TemporaryProgramFolder folder;
    QVERIFY(folder.isValid());
    writePlanner(folder, 2026, 3, 15, plannerRecord("Full", "Dentist at 10"));

    QWidget mainScreen;
    mainScreen.resize(700, 500);
    ReminderPanel panel(&mainScreen);
    QCOMPARE(panel.objectName(), QStringLiteral("SSPanel2"));
    QCOMPARE(button(panel, "Command2")->text(), QStringLiteral("&View"));
    QCOMPARE(button(panel, "Command3")->text(), QStringLiteral("&Close"));
    QCOMPARE(label(panel, "Label3")->text(),
             QStringLiteral("You have an appointment or activity listed for today."));
    QCOMPARE(panel.clockTimer()->objectName(), QStringLiteral("Timer2"));
    QCOMPARE(panel.clockTimer()->interval(), 1000);
    mainScreen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainScreen));
    QVERIFY(!panel.isVisible());

    QVERIFY(panel.checkReminder(DateTime{2026, 3, 15, 9, 0, 0}, "USA"));
    QCOMPARE(label(panel, "Label2")->text(), QStringLiteral("March 15, 2026"));
    QVERIFY2(!panel.isVisible(), "the panel waits for the next activation");
    QVERIFY(!panel.clockTimer()->isActive());

    panel.showIfPending();
    QVERIFY(panel.isVisible());
    QVERIFY(panel.clockTimer()->isActive());
    QVERIFY(!label(panel, "Label4")->text().isEmpty());

    QTest::mouseClick(button(panel, qPrintable(closer)), Qt::LeftButton);
    QVERIFY(!panel.isVisible());
    QVERIFY(!panel.clockTimer()->isActive());
    QVERIFY(!panel.isPending());

    // Later activations do not bring it back, and the planner is not looked up again.
    panel.showIfPending();
    QVERIFY(!panel.isVisible());
    QVERIFY(!panel.checkReminder(DateTime{2026, 3, 15, 9, 0, 0}, "USA"));
    panel.showIfPending();
    QVERIFY(!panel.isVisible());
    COINWELL_VERIFY_WATCHDOG(watchdog);
}

void ReminderPanelTest::dateFollowsTheDateOrder() {
    TemporaryProgramFolder folder;
    writePlanner(folder, 2026, 10, 1, plannerRecord("Full", "Pay the insurance"));
    ReminderPanel dayFirst;
    QVERIFY(dayFirst.checkReminder(DateTime{2026, 10, 1, 8, 0, 0}, "OTHER"));
    QCOMPARE(label(dayFirst, "Label2")->text(), QStringLiteral("1 October 2026"));
    ReminderPanel monthFirst;
    QVERIFY(monthFirst.checkReminder(DateTime{2026, 10, 1, 8, 0, 0}, "USA"));
    QCOMPARE(label(monthFirst, "Label2")->text(), QStringLiteral("October 1, 2026"));
}

void ReminderPanelTest::noReminderWithoutAnEntryForToday() {
    TemporaryProgramFolder folder;
    {
        ReminderPanel panel;
        QVERIFY2(!panel.checkReminder(DateTime{2026, 3, 15, 9, 0, 0}, "USA"), "no planner file");
        QVERIFY(panel.wasLookedUp());
        panel.showIfPending();
        QVERIFY(panel.isHidden());
    }
    writePlanner(folder, 2026, 3, 15, plannerRecord("Full", ""));
    {
        ReminderPanel panel;
        QVERIFY2(!panel.checkReminder(DateTime{2026, 3, 15, 9, 0, 0}, "USA"), "Full but blank");
        panel.showIfPending();
        QVERIFY(panel.isHidden());
    }
    {
        ReminderPanel panel;
        QVERIFY2(!panel.checkReminder(DateTime{2026, 3, 16, 9, 0, 0}, "USA"), "another day");
    }
    {
        ReminderPanel panel;
        QVERIFY2(!panel.checkReminder(DateTime{2027, 3, 15, 9, 0, 0}, "USA"), "another year");
    }
}

void ReminderPanelTest::clockShowsHoursAndMinutesWithAmPm() {
    ReminderPanel panel;
    const struct {
        int hour, minute;
        const char* shown;
    } times[] = {{13, 5, "1:05 PM"},
                 {0, 7, "12:07 AM"},
                 {12, 0, "12:00 PM"},
                 {9, 59, "9:59 AM"},
                 {23, 30, "11:30 PM"}};
    for (const auto& time : times) {
        panel.showTime(QDateTime(QDate(2026, 12, 9), QTime(time.hour, time.minute, 42)));
        QCOMPARE(label(panel, "Label4")->text(), QString::fromLatin1(time.shown));
    }
}

void ReminderPanelTest::clockRunsBySecondWhileShown() {
    TemporaryProgramFolder folder;
    const QDate today = QDate::currentDate();
    writePlanner(folder, today.year(), today.month(), today.day(), plannerRecord("Full", "Today"));
    ReminderPanel panel;
    QVERIFY(panel.checkReminder());
    panel.showIfPending();
    label(panel, "Label4")->clear();
    QTRY_VERIFY_WITH_TIMEOUT(!label(panel, "Label4")->text().isEmpty(), 3000);
    QVERIFY(QRegularExpression(QStringLiteral("^(1[0-2]|[1-9]):[0-5][0-9] (AM|PM)$"))
                .match(label(panel, "Label4")->text())
                .hasMatch());
}

void ReminderPanelTest::rightButtonReleaseAsksForTheOptionsMenu() {
    QWidget mainScreen;
    ReminderPanel panel(&mainScreen);
    mainScreen.resize(600, 400);
    mainScreen.show();
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainScreen));
    QSignalSpy requests(&panel, &ReminderPanel::optionsMenuRequested);
    for (const char* part : {"Label2", "Label3", "Label4", "Label5"}) {
        QTest::mouseRelease(label(panel, part), Qt::RightButton);
    }
    QTest::mouseRelease(button(panel, "Command2"), Qt::RightButton);
    QTest::mouseRelease(button(panel, "Command3"), Qt::RightButton);
    QTest::mouseRelease(&panel, Qt::RightButton, {}, QPoint(3, 3));
    QCOMPARE(requests.count(), 7);
    QTest::mouseRelease(label(panel, "Label3"), Qt::LeftButton);
    QCOMPARE(requests.count(), 7);
    QVERIFY2(panel.isVisible(), "a right click on a button does not close the reminder");
}

QTEST_MAIN(ReminderPanelTest)
#include "reminder_panel_qtest.moc"
