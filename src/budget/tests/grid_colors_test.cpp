// The grid colours: how the stored records read, what a choice stores, and that storing touches
// only records 14 and 15 of GColor1.Fil.

#include <gtest/gtest.h>

#include "budget/core/grid_colors.h"
#include "common/core/record_file.h"
#include "common/core/settings_files.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::budget {
namespace {

using Kind = GridBackground::Kind;

TEST(GridBackgroundRecord, ReadsPicturesColoursAndDefault) {
    EXPECT_EQ(gridBackgroundFromRecord("WP5"), (GridBackground{Kind::Picture, 0, 5}));
    EXPECT_EQ(gridBackgroundFromRecord("wp16"), (GridBackground{Kind::Picture, 0, 16}));
    EXPECT_EQ(gridBackgroundFromRecord("255"), (GridBackground{Kind::Color, 255, 0}));
    EXPECT_EQ(gridBackgroundFromRecord(" 16777215 "), (GridBackground{Kind::Color, 0xFFFFFF, 0}));
    // Anything else is the window colour: "Default", nothing stored, or a damaged record.
    for (const char* record :
         {"Default", "", "   ", "WP0", "WP17", "WP../x", "16777216", "-1", "12abc", "Image"}) {
        EXPECT_EQ(gridBackgroundFromRecord(record), GridBackground{}) << record;
    }
}

TEST(GridBackgroundRecord, TextStoredForEachKind) {
    EXPECT_EQ(gridBackgroundRecordText({}), "Default");
    EXPECT_EQ(gridBackgroundRecordText({Kind::Color, 0xFF0000, 0}), "16711680");
    EXPECT_EQ(gridBackgroundRecordText({Kind::Picture, 0, 5}), "WP5");
    EXPECT_EQ(gridPictureFile(5), "WP5.jpg");
}

TEST(GridTextColorRecord, AColourNumberOrBlack) {
    EXPECT_EQ(gridTextColorFromRecord("255"), 255u);
    EXPECT_EQ(gridTextColorFromRecord("8421376"), 0x808000u);
    EXPECT_EQ(gridTextColorFromRecord(""), 0u);
    EXPECT_EQ(gridTextColorFromRecord("red"), 0u);
}

TEST(GridColorChoice, NothingPendingUntilAChange) {
    GridColorChoice choice = GridColorChoice::fromRecords("WP3", "255");
    EXPECT_EQ(choice.background(), (GridBackground{Kind::Picture, 0, 3}));
    EXPECT_EQ(choice.textColor(), 255u);
    EXPECT_FALSE(choice.pending());
}

TEST(GridColorChoice, TextColourOfTheBackgroundIsRefused) {
    GridColorChoice choice = GridColorChoice::fromRecords("Default", "0");
    EXPECT_FALSE(choice.useTextColor(0xFFFFFF, 0xFFFFFF));
    EXPECT_EQ(choice.textColor(), 0u);
    EXPECT_FALSE(choice.pending());
    EXPECT_TRUE(choice.useTextColor(0x0000FF, 0xFFFFFF));
    EXPECT_EQ(choice.textColor(), 0x0000FFu);
    EXPECT_TRUE(choice.pending());
    EXPECT_TRUE(choice.backgroundConflicts(0x0000FF));
    EXPECT_FALSE(choice.backgroundConflicts(0x00FFFF));
}

TEST(GridColorChoice, BackgroundIsStoredOnlyWhenTheSelectorChangedIt) {
    GridColorChoice textOnly = GridColorChoice::fromRecords("WP3", "0");
    ASSERT_TRUE(textOnly.useTextColor(0x800000, 0xFFFFFF));
    EXPECT_EQ(textOnly.recordsToStore(),
              (GridColorChoice::Records{std::nullopt, std::to_string(0x800000)}));

    GridColorChoice picture = GridColorChoice::fromRecords("Default", "");
    picture.useBackground({Kind::Picture, 0, 5});
    EXPECT_TRUE(picture.pending());
    EXPECT_EQ(picture.recordsToStore(), (GridColorChoice::Records{"WP5", "0"}));

    picture.settle();
    EXPECT_FALSE(picture.pending());
    EXPECT_EQ(picture.background(), (GridBackground{Kind::Picture, 0, 5}));
    EXPECT_EQ(picture.recordsToStore().background, std::nullopt);
}

TEST(GridColorRecords, StoringWritesOnlyRecordsFourteenAndFifteen) {
    TemporaryProgramFolder folder;
    // Records of other screens and programs around them.
    {
        RecordFile file(folder.filePath("GColor1.Fil"), 20);
        ASSERT_TRUE(file.writeText(13, "8421376"));
        ASSERT_TRUE(file.writeText(14, "Default"));
        ASSERT_TRUE(file.writeText(16, "255"));
        ASSERT_TRUE(file.writeText(55, "OFF"));
    }
    const std::string before = folder.readBytes("GColor1.Fil");

    EXPECT_TRUE(storeGridColorRecords({std::nullopt, "128"}));
    std::string expected = before;
    expected.replace(14 * 20, 5,
                     std::string("\x03\x00"
                                 "128",
                                 5));
    EXPECT_EQ(hexBytes(folder.readBytes("GColor1.Fil")), hexBytes(expected));

    EXPECT_TRUE(storeGridColorRecords({"WP5", "0"}));
    EXPECT_EQ(readGridBackground(), "WP5");
    EXPECT_EQ(readGridTextColor(), "0");
    EXPECT_EQ(readPanelColor(PanelColorScreen::Budget), "8421376");
    RecordFile file(folder.filePath("GColor1.Fil"), 20);
    EXPECT_EQ(file.readText(16), "255");
    EXPECT_EQ(file.readText(55), "OFF");
}

}  // namespace
}  // namespace coinwell::budget
