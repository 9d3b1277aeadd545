#pragma once
// The export panel SSPanel2 (Utilities > Export File in Excel/Spreadsheet Format): what is
// exported and where (Label100), the file name (Text3), the notes (Label102), the path
// (Label24, always ending with a separator), the drive list Drive1, the folder list Dir1 and the
// list File1 of the folder's ".xls" and ".xlsx" files, "Export File to Selected Folder"
// (SSCommand3) and "Close" (SSCommand4). A name ending in ".xls" writes the tab-delimited text, one
// ending in ".xlsx" a workbook with totals, as the hint lblXlsxHint says. It opens on the program
// folder; a place or folder that cannot be read is reported and the lists go back to the home
// folder.

#include <QFrame>
#include <QString>

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace coinwell {
class DriveList;
class FolderList;
}  // namespace coinwell

namespace coinwell::budget {

class BudgetScreen;

class ExportPanel : public QFrame {
    Q_OBJECT
  public:
    ExportPanel(BudgetScreen& screen, QWidget* parent);

    // Shows the panel on the program folder with the year's default file name.
    void openPanel();
    // SSCommand4 and Esc.
    void closePanel();
    // SSCommand3: writes the year as shown to the folder chosen under the name in Text3.
    void exportYear();
    // Another year on show: the name made for the year before follows it.
    void yearLoaded();

    // The folder the file goes to, without a trailing separator.
    QString folder() const { return folder_; }

    DriveList* drives() const { return drive1_; }
    FolderList* folders() const { return dir1_; }
    QListWidget* files() const { return file1_; }
    QLineEdit* fileName() const { return text3_; }

  private:
    void buildControls();
    void placeChosen(const QString& root);
    void folderUnavailable();
    // The lists, the path and the explanation show folder.
    void showFolder(const QString& folder);
    bool openFolder(const QString& folder);
    void returnToHomeFolder();
    void listFiles();
    void fileChosen();

    BudgetScreen& screen_;
    QString folder_;
    // The year whose default name Text3 was given.
    std::string namedYear_;
    bool listing_ = false;

    QLabel* label100_ = nullptr;
    QLabel* label101_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLabel* label102_ = nullptr;
    QLabel* label21_ = nullptr;
    QLabel* label24_ = nullptr;
    QLabel* xlsxHint_ = nullptr;
    DriveList* drive1_ = nullptr;
    FolderList* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    QPushButton* ssCommand3_ = nullptr;
    QPushButton* ssCommand4_ = nullptr;
};

}  // namespace coinwell::budget
