#pragma once
// The entry grid's dress: its background (the system's window colour, a colour, or one of the
// sixteen wallpaper pictures behind the cells) and its text colour, as chosen on the Home Budget
// and kept in GColor1.Fil (record 14 the background, record 15 the text colour), where the Loan
// and Actuarial grids read them too.
//
// A change takes effect on the screen at once and waits for the closing question to be stored.

#include <optional>
#include <string>
#include <string_view>

#include "common/core/dialogs.h"

namespace coinwell::budget {

struct GridBackground {
    enum class Kind {
        Default,  // "Default": the system's window colour
        Color,    // a colour number
        Picture,  // "WP1" ... "WP16": the picture file WPn.jpg behind the cells
    };
    Kind kind = Kind::Default;
    ColorNumber color = 0;  // Color only
    int picture = 0;        // Picture only: 1 to 16

    bool operator==(const GridBackground&) const = default;
};

// How a stored background reads: "WPn" (any letter case, n from 1 to 16) a picture, a decimal
// colour number a colour, anything else ("Default", empty, damaged) the window colour.
GridBackground gridBackgroundFromRecord(std::string_view record);
// What is stored for a background: "Default", "WP5" or the colour number ("16711680").
std::string gridBackgroundRecordText(const GridBackground& background);
// "WP5.jpg".
std::string gridPictureFile(int picture);

// How a stored text colour reads: a colour number, or black when it is anything else.
ColorNumber gridTextColorFromRecord(std::string_view record);

// The choice in force on the screen and what the closing question stores.
class GridColorChoice {
  public:
    GridColorChoice() = default;
    GridColorChoice(GridBackground background, ColorNumber textColor)
        : background_(background), textColor_(textColor) {}
    // The choice the settings hold (records 14 and 15 as read).
    static GridColorChoice fromRecords(std::string_view backgroundRecord,
                                       std::string_view textColorRecord);

    const GridBackground& background() const { return background_; }
    ColorNumber textColor() const { return textColor_; }

    // The Grid Background Selector's choices.
    void useBackground(const GridBackground& background);
    // The text colour; refused (false, nothing changes) when it is the colour the grid's
    // background shows, since the entries would vanish.
    bool useTextColor(ColorNumber color, ColorNumber shownBackground);
    // A background colour is refused in the same way when it is the text colour.
    bool backgroundConflicts(ColorNumber color) const { return color == textColor_; }

    // A change is waiting for the closing question.
    bool pending() const { return backgroundChanged_ || textColorChanged_; }
    bool backgroundChanged() const { return backgroundChanged_; }

    // What Yes to the closing question writes: the background only when the selector changed it,
    // the text colour always.
    struct Records {
        std::optional<std::string> background;  // record 14
        std::string textColor;                  // record 15

        bool operator==(const Records&) const = default;
    };
    Records recordsToStore() const;
    // After the closing question, whatever the answer: nothing is pending any more.
    void settle();

  private:
    GridBackground background_;
    ColorNumber textColor_ = 0;
    bool backgroundChanged_ = false;
    bool textColorChanged_ = false;
};

// Writes the records in GColor1.Fil; false when any of them could not be written.
bool storeGridColorRecords(const GridColorChoice::Records& records);

}  // namespace coinwell::budget
