// The backup copy and the restore: byte-identical copies, an old backup or year file that
// survives every failure, and backups that are refused instead of being copied over a budget.

#include <sys/mount.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "backup/core/backup_files.h"
#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::backup {
namespace {

// A saved year: Rent with 850.00 in January, then empty cells, then twelve incomes.
std::string sampleYearFile() {
    std::string text = "\"Rent\"\r\n\"850.00\"\r\n";
    for (int field = 2; field < 650; ++field) {
        text += "\"\"\r\n";
    }
    for (int month = 0; month < 12; ++month) {
        text += "\"3200.00\"\r\n";
    }
    return text;
}

std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(BackupNames, YearAndBackupFiles) {
    EXPECT_EQ(yearFileName(2011), "2011.Fil");
    EXPECT_EQ(backupFileName(2011), "2011.Bup");
}

TEST(BackupNames, FolderGetsOneTrailingSeparator) {
    EXPECT_EQ(withTrailingSeparator("/media/anna/STICK"), "/media/anna/STICK/");
    EXPECT_EQ(withTrailingSeparator("/media/anna/STICK/"), "/media/anna/STICK/");
    // A root is used as it is, without a second separator.
    EXPECT_EQ(withTrailingSeparator("/"), "/");
    EXPECT_EQ(withTrailingSeparator("/") + backupFileName(2011), "/2011.Bup");
}

TEST(BackupNames, ProgramFolderIsComparedWithoutCaseBlanksOrTrailingSeparator) {
    EXPECT_TRUE(isProgramFolder("/home/anna/Coinwell", "/home/anna/Coinwell"));
    EXPECT_TRUE(isProgramFolder("/home/anna/coinwell", "/HOME/anna/Coinwell/"));
    EXPECT_TRUE(isProgramFolder(" /home/anna/Coinwell/ ", "/home/anna/Coinwell"));
    EXPECT_FALSE(isProgramFolder("/home/anna/Coinwell/Budget", "/home/anna/Coinwell"));
    EXPECT_FALSE(isProgramFolder("/home/anna", "/home/anna/Coinwell"));
    EXPECT_FALSE(isProgramFolder("/home/anna/Coinwel", "/home/anna/Coinwell"));
    EXPECT_FALSE(isProgramFolder("", "/home/anna/Coinwell"));
}

TEST(BackupNames, LinkToTheProgramFolderIsTheProgramFolder) {
    TemporaryProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    std::filesystem::create_directory(folder.filePath("program"));
    std::filesystem::create_directory(folder.filePath("elsewhere"));
    std::filesystem::create_directory_symlink("program", folder.filePath("link"));
    const std::string program = folder.filePath("program").string();
    EXPECT_TRUE(isProgramFolder(folder.filePath("link").string(), program));
    EXPECT_TRUE(isProgramFolder(folder.filePath("program/../program").string(), program));
    EXPECT_FALSE(isProgramFolder(folder.filePath("elsewhere").string(), program));
}

TEST(YearFileCheck, SavedYearsAndTheirVariantsPass) {
    EXPECT_TRUE(looksLikeYearFile(sampleYearFile()));
    // Windows-1252 letters, tabs and an end-of-file mark are text.
    EXPECT_TRUE(looksLikeYearFile("\"Caf\xE9\"\r\n\"\t\"\r\n\x1A"));
    EXPECT_TRUE(looksLikeYearFile("\"\""));
}

TEST(YearFileCheck, EmptyBinaryOrForeignFilesAreRefused) {
    EXPECT_FALSE(looksLikeYearFile(""));
    EXPECT_FALSE(looksLikeYearFile(std::string("\"Rent\"\r\n\0\0\0", 11)));
    EXPECT_FALSE(looksLikeYearFile("\x89PNG\r\n\x1A\n"));
    EXPECT_FALSE(looksLikeYearFile("Rent,850.00\r\n"));
    EXPECT_FALSE(looksLikeYearFile("\"Rent\"\r\n\x1B[2J"));
    EXPECT_FALSE(looksLikeYearFile("\"" + std::string(kMaxYearFileBytes, 'x')));
}

class BackupFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        std::filesystem::create_directory(folder.filePath("program"));
        std::filesystem::create_directory(folder.filePath("stick"));
    }
    void TearDown() override { setSafeWriteFailureHook({}); }

    std::filesystem::path yearFile() const { return folder.filePath("program/2011.Fil"); }
    std::filesystem::path backupFile() const { return folder.filePath("stick/2011.Bup"); }

    TemporaryProgramFolder folder;
};

TEST_F(BackupFilesTest, BackupIsAByteCopyReplacingAnOlderOne) {
    const std::string year = sampleYearFile() + "\"\xE9\"\r\n";
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", year));
    ASSERT_TRUE(folder.writeBytes(
        "stick/2011.Bup", "an older backup, longer than the year file" + std::string(20000, '.')));
    ASSERT_TRUE(backUpYearFile(yearFile(), backupFile()));
    EXPECT_EQ(folder.readBytes("stick/2011.Bup"), year);
    EXPECT_EQ(folder.readBytes("program/2011.Fil"), year);
    EXPECT_EQ(folderEntries(folder.filePath("stick")), std::vector<std::string>{"2011.Bup"});
}

TEST_F(BackupFilesTest, MissingOrStrangeYearFileFailsWithoutTouchingTheBackup) {
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", "old backup"));
    EXPECT_FALSE(backUpYearFile(yearFile(), backupFile()));
    std::filesystem::create_directory(yearFile());
    EXPECT_FALSE(backUpYearFile(yearFile(), backupFile()));
    std::filesystem::remove(yearFile());
    ASSERT_EQ(::mkfifo(yearFile().c_str(), 0644), 0);
    EXPECT_FALSE(backUpYearFile(yearFile(), backupFile()));  // and does not hang
    EXPECT_EQ(folder.readBytes("stick/2011.Bup"), "old backup");
    EXPECT_EQ(folderEntries(folder.filePath("stick")), std::vector<std::string>{"2011.Bup"});
}

TEST_F(BackupFilesTest, BackupOntoAFolderOfThatNameOrAGoneFolderFails) {
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", sampleYearFile()));
    std::filesystem::create_directory(backupFile());
    EXPECT_FALSE(backUpYearFile(yearFile(), backupFile()));
    EXPECT_TRUE(std::filesystem::is_directory(backupFile()));
    EXPECT_FALSE(backUpYearFile(yearFile(), folder.filePath("gone/2011.Bup")));
}

class BackupFailureTest : public BackupFilesTest,
                          public ::testing::WithParamInterface<SafeWriteStep> {};

TEST_P(BackupFailureTest, FailedBackupLeavesTheOldBackupWholeAndNoPartialFile) {
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", sampleYearFile()));
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", "old backup"));
    const SafeWriteStep failing = GetParam();
    setSafeWriteFailureHook([failing](SafeWriteStep step) { return step == failing; });
    EXPECT_FALSE(backUpYearFile(yearFile(), backupFile()));
    EXPECT_EQ(folder.readBytes("stick/2011.Bup"), "old backup");
    EXPECT_EQ(folderEntries(folder.filePath("stick")), std::vector<std::string>{"2011.Bup"});
    // Once the disk takes it again, the same call completes the backup.
    setSafeWriteFailureHook({});
    EXPECT_TRUE(backUpYearFile(yearFile(), backupFile()));
    EXPECT_EQ(folder.readBytes("stick/2011.Bup"), sampleYearFile());
}

INSTANTIATE_TEST_SUITE_P(EveryStep, BackupFailureTest,
                         ::testing::Values(SafeWriteStep::CreateTemporary, SafeWriteStep::Write,
                                           SafeWriteStep::Sync, SafeWriteStep::Close,
                                           SafeWriteStep::Rename));

// A real full disk: a 16 KiB tmpfs (needs root; skipped elsewhere).
TEST_F(BackupFilesTest, FullDiskKeepsTheOldBackup) {
    const auto mountPoint = folder.filePath("tiny");
    std::filesystem::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const std::string big = sampleYearFile() + "\"" + std::string(12000, 'x') + "\"\r\n";
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", big));
    const std::string small = sampleYearFile();
    const bool wroteOld = writeFileSafely(mountPoint / "2011.Bup", small);
    const bool backedUp = backUpYearFile(yearFile(), mountPoint / "2011.Bup");
    const std::string after = folder.readBytes("tiny/2011.Bup");
    const auto entries = folderEntries(mountPoint);
    ::umount(mountPoint.c_str());
    EXPECT_TRUE(wroteOld);
    EXPECT_FALSE(backedUp);
    EXPECT_EQ(after, small);
    EXPECT_EQ(entries, std::vector<std::string>{"2011.Bup"});
}

TEST_F(BackupFilesTest, RestoreReplacesTheYearFileByTheBackup) {
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", "\"Changed since\"\r\n"));
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", sampleYearFile()));
    ::chmod(yearFile().c_str(), 0600);
    ASSERT_TRUE(restoreYearFile(backupFile(), yearFile()));
    EXPECT_EQ(folder.readBytes("program/2011.Fil"), sampleYearFile());
    EXPECT_EQ(folder.readBytes("stick/2011.Bup"), sampleYearFile());
    struct stat info {};
    ASSERT_EQ(::stat(yearFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(folderEntries(folder.filePath("program")), std::vector<std::string>{"2011.Fil"});
}

TEST_F(BackupFilesTest, RestoreCreatesAYearFileThatWasNeverSaved) {
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", sampleYearFile()));
    ASSERT_TRUE(restoreYearFile(backupFile(), yearFile()));
    EXPECT_EQ(folder.readBytes("program/2011.Fil"), sampleYearFile());
}

// The Home Budget keeps the file a restore replaces: its wrapper runs once, around the write
// itself, and only for a backup that is used.
TEST_F(BackupFilesTest, TheWrapperRunsAroundTheWriteOfAUsableBackupOnly) {
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", "\"Old year\"\r\n"));
    std::vector<std::string> seen;
    const YearFileReplacement around = [&](const std::function<bool()>& write) {
        seen.push_back(folder.readBytes("program/2011.Fil"));
        return write();
    };
    EXPECT_FALSE(restoreYearFile(backupFile(), yearFile(), around));
    EXPECT_TRUE(seen.empty());
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", sampleYearFile()));
    EXPECT_TRUE(restoreYearFile(backupFile(), yearFile(), around));
    EXPECT_EQ(seen, std::vector<std::string>{"\"Old year\"\r\n"});
    EXPECT_EQ(folder.readBytes("program/2011.Fil"), sampleYearFile());
}

TEST_F(BackupFilesTest, UnusableBackupsLeaveTheYearFileUnchanged) {
    const std::string year = sampleYearFile();
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", year));
    auto refused = [&](const char* what) {
        EXPECT_FALSE(restoreYearFile(backupFile(), yearFile())) << what;
        EXPECT_EQ(folder.readBytes("program/2011.Fil"), year) << what;
        EXPECT_EQ(folderEntries(folder.filePath("program")), std::vector<std::string>{"2011.Fil"})
            << what;
    };
    refused("no backup in the folder");
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", ""));
    refused("an empty backup");
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", std::string("\0\x01\x02garbage\xFF", 11)));
    refused("binary garbage");
    ASSERT_TRUE(
        folder.writeBytes("stick/2011.Bup", "\"" + std::string(kMaxYearFileBytes, 'x') + "\"\r\n"));
    refused("a text file far larger than any year");
    std::filesystem::remove(backupFile());
    std::filesystem::create_directory(backupFile());
    refused("a folder named like the backup");
    std::filesystem::remove(backupFile());
    ASSERT_EQ(::mkfifo(backupFile().c_str(), 0644), 0);
    refused("a pipe named like the backup");
}

// Whatever a save writes, a restore takes: any byte but a quote or a line break in a field, and
// every one of the 662 fields as long as an entry can be.
TEST_F(BackupFilesTest, TheLargestYearASaveWritesBacksUpAndRestores) {
    std::string field(kMaxEntryLength, 'x');
    field[0] = '\x01';
    field[1] = '\x1B';
    field[2] = '\0';
    std::string year;
    for (int i = 0; i < 662; ++i) {
        year += '"' + field + "\"\r\n";
    }
    ASSERT_EQ(year.size(), kMaxYearFileBytes);
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", year));
    ASSERT_TRUE(backUpYearFile(yearFile(), backupFile()));
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", "\"Changed since\"\r\n"));
    ASSERT_TRUE(restoreYearFile(backupFile(), yearFile()));
    EXPECT_EQ(folder.readBytes("program/2011.Fil"), year);
}

TEST_F(BackupFilesTest, YearFileThatIsAFolderIsNotReplaced) {
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", sampleYearFile()));
    std::filesystem::create_directory(yearFile());
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil/inside", "kept"));
    EXPECT_FALSE(restoreYearFile(backupFile(), yearFile()));
    EXPECT_EQ(folder.readBytes("program/2011.Fil/inside"), "kept");
}

class RestoreFailureTest : public BackupFilesTest,
                           public ::testing::WithParamInterface<SafeWriteStep> {};

// Interrupted anywhere between the copy and the rename, the old year file is still whole.
TEST_P(RestoreFailureTest, InterruptedRestoreLeavesTheOldYearFileWhole) {
    ASSERT_TRUE(folder.writeBytes("program/2011.Fil", "\"Old year\"\r\n"));
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", sampleYearFile()));
    const SafeWriteStep failing = GetParam();
    setSafeWriteFailureHook([failing](SafeWriteStep step) { return step == failing; });
    EXPECT_FALSE(restoreYearFile(backupFile(), yearFile()));
    EXPECT_EQ(folder.readBytes("program/2011.Fil"), "\"Old year\"\r\n");
    EXPECT_EQ(folderEntries(folder.filePath("program")), std::vector<std::string>{"2011.Fil"});
}

INSTANTIATE_TEST_SUITE_P(EveryStep, RestoreFailureTest,
                         ::testing::Values(SafeWriteStep::CreateTemporary, SafeWriteStep::Write,
                                           SafeWriteStep::Sync, SafeWriteStep::Close,
                                           SafeWriteStep::Rename));

}  // namespace
}  // namespace coinwell::backup
