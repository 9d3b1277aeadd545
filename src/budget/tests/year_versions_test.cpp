// Earlier versions of a year file: their names, the ten kept, the first of one second kept,
// a version that cannot be written never stopping the write, and versions that cannot be read.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "budget/core/version_texts.h"
#include "budget/core/year_file.h"
#include "budget/core/year_versions.h"
#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::budget {
namespace {

namespace fs = std::filesystem;

DateTime at(int second, int minute = 5) {
    return {2026, 12, 10, 14, minute, second};
}

class YearVersionsTest : public ::testing::Test {
  protected:
    void TearDown() override { setSafeWriteFailureHook({}); }

    // A save of year 2012 holding text, as the program writes it: a new file in the old one's
    // place.
    VersionedReplace save(const std::string& text, const DateTime& when) {
        return replaceKeepingVersion(kVersionsFolder, "2012.Fil", "2012", when,
                                     [&] { return writeFileSafely("2012.Fil", text); });
    }
    std::vector<std::string> versionNames() const {
        std::vector<std::string> names;
        for (const YearVersion& v : listVersions(kVersionsFolder, "2012")) {
            names.push_back(v.file.filename().string());
        }
        return names;
    }

    TemporaryProgramFolder folder;
};

TEST(VersionNames, CarryTheYearAndTheLocalTimeOfTheWrite) {
    EXPECT_EQ(versionFileName("2012", {2026, 12, 10, 14, 5, 9}), "2012 2026-12-10 14-05-09.Fil");
    EXPECT_EQ(versionTime("2012 2026-12-10 14-05-09.Fil", "2012"),
              (DateTime{2026, 12, 10, 14, 5, 9}));
    // Another year's versions, other files and damaged names are not this year's versions.
    for (const char* name : {"2013 2026-12-10 14-05-09.Fil", "2012.Fil", "2012 2026-12-10.Fil",
                             "2012 2026-13-10 14-05-09.Fil", "2012 2026-12-10 14:05:09.Fil",
                             "2012 2026-12-10 14-05-09.Fil.tmp", "x2012 2026-12-10 14-05-09.Fil"}) {
        EXPECT_FALSE(versionTime(name, "2012")) << name;
    }
    EXPECT_EQ(versionLine({2026, 12, 10, 14, 5, 9}, std::nullopt),
              "2026-12-10 14:05:09   (unreadable)");
}

TEST_F(YearVersionsTest, EachSaveKeepsTheFileItReplacesAndTheTenNewestStay) {
    // The first save replaces nothing and keeps nothing.
    ASSERT_TRUE(save("\"0\"\r\n", at(0)).replaced);
    EXPECT_FALSE(fs::exists(kVersionsFolder));
    for (int i = 1; i <= 12; ++i) {
        const VersionedReplace result = save("\"" + std::to_string(i) + "\"\r\n", at(i));
        EXPECT_TRUE(result.replaced);
        EXPECT_FALSE(result.versionFailure);
    }
    const std::vector<std::string> names = versionNames();
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names.front(), "2012 2026-12-10 14-05-12.Fil");
    EXPECT_EQ(names.back(), "2012 2026-12-10 14-05-03.Fil");
    // Byte for byte the file that was replaced at that moment.
    EXPECT_EQ(folder.readBytes("Versions/2012 2026-12-10 14-05-12.Fil"), "\"11\"\r\n");

    // A write that fails removes no version: the newest still holds what is on disk.
    replaceKeepingVersion(kVersionsFolder, "2012.Fil", "2012", at(30), [] { return false; });
    EXPECT_EQ(versionNames().size(), 11u);
    EXPECT_EQ(folder.readBytes("2012.Fil"), "\"12\"\r\n");
    // Another year's versions are never counted or removed.
    ASSERT_TRUE(folder.writeBytes("Versions/2013 2020-01-01 00-00-00.Fil", "\"x\"\r\n"));
    save("\"13\"\r\n", at(31));
    EXPECT_EQ(versionNames().size(), 10u);
    EXPECT_TRUE(folder.exists("Versions/2013 2020-01-01 00-00-00.Fil"));
}

TEST_F(YearVersionsTest, WithinOneSecondTheEarlierFileIsTheOneKept) {
    ASSERT_TRUE(folder.writeBytes("2012.Fil", "\"before\"\r\n"));
    save("\"first\"\r\n", at(9));
    save("\"second\"\r\n", at(9));
    EXPECT_EQ(versionNames(), std::vector<std::string>{"2012 2026-12-10 14-05-09.Fil"});
    EXPECT_EQ(folder.readBytes("Versions/2012 2026-12-10 14-05-09.Fil"), "\"before\"\r\n");
    EXPECT_EQ(folder.readBytes("2012.Fil"), "\"second\"\r\n");
}

TEST_F(YearVersionsTest, AVersionThatCannotBeKeptNeverStopsTheWrite) {
    ASSERT_TRUE(folder.writeBytes("2012.Fil", "\"before\"\r\n"));
    // "Versions" taken by a file: the folder cannot be made, the write still goes ahead.
    ASSERT_TRUE(folder.writeBytes("Versions", "not a folder"));
    VersionedReplace result = save("\"after\"\r\n", at(1));
    EXPECT_TRUE(result.replaced);
    EXPECT_EQ(result.versionFailure, "Something other than a folder is named Versions.");
    EXPECT_EQ(folder.readBytes("2012.Fil"), "\"after\"\r\n");
    EXPECT_EQ(versionNotKeptMessage("2012", "The disk is full.").text,
              "The earlier version of 2012 could not be kept: The disk is full.");

    // A year file reached through a link is copied; a copy that fails (a full disk) is said.
    std::filesystem::remove("Versions");
    ASSERT_TRUE(folder.writeBytes("real.Fil", "\"linked\"\r\n"));
    std::filesystem::remove("2012.Fil");
    std::filesystem::create_symlink("real.Fil", "2012.Fil");
    int writes = 0;
    setSafeWriteFailureHook([&](SafeWriteStep step) {
        return step == SafeWriteStep::CreateTemporary && writes++ == 0;
    });
    result = save("\"again\"\r\n", at(2));
    EXPECT_TRUE(result.replaced);
    EXPECT_EQ(result.versionFailure, "The disk reported an error while writing.");
    EXPECT_TRUE(versionNames().empty());
    setSafeWriteFailureHook({});
    save("\"third\"\r\n", at(3));
    EXPECT_EQ(folder.readBytes("Versions/2012 2026-12-10 14-05-03.Fil"), "\"again\"\r\n");
}

TEST_F(YearVersionsTest, VersionsAreReadOnlyWhenTheyAreYearFiles) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.items[0].amounts[1] = "850.00";
    year.income[0] = "2500.00";
    ASSERT_TRUE(writeYearFile("2012.Fil", year).ok());
    ASSERT_TRUE(save("\"x\"\r\n", at(1)).replaced);
    ASSERT_TRUE(fs::create_directory("Versions/2012 2026-12-10 14-05-02.Fil"));
    ASSERT_EQ(::mkfifo("Versions/2012 2026-12-10 14-05-03.Fil", 0600), 0);
    ASSERT_TRUE(
        folder.writeBytes("Versions/2012 2026-12-10 14-05-04.Fil", std::string("\"\0x", 3)));

    const std::vector<YearVersion> versions = listVersions(kVersionsFolder, "2012");
    ASSERT_EQ(versions.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(readVersion(versions[static_cast<std::size_t>(i)].file)) << i;
    }
    const std::optional<ReadVersion> kept = readVersion(versions[3].file);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->bytes, folder.readBytes("Versions/2012 2026-12-10 14-05-01.Fil"));
    EXPECT_EQ(kept->year.income[1], "0");  // read as loadYear reads it
    EXPECT_EQ(versionLine(versions[3].when, kept->year),
              "2026-12-10 14:05:01   Expenses 1700.00   Income 2500.00");
}

}  // namespace
}  // namespace coinwell::budget
