// The export file: its exact bytes, the names it accepts, where it goes, and a replacement that
// never loses the file already there.

#include <sys/mount.h>

#include <gtest/gtest.h>

#include "budget/core/export_file.h"
#include "budget/core/export_texts.h"
#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::budget {
namespace {

constexpr const char* kHeaderLine =
    "\tItem\tJan\tFeb\tMar\tApr\tMay\tJun\tJul\tAug\tSep\tOct\tNov\tDec\r\n";

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end + 2 - start));
        start = end + 2;
    }
    return lines;
}

TEST(ExportFileBytes, EmptyBudgetIsTheHeaderAndFiftyLinesOfThirteenTabs) {
    const std::vector<std::string> lines = linesOf(exportFileBytes(BudgetYear{}));
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[0], kHeaderLine);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], std::string(13, '\t') + "\r\n") << "line " << i;
    }
}

TEST(ExportFileBytes, ItemsAndAmountsAsShownInGridOrder) {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.items[2].name = "Café & Bakery";
    year.items[2].amounts[1] = ".50";
    year.items[2].amounts[11] = "9999.99";
    // A row without a name keeps its amounts; totals and income are not part of the file.
    year.items[49].amounts[5] = "12.00";
    year.income.fill("2500.00");

    const std::vector<std::string> lines = linesOf(exportFileBytes(year));
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[1], "\tRent\t850.00" + std::string(11, '\t') + "\r\n");
    EXPECT_EQ(lines[2], std::string(13, '\t') + "\r\n");
    // Windows-1252: é is the single byte E9.
    EXPECT_EQ(lines[3], "\tCaf\xE9 & Bakery\t\t.50" + std::string(10, '\t') + "9999.99\r\n");
    EXPECT_EQ(lines[50], std::string(7, '\t') + "12.00" + std::string(6, '\t') + "\r\n");
    EXPECT_EQ(exportFileBytes(year).find("2500"), std::string::npos);
}

TEST(ExportName, DefaultNameIsBudgetYearXls) {
    EXPECT_EQ(defaultExportName("2012"), "Budget2012.xls");
}

TEST(ExportName, AnyLetterCaseOfXlsIsAccepted) {
    for (const char* name :
         {"Budget2012.xls", "Budget2012.XLS", "home.Xls", "  spaced name.xlS  ", "x.xls"}) {
        EXPECT_TRUE(acceptableExportName(name)) << name;
    }
}

TEST(ExportName, MissingOrOtherNamesAreRefused) {
    for (const char* name :
         {"", "     ", "Budget2012.txt", "Budget2012", "Budget2012.xlsx", "Budget2012.xl", ".xls",
          "   .XLS", "../Budget2012.xls", "folder/Budget2012.xls", "C:\\Budget2012.xls"}) {
        EXPECT_FALSE(acceptableExportName(name)) << name;
    }
}

TEST(ExportName, TargetJoinsFolderAndNameWithOneSeparator) {
    EXPECT_EQ(exportTarget("/home/anna", "Budget2012.xls"),
              std::filesystem::path("/home/anna/Budget2012.xls"));
    EXPECT_EQ(exportTarget(" /home/anna/ ", "  Budget2012.xls "),
              std::filesystem::path("/home/anna/Budget2012.xls"));
    EXPECT_EQ(exportTarget("/", "b.xls"), std::filesystem::path("/b.xls"));
    EXPECT_EQ(folderWithSeparator("/media/STICK"), "/media/STICK/");
    EXPECT_EQ(folderWithSeparator("/media/STICK/"), "/media/STICK/");
    EXPECT_EQ(folderWithSeparator("/"), "/");
}

TEST(ExportTexts, PanelTextsWithTheirCarriageReturns) {
    EXPECT_EQ(exportExplanation("/home/anna/Coinwell"),
              "A non-formatted Spreadsheet File (tab-delimited text file) will be saved in the "
              "program folder:  \r\r/home/anna/Coinwell");
    EXPECT_EQ(exportNotes(),
              "Note: If File already exists it will be replaced with this file!\r\rFile will NOT "
              "include Total Expenses, Balance etc. in that formulas cannot be exported "
              "correctly!  You will have to add them in Excel, if desired.");
    EXPECT_EQ(
        exportFailedMessage(),
        (MessageRequest{"Permission to create file Denied!\rFile may be in use by another "
                        "program!\rClose other program and try exporting again",
                        "Export Error", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok}));
    EXPECT_EQ(deviceUnavailableMessage().text, "Device Unavailable!  ");
}

class ExportWriteTest : public ::testing::Test {
  protected:
    void TearDown() override { setSafeWriteFailureHook({}); }

    static BudgetYear rentOnly() {
        BudgetYear year;
        year.items[0].name = "Rent";
        year.items[0].amounts[0] = "850.00";
        return year;
    }

    TemporaryProgramFolder folder;
};

TEST_F(ExportWriteTest, ReplacesAnExistingFileWhole) {
    ASSERT_TRUE(folder.writeBytes("Budget2012.xls", std::string(20000, 'x')));
    std::error_code error;
    ASSERT_TRUE(writeExportFile(folder.filePath("Budget2012.xls"), rentOnly(), error));
    EXPECT_EQ(folder.readBytes("Budget2012.xls"), exportFileBytes(rentOnly()));
}

TEST_F(ExportWriteTest, FailedWriteLeavesTheOldFile) {
    ASSERT_TRUE(folder.writeBytes("Budget2012.xls", "old content"));
    for (const SafeWriteStep failing :
         {SafeWriteStep::CreateTemporary, SafeWriteStep::Write, SafeWriteStep::Rename}) {
        setSafeWriteFailureHook([failing](SafeWriteStep step) { return step == failing; });
        std::error_code error;
        EXPECT_FALSE(writeExportFile(folder.filePath("Budget2012.xls"), rentOnly(), error));
        EXPECT_TRUE(error);
        EXPECT_EQ(folder.readBytes("Budget2012.xls"), "old content");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file stays behind";
}

// A read-only disk (root ignores permission bits, so a read-only mount it is).
TEST_F(ExportWriteTest, ReadOnlyFolderRefusesAndKeepsTheFile) {
    const auto mountPoint = folder.filePath("stick");
    std::filesystem::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const auto file = mountPoint / "Budget2012.xls";
    std::error_code error;
    const bool wrote = writeExportFile(file, BudgetYear{}, error);
    const bool remounted =
        ::mount("tmpfs", mountPoint.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    const bool rewrote = writeExportFile(file, rentOnly(), error);
    const std::string after = folder.readBytes("stick/Budget2012.xls");
    ::umount(mountPoint.c_str());
    ASSERT_TRUE(wrote);
    ASSERT_TRUE(remounted);
    EXPECT_FALSE(rewrote);
    EXPECT_EQ(after, exportFileBytes(BudgetYear{}));
}

TEST_F(ExportWriteTest, AFolderOfThatNameIsNotReplaced) {
    std::filesystem::create_directory(folder.filePath("Budget2012.xls"));
    std::error_code error;
    EXPECT_FALSE(writeExportFile(folder.filePath("Budget2012.xls"), rentOnly(), error));
    EXPECT_TRUE(std::filesystem::is_directory(folder.filePath("Budget2012.xls")));
}

}  // namespace
}  // namespace coinwell::budget
