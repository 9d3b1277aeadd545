#include "backup/core/backup_procedures.h"

#include "backup/core/backup_files.h"
#include "backup/core/backup_texts.h"

namespace coinwell::backup {

namespace {

// The budget fits on one disk.
constexpr int kBudgetDisk = 1;

// The copy, tried again for as long as the user asks; false when the user cancelled.
bool copyUntilDoneOrCancelled(Dialogs& dialogs, BackupDisplay& display, const BackupJob& job) {
    dialogs.beginBusy();
    while (!backUpYearFile(job.yearFile, job.backupFile)) {
        dialogs.endBusy();
        if (dialogs.message(backupDiskMessage()) != Answer::Ok) {
            dialogs.message(backupCancelledMessage());
            display.setStatusCaption("");
            return false;
        }
        dialogs.beginBusy();
    }
    display.setStatusCaption(makingBackupStatus(job.year, kBudgetDisk));
    display.runProgressAnimation();
    dialogs.endBusy();
    return true;
}

}  // namespace

BackupOutcome makeBudgetBackup(Dialogs& dialogs, BackupDisplay& display, SecondsClock& clock,
                               const BackupJob& job) {
    dialogs.endBusy();
    BackupOutcome outcome = BackupOutcome::NotConfirmed;
    if (dialogs.message(backupDeleteQuestion(job.shownPath)) == Answer::Yes) {
        display.showStatus(kDeletingOldFiles);
        dialogs.processEvents();
        const bool copied = copyUntilDoneOrCancelled(dialogs, display, job);
        outcome = copied ? BackupOutcome::Completed : BackupOutcome::Cancelled;
        display.setStatusCaption(copied ? kBackupComplete : kBackupTerminated);
        dialogs.endBusy();
    }
    pauseSeconds(1, clock);
    display.hideProgress();
    return outcome;
}

BackupOutcome restoreBudgetYear(Dialogs& dialogs, BackupDisplay& display, const BackupJob& job) {
    for (;;) {
        dialogs.endBusy();
        if (dialogs.message(restoreDeleteQuestion(job.year)) != Answer::Yes) {
            return BackupOutcome::NotConfirmed;
        }
        dialogs.beginBusy();
        display.showStatus(restoringStatus(job.year));
        if (restoreYearFile(job.backupFile, job.yearFile, job.replaceYearFile)) {
            display.runProgressAnimation();
            display.setStatusCaption(kRestorationCompleted);
            dialogs.endBusy();
            return BackupOutcome::Completed;
        }
        dialogs.endBusy();
        dialogs.message(diskErrorMessage());
        display.setStatusCaption("");
    }
}

}  // namespace coinwell::backup
