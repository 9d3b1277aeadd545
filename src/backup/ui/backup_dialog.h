#pragma once
// The backup and restore dialog ("Backup1"): copies a budget year file to a folder of the user's
// choosing and back. The Home Budget opens it modally with runBackupDialog() and reloads the year
// when it returns.

#include <chrono>
#include <filesystem>
#include <string>

#include <QDialog>

#include "backup/core/backup_procedures.h"
#include "backup/core/backup_request.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;

namespace coinwell {

struct AppContext;
class BackgroundArea;
class DriveList;
class FolderList;
class SecondsClock;

namespace backup {

class Backup1 : public QDialog, private BackupDisplay {
    Q_OBJECT

  public:
    // mainScreen: the window the dialog is centred over; parent: its owner (the Home Budget).
    Backup1(AppContext& context, QWidget* mainScreen, const BackupRequest& request,
            QWidget* parent = nullptr);
    ~Backup1() override;

    // How long the progress bar runs and the clock of the pause after a backup.
    struct Pacing {
        std::chrono::milliseconds animation{1000};
        SecondsClock* clock = nullptr;  // the system's clock when null
    };
    void setPacing(const Pacing& pacing) { pacing_ = pacing; }

    DriveList* driveList() const { return drives_; }
    FolderList* folderList() const { return folders_; }

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The action button, "&Make Backup Disk" and "&Restore Files from Disk".
    void startFromActionButton();
    void makeBackup();
    void restoreYear();
    void runOperation(BackupMode operation);

    // The user chose a place in the drive list, or opened a folder in the folder list.
    void driveChanged(const QString& root);
    void folderChanged(const QString& path);

    // BackupDisplay
    void showStatus(const std::string& caption) override;
    void setStatusCaption(const std::string& caption) override;
    void runProgressAnimation() override;
    void hideProgress() override;

    void buildControls();
    void buildMenu(QMenuBar* bar);
    void applyBackground();
    void placeOverMainScreen();
    void showPath(const QString& path);
    bool isProgramFolder(const QString& folder) const;
    void returnToProgramFolder();
    BackupJob job() const;

    AppContext& context_;
    QWidget* mainScreen_;
    BackupRequest request_;
    std::filesystem::path programFolder_;  // the current folder when the dialog opened
    Pacing pacing_;

    BackgroundArea* form_ = nullptr;
    QLabel* picture_ = nullptr;
    QWidget* framePanel_ = nullptr;
    QLabel* instructions_ = nullptr;
    DriveList* drives_ = nullptr;
    FolderList* folders_ = nullptr;
    QLabel* pathCaption_ = nullptr;
    QLabel* path_ = nullptr;
    QPushButton* action_ = nullptr;
    QPushButton* exit_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QAction* makeBackupItem_ = nullptr;
    QAction* restoreItem_ = nullptr;

    bool operationRunning_ = false;
    // After a completed restore the dialog restores no more until it is opened again.
    bool restoreDone_ = false;
};

// Shows the dialog modally for a budget backup (family 36) or restore (family 37) over the main
// screen, owned by owner (the active window when null); returns when it closes. Other family
// codes open nothing.
void runBackupDialog(AppContext& context, QWidget* mainScreen, const BackupRequest& request,
                     QWidget* owner = nullptr);

}  // namespace backup
}  // namespace coinwell
