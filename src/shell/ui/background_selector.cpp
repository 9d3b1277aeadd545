#include "shell/ui/background_selector.h"

#include <QPushButton>

#include "common/core/settings_files.h"
#include "common/ui/colors.h"
#include "shell/core/frame_rules.h"
#include "shell/ui/pictures.h"
#include "shell/ui/tool_screen.h"

namespace coinwell {

BackgroundSelector::BackgroundSelector(AppContext& context, BackgroundArea* background,
                                       QWidget* parent)
    : WallpaperSelector({QStringLiteral("Background Selector"), QStringLiteral("Command1"), {}, {}},
                        parent),
      context_(context),
      background_(background) {
    connect(button(0), &QPushButton::clicked, this, &BackgroundSelector::selectColorBackground);
    connect(button(1), &QPushButton::clicked, this, &BackgroundSelector::useDefaultBackground);
    connect(button(2), &QPushButton::clicked, this, &BackgroundSelector::useAboveBackground);
    connect(button(3), &QPushButton::clicked, this, &BackgroundSelector::cancel);
    connect(this, &WallpaperSelector::thumbnailMarked, this, &BackgroundSelector::previewWallpaper);
}

void BackgroundSelector::toggle() {
    if (isVisible() || isOpen()) {
        closeSelector();
        return;
    }
    context_.desktop.beginBusy();
    // The thumbnail last clicked stays the pending choice: "Use Above Background" keeps it.
    const std::optional<int> stored = wallpaperNumber(context_.settings.screenBackground);
    if (stored) {
        showStoredBackground();
    } else {
        background_->setPicture({});
    }
    openSelector(stored);
    context_.desktop.endBusy();
}

void BackgroundSelector::previewWallpaper(int wallpaper) {
    background_->setPicture(loadInstallationPicture("WP" + std::to_string(wallpaper) + ".jpg"));
}

void BackgroundSelector::showStoredBackground() {
    const shell::Background stored = shell::interpretBackground(context_.settings.screenBackground);
    switch (stored.kind) {
        case shell::Background::Kind::Wallpaper:
            background_->setPicture(loadInstallationPicture(stored.pictureFile));
            return;
        case shell::Background::Kind::Color:
            background_->setColor(toQColor(stored.color));
            break;
        case shell::Background::Kind::Default:
            background_->setColor(defaultBackgroundColor());
            break;
        case shell::Background::Kind::Image:
        case shell::Background::Kind::Other:
            break;
    }
    background_->setPicture({});
}

void BackgroundSelector::selectColorBackground() {
    closeSelector();
    background_->setPicture({});
    RunSettings& settings = context_.settings;
    ColorNumber start = toColorNumber(background_->color());
    if (shell::isWallpaperName(settings.screenBackground)) {
        start = shell::kBlue;
        background_->setColor(toQColor(start));
    }
    const std::optional<ColorNumber> chosen = context_.desktop.chooseColor(start);
    if (!chosen) {
        showStoredBackground();
        return;
    }
    settings.screenBackground = std::to_string(*chosen);
    background_->setColor(toQColor(*chosen));
    writeScreenBackground(settings.screenBackground);
}

void BackgroundSelector::useDefaultBackground() {
    closeSelector();
    background_->setPicture({});
    const QColor color = defaultBackgroundColor();
    background_->setColor(color);
    writeScreenBackground("Def");
    context_.settings.screenBackground = std::to_string(toColorNumber(color));
}

void BackgroundSelector::useAboveBackground() {
    closeSelector();
    if (pendingWallpaper().empty()) {
        return;
    }
    context_.settings.screenBackground = pendingWallpaper();
    writeScreenBackground(pendingWallpaper());
}

void BackgroundSelector::cancel() {
    closeSelector();
    showStoredBackground();
}

}  // namespace coinwell
