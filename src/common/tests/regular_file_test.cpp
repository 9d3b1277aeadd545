#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "common/core/regular_file.h"
#include "common/tests/support/blocking_guard.h"

namespace coinwell {
namespace {

namespace fs = std::filesystem;
using Status = RegularFileRead::Status;

class RegularFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/coinwell-regular-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(RegularFileTest, ReadsWholeOrPartOfARegularFile) {
    const fs::path file = folder_ / "2026.Fil";
    std::ofstream(file, std::ios::binary) << "0123456789";
    EXPECT_EQ(readRegularFile(file).bytes, "0123456789");
    const RegularFileRead part = readRegularFile(file, 3, 4);
    EXPECT_EQ(part.status, Status::Read);
    EXPECT_EQ(part.bytes, "3456");
    EXPECT_EQ(readRegularFile(file, 8, 100).bytes, "89");
    const RegularFileRead beyond = readRegularFile(file, 50, 4);
    EXPECT_TRUE(beyond.ok());
    EXPECT_EQ(beyond.bytes, "");

    // Through a link to a regular file.
    fs::create_symlink(file, folder_ / "linked");
    EXPECT_EQ(readRegularFile(folder_ / "linked").bytes, "0123456789");
    EXPECT_TRUE(isRegularFile(folder_ / "linked"));
}

TEST_F(RegularFileTest, AnythingButARegularFileReadsAsNothingAndNeverBlocks) {
    EXPECT_EQ(readRegularFile(folder_ / "missing").status, Status::Missing);
    EXPECT_EQ(readRegularFile(folder_ / "missing" / "below").status, Status::Missing);

    const fs::path pipe = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    RegularFileRead fromPipe;
    EXPECT_TRUE(finishesPromptly([&] { fromPipe = readRegularFile(pipe); }, pipe));
    EXPECT_EQ(fromPipe.status, Status::NotRegular);
    EXPECT_FALSE(isRegularFile(pipe));

    fs::create_symlink("/dev/zero", folder_ / "device");
    const RegularFileRead fromDevice = readRegularFile(folder_ / "device", 0, 100);
    EXPECT_EQ(fromDevice.status, Status::NotRegular);
    EXPECT_TRUE(fromDevice.bytes.empty());

    fs::create_directory(folder_ / "folder");
    EXPECT_EQ(readRegularFile(folder_ / "folder").status, Status::NotRegular);
    EXPECT_FALSE(isRegularFile(folder_ / "folder"));
}

}  // namespace
}  // namespace coinwell
