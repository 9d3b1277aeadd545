// The budget year file: its exact bytes, reading back every cell text, the reader's handling of
// damaged and hostile files, and saves and copies that never lose the file on disk.

#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "budget/core/year_file.h"
#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::budget {
namespace {

std::string readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The budget kept in tests/data/known_budget.Fil, as the screen holds it.
BudgetYear knownBudget() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts.fill("850.00");
    year.items[1].name = "Groceries";
    year.items[1].amounts[0] = "412.35";
    year.items[1].amounts[1] = ".50";
    year.items[2].name = "Café & Bakery";
    year.items[2].amounts[2] = "12.00";
    year.items[3].name = "Car, loan";
    for (int m = 5; m < 12; ++m) {
        year.items[3].amounts[static_cast<std::size_t>(m)] = "275.10";
    }
    year.income[0] = "2500.00";
    year.income[1] = "0.00";
    year.income[2] = "2500.00";
    return year;
}

std::string knownBudgetBytes() {
    return readWholeFile(std::filesystem::path(BUDGET_TEST_DATA) / "known_budget.Fil");
}

class YearFileTest : public ::testing::Test {
  protected:
    void TearDown() override { setSafeWriteFailureHook({}); }
    TemporaryProgramFolder folder;
};

// ---- the format --------------------------------------------------------------------------------

TEST(YearFileFormat, NameIsTheTrimmedYearAndFil) {
    EXPECT_EQ(yearFileName("2012"), "2012.Fil");
    EXPECT_EQ(yearFileName(" 2012 "), "2012.Fil");
}

TEST(YearFileFormat, KnownBudgetGivesTheHandWrittenBytes) {
    const std::string expected = knownBudgetBytes();
    ASSERT_EQ(expected.size(), 2829u);
    const auto bytes = yearFileBytes(knownBudget());
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, expected);
    // Windows-1252 on disk: é is the single byte E9.
    EXPECT_NE(bytes->find("\"Caf\xE9 & Bakery\"\r\n"), std::string::npos);
}

TEST(YearFileFormat, EmptyYearIs662EmptyFields) {
    const auto bytes = yearFileBytes(BudgetYear{});
    ASSERT_TRUE(bytes.has_value());
    std::string expected;
    for (int i = 0; i < 662; ++i) {
        expected += "\"\"\r\n";
    }
    EXPECT_EQ(*bytes, expected);
}

TEST(YearFileFormat, EveryCellTextReadsBackAsWritten) {
    BudgetYear year = knownBudget();
    // Amounts below 1 without a leading zero, the largest amount, a full-length name, and
    // text the Input Box stores unchanged.
    year.items[10].name = "Eighteen chars abc";
    year.items[10].amounts = {".50", "9999.99", ".01", "", "abc", "12.5x",
                              "",    "",        "",    "", "",    "1.00"};
    year.items[49].name = "Last row";
    year.items[49].amounts[11] = "99.99";
    year.income = {"0.00", "99999.99", "", "1.50", "", "", "", "", "", "", "", "2500.00"};
    // Texts of the Input Box's full length, and control characters a damaged file brought in.
    year.items[20].name = std::string(300, 'n');
    year.items[21].name = std::string(kMaxFieldBytes, 'm');
    year.items[22].amounts[3] = "\x01\x1B\t";
    const auto bytes = yearFileBytes(year);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(parseYearFile(*bytes), year);

    // A longer field, only found in a damaged file, is cut at that length.
    year.items[21].name += "beyond";
    EXPECT_EQ(parseYearFile(*yearFileBytes(year)).items[21].name, std::string(kMaxFieldBytes, 'm'));
}

TEST(YearFileFormat, CharactersTheFileCannotHoldAreNamed) {
    EXPECT_EQ(unstorableCharacter("Rent"), std::nullopt);
    EXPECT_EQ(unstorableCharacter("Café €5 – “ok”"), std::nullopt);  // all in Windows-1252
    EXPECT_EQ(unstorableCharacter("Rent Ω"), std::optional<std::string>("Ω"));
    EXPECT_EQ(unstorableCharacter("Joe's \"car\""), std::optional<std::string>("\""));
    EXPECT_EQ(unstorableCharacter("two\nlines"), std::optional<std::string>("\n"));
    EXPECT_EQ(unstorableCharacter("bad \xFF byte"), std::optional<std::string>("\xFF"));

    BudgetYear year;
    year.items[4].amounts[2] = "1€";
    year.items[6].name = "Sushi 寿司";
    UnstorableCell where;
    EXPECT_FALSE(yearFileBytes(year, &where).has_value());
    EXPECT_EQ(where.row, 7);
    EXPECT_EQ(where.column, 1);
    EXPECT_EQ(where.character, "寿");
}

// ---- reading damaged files ------------------------------------------------------------------

TEST(YearFileReading, FileEndingEarlyLeavesTheRestEmpty) {
    const std::string bytes = knownBudgetBytes();
    // Cut inside Groceries' January amount.
    const std::size_t cut = bytes.find("412.3") + 5;
    const BudgetYear year = parseYearFile(bytes.substr(0, cut));
    EXPECT_EQ(year.items[0], knownBudget().items[0]);
    EXPECT_EQ(year.items[1].name, "Groceries");
    EXPECT_EQ(year.items[1].amounts[0], "412.3");  // the field in progress, as far as it goes
    EXPECT_EQ(year.items[1].amounts[1], "");
    EXPECT_EQ(year.items[2].name, "");
    EXPECT_EQ(year.income[0], "");
}

TEST(YearFileReading, LinesAfterThe662ndAreNotRead) {
    const std::string bytes = knownBudgetBytes() + "\"extra\"\r\n\"more\"\r\n";
    EXPECT_EQ(parseYearFile(bytes), knownBudget());
}

TEST(YearFileReading, FieldsFollowTheLinesAndCommas) {
    // Unquoted fields end at a comma or the line end without their trailing blanks; a quoted
    // field may hold commas; a quote inside a field ends it and the rest of its line is
    // dropped; LF and CR alone end lines too; a line without its closing quote ends there.
    const std::string bytes =
        "Rent ,850.00\r\n"
        "\"Joe\"s car\",x\r\n"
        "\"a, b\"\n"
        "  \"unclosed\r"
        "last";
    const BudgetYear year = parseYearFile(bytes);
    EXPECT_EQ(year.cellText(1, 1), "Rent");
    EXPECT_EQ(year.cellText(1, 2), "850.00");
    EXPECT_EQ(year.cellText(1, 3), "Joe");
    EXPECT_EQ(year.cellText(1, 4), "x");
    EXPECT_EQ(year.cellText(1, 5), "a, b");
    EXPECT_EQ(year.cellText(1, 6), "unclosed");
    EXPECT_EQ(year.cellText(1, 7), "last");
    EXPECT_EQ(year.cellText(1, 8), "");
}

TEST(YearFileReading, GarbageAndNulBytesReadAsTextOfBoundedLength) {
    std::string bytes = std::string("\"a\0b\"\r\n", 7);
    std::mt19937 random(12);
    for (int i = 0; i < 20000; ++i) {
        bytes += static_cast<char>(random() % 256);
    }
    const BudgetYear year = parseYearFile(bytes);
    EXPECT_EQ(year.cellText(1, 1), std::string("a\0b", 3));
    for (int row = 1; row <= kItemRows; ++row) {
        for (int column = 1; column <= 13; ++column) {
            // At most kMaxFieldBytes bytes, each at most three in UTF-8.
            EXPECT_LE(year.cellText(row, column).size(), 3 * kMaxFieldBytes);
        }
    }
}

TEST_F(YearFileTest, ReadingTakesIncomesNotAboveZeroAsZero) {
    BudgetYear stored = knownBudget();
    // Numbers beyond the double range keep their sign.
    stored.income = {"2500.00", "",      "-5", "abc", "0.00", ".01",
                     "-1e400",  "1e400", "",   "",    "",     "12abc"};
    ASSERT_TRUE(writeYearFile(folder.filePath("2012.Fil"), stored).ok());
    const LoadedYear loaded = readYearFile(folder.filePath("2012.Fil"));
    EXPECT_FALSE(loaded.newYear);
    EXPECT_EQ(loaded.year.items, stored.items);
    const std::array<std::string, 12> expected = {"2500.00", "0",     "0", "0", "0", ".01",
                                                  "0",       "1e400", "0", "0", "0", "12abc"};
    EXPECT_EQ(loaded.year.income, expected);
}

TEST_F(YearFileTest, MissingEmptyFolderAndPipeAreNewYears) {
    EXPECT_TRUE(readYearFile(folder.filePath("2012.Fil")).newYear);
    EXPECT_FALSE(yearFileHasContent(folder.filePath("2012.Fil")));

    folder.writeBytes("2013.Fil", "");
    EXPECT_TRUE(readYearFile(folder.filePath("2013.Fil")).newYear);
    EXPECT_FALSE(yearFileHasContent(folder.filePath("2013.Fil")));

    std::filesystem::create_directory(folder.filePath("2014.Fil"));
    EXPECT_TRUE(readYearFile(folder.filePath("2014.Fil")).newYear);
    EXPECT_FALSE(yearFileHasContent(folder.filePath("2014.Fil")));

    // A pipe with no writer would block an ordinary open for ever.
    ASSERT_EQ(::mkfifo(folder.filePath("2015.Fil").c_str(), 0644), 0);
    EXPECT_TRUE(readYearFile(folder.filePath("2015.Fil")).newYear);
    EXPECT_FALSE(yearFileHasContent(folder.filePath("2015.Fil")));

    EXPECT_EQ(readYearFile(folder.filePath("2012.Fil")).year, BudgetYear{});
    folder.writeBytes("2016.Fil", "x");
    EXPECT_TRUE(yearFileHasContent(folder.filePath("2016.Fil")));
}

TEST_F(YearFileTest, HundredMegabyteFilesLoadWhatTheyCan) {
    // One line of 100 MB of zero bytes: a single field, kept to its first kMaxFieldBytes bytes.
    const auto zeros = folder.filePath("2012.Fil");
    {
        std::ofstream out(zeros, std::ios::binary);
        out << "\"Rent\"\r\n";
    }
    std::filesystem::resize_file(zeros, 100u << 20);
    const LoadedYear one = readYearFile(zeros);
    EXPECT_EQ(one.year.cellText(1, 1), "Rent");
    EXPECT_EQ(one.year.cellText(1, 2), std::string(kMaxFieldBytes, '\0'));
    EXPECT_EQ(one.year.cellText(1, 3), "");

    // 100 MB of year-file lines: the first 662 fields are read, the rest is left unread.
    const auto lines = folder.filePath("2013.Fil");
    {
        std::ofstream out(lines, std::ios::binary);
        const std::string block = knownBudgetBytes();
        for (std::size_t written = 0; written < (100u << 20); written += block.size()) {
            out << block;
        }
    }
    const LoadedYear many = readYearFile(lines);
    EXPECT_EQ(many.year.items, knownBudget().items);
    EXPECT_EQ(many.year.income[0], "2500.00");
    EXPECT_EQ(many.year.income[11], "0");
}

// ---- saving ------------------------------------------------------------------------------------

TEST_F(YearFileTest, SaveWritesTheYearAndReplacesTheOldFile) {
    const auto file = folder.filePath("2012.Fil");
    ASSERT_TRUE(writeYearFile(file, BudgetYear{}).ok());
    ASSERT_TRUE(writeYearFile(file, knownBudget()).ok());
    EXPECT_EQ(folder.readBytes("2012.Fil"), knownBudgetBytes());
}

TEST_F(YearFileTest, InjectedWriteFailureKeepsTheOldFileAndSaysWhy) {
    const auto file = folder.filePath("2012.Fil");
    ASSERT_TRUE(writeYearFile(file, knownBudget()).ok());
    for (const SafeWriteStep failing : {SafeWriteStep::CreateTemporary, SafeWriteStep::Write,
                                        SafeWriteStep::Sync, SafeWriteStep::Rename}) {
        setSafeWriteFailureHook([failing](SafeWriteStep step) { return step == failing; });
        const YearFileResult result = writeYearFile(file, BudgetYear{});
        EXPECT_EQ(result.outcome, YearFileResult::Outcome::Failed);
        EXPECT_EQ(result.reason, "The disk reported an error while writing.");
        EXPECT_EQ(folder.readBytes("2012.Fil"), knownBudgetBytes());
    }
    setSafeWriteFailureHook({});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(YearFileTest, SaveOverAFolderFailsAndKeepsIt) {
    std::filesystem::create_directory(folder.filePath("2012.Fil"));
    const YearFileResult result = writeYearFile(folder.filePath("2012.Fil"), knownBudget());
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reason, "A folder has the name of the file.");
    EXPECT_TRUE(std::filesystem::is_directory(folder.filePath("2012.Fil")));
}

TEST_F(YearFileTest, UnstorableTextFailsTheSaveBeforeTouchingTheFile) {
    const auto file = folder.filePath("2012.Fil");
    ASSERT_TRUE(writeYearFile(file, knownBudget()).ok());
    BudgetYear changed = knownBudget();
    changed.items[1].amounts[4] = "12Ω";
    changed.income[3] = "1\"0";
    YearFileResult result = writeYearFile(file, changed);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reason,
              "The entry in row 2, column May holds the character Ω, which a budget file cannot "
              "store.");
    changed.items[1].amounts[4].clear();
    result = writeYearFile(file, changed);
    EXPECT_EQ(result.reason,
              "The entry in the Total Income of Apr holds the character \", which a budget file "
              "cannot store.");
    EXPECT_EQ(folder.readBytes("2012.Fil"), knownBudgetBytes());
}

// A read-only file system (root ignores permission bits, so a read-only mount it is).
TEST_F(YearFileTest, ReadOnlyTargetFailsAndKeepsTheFile) {
    const auto mountPoint = folder.filePath("disk");
    std::filesystem::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const auto file = mountPoint / "2012.Fil";
    const bool wrote = writeYearFile(file, knownBudget()).ok();
    const bool remounted =
        ::mount("tmpfs", mountPoint.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    const YearFileResult result = writeYearFile(file, BudgetYear{});
    const std::string after = readWholeFile(file);
    ::umount(mountPoint.c_str());
    ASSERT_TRUE(wrote);
    ASSERT_TRUE(remounted);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reason, "The disk or folder is read-only.");
    EXPECT_EQ(after, knownBudgetBytes());
}

TEST_F(YearFileTest, FullDiskFailsAndKeepsTheFile) {
    const auto mountPoint = folder.filePath("disk");
    std::filesystem::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=4k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const auto file = mountPoint / "2012.Fil";
    const bool wrote = writeYearFile(file, BudgetYear{}).ok();  // 2648 bytes: one page
    const YearFileResult result = writeYearFile(file, knownBudget());
    const std::string after = readWholeFile(file);
    ::umount(mountPoint.c_str());
    ASSERT_TRUE(wrote);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reason, "The disk is full.");
    EXPECT_EQ(after, *yearFileBytes(BudgetYear{}));
}

// A save killed part-way leaves the old file: the process dies between writing its temporary
// file and putting it in place.
TEST_F(YearFileTest, SaveKilledBeforeItsRenameLeavesTheOldFile) {
    const auto file = folder.filePath("2012.Fil");
    ASSERT_TRUE(writeYearFile(file, BudgetYear{}).ok());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setSafeWriteFailureHook([](SafeWriteStep step) {
            if (step == SafeWriteStep::Rename) {
                ::raise(SIGKILL);
            }
            return false;
        });
        writeYearFile(file, knownBudget());
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(folder.readBytes("2012.Fil"), *yearFileBytes(BudgetYear{}));
}

// Saves killed at random moments: the file is always one whole version or the other.
TEST_F(YearFileTest, SavesKilledAtRandomMomentsLeaveOneWholeVersion) {
    const auto file = folder.filePath("2012.Fil");
    const std::string versionA = *yearFileBytes(BudgetYear{});
    const std::string versionB = knownBudgetBytes();
    ASSERT_TRUE(writeYearFile(file, BudgetYear{}).ok());
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                writeYearFile(file, i % 2 == 0 ? knownBudget() : BudgetYear{});
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 3000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = folder.readBytes("2012.Fil");
        ASSERT_TRUE(now == versionA || now == versionB) << "round " << round;
    }
}

// ---- copying
// -------------------------------------------------------------------------------------

TEST_F(YearFileTest, CopyReplacesTheNextYearWithTheSavedBytes) {
    folder.writeBytes("2012.Fil", knownBudgetBytes());
    folder.writeBytes("2013.Fil", "old 2013");
    EXPECT_TRUE(copyYearFile(folder.filePath("2012.Fil"), folder.filePath("2013.Fil")).ok());
    EXPECT_EQ(folder.readBytes("2013.Fil"), knownBudgetBytes());
}

TEST_F(YearFileTest, CopyOfAYearNeverSavedDoesNothing) {
    folder.writeBytes("2013.Fil", "old 2013");
    const YearFileResult result =
        copyYearFile(folder.filePath("2012.Fil"), folder.filePath("2013.Fil"));
    EXPECT_EQ(result.outcome, YearFileResult::Outcome::NothingToCopy);
    EXPECT_EQ(folder.readBytes("2013.Fil"), "old 2013");
    std::filesystem::create_directory(folder.filePath("2011.Fil"));
    EXPECT_EQ(copyYearFile(folder.filePath("2011.Fil"), folder.filePath("2013.Fil")).outcome,
              YearFileResult::Outcome::NothingToCopy);
}

TEST_F(YearFileTest, FailedCopyLeavesTheTargetAsItWas) {
    folder.writeBytes("2012.Fil", knownBudgetBytes());
    folder.writeBytes("2013.Fil", "old 2013");
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Write; });
    const YearFileResult result =
        copyYearFile(folder.filePath("2012.Fil"), folder.filePath("2013.Fil"));
    EXPECT_EQ(result.outcome, YearFileResult::Outcome::Failed);
    EXPECT_EQ(result.reason, "The disk reported an error while writing.");
    EXPECT_EQ(folder.readBytes("2013.Fil"), "old 2013");
}

}  // namespace
}  // namespace coinwell::budget
