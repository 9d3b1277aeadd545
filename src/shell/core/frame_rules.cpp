#include "shell/core/frame_rules.h"
#include "common/core/text_trim.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace coinwell::shell {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) !=
            std::toupper(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

// Centre of `outer` less half of `inner`, computed in halves so odd sizes round alike.
int centred(int outer, int inner) {
    return static_cast<int>(std::lround(outer / 2.0 - inner / 2.0));
}

}  // namespace

std::optional<ColorNumber> parseColorNumber(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    ColorNumber value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<ColorNumber>(c - '0');
    }
    if (value > 0xFFFFFF) {
        return std::nullopt;
    }
    return value;
}

ColorNumber panelColorFromRecord(std::string_view record, ColorNumber designColor,
                                 ColorNumber fallbackColor) {
    if (trimTrailingBlanks(record) == "Default") {
        return designColor;
    }
    return parseColorNumber(record).value_or(fallbackColor);
}

std::string panelColorRecordText(bool defaultChosen, ColorNumber color) {
    return defaultChosen ? std::string("Default") : std::to_string(color & 0xFFFFFF);
}

bool panelColorNeedsUpdateForAll(std::string_view pending, std::string_view current) {
    return !trimBlanks(pending).empty() && pending != current;
}

bool isWallpaperName(std::string_view value) {
    return startsWithNoCase(value, "WP");
}

std::string wallpaperFile(std::string_view name) {
    if (!isWallpaperName(name)) {
        return {};
    }
    const std::string_view number = name.substr(2);
    if (number.empty() || number.size() > 2 ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return {};
    }
    const int n = std::stoi(std::string(number));
    if (n < 1 || n > 16) {
        return {};
    }
    return "WP" + std::to_string(n) + ".jpg";
}

Background interpretBackground(std::string_view value) {
    Background result;
    if (trimBlanks(value).empty()) {
        return result;  // blue
    }
    if (value == "Def") {
        result.kind = Background::Kind::Default;
    } else if (isWallpaperName(value)) {
        result.kind = Background::Kind::Wallpaper;
        result.pictureFile = wallpaperFile(value);
    } else if (value == "Image") {
        result.kind = Background::Kind::Image;
    } else if (auto color = parseColorNumber(value)) {
        result.color = *color;
    } else {
        result.kind = Background::Kind::Other;
    }
    return result;
}

std::string mainCaption(std::string_view familyName) {
    if (familyName.empty()) {
        return "Coinwell";
    }
    return std::string(familyName) + " Coinwell";
}

DisplayMode displayModeFromRecord(std::string_view record) {
    return record.substr(0, 3) == "Yes" ? DisplayMode::Smaller : DisplayMode::Full;
}

TwipSize raisedToMinimum(TwipSize size) {
    return {std::max(size.width, kMinimumWindowWidth), std::max(size.height, kMinimumWindowHeight)};
}

bool screenTooSmall(TwipSize screen) {
    return screen.width < kMinimumScreenWidth || screen.height < kMinimumScreenHeight;
}

TwipSize defaultScreenSize(TwipSize screen) {
    return {screen.width >= 15100 ? 15100 : screen.width - 200,
            screen.height >= 11200 ? 11200 : screen.height - 200};
}

TwipPoint centredOnScreen(TwipSize screen, TwipSize window) {
    return {centred(screen.width, window.width), centred(screen.height, window.height)};
}

TwipPoint mainPanelPosition(TwipSize window, TwipSize panel) {
    return {centred(window.width, panel.width), centred(window.height, panel.height) - 500};
}

TwipPoint selectorPanelPosition(TwipSize window, TwipSize panel) {
    return {centred(window.width, panel.width), centred(window.height, panel.height) - 130};
}

TwipPoint toolPanelPosition(TwipSize mainScreen, TwipSize panel, int leftOffset) {
    return {centred(mainScreen.width, panel.width) - leftOffset,
            centred(mainScreen.height, panel.height) - 400};
}

}  // namespace coinwell::shell
