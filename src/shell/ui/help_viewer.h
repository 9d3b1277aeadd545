#pragma once
// The program's help viewer: a window of its own with the list of topics, the page, and Contents,
// Back and Forward buttons. The pages are HTML files in the "help" folder of the installation;
// a topic number opens its page, an unknown number the contents page.

#include <QUrl>
#include <QWidget>

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace coinwell {

class QtDesktop;

class HelpViewer : public QWidget {
    Q_OBJECT

  public:
    // folder: the help folder; empty to look it up among the installation files.
    explicit HelpViewer(QString folder = {}, QWidget* parent = nullptr);

    // True when the help pages are there.
    bool hasPages() const { return !folder_.isEmpty(); }
    // Shows a topic's page (the contents page for a number without one) and brings the window
    // to the front. Without the help pages it shows a page saying they were not found and where
    // they were looked for, and answers false.
    bool showTopic(int topic);
    // Shows the contents page.
    bool showContents();

    // The file of the page shown, empty before the first one.
    QUrl currentPage() const;
    QTextBrowser* browser() const { return browser_; }

  private:
    bool showPage(const QString& fileName);
    void showPagesMissing();
    void bringToFront();
    void pageChanged(const QUrl& url);

    QString folder_;
    QListWidget* contents_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
};

// Makes F1 and every Help item of the program open the help viewer: registers a handler with
// the desktop that opens one viewer window, created on the first request and kept for the run.
// When the help pages are not installed, the window says so.
void installHelpViewer(QtDesktop& desktop);

// The viewer opened through installHelpViewer, if any.
HelpViewer* openedHelpViewer();

}  // namespace coinwell
