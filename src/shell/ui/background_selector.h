#pragma once
// The main screen's Background Selector ("SSPanel4", buttons "Command1"(0-3)): a click on a
// thumbnail shows that wallpaper over the whole window; the buttons store a colour of the
// user's choice, the default colour or the wallpaper clicked last, or Cancel restores what was
// in force.

#include "common/ui/app_context.h"
#include "shell/ui/wallpaper_selector.h"

namespace coinwell {

class BackgroundArea;

class BackgroundSelector : public WallpaperSelector {
    Q_OBJECT
  public:
    BackgroundSelector(AppContext& context, BackgroundArea* background, QWidget* parent);

    // Opens the selector, or closes it when it is open.
    void toggle();

    void selectColorBackground();
    void useDefaultBackground();
    void useAboveBackground();
    void cancel();

    // The stored background shown again: its wallpaper, or its colour.
    void showStoredBackground();

  private:
    void previewWallpaper(int wallpaper);

    AppContext& context_;
    BackgroundArea* background_;
};

}  // namespace coinwell
