#include "shell/ui/wallpaper_selector.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "common/ui/twips.h"
#include "shell/ui/pictures.h"

namespace coinwell {

namespace {

// Thumbnails in four rows of four, then the note, then the four buttons in two rows, twips
// inside the panel, filling it evenly.
constexpr int kPanelWidth = 5445;
constexpr int kPanelHeight = 6930;
constexpr int kThumbLeft = 210;
constexpr int kThumbTop = 540;
constexpr int kThumbWidth = 1125;
constexpr int kThumbHeight = 900;
constexpr int kThumbStepX = 1300;
constexpr int kThumbStepY = 1125;
constexpr int kNoteTop = 4935;
constexpr int kNoteHeight = 600;
constexpr int kButtonTops[2] = {5160, 5925};
constexpr int kButtonLefts[2] = {210, 2805};
constexpr int kButtonWidth = 2430;
constexpr int kButtonHeight = 600;
constexpr int kHighlightMargin = 30;

QRect twipRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace

WallpaperSelector::WallpaperSelector(const Design& design, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("SSPanel4"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    // The note takes a band of its own between the thumbnails and the buttons.
    const int noteBand = design.note.isEmpty() ? 0 : kNoteHeight + 90;
    resize(twipsToPixels(kPanelWidth), twipsToPixels(kPanelHeight + noteBand));

    auto* caption = new QLabel(design.caption, this);
    caption->setObjectName(QStringLiteral("SSPanel4Caption"));
    caption->setAlignment(Qt::AlignCenter);
    QFont captionFont = caption->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() + 1);
    caption->setFont(captionFont);
    caption->setGeometry(twipRect(60, 90, kPanelWidth - 120, 330));

    shape_ = new QFrame(this);
    shape_->setObjectName(QStringLiteral("Shape2"));
    shape_->setFrameShape(QFrame::Box);
    shape_->setLineWidth(2);
    QPalette shapePalette = shape_->palette();
    shapePalette.setColor(QPalette::WindowText, Qt::red);
    shape_->setPalette(shapePalette);
    shape_->hide();

    for (int i = 0; i < kThumbnails; ++i) {
        auto* thumb = new QLabel(this);
        thumb->setObjectName(QStringLiteral("Image3(%1)").arg(i));
        thumb->setGeometry(twipRect(kThumbLeft + (i % 4) * kThumbStepX,
                                    kThumbTop + (i / 4) * kThumbStepY, kThumbWidth, kThumbHeight));
        thumb->setScaledContents(true);
        thumb->setFrameShape(QFrame::Panel);
        thumb->setFrameShadow(QFrame::Raised);
        thumb->setLineWidth(2);
        thumb->setCursor(Qt::PointingHandCursor);
        thumb->setToolTip(QStringLiteral("WP%1").arg(i + 1));
        thumb->installEventFilter(this);
        thumbnails_[static_cast<std::size_t>(i)] = thumb;
    }
    shape_->raise();

    if (!design.note.isEmpty()) {
        note_ = new QLabel(design.note, this);
        note_->setObjectName(design.noteName);
        note_->setAlignment(Qt::AlignCenter);
        note_->setWordWrap(true);
        note_->setGeometry(
            twipRect(kThumbLeft, kNoteTop, kPanelWidth - 2 * kThumbLeft, kNoteHeight));
    }

    const char* captions[4] = {"&Select Color Background", "Use &Default Background",
                               "Use &Above Background", "&Cancel"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(captions[i]), this);
        button->setObjectName(QStringLiteral("%1(%2)").arg(design.buttonName).arg(i));
        button->setGeometry(twipRect(kButtonLefts[i % 2], kButtonTops[i / 2] + noteBand,
                                     kButtonWidth, kButtonHeight));
        button->setFocusPolicy(Qt::NoFocus);
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    buttons_[2]->setEnabled(false);

    hide();
}

void WallpaperSelector::openSelector(std::optional<int> marked) {
    for (int i = 0; i < kThumbnails; ++i) {
        QLabel* thumb = thumbnails_[static_cast<std::size_t>(i)];
        thumb->setPixmap(
            loadInstallationPicture("WP" + std::to_string(i + 1) + ".jpg", thumb->size()));
        thumb->setFrameShadow(QFrame::Raised);
        thumb->setLineWidth(2);
    }
    shape_->hide();
    if (marked && *marked >= 1 && *marked <= kThumbnails) {
        markThumbnail(*marked - 1);
    }
    show();
    raise();
    open_ = true;
}

void WallpaperSelector::closeSelector() {
    if (!open_) {
        return;
    }
    hide();
    for (QLabel* thumb : thumbnails_) {
        thumb->setPixmap(QPixmap());
    }
    open_ = false;
}

void WallpaperSelector::markThumbnail(int index) {
    for (int i = 0; i < kThumbnails; ++i) {
        QLabel* thumb = thumbnails_[static_cast<std::size_t>(i)];
        thumb->setFrameShadow(i == index ? QFrame::Plain : QFrame::Raised);
        thumb->setLineWidth(i == index ? 0 : 2);
    }
    const QRect thumb = thumbnails_[static_cast<std::size_t>(index)]->geometry();
    const int margin = twipsToPixels(kHighlightMargin);
    shape_->setGeometry(thumb.adjusted(-margin, -margin, margin, margin));
    shape_->show();
    shape_->raise();
}

void WallpaperSelector::thumbnailClicked(int index) {
    if (index < 0 || index >= kThumbnails) {
        return;
    }
    buttons_[2]->setEnabled(true);
    markThumbnail(index);
    pendingWallpaper_ = "WP" + std::to_string(index + 1);
    emit thumbnailMarked(index + 1);
}

bool WallpaperSelector::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < kThumbnails; ++i) {
            if (watched == thumbnails_[static_cast<std::size_t>(i)]) {
                thumbnailClicked(i);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace coinwell
