#include "backup/core/backup_texts.h"

#include <algorithm>

namespace coinwell::backup {

namespace {

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

}  // namespace

std::string familyText(int year) {
    return std::to_string(year) + " Budget File";
}

std::string dialogCaption(BackupMode mode, int year) {
    if (mode == BackupMode::Restore) {
        return "Restore " + familyText(year) + " from Backup Media";
    }
    return "Backup " + familyText(year);
}

std::string instructionText(BackupMode mode, int year) {
    const std::string family = familyText(year);
    if (mode == BackupMode::Restore) {
        return "Restore " + family + " from backup media to Coinwell Program.\r" +
               "CAUTION: RESTORE FUNCTION WILL FIRST ERASE ALL EXISTING " + upperCase(family) +
               " IN THE PROGRAM AND THEN RESTORE FILES.\r" +
               "To restore, first place backup disk in Drive a: or select Folder/files location, "
               "then select Drive and or folder from the Drive/Folders lists below, then Click "
               "&Restore " +
               family + " Button and follow directions as they appear.";
    }
    return "This utility allows you to make a backup of the " + family +
           " contained within this program.  To make the backup , first create a folder on your "
           "hard drive or flash card etc., then select Drive or location from the Drives and or "
           "Folders lists below, then Click the &Make Backup Button and follow directions as they "
           "appear.";
}

std::string actionButtonCaption(BackupMode mode, int year) {
    if (mode == BackupMode::Restore) {
        return "&Restore " + familyText(year);
    }
    return "&Make Backup";
}

std::string makingBackupStatus(int year, int disk) {
    return "Making " + std::to_string(year) + " Budget Backup Disk #" + std::to_string(disk);
}

std::string restoringStatus(int year) {
    return "Restoring " + familyText(year);
}

MessageRequest backupDeleteQuestion(std::string_view shownPath) {
    // The budget names no files between "existing " and " files".
    return {"This utility will first Delete all existing  files\rlocated in Path: " +
                std::string(shownPath) + "\r\rProceed?",
            "Delete Files", MessageIcon::Question, MessageButtons::YesNoCancel, Answer::No};
}

MessageRequest restoreDeleteQuestion(int year) {
    return {"This utility will first Delete all existing " + familyText(year) +
                "\rlocated in Coinwell Program!\r\rProceed?",
            "Delete Files", MessageIcon::Question, MessageButtons::YesNoCancel, Answer::No};
}

MessageRequest backupDiskMessage() {
    return {
        "Disk is either Full, or there is not enough room\r"
        "remaining for the requested backup files!\r"
        "Please Insert a New Blank Formatted\r"
        "Backup Disk and then Click on OK.\r"
        "CAUTION: Wait till Disk Drive light goes out and\r"
        "Be sure New Disk is inserted before Clicking OK",
        "Backup Disk", MessageIcon::Information, MessageButtons::OkCancel, Answer::Ok};
}

MessageRequest backupCancelledMessage() {
    return {
        "You have cancelled the backup proceedure!\r"
        "If backup files were on this disk they have been deleted!\r"
        "May we suggest you initiate Backup for these files again!",
        "Backup Proceedure Cancelation", MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

MessageRequest diskErrorMessage() {
    return {
        "Unable to find Backup Disk or Location containing requested files!\r"
        "Please insert another backup Disk into selected Drive and Try again.",
        "Disk Error", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok};
}

MessageRequest driveUnavailableMessage() {
    return {"Device/Drive is Unavailable!", "Device/Drive Error", MessageIcon::Critical,
            MessageButtons::Ok, Answer::Ok};
}

}  // namespace coinwell::backup
