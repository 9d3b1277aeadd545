#pragma once
// The panel the background selectors share ("SSPanel4"): a caption, the sixteen wallpaper
// thumbnails ("Image3"(0-15), pictures WP1.jpg ... WP16.jpg), the frame around the chosen one
// ("Shape2"), an optional note, and four buttons: "&Select Color Background", "Use &Default
// Background", "Use &Above Background" (enabled by the first thumbnail clicked) and "&Cancel".
// The panel marks the thumbnail clicked and remembers it as the candidate "WP" + n; what a
// click shows and what the buttons do is its owner's (the main screen's Background Selector,
// the Home Budget's Grid Background Selector).

#include <array>
#include <optional>
#include <string>

#include <QFrame>

class QLabel;
class QPushButton;

namespace coinwell {

class WallpaperSelector : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kThumbnails = 16;

    struct Design {
        QString caption;     // "Background Selector"
        QString buttonName;  // the buttons are buttonName(0) ... buttonName(3)
        QString noteName;    // a label under the thumbnails (none when the text is empty)
        QString note;
    };

    WallpaperSelector(const Design& design, QWidget* parent);

    bool isOpen() const { return open_; }
    // Loads the thumbnails, all drawn raised with none framed, marks wallpaper `marked` (1-16)
    // when given, and shows the panel.
    void openSelector(std::optional<int> marked);
    // Hides the panel and releases the thumbnail pictures.
    void closeSelector();

    // A click on thumbnail index (0-15): "Use Above Background" enabled, the thumbnail drawn flat
    // inside Shape2, "WP" + (index + 1) the candidate; then thumbnailMarked tells the owner.
    void thumbnailClicked(int index);
    // The wallpaper of the thumbnail clicked last ("WP7"), empty before any click.
    const std::string& pendingWallpaper() const { return pendingWallpaper_; }

    QLabel* thumbnail(int index) const { return thumbnails_[static_cast<std::size_t>(index)]; }
    QFrame* highlight() const { return shape_; }
    QPushButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
    QLabel* note() const { return note_; }

  signals:
    // After a click on a thumbnail: its wallpaper number (1-16), the candidate now.
    void thumbnailMarked(int wallpaper);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void markThumbnail(int index);

    std::array<QLabel*, kThumbnails> thumbnails_{};
    QFrame* shape_ = nullptr;
    QLabel* note_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};
    std::string pendingWallpaper_;
    bool open_ = false;
};

}  // namespace coinwell
