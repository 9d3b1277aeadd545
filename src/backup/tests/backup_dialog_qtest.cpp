// The backup and restore dialog driven through its real controls: captions for both modes, its
// place over the main screen and its background, the drive and folder lists with the enabling of
// the action button, backups and restores into temporary folders with scripted answers, failures
// injected into the writes, the Options menu and the ways out.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>
#include <memory>

#include "backup/core/backup_texts.h"
#include "backup/ui/backup_dialog.h"
#include "common/core/safe_write.h"
#include "common/core/shared_routines.h"
#include "common/tests/support/screen_test_environment.h"
#include "common/ui/colors.h"
#include "common/ui/drive_list.h"
#include "common/ui/folder_list.h"
#include "common/ui/qt_text.h"
#include "common/ui/screen_activation.h"
#include "shell/ui/tool_screen.h"

using namespace coinwell;
using namespace coinwell::backup;

namespace {

const std::string kYear2011 = "\"Rent\"\r\n\"850.00\"\r\n\"\"\r\n\"3200.00\"\r\n";

// A clock whose seconds move on at every look: the pause after a backup ends at once.
class SteppingClock : public SecondsClock {
  public:
    int secondsField() override { return (looks_++) % 60; }
    void sleepFor(std::chrono::milliseconds) override {}

  private:
    int looks_ = 0;
};

QString plainText(const QLabel* label) {
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

}  // namespace

class BackupDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void captionsTextsAndMenusOfBothModes_data();
    void captionsTextsAndMenusOfBothModes();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void opensCentredBelowTheMiddleOfTheMainScreen();
    void takesTheStoredBackground_data();
    void takesTheStoredBackground();
    void programFolderKeepsTheActionButtonDisabled();
    void backupWritesAByteIdenticalCopy();
    void backupFromTheMenuAfterADriveChange();
    void noOrCancelCopiesNothing_data();
    void noOrCancelCopiesNothing();
    void failedWriteAsksForAnotherDiskAndOkCompletes_data();
    void failedWriteAsksForAnotherDiskAndOkCompletes();
    void cancelAfterAFailedWriteKeepsTheOldBackup();
    void restoreReplacesTheYearFileOnce();
    void restoreWithoutABackupAsksAgain();
    void restoreInterruptedBeforeTheRenameKeepsTheYearFile();
    void unavailableDriveGoesBackToTheProgramFolder();
    void keyboardChoosesADrive();
    void clickDuringAnOperationStartsNothing();
    void rightClickPopsUpTheOptionsMenu();
    void waysOutCloseTheDialogInTheProgramFolder_data();
    void waysOutCloseTheDialogInTheProgramFolder();
    void otherFamiliesOpenNothing();
    void f1OpensTheBackupHelp();
    void returningFromTheDialogActivatesTheScreenBelow();

  private:
    Backup1* open(BackupMode mode, int year = 2011);
    template <typename T>
    T* child(const char* name) {
        T* widget = dialog_->findChild<T*>(QLatin1String(name));
        if (!widget) {
            qWarning("missing %s", name);
        }
        return widget;
    }
    QAction* action(const char* name) { return child<QAction>(name); }
    QPushButton* actionButton() { return child<QPushButton>("SSCommand2"); }
    QLabel* status() { return child<QLabel>("SSPanel2"); }
    // Chooses a place of the drive list as a user does.
    void chooseDrive(int index);
    // Opens a folder of the folder list by its shown name (Enter on it).
    void openFolder(const QString& name);
    std::string stickFile(const char* name) const;
    void writeStickFile(const char* name, const std::string& bytes) const;
    QString stickPath() const { return stick_->path(); }
    void expectDeleteFilesForBackup(Answer answer) {
        env_->desktop.expectMessage(backupDeleteQuestion(stickPath().toStdString()), answer);
    }

    std::unique_ptr<ScreenTestEnvironment> env_;
    std::unique_ptr<QWidget> main_;
    std::unique_ptr<QTemporaryDir> stick_;
    std::unique_ptr<Backup1> dialog_;
    SteppingClock clock_;
};

void BackupDialogTest::init() {
    env_ = std::make_unique<ScreenTestEnvironment>();
    QVERIFY(env_->folder.isValid());
    env_->watchdog.allowDialog(QStringLiteral("Backup1"));
    main_ = std::make_unique<QWidget>();
    main_->setGeometry(0, 0, 800, 600);
    stick_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/stick-XXXXXX"));
    QVERIFY(stick_->isValid());
}

void BackupDialogTest::cleanup() {
    setSafeWriteFailureHook({});
    dialog_.reset();
    // Everything is dropped before the checks, so that a failure cannot reach the next test.
    const QString desktopProblems = env_->desktop.verifyDone();
    const int questionsWhileBusy = env_->desktop.questionsWhileBusy();
    const bool busy = env_->desktop.isBusy();
    env_->watchdog.check();
    const QString watchdogProblems = env_->watchdog.verify();
    stick_.reset();
    main_.reset();
    env_.reset();
    QVERIFY2(desktopProblems.isEmpty(), qPrintable(desktopProblems));
    QCOMPARE(questionsWhileBusy, 0);
    QVERIFY2(!busy, "the hourglass stays");
    QVERIFY2(watchdogProblems.isEmpty(), qPrintable(watchdogProblems));
}

Backup1* BackupDialogTest::open(BackupMode mode, int year) {
    const BackupRequest request =
        mode == BackupMode::Backup ? budgetBackupRequest(year) : budgetRestoreRequest(year);
    dialog_ = std::make_unique<Backup1>(env_->context, main_.get(), request);
    dialog_->setPacing({std::chrono::milliseconds(0), &clock_});
    // The places of a machine with one memory stick and a card reader without a card.
    const std::string stick = stickPath().toStdString();
    dialog_->driveList()->setPlaceSource([stick] {
        return std::vector<StoragePlace>{{"/", "/ [System]"},
                                         {stick, stick + " [STICK]"},
                                         {"/media/coinwell-test-card", "card [CARD]"}};
    });
    dialog_->show();
    QApplication::processEvents();
    return dialog_.get();
}

void BackupDialogTest::chooseDrive(int index) {
    auto* drives = child<DriveList>("Drive1");
    drives->setCurrentIndex(index);
    emit drives->activated(index);
}

void BackupDialogTest::openFolder(const QString& name) {
    auto* folders = child<FolderList>("Dir1");
    const QList<QTreeWidgetItem*> found =
        folders->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(found.size() == 1, qPrintable(QStringLiteral("folder %1 not listed").arg(name)));
    folders->setFocus();
    folders->setCurrentItem(found.front());
    QTest::keyClick(folders, Qt::Key_Return);
}

std::string BackupDialogTest::stickFile(const char* name) const {
    QFile file(QDir(stickPath()).filePath(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        return "(missing)";
    }
    return file.readAll().toStdString();
}

void BackupDialogTest::writeStickFile(const char* name, const std::string& bytes) const {
    QFile file(QDir(stickPath()).filePath(QLatin1String(name)));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void BackupDialogTest::captionsTextsAndMenusOfBothModes_data() {
    QTest::addColumn<bool>("restore");
    QTest::newRow("backup") << false;
    QTest::newRow("restore") << true;
}

void BackupDialogTest::captionsTextsAndMenusOfBothModes() {
    QFETCH(bool, restore);
    open(restore ? BackupMode::Restore : BackupMode::Backup);
    auto* instructions = child<QLabel>("Label1");
    if (restore) {
        QCOMPARE(dialog_->windowTitle(),
                 QStringLiteral("Restore 2011 Budget File from Backup Media"));
        QCOMPARE(plainText(instructions),
                 QStringLiteral(
                     "Restore 2011 Budget File from backup media to Coinwell Program.\n"
                     "CAUTION: RESTORE FUNCTION WILL FIRST ERASE ALL EXISTING 2011 BUDGET FILE IN "
                     "THE PROGRAM AND THEN RESTORE FILES.\n"
                     "To restore, first place backup disk in Drive a: or select Folder/files "
                     "location, then select Drive and or folder from the Drive/Folders lists "
                     "below, then Click Restore 2011 Budget File Button and follow directions as "
                     "they appear."));
        QVERIFY(instructions->text().contains(QStringLiteral("<u>R</u>estore 2011 Budget File")));
        QCOMPARE(actionButton()->text(), QStringLiteral("&Restore 2011 Budget File"));
        QCOMPARE(instructions->y(), 4);  // 60 twips
    } else {
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Backup 2011 Budget File"));
        QCOMPARE(plainText(instructions),
                 QStringLiteral("This utility allows you to make a backup of the 2011 Budget "
                                "File contained within this program.  To make the backup , "
                                "first create a folder on your hard drive or flash card etc., "
                                "then select Drive or location from the Drives and or Folders "
                                "lists below, then Click the Make Backup Button and follow "
                                "directions as they appear."));
        QVERIFY(instructions->text().contains(QStringLiteral("<u>M</u>ake Backup Button")));
        QCOMPARE(actionButton()->text(), QStringLiteral("&Make Backup"));
        QCOMPARE(instructions->y(), 16);  // 240 twips
    }
    QCOMPARE(child<QLabel>("Label2(0)")->text(), QStringLiteral("Folders:"));
    QCOMPARE(child<QLabel>("Label2(1)")->text(), QStringLiteral("Drives:"));
    QCOMPARE(child<QLabel>("Label4")->text(), QStringLiteral("Path:"));
    auto* path = child<QLabel>("Label5");
    QCOMPARE(path->text(), env_->folder.qPath());
    QCOMPARE(path->x(), child<QLabel>("Label4")->geometry().right() + 1 + 2);  // 30 twips
    QCOMPARE(child<QPushButton>("SSCommand1")->text(), QStringLiteral("E&xit"));
    QVERIFY2(!actionButton()->isEnabled(), "the program folder is where the dialog starts");

    QCOMPARE(child<QMenu>("mO")->title(), QStringLiteral("&Options"));
    QCOMPARE(action("mOM")->text(), QStringLiteral("&Make Backup Disk"));
    QCOMPARE(action("mOR")->text(), QStringLiteral("&Restore Files from Disk"));
    QVERIFY(action("mO1")->isSeparator());
    QCOMPARE(action("mOE")->text(), QStringLiteral("E&xit"));
    QCOMPARE(action("mOM")->isVisible(), !restore);
    QCOMPARE(action("mOR")->isVisible(), restore);
    QVERIFY(!action("mOM")->isEnabled());
    QVERIFY(!action("mOR")->isEnabled());

    QVERIFY(child<QWidget>("SSPanel1")->isVisible());
    QVERIFY(!status()->isVisible());
    QVERIFY(!child<QProgressBar>("ProgressBar1")->isVisible());
    QCOMPARE(child<QProgressBar>("ProgressBar1")->maximum(), 1000);
    QVERIFY(!child<QLabel>("Label7")->isVisible());
}

void BackupDialogTest::textsFitTheirControls_data() {
    captionsTextsAndMenusOfBothModes_data();
}

void BackupDialogTest::textsFitTheirControls() {
    QFETCH(bool, restore);
    open(restore ? BackupMode::Restore : BackupMode::Backup);
    // The longest status caption, as the backup shows it.
    status()->setText(QStringLiteral("Making 2011 Budget Backup Disk #1"));
    status()->show();
    if (!qEnvironmentVariableIsEmpty("COINWELL_SCREENSHOTS")) {
        dialog_->grab().save(
            qEnvironmentVariable("COINWELL_SCREENSHOTS") +
            (restore ? QStringLiteral("/restore.png") : QStringLiteral("/backup.png")));
    }
    auto* instructions = child<QLabel>("Label1");
    QVERIFY2(instructions->heightForWidth(instructions->width()) <= instructions->height(),
             qPrintable(QStringLiteral("instructions need %1 px, have %2")
                            .arg(instructions->heightForWidth(instructions->width()))
                            .arg(instructions->height())));
    for (const char* name : {"SSCommand1", "SSCommand2"}) {
        auto* button = child<QPushButton>(name);
        QVERIFY2(button->sizeHint().width() <= button->width(), name);
    }
    for (const char* name : {"Label2(0)", "Label2(1)", "Label4"}) {
        auto* label = child<QLabel>(name);
        QVERIFY2(label->sizeHint().width() <= label->width(), name);
    }
    QVERIFY2(status()->sizeHint().width() <= status()->width(),
             qPrintable(QStringLiteral("status needs %1 px, has %2")
                            .arg(status()->sizeHint().width())
                            .arg(status()->width())));
}

void BackupDialogTest::opensCentredBelowTheMiddleOfTheMainScreen() {
    main_->setGeometry(40, 20, 720, 560);
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    open(BackupMode::Backup);
    const QPoint dialogCentre = dialog_->frameGeometry().center();
    const QPoint mainCentre = main_->frameGeometry().center();
    // Centred across, 415 twips (28 pixels) below the middle.
    QVERIFY2(qAbs(dialogCentre.x() - mainCentre.x()) <= 1,
             qPrintable(QStringLiteral("%1 vs %2").arg(dialogCentre.x()).arg(mainCentre.x())));
    QVERIFY2(qAbs(dialogCentre.y() - (mainCentre.y() + 28)) <= 1,
             qPrintable(QStringLiteral("%1 vs %2").arg(dialogCentre.y()).arg(mainCentre.y())));
}

void BackupDialogTest::takesTheStoredBackground_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QColor>("color");  // invalid: the design colour
    QTest::addColumn<bool>("picture");
    QTest::newRow("colour number") << "255" << QColor(255, 0, 0) << false;
    QTest::newRow("empty is blue") << "" << QColor(0, 0, 255) << false;
    QTest::newRow("Default") << "Default" << QColor() << false;
    QTest::newRow("Def") << "Def" << QColor() << false;
    QTest::newRow("neither") << "purple" << QColor() << false;
    QTest::newRow("wallpaper") << "WP3" << QColor() << true;
    QTest::newRow("missing wallpaper") << "WP17" << QColor() << false;
}

void BackupDialogTest::takesTheStoredBackground() {
    QFETCH(QString, stored);
    QFETCH(QColor, color);
    QFETCH(bool, picture);
    env_->settings.screenBackground = stored.toStdString();
    open(BackupMode::Backup);
    auto* form = static_cast<BackgroundArea*>(child<QWidget>("Backup1Form"));
    QCOMPARE(form->color(), color.isValid() ? color : defaultBackgroundColor());
    auto* image = child<QLabel>("Image1");
    QCOMPARE(image->isVisible(), picture);
    if (picture) {
        QVERIFY(!image->pixmap().isNull());
        QCOMPARE(image->x(), 4);  // 60 twips in
    }
    QCOMPARE(child<QWidget>("SSPanel1")->palette().color(QPalette::Window),
             defaultBackgroundColor());
}

void BackupDialogTest::programFolderKeepsTheActionButtonDisabled() {
    QVERIFY(std::filesystem::create_directory(env_->folder.filePath("Budget")));
    open(BackupMode::Backup);
    QVERIFY(!actionButton()->isEnabled());
    openFolder(QStringLiteral("Budget"));
    QCOMPARE(child<QLabel>("Label5")->text(), env_->folder.qPath() + QStringLiteral("/Budget"));
    QVERIFY2(actionButton()->isEnabled(), "a folder inside the program folder is another folder");
    QVERIFY2(!action("mOM")->isEnabled(), "only a drive change enables the menu item");
    openFolder(QFileInfo(env_->folder.qPath()).fileName());
    QCOMPARE(child<QLabel>("Label5")->text(), env_->folder.qPath());
    QVERIFY(!actionButton()->isEnabled());
    // The program folder reached through its place in the drive list is the program folder too.
    chooseDrive(0);
    QCOMPARE(child<QLabel>("Label5")->text(), QStringLiteral("/"));
    QVERIFY(actionButton()->isEnabled());
}

void BackupDialogTest::backupWritesAByteIdenticalCopy() {
    const std::string year = kYear2011 + "\"Caf\xE9\"\r\n";
    QVERIFY(env_->folder.writeBytes("2011.Fil", year));
    writeStickFile("2011.Bup", "an older backup");
    open(BackupMode::Backup);
    chooseDrive(1);
    QCOMPARE(child<QLabel>("Label5")->text(), stickPath());
    QVERIFY(actionButton()->isEnabled());

    auto* progress = child<QProgressBar>("ProgressBar1");
    QList<int> steps;
    bool shownWhileRunning = true;
    connect(progress, &QProgressBar::valueChanged, this, [&](int value) {
        steps.append(value);
        shownWhileRunning = shownWhileRunning && (value < 1 || progress->isVisible());
    });
    expectDeleteFilesForBackup(Answer::Yes);
    QTest::mouseClick(actionButton(), Qt::LeftButton);

    QCOMPARE(stickFile("2011.Bup"), year);
    QCOMPARE(QDir(stickPath()).entryList(QDir::Files), QStringList{QStringLiteral("2011.Bup")});
    QVERIFY(status()->isVisible());
    QCOMPARE(status()->text(), QStringLiteral("Backup Complete"));
    QVERIFY(!progress->isVisible());
    // The bar ran through every step once the copy was done, then was reset.
    QVERIFY(steps.size() >= 1000);
    QCOMPARE(steps.first(), 1);
    QCOMPARE(steps.at(999), 1000);
    QVERIFY(shownWhileRunning);
    QVERIFY2(actionButton()->isEnabled(), "another backup may follow");
}

void BackupDialogTest::backupFromTheMenuAfterADriveChange() {
    QVERIFY(env_->folder.writeBytes("2011.Fil", kYear2011));
    open(BackupMode::Backup);
    chooseDrive(1);
    QVERIFY(action("mOM")->isEnabled());
    QVERIFY(!action("mOR")->isEnabled());
    expectDeleteFilesForBackup(Answer::Yes);
    action("mOM")->trigger();
    QCOMPARE(stickFile("2011.Bup"), kYear2011);
    QCOMPARE(status()->text(), QStringLiteral("Backup Complete"));
}

void BackupDialogTest::noOrCancelCopiesNothing_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("No") << static_cast<int>(Answer::No);
    QTest::newRow("Cancel") << static_cast<int>(Answer::Cancel);
}

void BackupDialogTest::noOrCancelCopiesNothing() {
    QFETCH(int, answer);
    QVERIFY(env_->folder.writeBytes("2011.Fil", kYear2011));
    open(BackupMode::Backup);
    chooseDrive(1);
    expectDeleteFilesForBackup(static_cast<Answer>(answer));
    QTest::mouseClick(actionButton(), Qt::LeftButton);
    QCOMPARE(stickFile("2011.Bup"), std::string("(missing)"));
    QVERIFY(QDir(stickPath()).entryList(QDir::Files).isEmpty());
    QVERIFY(!status()->isVisible());
    QVERIFY(!child<QProgressBar>("ProgressBar1")->isVisible());
}

void BackupDialogTest::failedWriteAsksForAnotherDiskAndOkCompletes_data() {
    QTest::addColumn<int>("failingStep");
    QTest::newRow("full disk") << static_cast<int>(SafeWriteStep::Write);
    QTest::newRow("write-protected") << static_cast<int>(SafeWriteStep::CreateTemporary);
    QTest::newRow("not flushed") << static_cast<int>(SafeWriteStep::Sync);
}

void BackupDialogTest::failedWriteAsksForAnotherDiskAndOkCompletes() {
    QFETCH(int, failingStep);
    QVERIFY(env_->folder.writeBytes("2011.Fil", kYear2011));
    writeStickFile("2011.Bup", "old backup");
    open(BackupMode::Backup);
    chooseDrive(1);
    // The disk refuses the first write; after OK (space freed) it takes the backup.
    std::string backupWhenRefused;
    int refusals = 0;
    setSafeWriteFailureHook([&](SafeWriteStep step) {
        if (step != static_cast<SafeWriteStep>(failingStep) || refusals > 0) {
            return false;
        }
        ++refusals;
        backupWhenRefused = stickFile("2011.Bup");
        return true;
    });
    expectDeleteFilesForBackup(Answer::Yes);
    env_->desktop.expectMessage(backupDiskMessage(), Answer::Ok);
    QTest::mouseClick(actionButton(), Qt::LeftButton);
    QCOMPARE(refusals, 1);
    QCOMPARE(backupWhenRefused, std::string("old backup"));
    QCOMPARE(stickFile("2011.Bup"), kYear2011);
    QCOMPARE(QDir(stickPath()).entryList(QDir::Files), QStringList{QStringLiteral("2011.Bup")});
    QCOMPARE(status()->text(), QStringLiteral("Backup Complete"));
}

void BackupDialogTest::cancelAfterAFailedWriteKeepsTheOldBackup() {
    QVERIFY(env_->folder.writeBytes("2011.Fil", kYear2011));
    writeStickFile("2011.Bup", "old backup");
    open(BackupMode::Backup);
    chooseDrive(1);
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Write; });
    expectDeleteFilesForBackup(Answer::Yes);
    env_->desktop.expectMessage(backupDiskMessage(), Answer::Ok);
    env_->desktop.expectMessage(backupDiskMessage(), Answer::Cancel);
    env_->desktop.expectMessage(backupCancelledMessage(), Answer::Ok);
    QTest::mouseClick(actionButton(), Qt::LeftButton);
    QCOMPARE(stickFile("2011.Bup"), std::string("old backup"));
    QCOMPARE(QDir(stickPath()).entryList(QDir::Files), QStringList{QStringLiteral("2011.Bup")});
    QVERIFY(status()->isVisible());
    QCOMPARE(status()->text(), QStringLiteral("Backup Terminated by User"));
    QVERIFY(!child<QProgressBar>("ProgressBar1")->isVisible());
}

void BackupDialogTest::restoreReplacesTheYearFileOnce() {
    QVERIFY(env_->folder.writeBytes("2011.Fil", "\"Changed since\"\r\n"));
    writeStickFile("2011.Bup", kYear2011);
    QVERIFY(std::filesystem::create_directory(stickPath().toStdString() + "/Other"));
    open(BackupMode::Restore);
    chooseDrive(1);
    QVERIFY(action("mOR")->isEnabled());
    QVERIFY(!action("mOM")->isEnabled());
    env_->desktop.expectMessage(restoreDeleteQuestion(2011), Answer::Yes);
    QTest::mouseClick(actionButton(), Qt::LeftButton);
    QCOMPARE(env_->folder.readBytes("2011.Fil"), kYear2011);
    QCOMPARE(QDir(env_->folder.qPath()).entryList(QDir::Files),
             QStringList{QStringLiteral("2011.Fil")});
    QCOMPARE(status()->text(), QStringLiteral("Restoration Completed"));
    QVERIFY(!actionButton()->isEnabled());
    QVERIFY(!action("mOR")->isEnabled());
    // Until the dialog is opened again, no other folder or drive brings the restore back.
    openFolder(QStringLiteral("Other"));
    QVERIFY(!actionButton()->isEnabled());
    chooseDrive(1);
    QVERIFY(!actionButton()->isEnabled());
    QVERIFY(!action("mOR")->isEnabled());
}

void BackupDialogTest::restoreWithoutABackupAsksAgain() {
    QVERIFY(env_->folder.writeBytes("2011.Fil", kYear2011));
    open(BackupMode::Restore);
    chooseDrive(1);
    env_->desktop.expectMessage(restoreDeleteQuestion(2011), Answer::Yes);
    env_->desktop.expectMessage(diskErrorMessage(), Answer::Ok);
    env_->desktop.expectMessage(restoreDeleteQuestion(2011), Answer::No);
    QTest::mouseClick(actionButton(), Qt::LeftButton);
    QCOMPARE(env_->folder.readBytes("2011.Fil"), kYear2011);
    QVERIFY(status()->isVisible());
    QCOMPARE(status()->text(), QString());
    QVERIFY2(actionButton()->isEnabled(), "nothing was restored");
}

void BackupDialogTest::restoreInterruptedBeforeTheRenameKeepsTheYearFile() {
    QVERIFY(env_->folder.writeBytes("2011.Fil", "\"Mine\"\r\n"));
    writeStickFile("2011.Bup", kYear2011);
    open(BackupMode::Restore);
    chooseDrive(1);
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Rename; });
    env_->desktop.expectMessage(restoreDeleteQuestion(2011), Answer::Yes);
    env_->desktop.expectMessage(diskErrorMessage(), Answer::Ok);
    env_->desktop.expectMessage(restoreDeleteQuestion(2011), Answer::Cancel);
    QTest::mouseClick(actionButton(), Qt::LeftButton);
    QCOMPARE(env_->folder.readBytes("2011.Fil"), std::string("\"Mine\"\r\n"));
    QCOMPARE(QDir(env_->folder.qPath()).entryList(QDir::Files),
             QStringList{QStringLiteral("2011.Fil")});
}

void BackupDialogTest::unavailableDriveGoesBackToTheProgramFolder() {
    open(BackupMode::Backup);
    chooseDrive(1);
    QVERIFY(actionButton()->isEnabled());
    env_->desktop.expectMessage(driveUnavailableMessage(), Answer::Ok);
    chooseDrive(2);
    COINWELL_VERIFY_DESKTOP(env_->desktop);
    QCOMPARE(child<DriveList>("Drive1")->currentIndex(), 0);
    QCOMPARE(child<FolderList>("Dir1")->path(), env_->folder.qPath());
    QCOMPARE(child<QLabel>("Label5")->text(), env_->folder.qPath());
    QVERIFY(!actionButton()->isEnabled());
}

void BackupDialogTest::keyboardChoosesADrive() {
    open(BackupMode::Backup);
    auto* drives = child<DriveList>("Drive1");
    QCOMPARE(drives->currentIndex(), 0);
    drives->setFocus();
    QTest::keyClick(drives, Qt::Key_Down);
    QCOMPARE(drives->currentIndex(), 1);
    QCOMPARE(child<QLabel>("Label5")->text(), stickPath());
    QVERIFY(actionButton()->isEnabled());
}

void BackupDialogTest::clickDuringAnOperationStartsNothing() {
    QVERIFY(env_->folder.writeBytes("2011.Fil", kYear2011));
    open(BackupMode::Backup);
    chooseDrive(1);
    // Events run while the backup works; a second click then must not start another one.
    int clicks = 0;
    env_->desktop.setProcessEventsHook([&] {
        if (clicks++ == 0) {
            actionButton()->click();
            action("mOM")->trigger();
        }
    });
    expectDeleteFilesForBackup(Answer::Yes);
    QTest::mouseClick(actionButton(), Qt::LeftButton);
    env_->desktop.setProcessEventsHook({});
    QCOMPARE(stickFile("2011.Bup"), kYear2011);
    QCOMPARE(status()->text(), QStringLiteral("Backup Complete"));
}

void BackupDialogTest::rightClickPopsUpTheOptionsMenu() {
    open(BackupMode::Backup);
    auto* menu = child<QMenu>("mO");
    for (const char* name : {"Label1", "SSPanel1", "Backup1Form"}) {
        QVERIFY(!menu->isVisible());
        auto* surface = child<QWidget>(name);
        QTest::mousePress(surface, Qt::RightButton, {}, QPoint(20, 10));
        QVERIFY2(!menu->isVisible(), "the menu comes up on the release");
        QTest::mouseRelease(surface, Qt::RightButton, {}, QPoint(20, 10));
        QTRY_VERIFY2(menu->isVisible(), name);
        menu->hide();
    }
    // The lists and buttons keep their own mouse handling.
    QTest::mouseRelease(actionButton(), Qt::RightButton);
    QVERIFY(!menu->isVisible());
}

void BackupDialogTest::waysOutCloseTheDialogInTheProgramFolder_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "button";
    QTest::newRow("Exit menu item") << "menu";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
}

void BackupDialogTest::waysOutCloseTheDialogInTheProgramFolder() {
    QFETCH(QString, how);
    main_->show();
    const std::filesystem::path program = env_->folder.path();
    bool seen = false;
    auto* poll = new QTimer(this);
    poll->setInterval(10);
    connect(poll, &QTimer::timeout, this, [&, poll] {
        auto* dialog = qobject_cast<Backup1*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        seen = true;
        dialog->setPacing({std::chrono::milliseconds(0), &clock_});
        // Something else made current meanwhile; closing makes the program folder current again.
        std::filesystem::current_path(stickPath().toStdString());
        if (how == QLatin1String("button")) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("SSCommand1")),
                              Qt::LeftButton);
        } else if (how == QLatin1String("menu")) {
            dialog->findChild<QAction*>(QStringLiteral("mOE"))->trigger();
        } else if (how == QLatin1String("esc")) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            dialog->close();
        }
    });
    poll->start();
    runBackupDialog(env_->context, main_.get(), budgetRestoreRequest(2011));
    QVERIFY(seen);
    QCOMPARE(std::filesystem::current_path(), program);
    QVERIFY(!QApplication::activeModalWidget());
}

void BackupDialogTest::otherFamiliesOpenNothing() {
    auto* watch = new QTimer(this);
    bool opened = false;
    watch->setInterval(5);
    connect(watch, &QTimer::timeout, this, [&] {
        if (auto* dialog = qobject_cast<Backup1*>(QApplication::activeModalWidget())) {
            opened = true;
            dialog->reject();
        }
    });
    watch->start();
    runBackupDialog(env_->context, main_.get(), {1, BackupMode::Backup, 2011, {}});
    runBackupDialog(env_->context, main_.get(), {0, BackupMode::Restore, 2011, {}});
    QTest::qWait(30);
    watch->stop();
    delete watch;
    QVERIFY(!opened);
}

void BackupDialogTest::f1OpensTheBackupHelp() {
    open(BackupMode::Backup);
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    QTest::keyClick(dialog_.get(), Qt::Key_F1);
    QCOMPARE(env_->desktop.helpTopics(), std::vector<int>{1005});
}

void BackupDialogTest::returningFromTheDialogActivatesTheScreenBelow() {
    // The Home Budget underneath: one of the program's screens with activation steps.
    QWidget budget;
    budget.setGeometry(0, 0, 700, 500);
    int activations = 0;
    connect(markAsProgramScreen(&budget), &ScreenActivation::activated, this,
            [&activations] { ++activations; });
    budget.show();
    QApplication::setActiveWindow(&budget);
    QApplication::processEvents();
    const int before = activations;

    dialog_ =
        std::make_unique<Backup1>(env_->context, main_.get(), budgetRestoreRequest(2011), &budget);
    dialog_->show();
    dialog_->activateWindow();
    QApplication::setActiveWindow(dialog_.get());
    QApplication::processEvents();
    dialog_->reject();
    budget.activateWindow();
    QApplication::setActiveWindow(&budget);
    QApplication::processEvents();
    dialog_.reset();  // before its owner goes
    QCOMPARE(activations, before + 1);
}

QTEST_MAIN(BackupDialogTest)
#include "backup_dialog_qtest.moc"
