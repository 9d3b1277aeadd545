// The start-up screen: centred on the screen, product name and version shown, closing itself
// after two pauses of two seconds, once per run.

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <vector>

#include "common/core/run_settings.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/ui/app_context.h"
#include "shell/ui/splash_screen.h"

using namespace coinwell;

class SplashScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void showsCentredAndClosesItselfAfterTwoPauses();
    void showsOncePerRun();
};

void SplashScreenTest::showsCentredAndClosesItselfAfterTwoPauses() {
    ScriptedDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    std::vector<int> pauses;
    QRect shownAt;
    QStringList texts;
    bool visibleWhilePausing = true;
    showSplash(context, [&](int seconds) {
        pauses.push_back(seconds);
        auto* splash = qobject_cast<Splash1*>(QApplication::activeModalWidget());
        visibleWhilePausing = visibleWhilePausing && splash && splash->isVisible();
        if (!splash)
            return;
        shownAt = splash->frameGeometry();
        for (const char* name : {"Label9", "Label7"})
            texts << splash->findChild<QLabel*>(QString::fromLatin1(name))->text();
        QWidget* panel = splash->findChild<QWidget*>(QStringLiteral("SSPanel1"));
        QCOMPARE(panel->size(), QSize(434, 267));
        QWidget* badge = splash->findChild<QWidget*>(QStringLiteral("SSPanel2"));
        QVERIFY(badge && badge->isVisible());
        QCOMPARE(badge->findChild<QLabel*>()->text(), QStringLiteral("6.0"));
    });
    QCOMPARE(pauses, (std::vector<int>{2, 2}));
    QVERIFY(visibleWhilePausing);
    QCOMPARE(texts.mid(0, 2), (QStringList{"Coinwell", "Version 6.0"}));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY2(qAbs(shownAt.center().x() - screen.center().x()) <= 1, "centred across the screen");
    QVERIFY2(qAbs(shownAt.center().y() - screen.center().y()) <= 1, "centred down the screen");
    QVERIFY2(QApplication::activeModalWidget() == nullptr, "the splash closed itself");
    // Pending events run before and after the pauses so that it paints.
    QVERIFY(desktop.processEventsCount() >= 2);
    COINWELL_VERIFY_DESKTOP(desktop);
}

void SplashScreenTest::showsOncePerRun() {
    ScriptedDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    int pauses = 0;
    const auto count = [&](int) { ++pauses; };
    QVERIFY(showSplashOnce(context, count));
    QCOMPARE(pauses, 2);
    QVERIFY(!showSplashOnce(context, count));
    QVERIFY(!showSplashOnce(context, count));
    QCOMPARE(pauses, 2);
}

QTEST_MAIN(SplashScreenTest)
#include "splash_screen_qtest.moc"
