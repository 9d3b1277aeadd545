#include "shell/ui/about_box.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "common/ui/app_context.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_desktop.h"
#include "common/ui/screen_activation.h"
#include "common/ui/twips.h"

namespace coinwell {

namespace {

// A word joiner (U+2060) keeps "and/or" on one line: a line may otherwise break after the slash.
constexpr char kLegalNotice[] =
    "Copyright \u00A9 2026 the Coinwell authors.\n"
    "Coinwell is free software: you may redistribute it and/\u2060or modify it under the terms of "
    "the GNU General Public License, version 3 or (at your option) any later version. It comes "
    "with ABSOLUTELY NO WARRANTY.";

QPixmap installedPicture(const QString& name) {
    const QString path = findInstallationFile(name);
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}

}  // namespace

QString webSiteName() {
    return QUrl(QString::fromLatin1(kHomePageUrl)).host();
}

About1::About1(AppContext& context, QWidget* mainScreen)
    : QDialog(mainScreen), context_(context), mainScreen_(mainScreen) {
    setObjectName(QStringLiteral("About1"));
    markAsProgramScreen(this);
    setWindowTitle(QStringLiteral("About Coinwell"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // The box takes the colour of its hidden colour label, the default face colour.
    auto* colorLabel = new QLabel(this);
    colorLabel->setObjectName(QStringLiteral("Label2"));
    colorLabel->setAutoFillBackground(true);
    colorLabel->hide();
    QPalette face = palette();
    face.setColor(QPalette::Window, colorLabel->palette().color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("Image1"));
    const QPixmap emblemPicture = installedPicture(QStringLiteral("MainPicture.png"));
    if (!emblemPicture.isNull()) {
        emblem->setPixmap(
            emblemPicture.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    emblem->setFixedSize(100, 100);
    emblem->setAlignment(Qt::AlignCenter);

    auto* product = new QLabel(QStringLiteral("Coinwell\nVersion 6.0"), this);
    product->setObjectName(QStringLiteral("Label1(0)"));
    QFont productFont(QStringLiteral("Times New Roman"));
    productFont.setPixelSize(22);
    productFont.setBold(true);
    product->setFont(productFont);

    auto* notice = new QLabel(QString::fromUtf8(kLegalNotice), this);
    notice->setObjectName(QStringLiteral("Label1(1)"));
    notice->setWordWrap(true);

    auto* webLabel = new QLabel(QStringLiteral("Web Site:"), this);
    webLabel->setObjectName(QStringLiteral("Label4"));
    webSite_ = new QLabel(webSiteName(), this);
    webSite_->setObjectName(QStringLiteral("Label5"));
    webSite_->setCursor(Qt::PointingHandCursor);
    QFont linkFont = webSite_->font();
    linkFont.setUnderline(true);
    webSite_->setFont(linkFont);
    QPalette link = webSite_->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 192));
    webSite_->setPalette(link);
    webSite_->installEventFilter(this);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image3"));
    picture_->setPixmap(installedPicture(QStringLiteral("AboutPicture.png")));
    picture_->setFixedSize(100, 100);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setCursor(Qt::PointingHandCursor);
    picture_->setToolTip(webSiteName());
    picture_->installEventFilter(this);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Command1"));
    ok_->setDefault(true);
    ok_->installEventFilter(this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    okMenu_ = new QMenu(this);
    okMenu_->setObjectName(QStringLiteral("mO"));
    QAction* okItem = okMenu_->addAction(QStringLiteral("OK"));
    okItem->setObjectName(QStringLiteral("mOOK"));
    connect(okItem, &QAction::triggered, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addSpacing(6);
    text->addWidget(notice);
    text->addStretch();
    auto* web = new QHBoxLayout;
    web->addWidget(webLabel);
    web->addWidget(webSite_);
    web->addStretch();
    text->addLayout(web);

    auto* top = new QHBoxLayout;
    top->addWidget(emblem, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(text, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(picture_);
    bottom->addStretch();
    bottom->addWidget(ok_, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    setFixedSize(470, 310);
}

void About1::placeOverMainScreen() {
    if (!mainScreen_) {
        return;
    }
    // Over the middle of the main screen, 200 twips lower.
    const QRect main = mainScreen_->frameGeometry();
    const QSize box = frameGeometry().size().expandedTo(size());
    move(main.left() + main.width() / 2 - box.width() / 2,
         main.top() + main.height() / 2 - box.height() / 2 + twipsToPixels(200));
}

void About1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeOverMainScreen();
}

bool About1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        context_.desktop.endBusy();
    }
    return QDialog::event(event);
}

bool About1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if ((watched == webSite_ || watched == picture_) && mouse->button() == Qt::LeftButton) {
            context_.desktop.openWebSite();
            return true;
        }
        if (watched == ok_ && mouse->button() == Qt::RightButton) {
            okMenu_->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void showAboutBox(AppContext& context, QWidget* parent) {
    About1 box(context, parent);
    box.exec();
}

}  // namespace coinwell
