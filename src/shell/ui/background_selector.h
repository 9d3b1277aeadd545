#pragma once
// The main screen's Background Selector ("SSPanel4"): sixteen wallpaper thumbnails ("Image3"),
// the highlight frame ("Shape2") and the buttons "Command1"(0-3): a colour of the user's choice,
// the default colour, the wallpaper clicked last, or Cancel restoring what was in force.

#include <array>

#include <QFrame>

#include "common/ui/app_context.h"

class QLabel;
class QPushButton;

namespace coinwell {

class BackgroundArea;

class BackgroundSelector : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kThumbnails = 16;

    BackgroundSelector(AppContext& context, BackgroundArea* background, QWidget* parent);

    // Opens the selector, or closes it when it is open.
    void toggle();
    bool isOpen() const { return open_; }
    // Hides the panel and releases the thumbnail pictures.
    void closeSelector();

    void thumbnailClicked(int index);
    void selectColorBackground();
    void useDefaultBackground();
    void useAboveBackground();
    void cancel();

    // The stored background shown again: its wallpaper, or its colour.
    void showStoredBackground();

    QLabel* thumbnail(int index) const { return thumbnails_[static_cast<std::size_t>(index)]; }
    QFrame* highlight() const { return shape_; }
    QPushButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
    const std::string& pendingWallpaper() const { return pendingWallpaper_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void frameThumbnail(int index);
    void setRaisedLook(int flatIndex);

    AppContext& context_;
    BackgroundArea* background_;
    std::array<QLabel*, kThumbnails> thumbnails_{};
    QFrame* shape_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};
    std::string pendingWallpaper_;
    bool open_ = false;
};

}  // namespace coinwell
