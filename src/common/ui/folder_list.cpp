#include "common/ui/folder_list.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

namespace coinwell {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString cleanFolder(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath());
}

bool isSameOrInside(const QString& folder, const QString& root) {
    if (root == QStringLiteral("/")) {
        return true;
    }
    return folder == root || folder.startsWith(root + QLatin1Char('/'));
}

}  // namespace

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(12);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { open(item); });
}

bool FolderList::isReadableFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
        return false;
    }
    // Listing is what the folder list does; a medium taken out fails here.
    QDir dir(folder);
    return dir.exists() && dir.isReadable();
}

bool FolderList::setPath(const QString& folder, const QString& top) {
    const QString clean = cleanFolder(folder);
    if (folder.isEmpty() || !isReadableFolder(clean)) {
        return false;
    }
    QString topFolder = top.isEmpty() ? QStringLiteral("/") : cleanFolder(top);
    if (!isSameOrInside(clean, topFolder)) {
        topFolder = QStringLiteral("/");
    }
    path_ = clean;
    top_ = topFolder;
    fill();
    return true;
}

void FolderList::refresh() {
    if (!path_.isEmpty()) {
        fill();
    }
}

void FolderList::fill() {
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain from the top folder down to the open one, each inside the one above.
    QStringList chain;
    for (QString step = path_; step != top_ && step.size() > top_.size();
         step = QFileInfo(step).path()) {
        chain.prepend(step);
    }
    chain.prepend(top_);

    QTreeWidgetItem* parentItem = nullptr;
    for (const QString& folder : chain) {
        const QString name = parentItem ? QFileInfo(folder).fileName() : folder;
        auto* item = parentItem ? new QTreeWidgetItem(parentItem, {name})
                                : new QTreeWidgetItem(this, {name});
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, folder);
        item->setToolTip(0, folder);
        parentItem = item;
    }
    QTreeWidgetItem* openItem = parentItem;

    const QDir dir(path_);
    const QStringList names =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        auto* item = new QTreeWidgetItem(openItem, {name});
        item->setIcon(0, closedIcon);
        const QString folder = dir.filePath(name);
        item->setData(0, kPathRole, folder);
        item->setToolTip(0, folder);
    }
    expandAll();
    setCurrentItem(openItem);
    scrollToItem(openItem);
}

void FolderList::drawBranches(QPainter*, const QRect&, const QModelIndex&) const {
    // Folders are opened, not expanded: no branch marks beside them.
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    // Enter opens the marked folder and goes no further: it must not also press a dialog's
    // default button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        open(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void FolderList::open(QTreeWidgetItem* item) {
    if (!item) {
        return;
    }
    const QString folder = item->data(0, kPathRole).toString();
    if (folder == path_) {
        return;
    }
    if (!setPath(folder, top_)) {
        emit folderUnavailable(folder);
        refresh();
        return;
    }
    emit pathChanged(path_);
}

}  // namespace coinwell
