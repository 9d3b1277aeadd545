#include "shell/ui/splash_screen.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "common/core/shared_routines.h"
#include "common/ui/app_context.h"
#include "common/ui/program_folder.h"
#include "common/ui/screen_activation.h"
#include "common/ui/twips.h"

namespace coinwell {

namespace {

QPixmap installedPicture(const QString& name) {
    const QString path = findInstallationFile(name);
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}

// The picture panel: the product picture filling a raised panel.
class PicturePanel : public QFrame {
  public:
    explicit PicturePanel(QWidget* parent)
        : QFrame(parent), picture_(installedPicture("Splash.png")) {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(2);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        if (picture_.isNull()) {
            painter.fillRect(rect(), QColor(12, 48, 80));
        } else {
            painter.drawPixmap(rect(), picture_);
        }
        painter.end();
        QFrame::paintEvent(event);
    }

  private:
    QPixmap picture_;
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                  const QColor& color) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

}  // namespace

Splash1::Splash1(AppContext& context, Pause pause, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      context_(context),
      pause_(pause ? std::move(pause) : Pause(waitShowingOnly)) {
    setObjectName(QStringLiteral("Splash1"));
    markAsProgramScreen(this);
    setWindowTitle(QStringLiteral("Coinwell"));
    setModal(true);

    auto* panel = new PicturePanel(this);
    panel->setObjectName(QStringLiteral("SSPanel1"));
    panel->setFixedSize(twipsToPixels(6515), twipsToPixels(4000));

    QFont nameFont(QStringLiteral("Times New Roman"));
    nameFont.setPixelSize(46);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    makeLabel(panel, "Label9", QStringLiteral("Coinwell"), nameFont, QColor(255, 236, 170))
        ->move(24, 26);

    QFont versionFont(QStringLiteral("Arial"));
    versionFont.setPixelSize(16);
    makeLabel(panel, "Label7", QStringLiteral("Version 6.0"), versionFont, QColor(230, 236, 245))
        ->move(30, 90);

    auto* badge = new QFrame(panel);
    badge->setObjectName(QStringLiteral("SSPanel2"));
    badge->setFrameStyle(QFrame::Panel | QFrame::Raised);
    badge->setLineWidth(2);
    badge->setAutoFillBackground(true);
    QPalette badgeColors = badge->palette();
    badgeColors.setColor(QPalette::Window, QColor(200, 150, 40));
    badgeColors.setColor(QPalette::WindowText, QColor(40, 24, 0));
    badge->setPalette(badgeColors);
    badge->setGeometry(30, panel->height() - 70, 70, 42);
    QFont badgeFont(QStringLiteral("Arial"));
    badgeFont.setPixelSize(20);
    badgeFont.setBold(true);
    auto* badgeText = new QLabel(QStringLiteral("6.0"), badge);
    badgeText->setFont(badgeFont);
    badgeText->setAlignment(Qt::AlignCenter);
    badgeText->setGeometry(badge->rect());

    auto* second = new QLabel(panel);
    second->setObjectName(QStringLiteral("Image1"));
    const QPixmap emblem = installedPicture(QStringLiteral("MainPicture.png"));
    if (!emblem.isNull()) {
        second->setPixmap(emblem.scaled(150, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    second->setGeometry(panel->width() - 170, panel->height() / 2 - 70, 150, 150);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    setFixedSize(panel->size());

    // Centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void Splash1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) {
        return;
    }
    started_ = true;
    // Once shown: let it paint, wait twice two seconds, and close.
    QTimer::singleShot(0, this, &Splash1::pauseAndClose);
}

void Splash1::pauseAndClose() {
    context_.desktop.processEvents();
    pause_(2);
    pause_(2);
    context_.desktop.processEvents();
    accept();
}

namespace {

// The clock of the start-up pause: the system's seconds, and between two looks at it the window
// is let paint (keys and clicks wait until the pause is over).
class PaintingSecondsClock : public SecondsClock {
  public:
    int secondsField() override { return systemSecondsClock().secondsField(); }
    void sleepFor(std::chrono::milliseconds duration) override {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents,
                                        static_cast<int>(duration.count()));
        QThread::msleep(static_cast<unsigned long>(duration.count()));
    }
};

}  // namespace

void waitShowingOnly(int seconds) {
    PaintingSecondsClock clock;
    pauseSeconds(seconds, clock);
}

void showSplash(AppContext& context, Splash1::Pause pause) {
    Splash1 splash(context, std::move(pause));
    splash.exec();
}

bool showSplashOnce(AppContext& context, Splash1::Pause pause) {
    static bool shown = false;
    if (shown) {
        return false;
    }
    shown = true;
    showSplash(context, std::move(pause));
    return true;
}

}  // namespace coinwell
