// The start-up screen: centred on the screen, product name and version shown, closing itself
// after two pauses of two seconds, once per run.

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <vector>

#include "common/ui/program_folder.h"

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
    void realPauseLetsTheWindowPaint();
    void installedPicturesLoad();
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
        if (!splash) {
            return;
        }
        shownAt = splash->frameGeometry();
        for (const char* name : {"Label9", "Label7"}) {
            texts << splash->findChild<QLabel*>(QString::fromLatin1(name))->text();
        }
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

void SplashScreenTest::realPauseLetsTheWindowPaint() {
    // While the start-up screen waits, queued work such as painting still runs.
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    waitShowingOnly(1);
    QVERIFY(ran);
}

void SplashScreenTest::installedPicturesLoad() {
    // The pictures drawn at build time: the sixteen wallpapers, each its own, large enough for a
    // screen background, and the pictures of the start-up screen, the About box and the tools.
    QSet<QByteArray> seen;
    for (int n = 1; n <= 16; ++n) {
        const QString name = QStringLiteral("WP%1.jpg").arg(n);
        const QString path = findInstallationFile(name);
        QVERIFY2(!path.isEmpty(), qPrintable(name + " is not installed"));
        const QImage picture(path);
        QVERIFY2(!picture.isNull(), qPrintable(name + " does not load"));
        QVERIFY(picture.width() >= 1280 && picture.height() >= 960);
        const QImage thumbnail = picture.scaled(8, 6).convertToFormat(QImage::Format_RGB32);
        const QByteArray key(reinterpret_cast<const char*>(thumbnail.constBits()),
                             thumbnail.sizeInBytes());
        QVERIFY2(!seen.contains(key), qPrintable(name + " repeats another wallpaper"));
        seen.insert(key);
    }
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {{"Splash.png", QSize(434, 267)},
                    {"MainPicture.png", {}},
                    {"Emblem.png", {}},
                    {"AboutPicture.png", {}},
                    {"coinwell.png", QSize(256, 256)}};
    for (const auto& picture : pictures) {
        const QImage image(findInstallationFile(QString::fromLatin1(picture.name)));
        QVERIFY2(!image.isNull(), picture.name);
        if (picture.size.isValid()) {
            QCOMPARE(image.size(), picture.size);
        }
    }
}

QTEST_MAIN(SplashScreenTest)
#include "splash_screen_qtest.moc"
