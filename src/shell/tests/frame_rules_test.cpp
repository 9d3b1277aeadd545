// Readings of stored backgrounds, panel colours and display modes, and the placement arithmetic.

#include <gtest/gtest.h>

#include "shell/core/frame_rules.h"
#include "shell/core/tool_screens.h"

using namespace coinwell;
using namespace coinwell::shell;

TEST(PanelColorRecord, DefaultNumberOrFallback) {
    constexpr ColorNumber design = 0xC0C0C0;
    EXPECT_EQ(panelColorFromRecord("Default", design, kLightCyan), design);
    EXPECT_EQ(panelColorFromRecord("Default   ", design, kLightCyan), design);
    EXPECT_EQ(panelColorFromRecord(" Default", design, kLightCyan), kLightCyan);
    EXPECT_EQ(panelColorFromRecord("default", design, kLightCyan), kLightCyan);
    EXPECT_EQ(panelColorFromRecord("", design, kDarkCyan), kDarkCyan);
    EXPECT_EQ(panelColorFromRecord("   ", design, kDarkCyan), kDarkCyan);
    EXPECT_EQ(panelColorFromRecord("255", design, kLightCyan), 255u);
    EXPECT_EQ(panelColorFromRecord("0", design, kLightCyan), 0u);
    EXPECT_EQ(panelColorFromRecord("16777215", design, kLightCyan), 0xFFFFFFu);
    // Beyond 24 bits, signed, hexadecimal or partly numeric: not a colour number.
    EXPECT_EQ(panelColorFromRecord("16777216", design, kLightCyan), kLightCyan);
    EXPECT_EQ(panelColorFromRecord("-1", design, kLightCyan), kLightCyan);
    EXPECT_EQ(panelColorFromRecord("&HFF", design, kLightCyan), kLightCyan);
    EXPECT_EQ(panelColorFromRecord("255x", design, kLightCyan), kLightCyan);
    EXPECT_EQ(panelColorFromRecord("99999999999999999999", design, kLightCyan), kLightCyan);
}

TEST(PanelColorRecord, SavedTextAndTheOfferToAllScreens) {
    EXPECT_EQ(panelColorRecordText(true, 255), "Default");
    EXPECT_EQ(panelColorRecordText(false, 0xFF0000), "16711680");
    EXPECT_TRUE(panelColorNeedsUpdateForAll("255", "Default"));
    EXPECT_FALSE(panelColorNeedsUpdateForAll("255", "255"));
    EXPECT_FALSE(panelColorNeedsUpdateForAll("  ", "Default"));
    EXPECT_FALSE(panelColorNeedsUpdateForAll("", "255"));
}

TEST(StoredBackground, ColoursDefaultWallpapersAndOtherTexts) {
    EXPECT_EQ(interpretBackground("").kind, Background::Kind::Color);
    EXPECT_EQ(interpretBackground("").color, 0xFF0000u);
    EXPECT_EQ(interpretBackground("255").color, 255u);
    EXPECT_EQ(interpretBackground("Def").kind, Background::Kind::Default);
    EXPECT_EQ(interpretBackground("Image").kind, Background::Kind::Image);
    EXPECT_EQ(interpretBackground("Blue").kind, Background::Kind::Other);

    const Background seventh = interpretBackground("WP7");
    EXPECT_EQ(seventh.kind, Background::Kind::Wallpaper);
    EXPECT_EQ(seventh.pictureFile, "WP7.jpg");
    EXPECT_EQ(interpretBackground("wp16").pictureFile, "WP16.jpg");
    // Still a wallpaper name (no colour applies), but never a file outside the sixteen.
    for (const char* name : {"WP0", "WP17", "WP", "WP../GColor1", "WP1/x", "WP007"}) {
        const Background b = interpretBackground(name);
        EXPECT_EQ(b.kind, Background::Kind::Wallpaper) << name;
        EXPECT_EQ(b.pictureFile, "") << name;
    }
}

TEST(MainCaption, FamilyNameBeforeTheProgramName) {
    EXPECT_EQ(mainCaption(""), "Coinwell");
    EXPECT_EQ(mainCaption("Abcdefghijklmno"), "Abcdefghijklmno Coinwell");
}

TEST(DisplayMode, OnlyTheFirstThreeCharactersCount) {
    EXPECT_EQ(displayModeFromRecord("Yes"), DisplayMode::Smaller);
    EXPECT_EQ(displayModeFromRecord("Yesterday"), DisplayMode::Smaller);
    EXPECT_EQ(displayModeFromRecord("yes"), DisplayMode::Full);
    EXPECT_EQ(displayModeFromRecord("Ye"), DisplayMode::Full);
    EXPECT_EQ(displayModeFromRecord("No"), DisplayMode::Full);
    EXPECT_EQ(displayModeFromRecord(""), DisplayMode::Full);
}

TEST(ScreenSize, MinimumWarningAndDefaultSize) {
    EXPECT_EQ(raisedToMinimum({8000, 5000}), (TwipSize{12000, 9000}));
    EXPECT_EQ(raisedToMinimum({15100, 11200}), (TwipSize{15100, 11200}));
    EXPECT_EQ(raisedToMinimum({0, 0}), (TwipSize{12000, 9000}));

    EXPECT_FALSE(screenTooSmall({9945, 7590}));
    EXPECT_TRUE(screenTooSmall({9944, 7590}));
    EXPECT_TRUE(screenTooSmall({9945, 7589}));
    EXPECT_FALSE(screenTooSmall({12000, 9000}));  // 800 x 600

    EXPECT_EQ(defaultScreenSize({15360, 11520}), (TwipSize{15100, 11200}));  // 1024 x 768
    EXPECT_EQ(defaultScreenSize({12000, 9000}), (TwipSize{11800, 8800}));    // 800 x 600
    EXPECT_EQ(defaultScreenSize({15100, 11199}), (TwipSize{15100, 10999}));
}

TEST(Placement, PanelsAreCentredAboveTheMiddle) {
    // The main panel in a 12000 x 9000 window: 500 twips above the middle.
    EXPECT_EQ(mainPanelPosition({12000, 9000}, {9135, 7365}), (TwipPoint{1433, 318}));
    EXPECT_EQ(selectorPanelPosition({12000, 9000}, {5445, 6930}), (TwipPoint{3278, 905}));
    // A tool panel on the main screen's size, 400 above and the offset further left.
    EXPECT_EQ(toolPanelPosition({15360, 11520}, {10800, 7200}, 30), (TwipPoint{2250, 1760}));
    EXPECT_EQ(toolPanelPosition({15360, 11520}, {14400, 8400}, 60), (TwipPoint{420, 1160}));
    // A window smaller than the panel gives a negative place (the caller keeps it inside).
    EXPECT_LT(mainPanelPosition({6000, 4000}, {9135, 7365}).top, 0);
    EXPECT_EQ(centredOnScreen({15360, 11520}, {12000, 9000}), (TwipPoint{1680, 1260}));
}

TEST(ToolScreens, FrameValuesOfTheFiveScreens) {
    EXPECT_EQ(toolScreenSpec(Tool::Loan).panelColorRecord, (PanelColorRecord{"GColor1.Fil", 12}));
    EXPECT_EQ(toolScreenSpec(Tool::Budget).panelColorRecord, (PanelColorRecord{"GColor1.Fil", 13}));
    EXPECT_EQ(toolScreenSpec(Tool::Actuarial).panelColorRecord,
              (PanelColorRecord{"GColor1.Fil", 11}));
    EXPECT_EQ(toolScreenSpec(Tool::Calculator).panelColorRecord,
              (PanelColorRecord{"GColor1.Fil", 10}));
    EXPECT_EQ(toolScreenSpec(Tool::HomeCalc).panelColorRecord,
              (PanelColorRecord{"GColor3.Fil", 8}));
    EXPECT_EQ(toolScreenSpec(Tool::Budget).fallbackColor, kDarkCyan);
    EXPECT_EQ(toolScreenSpec(Tool::Budget).leftOffset, 60);
    EXPECT_FALSE(toolScreenSpec(Tool::Calculator).hasPrintOptions);
    EXPECT_EQ(toolScreenSpec(Tool::Calculator).printOptionsHelpTopic, 0);
    EXPECT_FALSE(toolScreenSpec(Tool::HomeCalc).printOptionsStartEnabled);
    EXPECT_TRUE(toolScreenSpec(Tool::Actuarial).printOptionsStartEnabled);
    for (Tool tool :
         {Tool::Actuarial, Tool::Calculator, Tool::HomeCalc, Tool::Loan, Tool::Budget}) {
        // A design colour of black would make "Default" a colour conflict everywhere.
        EXPECT_NE(toolScreenSpec(tool).designPanelColor, 0u);
    }
}
