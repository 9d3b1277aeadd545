#include "budget/ui/grid_color_commands.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "budget/ui/budget_screen.h"
#include "budget/ui/totals_panel.h"
#include "common/core/settings_files.h"
#include "common/core/shared_routines.h"
#include "common/ui/colors.h"
#include "shell/ui/pictures.h"
#include "shell/ui/tool_screen.h"
#include "shell/ui/wallpaper_selector.h"

namespace coinwell::budget {

namespace {

const char* kSelectorNote =
    "(Budget Grid Background and Text Color will also be used by Actuarial and Loan Calculator "
    "Grids)";

}  // namespace

GridColorCommands::GridColorCommands(BudgetScreen& screen) : QObject(&screen), screen_(screen) {
    selector_ = new WallpaperSelector(
        {QStringLiteral("Grid Background Selector"), QStringLiteral("Command16"),
         QStringLiteral("Label20"), QString::fromUtf8(kSelectorNote)},
        screen.centralPanel());
    connect(selector_->button(0), &QPushButton::clicked, this,
            &GridColorCommands::selectColorBackground);
    connect(selector_->button(1), &QPushButton::clicked, this,
            &GridColorCommands::useDefaultBackground);
    connect(selector_->button(2), &QPushButton::clicked, this,
            &GridColorCommands::useAboveBackground);
    connect(selector_->button(3), &QPushButton::clicked, this, &GridColorCommands::cancelSelector);
    connect(selector_, &WallpaperSelector::thumbnailMarked, this,
            &GridColorCommands::previewPicture);
    connect(&screen, &BudgetScreen::panelColorApplied, selector_,
            [this](const QColor& color) { setPanelColor3D(selector_, color); });
    connect(&screen, &BudgetScreen::initialised, this, &GridColorCommands::applyStoredChoice);
}

void GridColorCommands::applyStoredChoice() {
    if (selector_->isOpen()) {
        selector_->closeSelector();
    }
    choice_ = GridColorChoice::fromRecords(readGridBackground(), readGridTextColor());
    const GridBackground& stored = choice_.background();
    plainColor_ =
        stored.kind == GridBackground::Kind::Color ? toQColor(stored.color) : defaultColor();
    showChoice();
}

QColor GridColorCommands::defaultColor() const {
    return screen_.defaultColorBox()->palette().color(QPalette::Base);
}

void GridColorCommands::showChoice() {
    const GridBackground& background = choice_.background();
    QPixmap picture;
    if (background.kind == GridBackground::Kind::Picture) {
        // A missing picture file leaves the plain colour.
        picture = loadInstallationPicture(gridPictureFile(background.picture));
    }
    screen_.setGridAppearance(plainColor_, picture, toQColor(choice_.textColor()));
}

void GridColorCommands::placeSelector() {
    const QWidget* container = selector_->parentWidget();
    selector_->move(std::max(0, (container->width() - selector_->width()) / 2),
                    std::max(0, (container->height() - selector_->height()) / 2));
}

void GridColorCommands::toggleSelector() {
    if (selector_->isOpen()) {
        // Closed by the menu item as by Cancel: a picture only previewed does not stay.
        cancelSelector();
        return;
    }
    Desktop& desktop = screen_.context().desktop;
    desktop.beginBusy();
    const GridBackground& background = choice_.background();
    placeSelector();
    selector_->openSelector(background.kind == GridBackground::Kind::Picture
                                ? std::optional<int>(background.picture)
                                : std::nullopt);
    desktop.endBusy();
}

void GridColorCommands::previewPicture(int picture) {
    screen_.setGridAppearance(plainColor_, loadInstallationPicture(gridPictureFile(picture)),
                              toQColor(choice_.textColor()));
}

void GridColorCommands::selectColorBackground() {
    selector_->closeSelector();
    const QColor text = toQColor(choice_.textColor());
    screen_.setGridAppearance(plainColor_, QPixmap(), text);
    Desktop& desktop = screen_.context().desktop;
    desktop.endBusy();
    const std::optional<ColorNumber> chosen = desktop.chooseColor(toColorNumber(plainColor_));
    if (!chosen) {
        showChoice();
        return;
    }
    if (choice_.backgroundConflicts(*chosen)) {
        // Entries in the grid's own text colour would vanish on it.
        showColorConflict(desktop);
        showChoice();
        return;
    }
    plainColor_ = toQColor(*chosen);
    choice_.useBackground({GridBackground::Kind::Color, *chosen, 0});
    showChoice();
}

void GridColorCommands::useDefaultBackground() {
    selector_->closeSelector();
    plainColor_ = defaultColor();
    choice_.useBackground({});
    showChoice();
}

void GridColorCommands::useAboveBackground() {
    selector_->closeSelector();
    const std::optional<int> picture = wallpaperNumber(selector_->pendingWallpaper());
    if (!picture) {
        showChoice();
        return;
    }
    choice_.useBackground({GridBackground::Kind::Picture, 0, *picture});
    showChoice();
}

void GridColorCommands::cancelSelector() {
    selector_->closeSelector();
    showChoice();
}

void GridColorCommands::chooseTextColor() {
    Desktop& desktop = screen_.context().desktop;
    desktop.endBusy();
    const std::optional<ColorNumber> chosen = desktop.chooseColor(choice_.textColor());
    if (!chosen) {
        return;
    }
    if (!choice_.useTextColor(*chosen, toColorNumber(plainColor_))) {
        showColorConflict(desktop);
        return;
    }
    const QColor text = toQColor(*chosen);
    screen_.setGridAppearance(screen_.gridBackgroundColor(), screen_.gridPicture(), text);
    screen_.totalsPanel()->takeGridAppearance(screen_.grid()->palette());
}

void GridColorCommands::settle(bool store) {
    if (store) {
        storeGridColorRecords(choice_.recordsToStore());
    }
    choice_.settle();
}

}  // namespace coinwell::budget
