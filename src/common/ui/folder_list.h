#pragma once
// A folder list: the open folder with the chain of folders above it (from the top folder of its
// place down) and the folders inside it. Double-click or Enter opens a folder; a single click
// only marks it. Hidden folders (names beginning with a dot) are not listed.

#include <QString>
#include <QTreeWidget>

namespace coinwell {

class FolderList : public QTreeWidget {
    Q_OBJECT

  public:
    explicit FolderList(QWidget* parent = nullptr);

    // Opens folder, listed from top (its place's root; "/" when top is empty or does not hold
    // the folder). False, with nothing changed, when the folder cannot be read.
    bool setPath(const QString& folder, const QString& top = QString());
    // The open folder, absolute and without a trailing separator (except "/").
    QString path() const { return path_; }
    QString top() const { return top_; }
    // Lists the open folder again (folders made or removed meanwhile).
    void refresh();

    // True when folder exists and its content can be listed.
    static bool isReadableFolder(const QString& folder);

  signals:
    // The user opened another folder.
    void pathChanged(const QString& path);
    // The user tried to open a folder that cannot be read (it has gone, or its medium was
    // taken out); the list stays where it was.
    void folderUnavailable(const QString& path);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

  private:
    void open(QTreeWidgetItem* item);
    void fill();

    QString path_;
    QString top_;
};

}  // namespace coinwell
