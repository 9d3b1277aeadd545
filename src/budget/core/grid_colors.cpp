#include "budget/core/grid_colors.h"

#include "common/core/settings_files.h"
#include "shell/core/frame_rules.h"

namespace coinwell::budget {

GridBackground gridBackgroundFromRecord(std::string_view record) {
    if (const std::optional<int> picture = wallpaperNumber(record)) {
        return {GridBackground::Kind::Picture, 0, *picture};
    }
    if (const std::optional<ColorNumber> color = shell::parseColorNumber(record)) {
        return {GridBackground::Kind::Color, *color, 0};
    }
    return {};
}

std::string gridBackgroundRecordText(const GridBackground& background) {
    switch (background.kind) {
        case GridBackground::Kind::Color:
            return std::to_string(background.color & 0xFFFFFFu);
        case GridBackground::Kind::Picture:
            return "WP" + std::to_string(background.picture);
        case GridBackground::Kind::Default:
            break;
    }
    return "Default";
}

std::string gridPictureFile(int picture) {
    return "WP" + std::to_string(picture) + ".jpg";
}

ColorNumber gridTextColorFromRecord(std::string_view record) {
    return shell::parseColorNumber(record).value_or(0);
}

GridColorChoice GridColorChoice::fromRecords(std::string_view backgroundRecord,
                                             std::string_view textColorRecord) {
    return {gridBackgroundFromRecord(backgroundRecord), gridTextColorFromRecord(textColorRecord)};
}

void GridColorChoice::useBackground(const GridBackground& background) {
    background_ = background;
    backgroundChanged_ = true;
}

bool GridColorChoice::useTextColor(ColorNumber color, ColorNumber shownBackground) {
    if (color == shownBackground) {
        return false;
    }
    textColor_ = color;
    textColorChanged_ = true;
    return true;
}

GridColorChoice::Records GridColorChoice::recordsToStore() const {
    Records records;
    if (backgroundChanged_) {
        records.background = gridBackgroundRecordText(background_);
    }
    records.textColor = std::to_string(textColor_ & 0xFFFFFFu);
    return records;
}

void GridColorChoice::settle() {
    backgroundChanged_ = false;
    textColorChanged_ = false;
}

bool storeGridColorRecords(const GridColorChoice::Records& records) {
    bool stored = true;
    if (records.background) {
        stored = writeGridBackground(*records.background);
    }
    return writeGridTextColor(records.textColor) && stored;
}

}  // namespace coinwell::budget
