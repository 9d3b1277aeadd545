// Replacing files safely: the old content survives every failure, no temporary file is left.

#include <sys/mount.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell {
namespace {

std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class SafeWriteTest : public ::testing::Test {
  protected:
    void TearDown() override { setSafeWriteFailureHook({}); }
    TemporaryProgramFolder folder;
};

TEST_F(SafeWriteTest, CreatesAndReplacesKeepingPermissions) {
    ASSERT_TRUE(folder.isValid());
    const auto target = folder.filePath("a.Fil");
    ASSERT_TRUE(writeFileSafely(target, std::string("one\0two", 7)));
    EXPECT_EQ(folder.readBytes("a.Fil"), std::string("one\0two", 7));
    ::chmod(target.c_str(), 0600);
    ASSERT_TRUE(writeFileSafely(target, ""));
    EXPECT_EQ(folder.readBytes("a.Fil"), "");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"a.Fil"});
}

TEST_F(SafeWriteTest, AWriterThatOpensTheFileByNameReplacesItSafelyToo) {
    const auto target = folder.filePath("book.xlsx");
    ASSERT_TRUE(writeFileSafely(target, "old content"));
    // Read-only: the writer still fills the new file, which keeps the old file's bits.
    ::chmod(target.c_str(), 0400);
    std::error_code error;
    const auto writeByName = [](const std::filesystem::path& temporary) {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << "new content";
        return static_cast<bool>(file.flush());
    };
    ASSERT_TRUE(writeFileSafelyThrough(target, writeByName, error)) << error.message();
    EXPECT_EQ(folder.readBytes("book.xlsx"), "new content");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0400u);

    // A writer that fails, or an injected failure, leaves the file and no temporary file behind.
    EXPECT_FALSE(writeFileSafelyThrough(
        target, [](const std::filesystem::path&) { return false; }, error));
    EXPECT_TRUE(error);
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Write; });
    EXPECT_FALSE(writeFileSafelyThrough(target, writeByName, error));
    EXPECT_EQ(error, std::error_code(EIO, std::generic_category()));
    EXPECT_EQ(folder.readBytes("book.xlsx"), "new content");
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"book.xlsx"});
}

class SafeWriteFailureTest : public SafeWriteTest,
                             public ::testing::WithParamInterface<SafeWriteStep> {};

TEST_P(SafeWriteFailureTest, FailedStepKeepsTheOldFileWhole) {
    const auto target = folder.filePath("b.Fil");
    ASSERT_TRUE(writeFileSafely(target, "old content"));
    const SafeWriteStep failing = GetParam();
    setSafeWriteFailureHook([failing](SafeWriteStep step) { return step == failing; });
    EXPECT_FALSE(writeFileSafely(target, std::string(10000, 'x')));
    EXPECT_EQ(folder.readBytes("b.Fil"), "old content");
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"b.Fil"});
    // A target that did not exist stays missing.
    EXPECT_FALSE(writeFileSafely(folder.filePath("new.Fil"), "x"));
    EXPECT_FALSE(folder.exists("new.Fil"));
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SafeWriteFailureTest,
                         ::testing::Values(SafeWriteStep::CreateTemporary, SafeWriteStep::Write,
                                           SafeWriteStep::Sync, SafeWriteStep::Close,
                                           SafeWriteStep::Rename));

TEST_F(SafeWriteTest, FailureTellsTheSystemErrorOfTheFailingStep) {
    std::error_code error;
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Sync; });
    EXPECT_FALSE(writeFileSafely(folder.filePath("c.Fil"), "x", error));
    EXPECT_EQ(error, std::errc::io_error);
    setSafeWriteFailureHook({});
    std::filesystem::create_directory(folder.filePath("d.Fil"));
    EXPECT_FALSE(writeFileSafely(folder.filePath("d.Fil"), "x", error));
    EXPECT_EQ(error, std::errc::is_a_directory);
    EXPECT_FALSE(writeFileSafely(folder.filePath("missing/x.Fil"), "x", error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
    EXPECT_TRUE(writeFileSafely(folder.filePath("e.Fil"), "x", error));
    EXPECT_FALSE(error);
}

TEST_F(SafeWriteTest, RefusesFoldersAndMissingParents) {
    std::filesystem::create_directory(folder.filePath("GColor1.Fil"));
    folder.writeBytes("GColor1.Fil/inside", "kept");
    EXPECT_FALSE(writeFileSafely(folder.filePath("GColor1.Fil"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.filePath("GColor1.Fil")));
    EXPECT_EQ(folder.readBytes("GColor1.Fil/inside"), "kept");
    EXPECT_FALSE(writeFileSafely(folder.filePath("missing/x.Fil"), "x"));
    EXPECT_FALSE(writeFileSafely("", "x"));
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"GColor1.Fil"});
}

TEST_F(SafeWriteTest, LinkedFileIsReplacedThroughItsLink) {
    std::filesystem::create_directory(folder.filePath("shared"));
    folder.writeBytes("shared/GColor1.Fil", "old");
    std::filesystem::create_symlink("shared/GColor1.Fil", folder.filePath("GColor1.Fil"));
    ASSERT_TRUE(writeFileSafely(folder.filePath("GColor1.Fil"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.filePath("GColor1.Fil")));
    EXPECT_EQ(folder.readBytes("shared/GColor1.Fil"), "new");
    EXPECT_EQ(folderEntries(folder.filePath("shared")), std::vector<std::string>{"GColor1.Fil"});
}

// A real full disk: a 16 KiB tmpfs (needs root; skipped elsewhere).
TEST_F(SafeWriteTest, FullDiskKeepsTheOldFile) {
    const auto mountPoint = folder.filePath("tiny");
    std::filesystem::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const auto target = mountPoint / "GColor1.Fil";
    const std::string old(6000, 'o');
    const bool wroteOld = writeFileSafely(target, old);
    const bool wroteHuge = writeFileSafely(target, std::string(64 * 1024, 'n'));
    std::string after;
    {
        std::ifstream in(target, std::ios::binary);
        after.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const auto entries = folderEntries(mountPoint);
    ::umount(mountPoint.c_str());
    EXPECT_TRUE(wroteOld);
    EXPECT_FALSE(wroteHuge);
    EXPECT_EQ(after, old);
    EXPECT_EQ(entries, std::vector<std::string>{"GColor1.Fil"});
}

}  // namespace
}  // namespace coinwell
