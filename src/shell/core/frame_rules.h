#pragma once
// The arithmetic and the readings of stored values behind the main screen and the tool-screen
// frame: where panels go, how a stored background or panel colour is read, the screen-size rules.
// All distances are twips.

#include <optional>
#include <string>
#include <string_view>

#include "common/core/dialogs.h"
#include "common/core/run_settings.h"

namespace coinwell::shell {

inline constexpr ColorNumber kBlue = 0xFF0000;
inline constexpr ColorNumber kLightCyan = 0xFFFF00;
inline constexpr ColorNumber kDarkCyan = 0x808000;

// Smallest window of the Smaller Screen display, and the screen below which the program warns.
inline constexpr int kMinimumWindowHeight = 9000;
inline constexpr int kMinimumWindowWidth = 12000;
inline constexpr int kMinimumScreenWidth = 9945;
inline constexpr int kMinimumScreenHeight = 7590;

struct TwipSize {
    int width = 0;
    int height = 0;
    bool operator==(const TwipSize&) const = default;
};

struct TwipPoint {
    int left = 0;
    int top = 0;
    bool operator==(const TwipPoint&) const = default;
};

// A colour number as stored in text: decimal digits only (blanks around are ignored), at most
// &HFFFFFF. Anything else is not a colour number.
std::optional<ColorNumber> parseColorNumber(std::string_view text);

// The colour a tool screen's panel takes from its stored record: "Default" gives the design
// colour, a colour number that colour, anything else (an empty record too) the fallback.
ColorNumber panelColorFromRecord(std::string_view record, ColorNumber designColor,
                                 ColorNumber fallbackColor);

// What a screen stores for its panel colour on leaving.
std::string panelColorRecordText(bool defaultChosen, ColorNumber color);

// True when a panel colour just saved by one screen should be offered to every screen.
bool panelColorNeedsUpdateForAll(std::string_view pending, std::string_view current);

// How a stored screen background reads.
struct Background {
    enum class Kind {
        Color,      // the window takes `color`
        Default,    // "Def": the system's button-face colour
        Wallpaper,  // "WP" + n: the picture `pictureFile` over the whole window
        Image,      // "Image": a tool screen's own design picture
        Other,      // anything else: the design colour stays
    };
    Kind kind = Kind::Color;
    ColorNumber color = kBlue;
    std::string pictureFile;  // only for Wallpaper; empty when the name cannot be a file
};
Background interpretBackground(std::string_view value);

// "WP" in any letter case at the start.
bool isWallpaperName(std::string_view value);

// The wallpaper picture file of a name: "WP" + n + ".jpg" for n from 1 to 16, otherwise empty
// (so that a stored value can never reach outside the program folder).
std::string wallpaperFile(std::string_view name);

// "Coinwell", or the family name followed by " Coinwell".
std::string mainCaption(std::string_view familyName);

// Record 35 of the display settings: "Yes" (first three characters) is Smaller display.
DisplayMode displayModeFromRecord(std::string_view record);

// The stored Smaller-display size raised to the smallest usable window.
TwipSize raisedToMinimum(TwipSize size);

// True when the screen cannot hold the program's smallest window.
bool screenTooSmall(TwipSize screen);

// The Default Screen Size for a screen: 15100 x 11200, or 200 less than the screen.
TwipSize defaultScreenSize(TwipSize screen);

// A window of `window` size centred on `screen`.
TwipPoint centredOnScreen(TwipSize screen, TwipSize window);

// The main screen's central panel in a window of `window` size: centred, 500 higher.
TwipPoint mainPanelPosition(TwipSize window, TwipSize panel);

// The Background Selector panel: centred, 130 higher.
TwipPoint selectorPanelPosition(TwipSize window, TwipSize panel);

// A tool screen's central panel, placed on the main screen's size: centred, 400 higher and
// `leftOffset` further left.
TwipPoint toolPanelPosition(TwipSize mainScreen, TwipSize panel, int leftOffset);

}  // namespace coinwell::shell
