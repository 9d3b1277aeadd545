#include "shell/ui/background_selector.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "common/core/settings_files.h"
#include "common/ui/colors.h"
#include "common/ui/twips.h"
#include "shell/core/frame_rules.h"
#include "shell/ui/pictures.h"
#include "shell/ui/tool_screen.h"

namespace coinwell {

namespace {

// Thumbnails in four rows of four, and the four buttons in two rows below them, twips inside
// the panel, filling it evenly.
constexpr int kThumbLeft = 210;
constexpr int kThumbTop = 540;
constexpr int kThumbWidth = 1125;
constexpr int kThumbHeight = 900;
constexpr int kThumbStepX = 1300;
constexpr int kThumbStepY = 1125;
constexpr int kButtonTops[2] = {5160, 5925};
constexpr int kButtonLefts[2] = {210, 2805};
constexpr int kButtonWidth = 2430;
constexpr int kButtonHeight = 600;
constexpr int kHighlightMargin = 30;

QRect twipRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace

BackgroundSelector::BackgroundSelector(AppContext& context, BackgroundArea* background,
                                       QWidget* parent)
    : QFrame(parent), context_(context), background_(background) {
    setObjectName(QStringLiteral("SSPanel4"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    resize(twipsToPixels(5445), twipsToPixels(6930));

    auto* caption = new QLabel(QStringLiteral("Background Selector"), this);
    caption->setObjectName(QStringLiteral("SSPanel4Caption"));
    caption->setAlignment(Qt::AlignCenter);
    QFont captionFont = caption->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() + 1);
    caption->setFont(captionFont);
    caption->setGeometry(twipRect(60, 90, 5325, 330));

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

    const char* captions[4] = {"&Select Color Background", "Use &Default Background",
                               "Use &Above Background", "&Cancel"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(captions[i]), this);
        button->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        button->setGeometry(
            twipRect(kButtonLefts[i % 2], kButtonTops[i / 2], kButtonWidth, kButtonHeight));
        button->setFocusPolicy(Qt::NoFocus);
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    connect(buttons_[0], &QPushButton::clicked, this, &BackgroundSelector::selectColorBackground);
    connect(buttons_[1], &QPushButton::clicked, this, &BackgroundSelector::useDefaultBackground);
    connect(buttons_[2], &QPushButton::clicked, this, &BackgroundSelector::useAboveBackground);
    connect(buttons_[3], &QPushButton::clicked, this, &BackgroundSelector::cancel);
    buttons_[2]->setEnabled(false);

    hide();
}

void BackgroundSelector::setRaisedLook(int flatIndex) {
    for (int i = 0; i < kThumbnails; ++i) {
        thumbnails_[static_cast<std::size_t>(i)]->setFrameShadow(i == flatIndex ? QFrame::Plain
                                                                                : QFrame::Raised);
        thumbnails_[static_cast<std::size_t>(i)]->setLineWidth(i == flatIndex ? 0 : 2);
    }
}

void BackgroundSelector::frameThumbnail(int index) {
    const QRect thumb = thumbnails_[static_cast<std::size_t>(index)]->geometry();
    const int margin = twipsToPixels(kHighlightMargin);
    shape_->setGeometry(thumb.adjusted(-margin, -margin, margin, margin));
    shape_->show();
    shape_->raise();
}

void BackgroundSelector::toggle() {
    if (isVisible() || open_) {
        closeSelector();
        return;
    }
    context_.desktop.beginBusy();
    for (int i = 0; i < kThumbnails; ++i) {
        QLabel* thumb = thumbnails_[static_cast<std::size_t>(i)];
        thumb->setPixmap(
            loadInstallationPicture("WP" + std::to_string(i + 1) + ".jpg", thumb->size()));
    }
    setRaisedLook(-1);
    shape_->hide();
    // The thumbnail last clicked stays the pending choice: "Use Above Background" keeps it.
    const std::string& stored = context_.settings.screenBackground;
    if (const auto number = wallpaperNumber(stored)) {
        showStoredBackground();
        setRaisedLook(*number - 1);
        frameThumbnail(*number - 1);
    } else {
        background_->setPicture({});
    }
    show();
    raise();
    open_ = true;
    context_.desktop.endBusy();
}

void BackgroundSelector::closeSelector() {
    if (!open_) {
        return;
    }
    hide();
    for (QLabel* thumb : thumbnails_) {
        thumb->setPixmap(QPixmap());
    }
    open_ = false;
}

void BackgroundSelector::thumbnailClicked(int index) {
    buttons_[2]->setEnabled(true);
    setRaisedLook(index);
    frameThumbnail(index);
    pendingWallpaper_ = "WP" + std::to_string(index + 1);
    background_->setPicture(loadInstallationPicture(pendingWallpaper_ + ".jpg"));
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
    if (pendingWallpaper_.empty()) {
        return;
    }
    context_.settings.screenBackground = pendingWallpaper_;
    writeScreenBackground(pendingWallpaper_);
}

void BackgroundSelector::cancel() {
    closeSelector();
    showStoredBackground();
}

bool BackgroundSelector::eventFilter(QObject* watched, QEvent* event) {
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
