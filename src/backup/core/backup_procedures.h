#pragma once
// The two operations of the backup and restore dialog, from the user's confirmation to the last
// status caption. The questions go through Dialogs; what the dialog shows meanwhile (its status
// panel and progress bar) through BackupDisplay.

#include <filesystem>
#include <string>

#include "backup/core/backup_files.h"
#include "common/core/dialogs.h"
#include "common/core/shared_routines.h"

namespace coinwell::backup {

// The dialog's status panel and progress bar.
class BackupDisplay {
  public:
    virtual ~BackupDisplay() = default;
    // Makes the status panel visible with a caption.
    virtual void showStatus(const std::string& caption) = 0;
    // Changes the caption only (the panel keeps its visibility).
    virtual void setStatusCaption(const std::string& caption) = 0;
    // The progress bar's run after a copy: shown with the maximum 1000, stepped from 1 to 1000
    // over about a second, reset and hidden again. It measures nothing.
    virtual void runProgressAnimation() = 0;
    virtual void hideProgress() = 0;
};

// One year's files for an operation.
struct BackupJob {
    int year = 0;
    std::filesystem::path yearFile;       // the year file in the program folder
    std::filesystem::path backupFile;     // the backup in the chosen folder
    std::string shownPath;                // the chosen folder as the dialog shows it
    YearFileReplacement replaceYearFile;  // runs the restore's write; the write alone when empty
};

enum class BackupOutcome {
    NotConfirmed,  // the user did not answer Yes to "Delete Files"
    Completed,
    Cancelled,  // the backup gave up after a failed copy
};

// "Delete Files"; on Yes the copy, offered again after each failure until it succeeds or the
// user cancels; the final status caption; then a pause of up to a second.
BackupOutcome makeBudgetBackup(Dialogs& dialogs, BackupDisplay& display, SecondsClock& clock,
                               const BackupJob& job);

// "Delete Files"; on Yes the year file is replaced by the backup. A missing or unusable backup
// gives the "Disk Error" message and the question again; the year file stays as it was.
BackupOutcome restoreBudgetYear(Dialogs& dialogs, BackupDisplay& display, const BackupJob& job);

}  // namespace coinwell::backup
