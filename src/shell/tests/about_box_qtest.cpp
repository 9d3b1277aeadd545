// The About box: its texts, its place over the main screen, its links and the ways it closes.

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <functional>

#include "common/core/run_settings.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/ui/app_context.h"
#include "common/ui/qt_desktop.h"
#include "shell/ui/about_box.h"

using namespace coinwell;

namespace {

// Runs handle on the About box as soon as it is up, then makes sure it is gone.
void whenAboutBoxOpens(std::function<void(About1&)> handle) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, handle] {
        if (auto* box = qobject_cast<About1*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            handle(*box);
            if (box->isVisible()) {
                QTest::qFail("the About box did not close", __FILE__, __LINE__);
                box->reject();
            }
        }
    });
    poll->start();
}

QLabel* label(About1& box, const char* name) {
    return box.findChild<QLabel*>(QString::fromLatin1(name));
}

// The lines a word-wrapped label shows its text in at a width.
QStringList wrappedLines(const QString& text, const QFont& font, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return lines;
}

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void showsProductVersionNoticeAndWebSite();
    void noticeBreaksItsLinesOnlyBetweenWords();
    void opensCentredOverASmallerMainScreen_data();
    void opensCentredOverASmallerMainScreen();
    void linksOpenTheWebSite();
    void okButtonMenuAndEscCloseIt_data();
    void okButtonMenuAndEscCloseIt();
};

void AboutBoxTest::showsProductVersionNoticeAndWebSite() {
    ScriptedDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QWidget mainScreen;
    mainScreen.setGeometry(40, 30, 720, 540);
    mainScreen.show();
    bool seen = false;
    whenAboutBoxOpens([&](About1& box) {
        seen = true;
        QCOMPARE(box.windowTitle(), QStringLiteral("About Coinwell"));
        QCOMPARE(label(box, "Label1(0)")->text(), QStringLiteral("Coinwell\nVersion 6.0"));
        QVERIFY(
            label(box, "Label1(1)")->text().contains(QStringLiteral("GNU General Public License")));
        QCOMPARE(label(box, "Label4")->text(), QStringLiteral("Web Site:"));
        QCOMPARE(label(box, "Label5")->text(), webSiteName());
        QVERIFY(!webSiteName().isEmpty());
        QVERIFY(QString::fromLatin1(kHomePageUrl).contains(webSiteName()));
        QVERIFY2(!label(box, "Label2")->isVisible(), "the colour label stays hidden");
        QVERIFY2(!label(box, "Image3")->pixmap().isNull(), "the link picture is installed");
        QCOMPARE(box.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("OK"));
        box.accept();
    });
    showAboutBox(context, &mainScreen);
    QVERIFY(seen);
    COINWELL_VERIFY_DESKTOP(desktop);
}

void AboutBoxTest::noticeBreaksItsLinesOnlyBetweenWords() {
    // "and/or" is never cut into "and/" and "or", at the box's width nor at any other.
    ScriptedDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    About1 box(context, nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QLabel* notice = label(box, "Label1(1)");
    const QString text = notice->text();
    QVERIFY(text.contains(QStringLiteral("redistribute it and/")));
    const int shown = notice->contentsRect().width();
    for (int width = 100; width <= std::max(shown, 600); ++width) {
        for (const QString& line : wrappedLines(text, notice->font(), width)) {
            QVERIFY2(
                !line.trimmed().endsWith(QLatin1Char('/')),
                qPrintable(
                    QStringLiteral("at %1 pixels a line ends in \"%2\"").arg(width).arg(line)));
        }
    }
    COINWELL_VERIFY_DESKTOP(desktop);
}

void AboutBoxTest::opensCentredOverASmallerMainScreen_data() {
    QTest::addColumn<QRect>("mainGeometry");
    QTest::newRow("left top") << QRect(0, 0, 640, 480);
    QTest::newRow("right bottom") << QRect(250, 180, 540, 410);
    QTest::newRow("whole screen") << QRect(0, 0, 800, 600);
}

void AboutBoxTest::opensCentredOverASmallerMainScreen() {
    QFETCH(QRect, mainGeometry);
    ScriptedDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QWidget mainScreen;
    mainScreen.setGeometry(mainGeometry);
    mainScreen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainScreen));
    QPoint boxCentre;
    QPoint mainCentre;
    whenAboutBoxOpens([&](About1& box) {
        boxCentre = box.frameGeometry().center();
        mainCentre = mainScreen.frameGeometry().center();
        box.accept();
    });
    showAboutBox(context, &mainScreen);
    // Centred across, 200 twips (13 pixels) below the middle.
    QVERIFY2(qAbs(boxCentre.x() - mainCentre.x()) <= 1,
             qPrintable(QStringLiteral("box centre %1, main centre %2")
                            .arg(boxCentre.x())
                            .arg(mainCentre.x())));
    QVERIFY2(qAbs(boxCentre.y() - (mainCentre.y() + 13)) <= 1,
             qPrintable(QStringLiteral("box centre %1, main centre %2")
                            .arg(boxCentre.y())
                            .arg(mainCentre.y())));
}

void AboutBoxTest::linksOpenTheWebSite() {
    ScriptedDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QWidget mainScreen;
    mainScreen.setGeometry(0, 0, 700, 520);
    mainScreen.show();
    whenAboutBoxOpens([&](About1& box) {
        QTest::mouseClick(label(box, "Label4"), Qt::LeftButton);
        QCOMPARE(desktop.webSiteOpenings(), 0);
        QTest::mouseClick(label(box, "Label5"), Qt::LeftButton);
        QCOMPARE(desktop.webSiteOpenings(), 1);
        QTest::mouseClick(label(box, "Image3"), Qt::LeftButton);
        QCOMPARE(desktop.webSiteOpenings(), 2);
        QVERIFY2(box.isVisible(), "following a link leaves the box open");
        box.accept();
    });
    showAboutBox(context, &mainScreen);
    COINWELL_VERIFY_DESKTOP(desktop);
}

void AboutBoxTest::okButtonMenuAndEscCloseIt_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << "button";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("OK menu item") << "menu";
}

void AboutBoxTest::okButtonMenuAndEscCloseIt() {
    QFETCH(QString, how);
    ScriptedDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QWidget mainScreen;
    mainScreen.setGeometry(0, 0, 700, 520);
    mainScreen.show();
    bool closedByUs = false;
    whenAboutBoxOpens([&](About1& box) {
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("Command1"));
        if (how == "button") {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else if (how == "enter") {
            QTest::keyClick(&box, Qt::Key_Return);
        } else if (how == "esc") {
            QTest::keyClick(&box, Qt::Key_Escape);
        } else {
            QTest::mouseRelease(ok, Qt::RightButton);
            QVERIFY2(box.isVisible(), "a right click only pops up the menu");
            QMenu* menu = box.okMenu();
            QTRY_VERIFY(menu->isVisible());
            auto* item = menu->findChild<QAction*>(QStringLiteral("mOOK"));
            QVERIFY(item);
            QCOMPARE(item->text(), QStringLiteral("OK"));
            item->trigger();
        }
        closedByUs = !box.isVisible();
    });
    showAboutBox(context, &mainScreen);
    QVERIFY(closedByUs);
    COINWELL_VERIFY_DESKTOP(desktop);
}

QTEST_MAIN(AboutBoxTest)
#include "about_box_qtest.moc"
