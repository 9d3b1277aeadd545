#include "shell/ui/tool_screen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <functional>

#include "common/core/shared_routines.h"
#include "common/ui/accessible_names.h"
#include "common/ui/colors.h"
#include "common/ui/open_entry.h"
#include "common/ui/qt_text.h"
#include "common/ui/screen_activation.h"
#include "common/ui/twips.h"
#include "shell/core/frame_rules.h"
#include "shell/core/shell_settings.h"
#include "shell/ui/pictures.h"
#include "shell/ui/proportional_resizer.h"

namespace coinwell {

namespace {

shell::TwipSize toTwips(const QSize& size) {
    return {pixelsToTwips(size.width()), pixelsToTwips(size.height())};
}

// Waits for the right button's release anywhere in the program (a child that swallows the
// release, such as a grid, included) and then runs its action once.
class RightReleaseWatcher : public QObject {
  public:
    RightReleaseWatcher(QObject* parent, std::function<void(const QPoint&)> action)
        : QObject(parent), action_(std::move(action)) {
        qApp->installEventFilter(this);
    }
    ~RightReleaseWatcher() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            qApp->removeEventFilter(this);
            const QPoint where = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            auto action = std::move(action_);
            deleteLater();
            action(where);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void(const QPoint&)> action_;
};

const char* kPanelColorQuestion =
    "Select New Color or Use System Default Color?\r\r"
    "Yes = Color Selection Panel will appear.\r"
    "No = Current System Default Color will be selected.";

}  // namespace

// ---------------------------------------------------------------------------------------------

BackgroundArea::BackgroundArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    color_ = defaultBackgroundColor();
}

void BackgroundArea::setColor(const QColor& color) {
    color_ = color;
    update();
}

void BackgroundArea::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void BackgroundArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), color_);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    }
}

QFrame* makePanel3D(QWidget* parent, const QString& objectName) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(objectName);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    return panel;
}

void setPanelColor3D(QWidget* panel, const QColor& color) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    // Light and dark edges of the 3-D border follow the colour.
    palette.setColor(QPalette::Light, color.lighter(150));
    palette.setColor(QPalette::Midlight, color.lighter(125));
    palette.setColor(QPalette::Dark, color.darker(200));
    palette.setColor(QPalette::Mid, color.darker(150));
    panel->setPalette(palette);
}

QColor defaultBackgroundColor() {
    return QApplication::palette().color(QPalette::Button);
}

// ---------------------------------------------------------------------------------------------

ToolScreen::ToolScreen(AppContext& context, ToolScreenSpec spec, QWidget* mainScreen)
    : QMainWindow(nullptr), context_(context), spec_(std::move(spec)), mainScreen_(mainScreen) {
    setObjectName(toQString(spec_.objectName));
    setWindowTitle(toQString(spec_.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    // Every command of the screen ends an entry still open in a grid first.
    new OpenEntryGuard(this);

    background_ = new BackgroundArea(this);
    background_->setObjectName(QStringLiteral("Image1"));
    setCentralWidget(background_);

    centralPanel_ = makePanel3D(background_, toQString(spec_.centralPanelName));
    centralPanel_->resize(twipsToPixels(spec_.panelSize.width),
                          twipsToPixels(spec_.panelSize.height));
    centralPanel_->hide();

    // The panel and its controls grow and shrink with the window; the panel's place stays the
    // centring rule's. Other panels over the area (print options) lay themselves out.
    resizer_ = new ProportionalResizer(background_);
    resizer_->setRoots({centralPanel_});
    resizer_->keepPlace(centralPanel_);
    connect(resizer_, &ProportionalResizer::rescaled, this, [this] {
        if (activated_ && isVisible()) {
            mainScreenSize_ = frameGeometry().size();
            placeCentralPanel();
            controlsResized();
        }
    });

    buildMenus();

    // The activation steps run when the screen is entered from another of the program's screens,
    // not each time the focus comes back to it.
    connect(markAsProgramScreen(this), &ScreenActivation::activated, this, &ToolScreen::activate);

    // The main screen's size, taken at load: the central panel is placed on it.
    mainScreenSize_ = mainScreen_ ? mainScreen_->frameGeometry().size() : QSize(800, 600);

    applyStoredBackground();

    panelColor_ = storedPanelColor();
    setPanelColor3D(centralPanel_, panelColor_);
}

ToolScreen::~ToolScreen() = default;

void ToolScreen::buildMenus() {
    const auto& names = spec_.menus;
    auto named = [](QAction* action, const std::string& name) {
        action->setObjectName(toQString(name));
        return action;
    };

    optionsMenu_ = menuBar()->addMenu(QStringLiteral("&Options"));
    optionsMenu_->setObjectName(toQString(names.options));
    optionsMenu_->menuAction()->setObjectName(toQString(names.options));
    panelColorAction_ =
        named(optionsMenu_->addAction(QStringLiteral("Panel C&olor")), names.panelColor);
    connect(panelColorAction_, &QAction::triggered, this, [this] { choosePanelColor(); });
    named(optionsMenu_->addSeparator(), names.separator1);
    if (spec_.hasPrintOptions) {
        printOptionsAction_ =
            named(optionsMenu_->addAction(QStringLiteral("&Print Options")), names.printOptions);
        connect(printOptionsAction_, &QAction::triggered, this, [this] { openPrintOptions(); });
        printOptionsAction_->setEnabled(spec_.printOptionsStartEnabled);
        named(optionsMenu_->addSeparator(), names.separator2);
    }
    exitAction_ = named(optionsMenu_->addAction(QStringLiteral("E&xit")), names.exit);
    connect(exitAction_, &QAction::triggered, this, &ToolScreen::closeByCommand);

    if (spec_.hasCopy) {
        editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
        editMenu_->setObjectName(toQString(names.edit));
        editMenu_->menuAction()->setObjectName(toQString(names.edit));
        copyAction_ = named(editMenu_->addAction(toQString(names.copyCaption)), names.copy);
        connect(copyAction_, &QAction::triggered, this, [this] { copyToClipboard(); });
    }

    helpAction_ = named(menuBar()->addAction(QStringLiteral("&Help")), names.help);
    connect(helpAction_, &QAction::triggered, this, &ToolScreen::showHelp);

    helpShortcut_ = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpShortcut_, &QShortcut::activated, this, &ToolScreen::showHelp);
    escapeShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escapeShortcut_->setEnabled(spec_.escapeCloses);
    connect(escapeShortcut_, &QShortcut::activated, this, &ToolScreen::handleEscape);

    if (spec_.popup == shell::PopupKind::OwnMenu) {
        ownPopup_ = new QMenu(this);
        ownPopup_->setObjectName(toQString(names.popup));
        ownPopup_->setTitle(QStringLiteral("&V"));
        popupPanelColor_ =
            named(ownPopup_->addAction(toQString(names.popupPanelColorCaption)), "mVPC");
        named(ownPopup_->addSeparator(), "mV1");
        popupCopy_ = named(ownPopup_->addAction(QStringLiteral("&Copy")), "mVC");
        popupPrint_ = named(ownPopup_->addAction(toQString(names.popupPrintCaption)), "mVP");
        named(ownPopup_->addSeparator(), "mV3");
        QAction* popupExit = named(ownPopup_->addAction(QStringLiteral("E&xit")), "mVE");
        connect(popupPanelColor_, &QAction::triggered, this, [this] { choosePanelColor(); });
        connect(popupCopy_, &QAction::triggered, this, [this] { copyToClipboard(); });
        connect(popupPrint_, &QAction::triggered, this, [this] { openPrintOptions(); });
        connect(popupExit, &QAction::triggered, this, &ToolScreen::closeByCommand);
        popupPrint_->setEnabled(spec_.printOptionsStartEnabled);
        popupMenu_ = ownPopup_;
    } else {
        popupMenu_ = optionsMenu_;
    }
}

void ToolScreen::applyStoredBackground() {
    const shell::Background stored = shell::interpretBackground(context_.settings.screenBackground);
    using Kind = shell::Background::Kind;
    background_->setColor(defaultBackgroundColor());
    switch (stored.kind) {
        case Kind::Color:
            background_->setColor(toQColor(stored.color));
            break;
        case Kind::Default:
            background_->setColor(defaultBackgroundColor());
            break;
        case Kind::Wallpaper:
            // Shown at activation; a missing file leaves the colour.
            wallpaper_ = loadInstallationPicture(stored.pictureFile);
            break;
        case Kind::Image:
            // The screen's own picture, named after it; the Actuarial Calculator reads "Image"
            // as any other text and keeps its design colour.
            if (spec_.acceptsImageBackground) {
                designPicture_ = loadInstallationPicture(spec_.objectName + ".jpg");
            }
            break;
        case Kind::Other:
            break;
    }
}

void ToolScreen::showWallpaperIfAny() {
    const std::string& value = context_.settings.screenBackground;
    if (shell::isWallpaperName(value)) {
        if (!wallpaper_.isNull()) {
            background_->setPicture(wallpaper_);
        }
    } else if (value == "Image" && spec_.acceptsImageBackground && !designPicture_.isNull()) {
        background_->setPicture(designPicture_);
    }
}

void ToolScreen::present() {
    nameControlsByCaptions(this);
    panelColorChanged(panelColor_);
    if (context_.settings.displayMode == DisplayMode::Smaller && mainScreen_) {
        setGeometry(mainScreen_->geometry());
        showNormal();
    } else {
        // Where no window manager maximizes windows, the screen still covers the main screen.
        if (mainScreen_) {
            setGeometry(mainScreen_->geometry());
        }
        showMaximized();
    }
    raise();
    activateWindow();
}

void ToolScreen::activate() {
    if (closing_) {
        return;  // a late activation: the main screen is already back
    }
    hideMainScreen();
    if (!resizer_->designRecorded()) {
        // The window as it first shows is the design: the controls stand as the screen made them.
        resizer_->recordDesign();
    }
    placeCentralPanel();
    activated();
    context_.desktop.processEvents();
    showWallpaperIfAny();
    centralPanel_->show();
    activated_ = true;
    context_.desktop.endBusy();
}

void ToolScreen::placeCentralPanel() {
    const shell::TwipPoint place = shell::toolPanelPosition(
        toTwips(mainScreenSize_), toTwips(centralPanel_->size()), spec_.leftOffset);
    centralPanel_->move(std::max(0, twipsToPixels(place.left)),
                        std::max(0, twipsToPixels(place.top)));
}

void ToolScreen::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // Once shown, the panel (scaled with the window) keeps to the middle of the screen's own
    // window as it is resized.
    if (activated_ && isVisible()) {
        mainScreenSize_ = frameGeometry().size();
        placeCentralPanel();
    }
}

void ToolScreen::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Whenever the screen has the focus, the main screen stays out of sight (not once the screen
    // is closing and the main screen is back).
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !closing_) {
        hideMainScreen();
    }
}

void ToolScreen::hideMainScreen() {
    if (mainScreen_ && mainScreen_->isVisible()) {
        mainScreen_->hide();
    }
}

QColor ToolScreen::designPanelColor() const {
    return toQColor(spec_.designPanelColor);
}

void ToolScreen::applyPanelColor(const QColor& color) {
    panelColor_ = color;
    setPanelColor3D(centralPanel_, color);
    panelColorChanged(color);
}

QColor ToolScreen::storedPanelColor() const {
    const std::string record = shell::readPanelColorRecord(spec_.panelColorRecord);
    return toQColor(
        shell::panelColorFromRecord(record, spec_.designPanelColor, spec_.fallbackColor));
}

void ToolScreen::applyStoredPanelColor() {
    applyPanelColor(storedPanelColor());
    panelColorChanged_ = false;
    defaultChosen_ = false;
}

void ToolScreen::choosePanelColor() {
    context_.desktop.endBusy();
    const Answer answer =
        context_.desktop.message({kPanelColorQuestion, "Panel Color", MessageIcon::Information,
                                  MessageButtons::YesNoCancel, Answer::Yes});
    if (answer == Answer::Yes) {
        const std::optional<ColorNumber> chosen =
            context_.desktop.chooseColor(toColorNumber(panelColor_));
        if (!chosen) {
            return;
        }
        applyPanelColor(toQColor(*chosen));
        panelColorChanged_ = true;
        defaultChosen_ = false;
    } else if (answer == Answer::No) {
        if (spec_.designPanelColor == 0) {
            showColorConflict(context_.desktop);
            return;
        }
        applyPanelColor(designPanelColor());
        panelColorChanged_ = true;
        defaultChosen_ = true;
    }
}

void ToolScreen::savePanelColor() {
    const std::string text =
        shell::panelColorRecordText(defaultChosen_, toColorNumber(panelColor_));
    shell::writePanelColorRecord(spec_.panelColorRecord, text);
    RunSettings& settings = context_.settings;
    settings.pendingPanelColor = text;
    if (shell::panelColorNeedsUpdateForAll(settings.pendingPanelColor, settings.panelColor)) {
        applyPanelColorToAll(context_.desktop, settings);
    }
}

void ToolScreen::settleColorChanges(bool store) {
    if (store) {
        savePanelColor();
    }
    panelColorChanged_ = false;
}

int ToolScreen::helpTopic() const {
    if (spec_.printOptionsHelpTopic != 0 && printPanelShown()) {
        return spec_.printOptionsHelpTopic;
    }
    return spec_.helpTopic;
}

void ToolScreen::showHelp() {
    context_.desktop.showHelpTopic(helpTopic());
}

void ToolScreen::handleEscape() {
    if (printPanelShown()) {
        closePrintPanel();
    } else {
        closeByCommand();
    }
}

void ToolScreen::setCopyEnabled(bool enabled) {
    if (copyAction_) {
        copyAction_->setEnabled(enabled);
    }
    if (popupCopy_) {
        popupCopy_->setEnabled(enabled);
    }
}

void ToolScreen::setPrintOptionsEnabled(bool enabled) {
    if (printOptionsAction_) {
        printOptionsAction_->setEnabled(enabled);
    }
    if (popupPrint_) {
        popupPrint_->setEnabled(enabled);
    }
}

void ToolScreen::preparePopupMenu() {
    // The own menu's Copy and Print follow the menu-bar items unless the screen says otherwise.
    if (popupCopy_) {
        popupCopy_->setEnabled(copyAction_ && copyAction_->isEnabled());
    }
    if (popupPrint_) {
        popupPrint_->setEnabled(printOptionsAction_ && printOptionsAction_->isEnabled());
    }
}

void ToolScreen::showPopupMenu(const QPoint& globalPos) {
    if (!popupMenu_) {
        return;
    }
    preparePopupMenu();
    popupMenu_->popup(globalPos);
}

void ToolScreen::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() == QContextMenuEvent::Mouse &&
        (QGuiApplication::mouseButtons() & Qt::RightButton)) {
        // Where the menu is asked for on the press, it still comes up on the release.
        if (!rightReleaseWatcher_) {
            rightReleaseWatcher_ = new RightReleaseWatcher(this, [this](const QPoint& where) {
                rightReleaseWatcher_ = nullptr;
                showPopupMenu(where);
            });
        }
        return;
    }
    showPopupMenu(event->globalPos());
}

bool ToolScreen::closeByCommand() {
    closingByCommand_ = true;
    const bool closed = close();
    closingByCommand_ = false;
    return closed;
}

void ToolScreen::closeQuietly() {
    quiet_ = true;
    close();
}

void ToolScreen::closeEvent(QCloseEvent* event) {
    if (quiet_) {
        event->accept();
        return;
    }
    context_.desktop.endBusy();
    if (colorChangesPending()) {
        const Answer answer =
            context_.desktop.message({spec_.colorChangesQuestion, "Color Changes",
                                      MessageIcon::Question, MessageButtons::YesNo, Answer::Yes});
        settleColorChanges(answer == Answer::Yes);
    }
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    closing_ = true;
    if (mainScreen_) {
        if (!mainScreen_->isMaximized()) {
            // The main screen's frame goes where this screen's frame stands. Hidden, the main
            // screen's frame is unknown to Qt (a move would place its client area there), so
            // place its client area where this one's is: both windows wear the same frame.
            mainScreen_->setGeometry(QRect(geometry().topLeft(), mainScreen_->size()));
        }
        mainScreen_->show();
        mainScreen_->raise();
        mainScreen_->activateWindow();
    }
    event->accept();
}

}  // namespace coinwell
