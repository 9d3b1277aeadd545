// The printer font the budget's print options open with: GColor4.Fil's name and size, the sizes
// that read as 14, the grid's font for a blank name, the screen fonts replaced and the fall-backs.

#include <gtest/gtest.h>

#include <set>

#include "budget/core/budget_printer_font.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::budget {
namespace {

const auto kEveryFont = [](const std::string&) { return true; };

TEST(PrinterFont, SizesOutsideFourToThirtyReadAsFourteen) {
    for (const double size : {3.0, 31.0, 3.99, 30.01, -14.0}) {
        EXPECT_EQ(openingPrinterFont({"Arial", size}, "Arial", kEveryFont).size, 14.0f) << size;
    }
    for (const double size : {4.0, 30.0, 10.5}) {
        EXPECT_EQ(openingPrinterFont({"Arial", size}, "Arial", kEveryFont).size,
                  static_cast<float>(size));
    }
    EXPECT_EQ(openingPrinterFont({"Arial", std::nullopt}, "Arial", kEveryFont).size, 14.0f);
}

TEST(PrinterFont, ABlankNameTakesTheGridsFontButNeverAScreenFont) {
    EXPECT_EQ(openingPrinterFont({"", 12.0}, "Arial", kEveryFont), (PrinterFont{"Arial", 12.0f}));
    EXPECT_EQ(openingPrinterFont({"  ", 12.0}, "Arial", kEveryFont).name, "Arial");
    EXPECT_EQ(openingPrinterFont({"", 12.0}, "MS Sans Serif", kEveryFont).name, "Times New Roman");
    EXPECT_EQ(openingPrinterFont({"", 12.0}, "MS Serif", kEveryFont).name, "Times New Roman");
    EXPECT_EQ(openingPrinterFont({"Courier New", 12.0}, "MS Serif", kEveryFont).name,
              "Courier New");
}

TEST(PrinterFont, AFontThatCannotBeUsedFallsBackToTimesThenCourier) {
    const std::set<std::string> installed = {"Times New Roman", "Courier"};
    const auto some = [&installed](const std::string& name) { return installed.contains(name); };
    EXPECT_EQ(openingPrinterFont({"Gone Font", 12.0}, "Arial", some).name, "Times New Roman");
    const auto none = [](const std::string&) { return false; };
    EXPECT_EQ(openingPrinterFont({"Gone Font", 12.0}, "Arial", none).name, "Courier");
}

class StoredPrinterFontTest : public ::testing::Test {
  protected:
    TemporaryProgramFolder folder;
};

TEST_F(StoredPrinterFontTest, MissingFileOpensWithTheDefaults) {
    EXPECT_EQ(readOpeningPrinterFont("Arial", kEveryFont), (PrinterFont{"Arial", 14.0f}));
}

TEST_F(StoredPrinterFontTest, WrittenBytesReadBack) {
    ASSERT_TRUE(storePrinterFont({"Liberation Serif", 11.5f}));
    const std::string bytes = folder.readBytes("GColor4.Fil");
    ASSERT_EQ(bytes.size(), 21u * 40u);
    // Record 20: type 8, length 16, the name, zeros; record 21: type 4, 11.5 as a single.
    EXPECT_EQ(hexBytes(bytes.substr(19 * 40, 22)),
              "08 00 10 00 4C 69 62 65 72 61 74 69 6F 6E 20 53 65 72 69 66 00 00");
    EXPECT_EQ(bytes.substr(19 * 40 + 20), std::string(20, '\0') + bytes.substr(20 * 40));
    EXPECT_EQ(hexBytes(bytes.substr(20 * 40)),
              hexBytes(std::string("\x04\x00\x00\x00\x38\x41", 6) + std::string(34, '\0')));
    EXPECT_EQ(readOpeningPrinterFont("Arial", kEveryFont),
              (PrinterFont{"Liberation Serif", 11.5f}));
}

TEST_F(StoredPrinterFontTest, StoredSizesThreeAndThirtyOneOpenAtFourteen) {
    ASSERT_TRUE(storePrinterFont({"Arial", 3.0f}));
    EXPECT_EQ(readOpeningPrinterFont("Courier", kEveryFont), (PrinterFont{"Arial", 14.0f}));
    ASSERT_TRUE(storePrinterFont({"Arial", 31.0f}));
    EXPECT_EQ(readOpeningPrinterFont("Courier", kEveryFont), (PrinterFont{"Arial", 14.0f}));
}

TEST_F(StoredPrinterFontTest, AnIntegerSizeAsOtherProgramsStoreItIsRead) {
    std::string bytes(19 * 40, '\0');
    bytes += std::string(
        "\x08\x00\x05\x00"
        "Arial",
        9);
    bytes.resize(20 * 40, '\0');
    bytes += std::string("\x02\x00\x0C\x00", 4);
    bytes.resize(21 * 40, '\0');
    ASSERT_TRUE(folder.writeBytes("GColor4.Fil", bytes));
    EXPECT_EQ(readOpeningPrinterFont("Courier", kEveryFont), (PrinterFont{"Arial", 12.0f}));
}

}  // namespace
}  // namespace coinwell::budget
