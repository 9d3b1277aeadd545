// The help viewer and the help pages: every topic number the program opens has its page, every
// link of every page leads somewhere, the viewer opens at a topic, goes back and forward, and a
// missing help folder is said on a page of the viewer's own.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>

#include "common/tests/support/blocking_guard.h"
#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/temporary_program_folder.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_desktop.h"
#include "shell/core/help_topics.h"
#include "shell/ui/help_viewer.h"

using namespace coinwell;

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString helpFolder() {
    const QString contents = findInstallationFile(QStringLiteral("help/index.html"));
    return contents.isEmpty() ? QString() : QFileInfo(contents).absolutePath();
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString pageOf(const HelpViewer& viewer) {
    return QFileInfo(viewer.currentPage().toLocalFile()).fileName();
}

// Runs with the help folder out of reach: an empty current folder and no share folder.
class NoInstalledHelp {
  public:
    NoInstalledHelp() : saved_(qgetenv("COINWELL_SHARE_DIR")) {
        qputenv("COINWELL_SHARE_DIR", QByteArray(emptyShare_.path().toLocal8Bit()));
    }
    ~NoInstalledHelp() { qputenv("COINWELL_SHARE_DIR", saved_); }

  private:
    QByteArray saved_;
    QTemporaryDir emptyShare_;
    TemporaryProgramFolder emptyProgramFolder_;
};

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void missingHelpIsSaidOnAPageOfItsOwn();
    void everyTopicOpensItsOwnPage();
    void unknownTopicOpensTheContents();
    void backForwardAndContentsList();
    void everyContentsTitleShowsWhole();
    void everyLinkOfEveryPageResolves();
    void everyTopicNumberTheProgramUsesHasAPage();
    void helpInTheProgramFolderComesFirst();
    void pagesThatAreNoRegularFilesAreNeverOpened();
};

void HelpViewerTest::missingHelpIsSaidOnAPageOfItsOwn() {
    ModalWatchdog watchdog;
    NoInstalledHelp noHelp;
    HelpViewer viewer;
    QVERIFY(!viewer.hasPages());
    QVERIFY(!viewer.showTopic(kHelpProgramOverview));
    QVERIFY(viewer.isVisible());

    // F1 and every Help item open the viewer on that page: no message box, never nothing.
    QtDesktop desktop;
    installHelpViewer(desktop);
    desktop.showHelpTopic(kHelpLoanCalculator);
    HelpViewer* opened = openedHelpViewer();
    QVERIFY2(opened != nullptr, "the viewer opens without help pages too");
    QVERIFY(opened->isVisible());
    QCOMPARE(opened->windowTitle(), QStringLiteral("Coinwell Help - Help Files Not Found"));
    const QString shown = opened->browser()->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("The help files of Coinwell were not found.")),
             qPrintable(shown));
    // It names every folder looked in.
    const QStringList folders = installationFolders();
    QVERIFY(folders.size() >= 2);
    for (const QString& folder : folders) {
        QVERIFY2(shown.contains(QDir(folder).filePath(QStringLiteral("help"))),
                 qPrintable(folder + " is not named in:\n" + shown));
    }
    QVERIFY(!opened->findChild<QListWidget*>(QStringLiteral("helpContents"))->isEnabled());
    COINWELL_VERIFY_WATCHDOG(watchdog);
    delete opened;

    // A help folder without the page asked for shows nothing either.
    QTemporaryDir partial;
    QFile contents(partial.filePath(QStringLiteral("index.html")));
    QVERIFY(contents.open(QIODevice::WriteOnly));
    contents.write("<html><head><title>Contents</title></head><body></body></html>");
    contents.close();
    HelpViewer partialViewer(partial.path());
    QVERIFY(!partialViewer.showTopic(kHelpHomeBudget));
    QVERIFY(partialViewer.showTopic(4242));
    QCOMPARE(pageOf(partialViewer), QStringLiteral("index.html"));
}

void HelpViewerTest::everyTopicOpensItsOwnPage() {
    QVERIFY2(!helpFolder().isEmpty(), "help pages not found through COINWELL_SHARE_DIR");
    QtDesktop desktop;
    installHelpViewer(desktop);
    QSet<QString> pages;
    for (const HelpTopic& topic : helpTopics()) {
        desktop.showHelpTopic(topic.number);
        HelpViewer* viewer = openedHelpViewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(pageOf(*viewer), toQString(topic.page));
        QCOMPARE(viewer->browser()->documentTitle(), toQString(topic.title));
        QVERIFY2(viewer->windowTitle().endsWith(toQString(topic.title)),
                 qPrintable(viewer->windowTitle()));
        QVERIFY2(viewer->browser()->toPlainText().size() > 400, "a page with real content");
        pages.insert(toQString(topic.page));
    }
    QCOMPARE(pages.size(), static_cast<qsizetype>(helpTopics().size()));
    // One window for the whole run.
    HelpViewer* first = openedHelpViewer();
    desktop.showHelpTopic(kHelpProgramOverview);
    QCOMPARE(openedHelpViewer(), first);
    first->close();
    desktop.showHelpTopic(kHelpCalculator);
    QCOMPARE(openedHelpViewer(), first);
    QVERIFY2(first->isVisible(), "a closed viewer opens again");
    QCOMPARE(pageOf(*first), QStringLiteral("calculator.html"));
}

void HelpViewerTest::unknownTopicOpensTheContents() {
    HelpViewer viewer;
    QVERIFY(viewer.showTopic(0));
    QCOMPARE(pageOf(viewer), QStringLiteral("index.html"));
    QVERIFY(viewer.showTopic(kHelpSpelling));
    QVERIFY(viewer.showTopic(99999));
    QCOMPARE(pageOf(viewer), QStringLiteral("index.html"));
}

void HelpViewerTest::backForwardAndContentsList() {
    HelpViewer viewer;
    auto* back = viewer.findChild<QPushButton*>(QStringLiteral("helpBack"));
    auto* forward = viewer.findChild<QPushButton*>(QStringLiteral("helpForward"));
    auto* home = viewer.findChild<QPushButton*>(QStringLiteral("helpHome"));
    auto* contents = viewer.findChild<QListWidget*>(QStringLiteral("helpContents"));
    QVERIFY(back && forward && home && contents);
    QVERIFY(viewer.showTopic(kHelpLoanCalculator));
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QVERIFY(!back->isEnabled());
    QCOMPARE(contents->currentItem()->text(), QStringLiteral("Loan Calculator"));

    // Following a link inside a page with the keyboard: the second link of the loan page.
    viewer.browser()->setFocus();
    QTest::keyClick(viewer.browser(), Qt::Key_Tab);
    QTest::keyClick(viewer.browser(), Qt::Key_Tab);
    QTest::keyClick(viewer.browser(), Qt::Key_Return);
    QCOMPARE(pageOf(viewer), QStringLiteral("printoptions.html"));
    QCOMPARE(contents->currentItem()->text(), QStringLiteral("Print Options"));
    QVERIFY(back->isEnabled());

    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(pageOf(viewer), QStringLiteral("loan.html"));
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(pageOf(viewer), QStringLiteral("printoptions.html"));

    QTest::keyClick(&viewer, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(pageOf(viewer), QStringLiteral("loan.html"));
    QTest::keyClick(&viewer, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(pageOf(viewer), QStringLiteral("printoptions.html"));

    QTest::mouseClick(home, Qt::LeftButton);
    QCOMPARE(pageOf(viewer), QStringLiteral("index.html"));

    const QList<QListWidgetItem*> budget =
        contents->findItems(QStringLiteral("Home Budget"), Qt::MatchExactly);
    QCOMPARE(budget.size(), 1);
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(budget.first()).center());
    QCOMPARE(pageOf(viewer), QStringLiteral("budget.html"));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Coinwell Help - Home Budget"));

    // Esc closes the window; a topic asked for later opens it again.
    QTest::keyClick(&viewer, Qt::Key_Escape);
    QVERIFY(!viewer.isVisible());
    QVERIFY(viewer.showTopic(kHelpHomeBudget));
    QVERIFY(viewer.isVisible());

    // Every entry of the list opens a page whose title is the entry's.
    for (int row = 0; row < contents->count(); ++row) {
        QListWidgetItem* entry = contents->item(row);
        contents->scrollToItem(entry);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                          contents->visualItemRect(entry).center());
        QCOMPARE(pageOf(viewer), entry->data(Qt::UserRole).toString());
        QCOMPARE(viewer.browser()->documentTitle(), entry->text());
        QCOMPARE(contents->currentRow(), row);
    }
}

void HelpViewerTest::everyContentsTitleShowsWhole() {
    HelpViewer viewer;
    QVERIFY(viewer.showContents());
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    auto* contents = viewer.findChild<QListWidget*>(QStringLiteral("helpContents"));
    const QRect room = contents->viewport()->rect();
    const QFontMetrics metrics(contents->font());
    for (int row = 0; row < contents->count(); ++row) {
        QListWidgetItem* entry = contents->item(row);
        const QRect shown = contents->visualItemRect(entry);
        QVERIFY2(room.contains(shown) && metrics.horizontalAdvance(entry->text()) < shown.width(),
                 qPrintable(QStringLiteral("\"%1\" at %2,%3 %4x%5 in %6x%7")
                                .arg(entry->text())
                                .arg(shown.x())
                                .arg(shown.y())
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(room.width())
                                .arg(room.height())));
    }
    QVERIFY(!contents->horizontalScrollBar()->isVisible());
}

void HelpViewerTest::everyLinkOfEveryPageResolves() {
    const QDir folder(helpFolder());
    QVERIFY(folder.exists());
    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.size() >= 12);
    const QRegularExpression link(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
    const QRegularExpression title(QStringLiteral("<title>([^<]+)</title>"));
    QSet<QString> linkedFromContents;
    for (const QString& page : pages) {
        const QString text = readText(folder.filePath(page));
        QVERIFY2(title.match(text).hasMatch(), qPrintable(page + " has no title"));
        QVERIFY2(!text.contains(QStringLiteral("TODO"), Qt::CaseInsensitive), qPrintable(page));
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            const QString where = page + " -> " + target;
            QVERIFY2(!target.isEmpty(), qPrintable(where));
            QVERIFY2(!target.contains(QStringLiteral("://")),
                     qPrintable(where + ": the help stays local"));
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString targetPath =
                file.isEmpty() ? folder.filePath(page) : folder.filePath(file);
            QVERIFY2(QFileInfo(targetPath).isFile(), qPrintable(where + ": no such file"));
            if (!anchor.isEmpty()) {
                const QString targetText = readText(targetPath);
                QVERIFY2(targetText.contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
                             targetText.contains(QStringLiteral("id=\"%1\"").arg(anchor)),
                         qPrintable(where + ": no such anchor"));
            }
            if (page == QStringLiteral("index.html")) {
                linkedFromContents.insert(file);
            }
        }
    }
    for (const QString& page : pages) {
        if (page != QStringLiteral("index.html")) {
            QVERIFY2(linkedFromContents.contains(page),
                     qPrintable(page + " is missing from the contents"));
        }
    }
}

void HelpViewerTest::everyTopicNumberTheProgramUsesHasAPage() {
    // The sources open help topics by number: "helpTopic = 3012", "showHelpTopic(1000)",
    // "topic(1007)", "kPrintPanelHelpTopic = 1014".
    const QString sources =
        QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../..");
    QVERIFY(QFileInfo(sources + QStringLiteral("/shell/core/help_topics.h")).isFile());
    const QRegularExpression number(QStringLiteral("\\b(\\d{4})\\b"));
    const QRegularExpression topicCall(QStringLiteral("\\btopic\\((\\d{4})\\)"));
    QSet<int> used;
    QStringList origins;
    QDirIterator files(sources, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path.contains(QStringLiteral("/tests/"))) {
            continue;
        }
        const QStringList lines = readText(path).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            auto collect = [&](QRegularExpressionMatchIterator it) {
                while (it.hasNext()) {
                    const int topic = it.next().captured(1).toInt();
                    if (!used.contains(topic)) {
                        origins << QStringLiteral("%1 (%2:%3)").arg(topic).arg(path).arg(i + 1);
                    }
                    used.insert(topic);
                }
            };
            if (line.contains(QStringLiteral("helptopic"), Qt::CaseInsensitive)) {
                collect(number.globalMatch(line));
            }
            collect(topicCall.globalMatch(line));
        }
    }
    for (const HelpTopic& topic : helpTopics()) {
        used.insert(topic.number);
    }
    for (const int topic : used) {
        const HelpTopic* found = findHelpTopic(topic);
        QVERIFY2(found, qPrintable(QStringLiteral("topic %1 has no help page; used at %2")
                                       .arg(topic)
                                       .arg(origins.filter(QString::number(topic)).join(", "))));
        QVERIFY2(!findInstallationFile(QStringLiteral("help/") + toQString(found->page)).isEmpty(),
                 qPrintable(toQString(found->page) + " is not installed"));
    }
}

void HelpViewerTest::helpInTheProgramFolderComesFirst() {
    // A help folder beside the data files of the program folder wins over the installed one.
    TemporaryProgramFolder programFolder;
    QVERIFY(QDir(programFolder.qPath()).mkdir(QStringLiteral("help")));
    QFile contents(programFolder.qPath() + QStringLiteral("/help/index.html"));
    QVERIFY(contents.open(QIODevice::WriteOnly));
    contents.write("<html><head><title>Local Contents</title></head><body>local</body></html>");
    contents.close();
    HelpViewer viewer;
    QVERIFY(viewer.showContents());
    QCOMPARE(viewer.browser()->documentTitle(), QStringLiteral("Local Contents"));
}

void HelpViewerTest::pagesThatAreNoRegularFilesAreNeverOpened() {
    QTemporaryDir folder;
    QFile contents(folder.filePath(QStringLiteral("index.html")));
    QVERIFY(contents.open(QIODevice::WriteOnly));
    contents.write(
        "<html><head><title>Contents</title></head><body>"
        "<a href=\"loan.html\">Loan</a><img src=\"picture.png\"></body></html>");
    contents.close();
    const QString pipe = folder.filePath(QStringLiteral("loan.html"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("picture.png")));

    // Any opening of the pipe would block: it must never come to that.
    PipeReleaser releaser({QFile::encodeName(pipe).toStdString()});
    HelpViewer viewer(folder.path());
    QVERIFY(viewer.showContents());
    QVERIFY(!viewer.showTopic(kHelpLoanCalculator));
    viewer.browser()->setSource(QUrl(QStringLiteral("loan.html")));
    const bool released = releaser.finish();
    QVERIFY2(!released, "the viewer opened a pipe");
}

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_qtest.moc"
