// When a screen's activation steps run: only when it becomes the active window coming from
// another of the program's screens, never when the focus comes back from a message box, a dialog
// or another program.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "common/ui/screen_activation.h"

using namespace coinwell;

namespace {

// What a window manager does when the user (or a newly shown window) takes the focus there.
void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
}

}  // namespace

class ScreenActivationTest : public QObject {
    Q_OBJECT

  private slots:
    void onlyComingFromAnotherProgramScreenActivates();
};

void ScreenActivationTest::onlyComingFromAnotherProgramScreenActivates() {
    QWidget mainScreen;
    QWidget toolScreen;
    mainScreen.setGeometry(0, 0, 300, 200);
    toolScreen.setGeometry(20, 20, 300, 200);
    QSignalSpy mainActivated(markAsProgramScreen(&mainScreen), &ScreenActivation::activated);
    QSignalSpy toolActivated(markAsProgramScreen(&toolScreen), &ScreenActivation::activated);

    activate(mainScreen);  // the first screen of the run
    QCOMPARE(mainActivated.count(), 1);

    // The focus coming back from a message box, a dialog or another program, or going to one of
    // them, is no activation; neither is being made active again while already the last screen.
    QMessageBox box(QMessageBox::Information, "Title", "Text");
    QDialog dialog;
    QWidget otherProgram;
    for (QWidget* away :
         {static_cast<QWidget*>(&box), static_cast<QWidget*>(&dialog), &otherProgram}) {
        activate(*away);
        away->hide();
        activate(mainScreen);
    }
    activate(mainScreen);
    QCOMPARE(mainActivated.count(), 1);
    QCOMPARE(toolActivated.count(), 0);

    // Each move between two of the program's screens activates the one arrived at, also when a
    // message box came in between.
    activate(toolScreen);
    QCOMPARE(toolActivated.count(), 1);
    activate(box);
    box.hide();
    activate(toolScreen);
    QCOMPARE(toolActivated.count(), 1);
    activate(mainScreen);
    QCOMPARE(mainActivated.count(), 2);
    activate(toolScreen);
    QCOMPARE(toolActivated.count(), 2);

    // A screen that is gone does not count as the last one: the screen under it is activated.
    {
        QWidget form;
        markAsProgramScreen(&form);
        activate(form);
    }
    activate(toolScreen);
    QCOMPARE(toolActivated.count(), 3);
    QCOMPARE(mainActivated.count(), 2);
}

QTEST_MAIN(ScreenActivationTest)
#include "screen_activation_qtest.moc"
