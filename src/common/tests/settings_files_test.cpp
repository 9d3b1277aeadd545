// The settings records: start-up defaults, stored forms, the shared record 20, and records of the
// suite's other programs kept byte for byte.

#include <gtest/gtest.h>

#include <string>

#include "common/core/settings_files.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell {
namespace {

std::string textRecord(std::string_view text, std::size_t length) {
    std::string record;
    record += static_cast<char>(text.size());
    record += '\0';
    record += text;
    record.resize(length, '\0');
    return record;
}

std::string variantRecord(std::uint16_t tag, std::string_view value, std::size_t length) {
    std::string record;
    record += static_cast<char>(tag & 0xFF);
    record += static_cast<char>(tag >> 8);
    record += value;
    record.resize(length, '\0');
    return record;
}

// A file whose every byte is distinct from its neighbours, so that any stray write shows.
std::string pattern(std::size_t n, int seed) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
        text += static_cast<char>(0x80 + (i * 7 + seed) % 97);
    }
    return text;
}

class SettingsFilesTest : public ::testing::Test {
  protected:
    TemporaryProgramFolder folder;
};

TEST_F(SettingsFilesTest, NewFolderGetsTheFilesAndTheDefaults) {
    RunSettings settings;
    settings.pendingPanelColor = "255";
    loadRunSettings(settings);
    for (const char* name : {"GColor3.Fil", "GHINV1.Fil", "HINVNAME.FIL", "GColor1.Fil"}) {
        EXPECT_TRUE(folder.exists(name)) << name;
    }
    EXPECT_EQ(settings.displayMode, DisplayMode::Full);
    EXPECT_EQ(settings.storedHeight, 0);
    EXPECT_EQ(settings.storedWidth, 0);
    EXPECT_EQ(settings.familyName, "");
    EXPECT_EQ(settings.screenBackground, "");
    EXPECT_EQ(settings.panelColor, "Default");
    EXPECT_EQ(settings.pendingPanelColor, "255");
}

TEST_F(SettingsFilesTest, StoredValuesAreReadAtStart) {
    folder.writeBytes("GColor3.Fil", std::string(34 * 20, '\0') + textRecord("Yes", 20) +
                                         std::string("\x88\x13", 2) + std::string(18, '\0') +
                                         std::string("\x40\x1F", 2));
    folder.writeBytes("HINVNAME.FIL", textRecord("Smith", 40));
    folder.writeBytes("GHINV1.Fil",
                      std::string(20, '\0') + variantRecord(3, std::string("\xFF\0\0\0", 4), 10));
    folder.writeBytes("GColor1.Fil", std::string(48 * 20, '\0') + textRecord("   ", 20));
    RunSettings settings;
    loadRunSettings(settings);
    EXPECT_EQ(settings.displayMode, DisplayMode::Smaller);
    EXPECT_EQ(settings.storedHeight, 9000);  // 5000 raised
    EXPECT_EQ(settings.storedWidth, 12000);  // 8000 raised
    EXPECT_EQ(settings.familyName, "Smith");
    EXPECT_EQ(settings.screenBackground, "255");
    EXPECT_EQ(settings.panelColor, "Default");

    // Only the first three characters count; a large stored size is kept; Full keeps any size.
    folder.writeBytes("GColor3.Fil", std::string(34 * 20, '\0') + textRecord("Yesss", 20) +
                                         std::string("\x10\x27", 2) + std::string(18, '\0') +
                                         std::string("\x20\x4E", 2));
    loadRunSettings(settings);
    EXPECT_EQ(settings.displayMode, DisplayMode::Smaller);
    EXPECT_EQ(settings.storedHeight, 10000);
    EXPECT_EQ(settings.storedWidth, 20000);
    for (const char* mode : {"No", "yes", "Ye", ""}) {
        writeDisplayState(mode, std::int16_t{100}, std::int16_t{200});
        loadRunSettings(settings);
        EXPECT_EQ(settings.displayMode, DisplayMode::Full) << mode;
        EXPECT_EQ(settings.storedHeight, 100) << mode;
    }
}

TEST_F(SettingsFilesTest, ScreenBackgroundForms) {
    EXPECT_TRUE(writeScreenBackground("Def"));
    EXPECT_EQ(hexBytes(folder.readBytes("GHINV1.Fil")),
              hexBytes(std::string(20, '\0') + std::string("\x08\x00\x03\x00"
                                                           "Def",
                                                           7)));
    EXPECT_EQ(readScreenBackground(), "Def");
    EXPECT_TRUE(writeScreenBackground("WP7"));
    EXPECT_EQ(readScreenBackground(), "WP7");
    EXPECT_EQ(wallpaperNumber(readScreenBackground()), 7);
    EXPECT_TRUE(writeScreenBackground("16711680"));
    EXPECT_EQ(hexBytes(folder.readBytes("GHINV1.Fil").substr(20)),
              "03 00 00 00 FF 00 37");  // the old text's last byte stays
    EXPECT_EQ(readScreenBackground(), "16711680");
    EXPECT_FALSE(writeScreenBackground("Picture"));  // 7 characters do not fit a 10-byte record
    EXPECT_EQ(readScreenBackground(), "16711680");
    EXPECT_TRUE(writeScreenBackground(""));
    EXPECT_EQ(readScreenBackground(), "");

    EXPECT_EQ(wallpaperNumber("wp16"), 16);
    EXPECT_EQ(wallpaperNumber("WP1"), 1);
    for (const char* other : {"WP0", "WP17", "WP07", "WP", "WPx", "Def", "255", "WP1 "}) {
        EXPECT_FALSE(wallpaperNumber(other).has_value()) << other;
    }
}

TEST_F(SettingsFilesTest, FamilyNameRecord) {
    EXPECT_TRUE(writeFamilyName("Smith"));
    EXPECT_EQ(hexBytes(folder.readBytes("HINVNAME.FIL")), "05 00 53 6D 69 74 68");
    EXPECT_EQ(readFamilyName(), std::optional<std::string>("Smith"));
    EXPECT_TRUE(writeFamilyName("ABCDEFGHIJKLMNO"));
    EXPECT_EQ(folder.readBytes("HINVNAME.FIL"), std::string("\x0F\x00", 2) + "ABCDEFGHIJKLMNO");
    std::filesystem::remove(folder.filePath("HINVNAME.FIL"));
    std::filesystem::create_directory(folder.filePath("HINVNAME.FIL"));
    EXPECT_FALSE(readFamilyName().has_value());
    EXPECT_FALSE(writeFamilyName("Jones"));
}

TEST_F(SettingsFilesTest, PanelAndGridRecords) {
    EXPECT_TRUE(writePanelColor(PanelColorScreen::Loan, "255"));
    EXPECT_TRUE(writePanelColor(PanelColorScreen::HomeCalculator, "Default"));
    EXPECT_TRUE(writeGridBackground("WP3"));
    EXPECT_TRUE(writeGridTextColor("65535"));
    const std::string gcolor1 = folder.readBytes("GColor1.Fil");
    EXPECT_EQ(gcolor1.substr(11 * 20, 5), std::string("\x03\x00"
                                                      "255",
                                                      5));
    EXPECT_EQ(gcolor1.substr(13 * 20, 5), std::string("\x03\x00WP3", 5));
    EXPECT_EQ(gcolor1.substr(14 * 20), std::string("\x05\x00"
                                                   "65535",
                                                   7));
    EXPECT_EQ(folder.readBytes("GColor3.Fil"), std::string(7 * 20, '\0') + std::string("\x07\x00"
                                                                                       "Default",
                                                                                       9));
    EXPECT_EQ(readPanelColor(PanelColorScreen::Loan), "255");
    EXPECT_EQ(readPanelColor(PanelColorScreen::Calculator), "");
    EXPECT_EQ(readGridBackground(), "WP3");
    EXPECT_EQ(readGridTextColor(), "65535");
}

TEST_F(SettingsFilesTest, GuideLinesAndTheHomeCalculatorRateKeepApart) {
    EXPECT_EQ(guideLinesRecord(GuideLinesScreen::Budget), 12);
    EXPECT_EQ(guideLinesRecord(GuideLinesScreen::Loan), 20);
    EXPECT_EQ(guideLinesRecord(GuideLinesScreen::Actuarial), 22);
    EXPECT_EQ(guideLinesRecord(GuideLinesScreen::HomeCalculator), 24);
    EXPECT_TRUE(writeGuideLines(GuideLinesScreen::Loan, "1"));
    EXPECT_TRUE(writeGuideLines(GuideLinesScreen::Actuarial, "0"));
    const std::string gcolor3 = folder.readBytes("GColor3.Fil");
    EXPECT_EQ(hexBytes(gcolor3.substr(19 * 20)),
              "01 00 31 " + hexBytes(std::string(37, '\0')) + " 01 00 30");

    // The rate goes to a record of its own; the Loan's choice stays.
    EXPECT_TRUE(writeHomeCalculatorRate(std::string("7.5")));
    EXPECT_EQ(folder.readBytes("GColor3.Fil"), gcolor3);
    EXPECT_EQ(hexBytes(folder.readBytes("Coinwell.Fil")), "08 00 03 00 37 2E 35");
    EXPECT_EQ(readGuideLines(GuideLinesScreen::Loan), "1");
    EXPECT_EQ(readHomeCalculatorRate(), RecordVariant(std::string("7.5")));
    EXPECT_EQ(readGuideLines(GuideLinesScreen::Budget), "");
}

TEST_F(SettingsFilesTest, SharedRecordWrittenByOtherProgramsIsReadByItsForm) {
    // A rate variant in record 20 (as older versions wrote it): the rate, and no guide lines.
    for (const auto& [record, rate] :
         {std::pair{variantRecord(8,
                                  std::string("\x03\x00"
                                              "8.5",
                                              5),
                                  20),
                    RecordVariant(std::string("8.5"))},
          std::pair{variantRecord(3, std::string("\x06\0\0\0", 4), 20),
                    RecordVariant(std::int32_t{6})},
          std::pair{variantRecord(5, std::string("\0\0\0\0\0\0\x20\x40", 8), 20),
                    RecordVariant(8.0)},
          std::pair{variantRecord(4, std::string("\0\0\x10\x41", 4), 20), RecordVariant(9.0f)}}) {
        folder.writeBytes("GColor3.Fil", std::string(19 * 20, '\0') + record);
        std::filesystem::remove(folder.filePath("Coinwell.Fil"));
        EXPECT_EQ(readHomeCalculatorRate(), rate) << hexBytes(record);
        EXPECT_EQ(readGuideLines(GuideLinesScreen::Loan), "") << hexBytes(record);
        EXPECT_EQ(classifySharedRecord(record, 20), SharedRecordContent::Variant);
    }
    // The Loan's text: guide lines, and no rate.
    folder.writeBytes("GColor3.Fil", std::string(19 * 20, '\0') + textRecord("1", 20));
    EXPECT_EQ(readGuideLines(GuideLinesScreen::Loan), "1");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(readHomeCalculatorRate()));
    // The own record wins over record 20.
    writeHomeCalculatorRate(std::int32_t{5});
    folder.writeBytes("GColor3.Fil", std::string(19 * 20, '\0') +
                                         variantRecord(3, std::string("\x06\0\0\0", 4), 20));
    EXPECT_EQ(readHomeCalculatorRate(), RecordVariant(std::int32_t{5}));
    // Texts that merely start like a tag but do not read as a variant stay texts.
    EXPECT_EQ(classifySharedRecord(std::string("\x02\x00"
                                               "10",
                                               4),
                                   20),
              SharedRecordContent::Variant);
    EXPECT_EQ(classifySharedRecord(std::string("\x08\x00"
                                               "1.000000",
                                               10),
                                   20),
              SharedRecordContent::Text);
    EXPECT_EQ(classifySharedRecord(std::string(20, '\0'), 20), SharedRecordContent::Empty);
    EXPECT_EQ(classifySharedRecord("", 20), SharedRecordContent::Empty);
}

TEST_F(SettingsFilesTest, BudgetPrinterFont) {
    EXPECT_EQ(readBudgetPrinterFont().name, "");
    EXPECT_FALSE(readBudgetPrinterFont().size.has_value());
    folder.writeBytes("GColor4.Fil", pattern(21 * 40, 1));
    EXPECT_TRUE(writeBudgetPrinterFont("Arial", 12.0f));
    const std::string stored = folder.readBytes("GColor4.Fil");
    EXPECT_EQ(stored.substr(0, 19 * 40), pattern(19 * 40, 1));
    EXPECT_EQ(hexBytes(stored.substr(19 * 40)),
              hexBytes(variantRecord(8,
                                     std::string("\x05\x00"
                                                 "Arial",
                                                 7),
                                     40) +
                       variantRecord(4, std::string("\0\0\x40\x41", 4), 40)));
    EXPECT_EQ(readBudgetPrinterFont().name, "Arial");
    EXPECT_EQ(readBudgetPrinterFont().size, 12.0);
    // A name of 37 characters does not fit; the size is still stored.
    EXPECT_TRUE(writeBudgetPrinterFont(std::string(37, 'n'), 10.0f));
    EXPECT_EQ(readBudgetPrinterFont().name, "Arial");
    EXPECT_EQ(readBudgetPrinterFont().size, 10.0);
    folder.writeBytes("GColor4.Fil", std::string(20 * 40, '\0') +
                                         variantRecord(2, std::string("\x0E\x00", 2), 40));
    EXPECT_EQ(readBudgetPrinterFont().size, 14.0);
}

TEST_F(SettingsFilesTest, EveryWriterKeepsOtherProgramsRecords) {
    const std::string gcolor1 = pattern(80 * 20, 1);
    const std::string gcolor3 = pattern(105 * 20, 2);
    const std::string ghinv1 = pattern(10 * 10, 3);
    folder.writeBytes("GColor1.Fil", gcolor1);
    folder.writeBytes("GColor3.Fil", gcolor3);
    folder.writeBytes("GHINV1.Fil", ghinv1);
    writePanelColor(PanelColorScreen::Budget, "1");
    writePanelColor(PanelColorScreen::Main, "2");
    writeGridBackground("3");
    writeGridTextColor("4");
    writeGuideLines(GuideLinesScreen::HomeCalculator, "1");
    writeDisplayState("Yes", std::int16_t{9000}, std::int16_t{12000});
    writeScreenBackground("WP2");
    // Each value took its own bytes and nothing else.
    auto changedBytes = [](const std::string& before, const std::string& after) {
        std::vector<std::size_t> changed;
        for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
            if (i >= before.size() || i >= after.size() || before[i] != after[i]) {
                changed.push_back(i);
            }
        }
        return changed;
    };
    auto within = [](const std::vector<std::size_t>& changed,
                     std::initializer_list<std::pair<std::size_t, std::size_t>> ranges) {
        for (const std::size_t at : changed) {
            bool inside = false;
            for (const auto& [from, length] : ranges) {
                inside = inside || (at >= from && at < from + length);
            }
            if (!inside) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(within(changedBytes(gcolor1, folder.readBytes("GColor1.Fil")),
                       {{12 * 20, 3}, {48 * 20, 3}, {13 * 20, 3}, {14 * 20, 3}}));
    EXPECT_EQ(folder.readBytes("GColor1.Fil").substr(54 * 20, 20), gcolor1.substr(54 * 20, 20));
    EXPECT_TRUE(within(changedBytes(gcolor3, folder.readBytes("GColor3.Fil")),
                       {{23 * 20, 3}, {34 * 20, 5}, {35 * 20, 2}, {36 * 20, 2}}));
    EXPECT_TRUE(within(changedBytes(ghinv1, folder.readBytes("GHINV1.Fil")), {{20, 7}}));
    EXPECT_EQ(folder.readBytes("GHINV1.Fil").substr(90, 10), ghinv1.substr(90, 10));
}

TEST_F(SettingsFilesTest, DamagedOrMissingFilesGiveDefaults) {
    folder.writeBytes("GColor3.Fil", std::string("\xFF\xFF", 2) + pattern(700, 4).substr(0, 681));
    folder.writeBytes("HINVNAME.FIL", std::string("\x30\x00", 2) + "Smith");
    folder.writeBytes("GHINV1.Fil", std::string(20, '\0') + std::string("\x09\x00\xFF", 3));
    std::filesystem::create_directory(folder.filePath("GColor1.Fil"));
    RunSettings settings;
    loadRunSettings(settings);
    EXPECT_EQ(settings.displayMode, DisplayMode::Full);
    EXPECT_EQ(settings.familyName, "");
    EXPECT_EQ(settings.screenBackground, "");
    EXPECT_EQ(settings.panelColor, "Default");
    EXPECT_TRUE(std::filesystem::is_directory(folder.filePath("GColor1.Fil")));
}

}  // namespace
}  // namespace coinwell
