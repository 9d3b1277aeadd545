// The budget as a workbook: which rows it holds, amounts as numbers, totals as formulas with
// their exact values, and the file read back from the zip of XML parts it is, written safely.

#include <gtest/gtest.h>

#include "budget/core/budget_workbook.h"
#include "budget/core/exact_sum.h"
#include "budget/core/export_file.h"
#include "budget/core/workbook_file.h"
#include "budget/tests/workbook_reader.h"
#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::budget {
namespace {

using Kind = WorkbookCell::Kind;
using workbook_reading::readWorkbook;
using workbook_reading::ReadWorkbook;

// 2026-12-11 08:00:00 UTC.
constexpr std::time_t kCreated = 1796976000;

BudgetYear sampleYear() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.items[0].amounts[11] = "850.00";
    year.items[1].name = "Coffee";
    year.items[1].amounts[0] = ".10";
    year.items[2].name = "Tea";
    year.items[2].amounts[0] = ".20";
    // items[3] is empty: left out.
    year.items[4].amounts[2] = "5.00";  // an amount without a name keeps its row
    year.items[5].name = "Gifts & <Cards>";
    year.items[5].amounts[3] = "n/a";  // not a number: kept as text
    year.items[6].name = "Insurance premiums";
    year.items[6].amounts[11] = "1,200.00";
    year.income.fill("2500.00");
    year.income[1] = "";
    return year;
}

TEST(BudgetWorkbook, RowsOfTheNamedOrFilledItemsThenTheTotals) {
    const BudgetWorkbook book = budgetWorkbook("2026", sampleYear());
    EXPECT_EQ(book.title, "Budget 2026");
    ASSERT_EQ(book.rows.size(), 10u);
    const std::vector<std::string> headings = {"Item", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul",  "Aug", "Sep", "Oct", "Nov", "Dec", "Total"};
    for (std::size_t column = 0; column < kWorkbookColumns; ++column) {
        EXPECT_EQ(book.rows[0][column], (WorkbookCell{Kind::Text, headings[column], 0}));
    }
    std::vector<std::string> names;
    for (const WorkbookRow& row : book.rows) {
        names.push_back(row[0].text);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Item", "Rent", "Coffee", "Tea", "",
                                               "Gifts & <Cards>", "Insurance premiums",
                                               "Total Expenses", "Total Income", "Balance"}));
    EXPECT_EQ(book.rows[4][0].kind, Kind::Empty);
    EXPECT_EQ(book.rows[1][1], (WorkbookCell{Kind::Number, "", 850}));
    EXPECT_EQ(book.rows[1][2].kind, Kind::Empty);
    EXPECT_EQ(book.rows[5][4], (WorkbookCell{Kind::Text, "n/a", 0}));
    EXPECT_EQ(book.rows[6][12], (WorkbookCell{Kind::Number, "", 1200}));
    EXPECT_EQ(book.rows[8][2].kind, Kind::Empty) << "an income never entered stays empty";
}

TEST(BudgetWorkbook, FormulasCarryTheExactSumsOfTheNumbersWritten) {
    const BudgetWorkbook book = budgetWorkbook("2026", sampleYear());
    EXPECT_EQ(book.rows[1][13], (WorkbookCell{Kind::Formula, "SUM(B2:M2)", 1700}));
    EXPECT_EQ(book.rows[5][13], (WorkbookCell{Kind::Formula, "SUM(B6:M6)", 0}));
    // Total Expenses: each month's column over the item rows, and the row's own total.
    EXPECT_EQ(book.rows[7][1], (WorkbookCell{Kind::Formula, "SUM(B2:B7)", 850.3}));
    EXPECT_EQ(book.rows[7][12], (WorkbookCell{Kind::Formula, "SUM(M2:M7)", 2050}));
    EXPECT_EQ(book.rows[7][13], (WorkbookCell{Kind::Formula, "SUM(B8:M8)", 2905.3}));
    EXPECT_EQ(book.rows[8][1], (WorkbookCell{Kind::Number, "", 2500}));
    EXPECT_EQ(book.rows[8][13], (WorkbookCell{Kind::Formula, "SUM(B9:M9)", 27500}));
    // Balance: income less expenses.
    EXPECT_EQ(book.rows[9][1], (WorkbookCell{Kind::Formula, "B9-B8", 1649.7}));
    EXPECT_EQ(book.rows[9][2], (WorkbookCell{Kind::Formula, "C9-C8", 0}));
    EXPECT_EQ(book.rows[9][12], (WorkbookCell{Kind::Formula, "M9-M8", 450}));
    EXPECT_EQ(book.rows[9][13], (WorkbookCell{Kind::Formula, "N9-N8", 24594.7}));

    // Added in binary floating point, .10 and .20 make 0.30000000000000004; in single
    // precision, as the screen adds, further off still.
    BudgetYear cents;
    cents.items[0].name = "Coffee";
    cents.items[0].amounts[0] = ".10";
    cents.items[1].name = "Tea";
    cents.items[1].amounts[0] = ".20";
    cents.income[0] = "0.30";
    ASSERT_NE(0.1 + 0.2, 0.3);
    const BudgetWorkbook small = budgetWorkbook("2026", cents);
    EXPECT_EQ(small.rows[3][1].value, 0.3);
    EXPECT_EQ(small.rows[5][1].value, 0.0);
}

TEST(BudgetWorkbook, AnEmptyYearHasZeroTotals) {
    const BudgetWorkbook book = budgetWorkbook("2026", BudgetYear{});
    ASSERT_EQ(book.rows.size(), 4u);
    EXPECT_EQ(book.rows[1][1], (WorkbookCell{Kind::Number, "", 0}));
    EXPECT_EQ(book.rows[3][13], (WorkbookCell{Kind::Formula, "N3-N2", 0}));
}

TEST(BudgetWorkbook, ColumnsAsWideAsTheirLongestTextShown) {
    const BudgetWorkbook book = budgetWorkbook("2026", sampleYear());
    EXPECT_EQ(book.columnWidths[0], 18 + 2.0);  // "Insurance premiums"
    EXPECT_EQ(book.columnWidths[2], 8.43);      // February: nothing wider than the default
    EXPECT_EQ(book.columnWidths[1], 8 + 2.0);   // "2,500.00"
    EXPECT_EQ(book.columnWidths[13], 9 + 2.0);  // "27,500.00"
}

TEST(BudgetWorkbook, CellNames) {
    EXPECT_EQ(workbookCellName(0, 0), "A1");
    EXPECT_EQ(workbookCellName(9, 13), "N10");
    EXPECT_EQ(workbookCellName(0, 25), "Z1");
    EXPECT_EQ(workbookCellName(0, 26), "AA1");
}

TEST(ExactSum, AddsDecimalsExactlyAndFallsBackBeyondItsRange) {
    ExactSum sum;
    for (int i = 0; i < 10; ++i) {
        sum.add(0.1);
    }
    EXPECT_EQ(sum.value(), 1.0);
    ExactSum negative;
    negative.add(-2.5);
    negative -= sum;
    EXPECT_EQ(negative.value(), -3.5);

    ExactSum tiny;
    tiny.add(1e-20);
    tiny.add(1e-20);
    EXPECT_EQ(tiny.value(), 2e-20);
    ExactSum huge;
    huge.add(1e300);
    huge.add(1);
    EXPECT_EQ(huge.value(), 1e300);
}

class WorkbookFileTest : public ::testing::Test {
  protected:
    void TearDown() override { setSafeWriteFailureHook({}); }

    ReadWorkbook writeAndRead(const BudgetYear& year) {
        std::error_code error;
        EXPECT_TRUE(writeWorkbookFile(folder.filePath("Budget2026.xlsx"),
                                      budgetWorkbook("2026", year), kCreated, error))
            << error.message();
        return readWorkbook(folder.filePath("Budget2026.xlsx").string());
    }

    TemporaryProgramFolder folder;
};

TEST_F(WorkbookFileTest, CellsFormulasValuesAndFormatsReadBack) {
    const ReadWorkbook book = writeAndRead(sampleYear());

    EXPECT_EQ(book.at("A1").value, "Item");
    EXPECT_TRUE(book.at("A1").bold);
    EXPECT_EQ(book.at("N1").value, "Total");
    EXPECT_TRUE(book.at("N1").bold);
    EXPECT_EQ(book.at("A2").type, "s");
    EXPECT_EQ(book.at("A2").value, "Rent");
    EXPECT_FALSE(book.at("A2").bold);
    EXPECT_EQ(book.at("A6").value, "Gifts & <Cards>");
    EXPECT_FALSE(book.has("A5"));
    EXPECT_FALSE(book.has("C2"));

    EXPECT_EQ(book.at("B2").type, "n");
    EXPECT_EQ(book.at("B2").number(), 850);
    EXPECT_EQ(book.at("B2").numberFormat, "#,##0.00");
    EXPECT_EQ(book.at("B3").number(), 0.1);
    EXPECT_EQ(book.at("E6").type, "s");
    EXPECT_EQ(book.at("E6").value, "n/a");
    EXPECT_EQ(book.at("M7").number(), 1200);

    EXPECT_EQ(book.at("N2").formula, "SUM(B2:M2)");
    EXPECT_EQ(book.at("N2").number(), 1700);
    EXPECT_EQ(book.at("N2").numberFormat, "#,##0.00");
    EXPECT_EQ(book.at("A8").value, "Total Expenses");
    EXPECT_EQ(book.at("B8").formula, "SUM(B2:B7)");
    EXPECT_EQ(book.at("B8").number(), 850.3);
    EXPECT_EQ(book.at("N8").formula, "SUM(B8:M8)");
    EXPECT_EQ(book.at("N8").number(), 2905.3);
    EXPECT_EQ(book.at("A9").value, "Total Income");
    EXPECT_EQ(book.at("B9").number(), 2500);
    EXPECT_FALSE(book.has("C9"));
    EXPECT_EQ(book.at("N9").number(), 27500);
    EXPECT_EQ(book.at("A10").value, "Balance");
    EXPECT_EQ(book.at("B10").formula, "B9-B8");
    EXPECT_EQ(book.at("B10").number(), 1649.7);
    EXPECT_EQ(book.at("N10").formula, "N9-N8");
    EXPECT_EQ(book.at("N10").number(), 24594.7);
    EXPECT_EQ(book.at("N10").numberFormat, "#,##0.00");
}

TEST_F(WorkbookFileTest, SheetNameTitleDateFrozenHeadingsAndWidths) {
    const ReadWorkbook book = writeAndRead(sampleYear());
    EXPECT_NE(book.part("xl/workbook.xml").find("<sheet name=\"Budget 2026\""), std::string::npos);
    const std::string& core = book.part("docProps/core.xml");
    EXPECT_NE(core.find("<dc:title>Budget 2026</dc:title>"), std::string::npos) << core;
    EXPECT_NE(core.find(">2026-12-11T08:00:00Z</dcterms:created>"), std::string::npos) << core;
    const std::string& sheet = book.part("xl/worksheets/sheet1.xml");
    EXPECT_TRUE(std::regex_search(
        sheet,
        std::regex("<pane xSplit=\"1\" ySplit=\"1\" topLeftCell=\"B2\"[^>]* state=\"frozen\"")));
    // The first column is wider than the months (the spreadsheet adds its own padding).
    std::smatch first;
    ASSERT_TRUE(std::regex_search(sheet, first,
                                  std::regex("<col min=\"1\" max=\"1\" width=\"([0-9.]+)\"")));
    EXPECT_GE(std::stod(first[1]), 20.0);
    EXPECT_LT(std::stod(first[1]), 21.0);
}

TEST_F(WorkbookFileTest, ReplacesAnOldFileAndAFailedWriteKeepsIt) {
    ASSERT_TRUE(folder.writeBytes("Budget2026.xlsx", "the old workbook"));
    for (const SafeWriteStep failing : {SafeWriteStep::CreateTemporary, SafeWriteStep::Write,
                                        SafeWriteStep::Sync, SafeWriteStep::Rename}) {
        setSafeWriteFailureHook([failing](SafeWriteStep step) { return step == failing; });
        std::error_code error;
        EXPECT_FALSE(writeWorkbookFile(folder.filePath("Budget2026.xlsx"),
                                       budgetWorkbook("2026", sampleYear()), kCreated, error));
        EXPECT_TRUE(error);
        EXPECT_EQ(folder.readBytes("Budget2026.xlsx"), "the old workbook");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file stays behind";

    setSafeWriteFailureHook({});
    EXPECT_EQ(writeAndRead(sampleYear()).at("A2").value, "Rent");
}

TEST_F(WorkbookFileTest, AFolderOfThatNameIsNotReplaced) {
    std::filesystem::create_directory(folder.filePath("Budget2026.xlsx"));
    std::error_code error;
    EXPECT_FALSE(writeWorkbookFile(folder.filePath("Budget2026.xlsx"),
                                   budgetWorkbook("2026", sampleYear()), kCreated, error));
    EXPECT_TRUE(std::filesystem::is_directory(folder.filePath("Budget2026.xlsx")));
}

TEST(ExportFormat, XlsWritesTextXlsxAWorkbookAnythingElseNothing) {
    for (const char* name : {"Budget2026.xls", " home.XLS "}) {
        EXPECT_EQ(exportFormatOf(name), ExportFormat::TabDelimitedText) << name;
    }
    for (const char* name : {"Budget2026.xlsx", "  Home.XLSX ", "a.XlsX"}) {
        EXPECT_EQ(exportFormatOf(name), ExportFormat::Workbook) << name;
    }
    for (const char* name : {"", "   ", "Budget2026.txt", ".xlsx", "  .XLSX", "Budget2026.xlsxx",
                             "../Budget2026.xlsx", "folder/b.xlsx", "C:\\b.xlsx"}) {
        EXPECT_EQ(exportFormatOf(name), std::nullopt) << name;
    }
}

TEST(ExportFormat, EachFormatWritesItsOwnFile) {
    TemporaryProgramFolder folder;
    std::error_code error;
    ASSERT_TRUE(writeExport(folder.filePath("b.xls"), ExportFormat::TabDelimitedText, "2026",
                            sampleYear(), kCreated, error));
    EXPECT_EQ(folder.readBytes("b.xls"), exportFileBytes(sampleYear()));
    ASSERT_TRUE(writeExport(folder.filePath("b.xlsx"), ExportFormat::Workbook, "2026", sampleYear(),
                            kCreated, error));
    EXPECT_EQ(readWorkbook(folder.filePath("b.xlsx").string()).at("N10").number(), 24594.7);
}

}  // namespace
}  // namespace coinwell::budget
