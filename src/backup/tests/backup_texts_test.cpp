// The dialog's captions, instructions, status texts and messages, character for character.

#include <gtest/gtest.h>

#include "backup/core/backup_texts.h"

namespace coinwell::backup {
namespace {

TEST(BackupTexts, CaptionsFor2011) {
    EXPECT_EQ(familyText(2011), "2011 Budget File");
    EXPECT_EQ(dialogCaption(BackupMode::Backup, 2011), "Backup 2011 Budget File");
    EXPECT_EQ(dialogCaption(BackupMode::Restore, 2011),
              "Restore 2011 Budget File from Backup Media");
    EXPECT_EQ(actionButtonCaption(BackupMode::Backup, 2011), "&Make Backup");
    EXPECT_EQ(actionButtonCaption(BackupMode::Restore, 2011), "&Restore 2011 Budget File");
    EXPECT_EQ(makingBackupStatus(2011, 1), "Making 2011 Budget Backup Disk #1");
    EXPECT_EQ(restoringStatus(1999), "Restoring 1999 Budget File");
}

TEST(BackupTexts, InstructionsKeepTheirDoubleBlanksAndLineBreaks) {
    EXPECT_EQ(instructionText(BackupMode::Backup, 2011),
              "This utility allows you to make a backup of the 2011 Budget File contained within "
              "this program.  To make the backup , first create a folder on your hard drive or "
              "flash card etc., then select Drive or location from the Drives and or Folders lists "
              "below, then Click the &Make Backup Button and follow directions as they appear.");
    EXPECT_EQ(instructionText(BackupMode::Restore, 2011),
              "Restore 2011 Budget File from backup media to Coinwell Program.\r"
              "CAUTION: RESTORE FUNCTION WILL FIRST ERASE ALL EXISTING 2011 BUDGET FILE IN THE "
              "PROGRAM AND THEN RESTORE FILES.\r"
              "To restore, first place backup disk in Drive a: or select Folder/files location, "
              "then select Drive and or folder from the Drive/Folders lists below, then Click "
              "&Restore 2011 Budget File Button and follow directions as they appear.");
}

TEST(BackupTexts, QuestionsBeforeTheOperations) {
    EXPECT_EQ(backupDeleteQuestion("/media/anna/STICK"),
              (MessageRequest{"This utility will first Delete all existing  files\r"
                              "located in Path: /media/anna/STICK\r\rProceed?",
                              "Delete Files", MessageIcon::Question, MessageButtons::YesNoCancel,
                              Answer::No}));
    EXPECT_EQ(restoreDeleteQuestion(2011),
              (MessageRequest{"This utility will first Delete all existing 2011 Budget File\r"
                              "located in Coinwell Program!\r\rProceed?",
                              "Delete Files", MessageIcon::Question, MessageButtons::YesNoCancel,
                              Answer::No}));
}

TEST(BackupTexts, FailureMessages) {
    EXPECT_EQ(backupDiskMessage(),
              (MessageRequest{"Disk is either Full, or there is not enough room\r"
                              "remaining for the requested backup files!\r"
                              "Please Insert a New Blank Formatted\r"
                              "Backup Disk and then Click on OK.\r"
                              "CAUTION: Wait till Disk Drive light goes out and\r"
                              "Be sure New Disk is inserted before Clicking OK",
                              "Backup Disk", MessageIcon::Information, MessageButtons::OkCancel,
                              Answer::Ok}));
    EXPECT_EQ(backupCancelledMessage(),
              (MessageRequest{"You have cancelled the backup proceedure!\r"
                              "If backup files were on this disk they have been deleted!\r"
                              "May we suggest you initiate Backup for these files again!",
                              "Backup Proceedure Cancelation", MessageIcon::Information,
                              MessageButtons::Ok, Answer::Ok}));
    EXPECT_EQ(
        diskErrorMessage(),
        (MessageRequest{"Unable to find Backup Disk or Location containing requested "
                        "files!\rPlease insert another backup Disk into selected Drive and "
                        "Try again.",
                        "Disk Error", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok}));
    EXPECT_EQ(driveUnavailableMessage(),
              (MessageRequest{"Device/Drive is Unavailable!", "Device/Drive Error",
                              MessageIcon::Critical, MessageButtons::Ok, Answer::Ok}));
}

}  // namespace
}  // namespace coinwell::backup
