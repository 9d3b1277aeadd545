#pragma once
// The settings values that live for the whole run and that every screen reads at load.

#include <string>

namespace coinwell {

enum class DisplayMode { Full, Smaller };

struct RunSettings {
    // Background of the main and tool screens: a decimal colour number, "Def", a wallpaper
    // name "WP1" … "WP16", or "Image"; empty means blue (&HFF0000).
    std::string screenBackground;
    std::string familyName;                // at most 15 characters; empty = none
    std::string panelColor = "Default";    // last panel colour written to all screens
    std::string pendingPanelColor;         // just chosen and saved by one screen; empty = none
    bool defaultPanelColorChosen = false;  // set by Default Panel Color, consumed by the update
    DisplayMode displayMode = DisplayMode::Full;
    int storedHeight = 0;  // twips
    int storedWidth = 0;   // twips
};

}  // namespace coinwell
