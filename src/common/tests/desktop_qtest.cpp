// The real desktop's dialogs (answered by timers that find the open dialog), the scripted double
// and the modal watchdog.

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/ui/colors.h"
#include "common/ui/qt_desktop.h"
#include "common/ui/twips.h"

using namespace coinwell;

namespace {

// Runs handle on the next modal dialog as soon as it is up.
void whenDialogOpens(std::function<void(QWidget*)> handle) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, handle] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            handle(modal);
        }
    });
    poll->start();
}

}  // namespace

Q_DECLARE_METATYPE(coinwell::MessageButtons)
Q_DECLARE_METATYPE(coinwell::Answer)
Q_DECLARE_METATYPE(coinwell::MessageIcon)

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxShowsTheRequest_data();
    void messageBoxShowsTheRequest();
    void messageBoxReturnsTheButtonClicked();
    void inputBoxReturnsTextOrNothing();
    void busyPointerDoesNotNestAndIsLiftedForQuestions();
    void colorNumbersKeepRedInTheLowByte();
    void colorDialogReturnsTheChosenColor();
    void fontDialogKeepsTheStoredFamilyAndColor();
    void clipboardHelpAndWebSite();
    void scriptedDesktopAnswersInOrderAndReportsSurprises();
    void watchdogClosesRealDialogs();
};

void DesktopTest::messageBoxShowsTheRequest_data() {
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<Answer>("defaultAnswer");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<int>("qtIcon");
    QTest::addColumn<int>("buttonCount");
    QTest::addColumn<Answer>("escapeAnswer");
    QTest::newRow("ok") << MessageButtons::Ok << Answer::Ok << MessageIcon::Critical
                        << int(QMessageBox::Critical) << 1 << Answer::Ok;
    QTest::newRow("ok/cancel") << MessageButtons::OkCancel << Answer::Ok << MessageIcon::Exclamation
                               << int(QMessageBox::Warning) << 2 << Answer::Cancel;
    QTest::newRow("yes/no") << MessageButtons::YesNo << Answer::No << MessageIcon::Question
                            << int(QMessageBox::Question) << 2 << Answer::No;
    QTest::newRow("yes/no/cancel")
        << MessageButtons::YesNoCancel << Answer::No << MessageIcon::Information
        << int(QMessageBox::Information) << 3 << Answer::Cancel;
    QTest::newRow("no icon") << MessageButtons::YesNo << Answer::Yes << MessageIcon::None
                             << int(QMessageBox::NoIcon) << 2 << Answer::No;
}

void DesktopTest::messageBoxShowsTheRequest() {
    QFETCH(MessageButtons, buttons);
    QFETCH(Answer, defaultAnswer);
    QFETCH(MessageIcon, icon);
    QFETCH(int, qtIcon);
    QFETCH(int, buttonCount);
    QFETCH(Answer, escapeAnswer);
    QtDesktop desktop;
    QString seenText, seenTitle, defaultText;
    int seenIcon = -1, seenButtons = -1;
    whenDialogOpens([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr) {
            widget->close();
            return;
        }
        seenText = box->text();
        seenTitle = box->windowTitle();
        seenIcon = box->icon();
        seenButtons = box->buttons().size();
        if (box->defaultButton() != nullptr) {
            defaultText = box->defaultButton()->text().remove(QLatin1Char('&'));
        }
        QTest::keyClick(box, Qt::Key_Escape);
    });
    const Answer answer =
        desktop.message({"First line\rsecond line", "Some Title", icon, buttons, defaultAnswer});
    QCOMPARE(answer, escapeAnswer);
    QCOMPARE(seenText, QStringLiteral("First line\nsecond line"));
    QCOMPARE(seenTitle, QStringLiteral("Some Title"));
    QCOMPARE(seenIcon, qtIcon);
    QCOMPARE(seenButtons, buttonCount);
    const char* names[] = {"OK", "Cancel", "Yes", "No"};
    QCOMPARE(defaultText, QString::fromLatin1(names[static_cast<int>(defaultAnswer)]));
}

void DesktopTest::messageBoxReturnsTheButtonClicked() {
    QtDesktop desktop;
    for (const auto& [button, expected] :
         {std::pair{QMessageBox::Yes, Answer::Yes}, std::pair{QMessageBox::No, Answer::No},
          std::pair{QMessageBox::Cancel, Answer::Cancel}}) {
        whenDialogOpens([button = button](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
        QCOMPARE(desktop.message({"Save?", "T", MessageIcon::Question, MessageButtons::YesNoCancel,
                                  Answer::No}),
                 expected);
    }
    // Enter takes the default button.
    whenDialogOpens([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Return); });
    QCOMPARE(
        desktop.message({"Save?", "T", MessageIcon::Question, MessageButtons::YesNo, Answer::No}),
        Answer::No);
}

void DesktopTest::inputBoxReturnsTextOrNothing() {
    QtDesktop desktop;
    QString label, title, prefilled;
    whenDialogOpens([&](QWidget* widget) {
        auto* dialog = qobject_cast<QInputDialog*>(widget);
        label = dialog->labelText();
        title = dialog->windowTitle();
        prefilled = dialog->textValue();
        dialog->setTextValue(QStringLiteral("Smith family"));
        dialog->accept();
    });
    QCOMPARE(desktop.input({"Line one\rLine two", "Family Name", "Jones"}),
             std::string("Smith family"));
    QCOMPARE(label, QStringLiteral("Line one\nLine two"));
    QCOMPARE(title, QStringLiteral("Family Name"));
    QCOMPARE(prefilled, QStringLiteral("Jones"));

    whenDialogOpens([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
    QCOMPARE(desktop.input({"Name?", "Family Name", "Jones"}), std::string());
}

void DesktopTest::busyPointerDoesNotNestAndIsLiftedForQuestions() {
    QtDesktop desktop;
    desktop.beginBusy();
    desktop.beginBusy();
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    bool cursorDuringQuestion = true;
    whenDialogOpens([&](QWidget* widget) {
        cursorDuringQuestion = QApplication::overrideCursor() != nullptr;
        QTest::keyClick(widget, Qt::Key_Escape);
    });
    desktop.message({"Wait", "T", MessageIcon::None, MessageButtons::Ok, Answer::Ok});
    QVERIFY(!cursorDuringQuestion);
    QVERIFY(QApplication::overrideCursor() != nullptr);
    desktop.endBusy();
    QVERIFY(QApplication::overrideCursor() == nullptr);
    desktop.endBusy();
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void DesktopTest::colorNumbersKeepRedInTheLowByte() {
    QCOMPARE(toQColor(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(toQColor(255), QColor(255, 0, 0));
    QCOMPARE(toColorNumber(QColor(0x12, 0x34, 0x56)), ColorNumber(0x563412));
    QCOMPARE(toColorNumber(toQColor(0xABCDEF)), ColorNumber(0xABCDEF));
    QCOMPARE(classicPaletteColor(4), ColorNumber(0x000080));
    QCOMPARE(classicPaletteColor(14), ColorNumber(0x00FFFF));
    QCOMPARE(twipsToPixels(9000), 600);
    QCOMPARE(twipsToPixels(22), 1);
    QCOMPARE(pixelsToTwips(800), 12000);
}

void DesktopTest::colorDialogReturnsTheChosenColor() {
    QtDesktop desktop;
    QColor startShown;
    whenDialogOpens([&](QWidget* widget) {
        auto* dialog = qobject_cast<QColorDialog*>(widget);
        startShown = dialog->currentColor();
        dialog->setCurrentColor(QColor(255, 0, 0));
        dialog->accept();
    });
    QCOMPARE(desktop.chooseColor(0xFF0000), std::optional<ColorNumber>(255));
    QCOMPARE(startShown, QColor(0, 0, 255));
    whenDialogOpens([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
    QVERIFY(!desktop.chooseColor(0).has_value());
}

void DesktopTest::fontDialogKeepsTheStoredFamilyAndColor() {
    QtDesktop desktop;
    FontChoice start;
    start.family = "Times New Roman";
    start.pointSize = 12;
    start.bold = true;
    start.color = 0x000080;  // maroon
    QString colorShown;
    whenDialogOpens([&](QWidget* widget) {
        auto* colors = widget->findChild<QComboBox*>(QStringLiteral("fontColor"));
        colorShown = colors->currentText();
        qobject_cast<QDialog*>(widget)->accept();
    });
    const auto unchanged = desktop.chooseFont(start);
    QVERIFY(unchanged.has_value());
    QCOMPARE(colorShown, QStringLiteral("Maroon"));
    QCOMPARE(unchanged->family, start.family);
    QCOMPARE(unchanged->pointSize, 12.0);
    QVERIFY(unchanged->bold);
    QCOMPARE(unchanged->color, ColorNumber(0x000080));

    whenDialogOpens([](QWidget* widget) {
        auto* fonts = widget->findChild<QFontDialog*>(QStringLiteral("fontChooser"));
        QFont font = fonts->currentFont();
        font.setUnderline(true);
        font.setPointSize(14);
        fonts->setCurrentFont(font);
        auto* colors = widget->findChild<QComboBox*>(QStringLiteral("fontColor"));
        colors->setCurrentIndex(colors->findText(QStringLiteral("Blue")));
        qobject_cast<QDialog*>(widget)->accept();
    });
    const auto changed = desktop.chooseFont(start);
    QVERIFY(changed.has_value());
    QVERIFY(changed->underline);
    QCOMPARE(changed->pointSize, 14.0);
    QCOMPARE(changed->color, ColorNumber(0xFF0000));

    whenDialogOpens([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
    QVERIFY(!desktop.chooseFont(start).has_value());
}

void DesktopTest::clipboardHelpAndWebSite() {
    QtDesktop desktop;
    desktop.setClipboardText("a\tb\r\n");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\tb\r\n"));
    // A table beside its text: a plain-text editor pastes the text, a spreadsheet the table.
    desktop.setClipboardTextAndHtml("a\tb\r\n", "<table><tr><td>a</td><td>b</td></tr></table>");
    const QMimeData* both = QGuiApplication::clipboard()->mimeData();
    QVERIFY(both->hasText() && both->hasHtml());
    QCOMPARE(both->text(), QStringLiteral("a\tb\r\n"));
    QCOMPARE(both->html(), QStringLiteral("<table><tr><td>a</td><td>b</td></tr></table>"));
    std::vector<int> topics;
    desktop.showHelpTopic(5);  // no viewer yet: nothing happens
    desktop.setHelpHandler([&](int topic) { topics.push_back(topic); });
    desktop.showHelpTopic(42);
    QCOMPARE(topics, std::vector<int>{42});
    QCOMPARE(QString::fromLatin1(kHomePageUrl), QStringLiteral("https://coinwell.example.org"));
}

void DesktopTest::scriptedDesktopAnswersInOrderAndReportsSurprises() {
    const MessageRequest question{"Delete?", "Family Name", MessageIcon::Question,
                                  MessageButtons::YesNo, Answer::No};
    ScriptedDesktop desktop;
    desktop.expectMessage(question, Answer::Yes);
    desktop.expectInput({"Name", "Family Name", ""}, "Smith");
    desktop.expectColor(0xFF0000, 255);
    QCOMPARE(desktop.message(question), Answer::Yes);
    QCOMPARE(desktop.input({"Name", "Family Name", ""}), std::string("Smith"));
    desktop.beginBusy();
    desktop.beginBusy();
    desktop.endBusy();
    QVERIFY(!desktop.isBusy());
    QCOMPARE(desktop.chooseColor(0xFF0000), std::optional<ColorNumber>(255));
    desktop.setClipboardText("x");
    desktop.showHelpTopic(3);
    QVERIFY2(desktop.done(), qPrintable(desktop.verifyDone()));
    QCOMPARE(desktop.log().size(), 8);

    // A question differing in one character is a failure naming both texts, answered No.
    ScriptedDesktop strict;
    strict.expectMessage(question, Answer::Yes);
    MessageRequest other = question;
    other.text = "Delete ?";
    QCOMPARE(strict.message(other), Answer::No);
    QVERIFY(strict.verifyDone().contains("\"Delete ?\""));
    QVERIFY(strict.verifyDone().contains("\"Delete?\""));
    // Unasked expectations and unexpected questions both fail.
    ScriptedDesktop leftover;
    leftover.expectPrinter(true);
    QVERIFY(!leftover.done());
    QCOMPARE(leftover.input({"p", "t", "d"}), std::string());
    QCOMPARE(leftover.failures().size(), 1);
    QVERIFY(leftover.verifyDone().contains("print dialog"));
}

void DesktopTest::watchdogClosesRealDialogs() {
    {
        ModalWatchdog watchdog;
        QMessageBox box(QMessageBox::Information, "Stray", "A real question", QMessageBox::Ok);
        QTimer::singleShot(2000, &box, [&box] { box.done(0); });  // backstop only
        box.exec();
        QCOMPARE(watchdog.failures().size(), 1);
        QVERIFY(watchdog.verify().contains("A real question"));
    }

    // The program's own modal forms may be allowed by name.
    ModalWatchdog allowing;
    allowing.allowDialog("BackupForm");
    QDialog form;
    form.setObjectName("BackupForm");
    QTimer::singleShot(300, &form, [&form] { form.accept(); });
    QCOMPARE(form.exec(), int(QDialog::Accepted));
    allowing.check();
    QVERIFY(allowing.failures().isEmpty());
}

QTEST_MAIN(DesktopTest)
#include "desktop_qtest.moc"
