#pragma once
// The captions, instructions, status texts and messages of the backup and restore dialog. Line
// breaks inside texts are carriage returns; "&" marks an access key.

#include <string>
#include <string_view>

#include "backup/core/backup_request.h"
#include "common/core/dialogs.h"

namespace coinwell::backup {

// Fixed captions of the dialog's controls and menu.
inline constexpr char kFoldersCaption[] = "Folders:";
inline constexpr char kDrivesCaption[] = "Drives:";
inline constexpr char kPathCaption[] = "Path:";
inline constexpr char kExitCaption[] = "E&xit";
inline constexpr char kOptionsMenuCaption[] = "&Options";
inline constexpr char kMakeBackupMenuCaption[] = "&Make Backup Disk";
inline constexpr char kRestoreMenuCaption[] = "&Restore Files from Disk";

// Status panel captions.
inline constexpr char kDeletingOldFiles[] = "Deleting Old Files";
inline constexpr char kBackupComplete[] = "Backup Complete";
inline constexpr char kBackupTerminated[] = "Backup Terminated by User";
inline constexpr char kRestorationCompleted[] = "Restoration Completed";

// The year followed by " Budget File": "2011 Budget File".
std::string familyText(int year);

// "Backup 2011 Budget File" / "Restore 2011 Budget File from Backup Media".
std::string dialogCaption(BackupMode mode, int year);
// The instruction text at the top of the dialog.
std::string instructionText(BackupMode mode, int year);
// "&Make Backup" / "&Restore 2011 Budget File".
std::string actionButtonCaption(BackupMode mode, int year);

// "Making 2011 Budget Backup Disk #1".
std::string makingBackupStatus(int year, int disk);
// "Restoring 2011 Budget File".
std::string restoringStatus(int year);

// The "Delete Files" question before a backup, naming the folder as the dialog shows it.
MessageRequest backupDeleteQuestion(std::string_view shownPath);
// The "Delete Files" question before a restore.
MessageRequest restoreDeleteQuestion(int year);
// The backup could not be written: OK tries again, Cancel gives up.
MessageRequest backupDiskMessage();
// After Cancel in the "Backup Disk" message.
MessageRequest backupCancelledMessage();
// The backup to restore from is missing or unusable.
MessageRequest diskErrorMessage();
// A drive (place) of the drive list cannot be read.
MessageRequest driveUnavailableMessage();

}  // namespace coinwell::backup
