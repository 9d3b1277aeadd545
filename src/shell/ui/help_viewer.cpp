#include "shell/ui/help_viewer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "common/ui/program_folder.h"
#include "common/ui/qt_desktop.h"
#include "common/ui/qt_text.h"
#include "shell/core/help_topics.h"

namespace coinwell {

namespace {

QString findHelpFolder() {
    const QString contents =
        findInstallationFile(QStringLiteral("help/") + toQString(kHelpContentsPage));
    return contents.isEmpty() ? QString() : QFileInfo(contents).absolutePath();
}

constexpr int kContentsRow = 0;

// Pages and pictures come only from regular files: a link to a pipe or device of a page's name
// must not hang the viewer.
class HelpBrowser : public QTextBrowser {
  public:
    QVariant loadResource(int type, const QUrl& name) override {
        const QString path = name.isLocalFile() ? name.toLocalFile() : name.path();
        QStringList candidates{path};
        for (const QString& folder : searchPaths()) {
            candidates << QDir(folder).filePath(path);
        }
        for (const QString& candidate : candidates) {
            const QFileInfo file(candidate);
            if (file.exists() && !file.isFile()) {
                return {};
            }
        }
        return QTextBrowser::loadResource(type, name);
    }
};

}  // namespace

HelpViewer::HelpViewer(QString folder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      folder_(folder.isEmpty() ? findHelpFolder() : std::move(folder)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Coinwell Help"));
    // The help window never keeps the program running once the main screen has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* home = new QPushButton(QStringLiteral("&Contents"), this);
    home->setObjectName(QStringLiteral("helpHome"));
    back_ = new QPushButton(QStringLiteral("&Back"), this);
    back_->setObjectName(QStringLiteral("helpBack"));
    back_->setEnabled(false);
    forward_ = new QPushButton(QStringLiteral("&Forward"), this);
    forward_->setObjectName(QStringLiteral("helpForward"));
    forward_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();

    contents_ = new QListWidget;
    contents_->setObjectName(QStringLiteral("helpContents"));
    contents_->addItem(QStringLiteral("Contents"));
    for (const HelpTopic& topic : helpTopics()) {
        auto* item = new QListWidgetItem(toQString(topic.title), contents_);
        item->setData(Qt::UserRole, toQString(topic.page));
        // The page of the display options has no topic number of its own: list it beside the
        // other appearance options.
        if (topic.number == kHelpBackgroundSelector) {
            auto* display =
                new QListWidgetItem(QStringLiteral("Program Display and Family Name"), contents_);
            display->setData(Qt::UserRole, QStringLiteral("display.html"));
        }
    }
    contents_->item(kContentsRow)->setData(Qt::UserRole, toQString(kHelpContentsPage));

    browser_ = new HelpBrowser;
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(false);
    if (hasPages()) {
        browser_->setSearchPaths({folder_});
    } else {
        // Nothing to list or go back to.
        home->setEnabled(false);
        contents_->setEnabled(false);
    }

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    // The list is as wide as its longest title, so that every title shows whole.
    const int listWidth = contents_->sizeHintForColumn(0) + 2 * contents_->frameWidth() + 4;
    contents_->setMinimumWidth(listWidth);
    splitter->setCollapsible(0, false);
    splitter->setSizes({listWidth, 800 - listWidth});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(home, &QPushButton::clicked, this, [this] { showContents(); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::pageChanged);
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });

    // Esc closes the window; Alt+Left and Alt+Right go back and forward as in a browser.
    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
    auto* backKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this);
    connect(backKey, &QShortcut::activated, browser_, &QTextBrowser::backward);
    auto* forwardKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this);
    connect(forwardKey, &QShortcut::activated, browser_, &QTextBrowser::forward);

    resize(820, 600);
}

bool HelpViewer::showTopic(int topic) {
    if (!hasPages()) {
        showPagesMissing();
        return false;
    }
    const HelpTopic* found = findHelpTopic(topic);
    return showPage(toQString(found ? found->page : kHelpContentsPage));
}

bool HelpViewer::showContents() {
    return showPage(toQString(kHelpContentsPage));
}

void HelpViewer::showPagesMissing() {
    QString folders;
    for (const QString& folder : installationFolders()) {
        folders += QStringLiteral("<li>") +
                   QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("help")))
                       .toHtmlEscaped() +
                   QStringLiteral("</li>");
    }
    browser_->setHtml(QStringLiteral("<html><head><title>Help Files Not Found</title></head><body>"
                                     "<h2>Help Files Not Found</h2>"
                                     "<p>The help files of Coinwell were not found. "
                                     "Coinwell looked for them in these folders:</p>"
                                     "<ul>%1</ul>"
                                     "<p>Installing Coinwell again puts them back.</p>"
                                     "</body></html>")
                          .arg(folders));
    setWindowTitle(QStringLiteral("Coinwell Help - Help Files Not Found"));
    bringToFront();
}

void HelpViewer::bringToFront() {
    if (isHidden()) {
        show();
    }
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

QUrl HelpViewer::currentPage() const {
    return browser_->source();
}

bool HelpViewer::showPage(const QString& fileName) {
    if (!hasPages()) {
        return false;
    }
    const QString path = QDir(folder_).filePath(fileName);
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    browser_->setSource(QUrl::fromLocalFile(path));
    bringToFront();
    return true;
}

void HelpViewer::pageChanged(const QUrl& url) {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Coinwell Help")
                                   : QStringLiteral("Coinwell Help - ") + title);
    // Keep the contents list on the page shown.
    const QString page = url.fileName();
    const QSignalBlocker quiet(contents_);
    contents_->clearSelection();
    for (int row = 0; row < contents_->count(); ++row) {
        if (contents_->item(row)->data(Qt::UserRole).toString() == page) {
            contents_->setCurrentRow(row);
        }
    }
}

namespace {
QPointer<HelpViewer>& theViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}
}  // namespace

HelpViewer* openedHelpViewer() {
    return theViewer();
}

void installHelpViewer(QtDesktop& desktop) {
    desktop.setHelpHandler([](int topic) {
        QPointer<HelpViewer>& viewer = theViewer();
        if (!viewer) {
            // Without the help pages the viewer says so on a page of its own.
            auto* created = new HelpViewer;
            created->setAttribute(Qt::WA_DeleteOnClose, false);
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, created, &QObject::deleteLater);
            viewer = created;
        }
        viewer->showTopic(topic);
    });
}

}  // namespace coinwell
