// The drive list and the folder list on their own: what they list, how a folder is opened, and
// what happens when a place or folder cannot be read.

#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/ui/drive_list.h"
#include "common/ui/folder_list.h"

using namespace coinwell;

namespace {

// Each listed folder's name, indented by two blanks for each level below the top.
QStringList shownNames(QTreeWidget& tree) {
    QStringList names;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* parent = (*it)->parent(); parent; parent = parent->parent()) {
            ++depth;
        }
        names.append(QString(2 * depth, QLatin1Char(' ')) + (*it)->text(0));
    }
    return names;
}

}  // namespace

class DriveFolderListsTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void listsTheChainFromTheTopAndTheSubfolders();
    void enterOpensAFolderAndGoesNoFurther();
    void folderGoneMeanwhileIsReportedAndTheListStays();
    void unreadableFolderIsRefused();
    void driveListShowsPlacesAndFollowsTheSource();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString root_;
};

void DriveFolderListsTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    root_ = dir_->path();
    QDir root(root_);
    for (const char* folder :
         {"Budget/2011", "Budget/archive", "Budget/.cache", "budget b", "Photos"}) {
        QVERIFY(root.mkpath(QLatin1String(folder)));
    }
    QFile file(root.filePath(QStringLiteral("Budget/2011.Bup")));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void DriveFolderListsTest::listsTheChainFromTheTopAndTheSubfolders() {
    FolderList list;
    QVERIFY(list.setPath(root_ + QStringLiteral("/Budget/"), root_));
    QCOMPARE(list.path(), root_ + QStringLiteral("/Budget"));
    QCOMPARE(list.top(), root_);
    // The top shown by its path, the open folder inside it, its folders (no hidden ones, no
    // files) inside that, in name order.
    QCOMPARE(shownNames(list),
             (QStringList{root_, QStringLiteral("  Budget"), QStringLiteral("    2011"),
                          QStringLiteral("    archive")}));
    QCOMPARE(list.currentItem()->text(0), QStringLiteral("Budget"));

    // A top that does not hold the folder gives way to the root.
    QVERIFY(list.setPath(root_, QStringLiteral("/media/elsewhere")));
    QCOMPARE(list.top(), QStringLiteral("/"));
    QCOMPARE(list.topLevelItem(0)->text(0), QStringLiteral("/"));
    const QStringList shown = shownNames(list);
    const QString inside(2 * root_.count(QLatin1Char('/')) + 2, QLatin1Char(' '));
    QCOMPARE(shown.mid(shown.size() - 3),
             (QStringList{inside + QStringLiteral("Budget"), inside + QStringLiteral("budget b"),
                          inside + QStringLiteral("Photos")}));
}

void DriveFolderListsTest::enterOpensAFolderAndGoesNoFurther() {
    QDialog dialog;
    auto* list = new FolderList(&dialog);
    auto* button = new QPushButton(QStringLiteral("&Make Backup"), &dialog);
    button->setDefault(true);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(button);
    QSignalSpy pressed(button, &QPushButton::clicked);
    QSignalSpy opened(list, &FolderList::pathChanged);
    QVERIFY(list->setPath(root_, root_));
    dialog.show();
    list->setFocus();
    list->setCurrentItem(
        list->findItems(QStringLiteral("Budget"), Qt::MatchExactly | Qt::MatchRecursive).front());
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.front().front().toString(), root_ + QStringLiteral("/Budget"));
    QCOMPARE(pressed.size(), 0);
    // Enter on the open folder itself changes nothing.
    QTest::keyClick(list, Qt::Key_Enter);
    QCOMPARE(opened.size(), 1);
    // A parent in the chain opens it again.
    list->setCurrentItem(list->topLevelItem(0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(list->path(), root_);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(pressed.size(), 0);
}

void DriveFolderListsTest::folderGoneMeanwhileIsReportedAndTheListStays() {
    FolderList list;
    QSignalSpy unavailable(&list, &FolderList::folderUnavailable);
    QSignalSpy opened(&list, &FolderList::pathChanged);
    QVERIFY(list.setPath(root_, root_));
    QVERIFY(QDir(root_).rmdir(QStringLiteral("Photos")));
    list.setCurrentItem(
        list.findItems(QStringLiteral("Photos"), Qt::MatchExactly | Qt::MatchRecursive).front());
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(unavailable.size(), 1);
    QCOMPARE(unavailable.front().front().toString(), root_ + QStringLiteral("/Photos"));
    QCOMPARE(opened.size(), 0);
    QCOMPARE(list.path(), root_);
    QVERIFY2(
        list.findItems(QStringLiteral("Photos"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty(),
        "the list is read again");
}

void DriveFolderListsTest::unreadableFolderIsRefused() {
    FolderList list;
    QVERIFY(list.setPath(root_, root_));
    QVERIFY(!list.setPath(root_ + QStringLiteral("/missing")));
    QVERIFY(!list.setPath(root_ + QStringLiteral("/Budget/2011.Bup")));
    QVERIFY(!list.setPath(QString()));
    QCOMPARE(list.path(), root_);
    QVERIFY(!FolderList::isReadableFolder(root_ + QStringLiteral("/missing")));
    QVERIFY(FolderList::isReadableFolder(root_));
}

void DriveFolderListsTest::driveListShowsPlacesAndFollowsTheSource() {
    std::vector<StoragePlace> places = {{"/", "/ [System]"},
                                        {root_.toStdString(), root_.toStdString() + " [Home]"}};
    DriveList drives;
    drives.setPlaceSource([&places] { return places; });
    QCOMPARE(drives.count(), 2);
    QCOMPARE(drives.itemText(1), root_ + QStringLiteral(" [Home]"));
    QSignalSpy chosen(&drives, &DriveList::placeChosen);
    drives.showPlaceOf(root_ + QStringLiteral("/Budget/2011"));
    QCOMPARE(drives.currentIndex(), 1);
    QCOMPARE(drives.currentRoot(), root_);
    QCOMPARE(chosen.size(), 0);
    // A stick put in meanwhile shows up the next time the list is read; the place shown stays.
    places.insert(places.begin() + 1, {"/media/anna/STICK", "/media/anna/STICK [STICK]"});
    drives.refresh();
    QCOMPARE(drives.count(), 3);
    QCOMPARE(drives.currentRoot(), root_);
    QCOMPARE(chosen.size(), 0);
    drives.setFocus();
    QTest::keyClick(&drives, Qt::Key_Up);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.front().front().toString(), QStringLiteral("/media/anna/STICK"));
}

QTEST_MAIN(DriveFolderListsTest)
#include "drive_folder_lists_qtest.moc"
