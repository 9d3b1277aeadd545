#pragma once
// The Home Budget's grid colours: the stored grid background and text colour applied as the
// screen opens, the Grid Background Selector SSPanel4 (Options > Grid Backgorund Selector), the
// grid text colour (Options > Grid Text Color), and storing the choice when the user agrees at
// closing. The Loan and Actuarial grids read the same stored choice.

#include <QColor>
#include <QObject>

#include "budget/core/grid_colors.h"

namespace coinwell {
class WallpaperSelector;
}

namespace coinwell::budget {

class BudgetScreen;

class GridColorCommands : public QObject {
    Q_OBJECT
  public:
    // Dresses the screen's grid with the stored choice each time the screen is set up.
    explicit GridColorCommands(BudgetScreen& screen);

    const GridColorChoice& choice() const { return choice_; }
    WallpaperSelector* selector() const { return selector_; }

    // Options > Grid Backgorund Selector: opens the selector, or closes it as Cancel does.
    void toggleSelector();
    // The selector's buttons Command16(0) ... Command16(3); each closes the selector first.
    void selectColorBackground();
    void useDefaultBackground();
    void useAboveBackground();
    void cancelSelector();
    // Options > Grid Text Color.
    void chooseTextColor();

    // The closing question's answer: Yes writes GColor1.Fil records 14 (when the selector
    // changed the background) and 15.
    void settle(bool store);

  private:
    // The stored choice, read again; a choice not yet stored is dropped.
    void applyStoredChoice();
    void placeSelector();
    void previewPicture(int picture);
    // The grid shows the choice in force: its picture over the colour underneath, or the colour.
    void showChoice();
    QColor defaultColor() const;

    BudgetScreen& screen_;
    GridColorChoice choice_;
    // The plain colour of the grid: the choice's colour, or the default colour under a picture.
    QColor plainColor_;
    WallpaperSelector* selector_ = nullptr;
};

}  // namespace coinwell::budget
