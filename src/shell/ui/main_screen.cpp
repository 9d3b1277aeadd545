#include "shell/ui/main_screen.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "common/core/settings_files.h"
#include "common/core/shared_routines.h"
#include "common/ui/colors.h"
#include "common/ui/display_state.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_text.h"
#include "common/ui/screen_activation.h"
#include "common/ui/twips.h"
#include "print/core/print_panel_settings.h"
#include "shell/ui/about_box.h"
#include "shell/ui/background_selector.h"
#include "shell/ui/pictures.h"
#include "shell/ui/reminder_panel.h"
#include "shell/ui/tool_registry.h"
#include "shell/ui/tool_screen.h"

namespace coinwell {

namespace {

// The main panel's design size and its design colour (the colour of "Default").
constexpr int kPanelWidth = 9135;
constexpr int kPanelHeight = 7365;
constexpr ColorNumber kMainPanelDesignColor = 0xC0C0C0;

struct ToolButton {
    int index;
    const char* caption;
    int left, top, width;
    shell::Tool tool;
};
constexpr int kButtonHeight = 900;
constexpr ToolButton kToolButtons[] = {
    {0, "&Actuarial Calculator", 300, 4700, 1905, shell::Tool::Actuarial},
    {1, "&Calculator", 2500, 4700, 1905, shell::Tool::Calculator},
    {2, "&Home Calculator", 4700, 4700, 1905, shell::Tool::HomeCalc},
    {3, "&Loan Calculator", 6900, 4700, 1905, shell::Tool::Loan},
    {4, "Home &Budget", 300, 6000, 4115, shell::Tool::Budget},
};

QRect twipRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// One bold font for all the buttons, made smaller only as far as the longest caption needs to fit
// across its button: no caption stands out smaller than its neighbours.
void fitCaptions(const std::vector<QPushButton*>& buttons) {
    QFont font = buttons.front()->font();
    font.setBold(true);
    const auto fits = [&font](QPushButton* button) {
        return QFontMetrics(font).horizontalAdvance(button->text().remove(QLatin1Char('&'))) <=
               button->width() - 12;
    };
    while (font.pointSizeF() > 6 && !std::all_of(buttons.begin(), buttons.end(), fits)) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    for (QPushButton* button : buttons) {
        button->setFont(font);
    }
}

}  // namespace

MainScreen::MainScreen(AppContext& context, const ToolScreenRegistry& tools, ScreenSize screenSize,
                       QWidget* parent)
    : QMainWindow(parent), context_(context), tools_(tools), screenSize_(std::move(screenSize)) {
    setObjectName(QStringLiteral("Startfrm"));
    setWindowTitle(QStringLiteral("Coinwell"));
    setFocusPolicy(Qt::StrongFocus);

    background_ = new BackgroundArea(this);
    background_->setObjectName(QStringLiteral("Image1"));
    setCentralWidget(background_);

    defaultColorLabel_ = new QLabel(background_);
    defaultColorLabel_->setObjectName(QStringLiteral("Label1"));
    defaultColorLabel_->setAutoFillBackground(true);
    defaultColorLabel_->hide();

    buildPanel();
    buildMenus();

    selector_ = new BackgroundSelector(context_, background_, background_);
    selector_->setAttribute(Qt::WA_NoMousePropagation);
    reminder_ = new ReminderPanel(background_);
    reminder_->hide();
    connect(reminder_, &ReminderPanel::optionsMenuRequested, this,
            [this](const QPoint& at) { optionsMenu_->popup(at); });

    // Activation: coming back from a tool screen, the splash or the About box, not the focus
    // returning from a message box or another program.
    connect(markAsProgramScreen(this), &ScreenActivation::activated, this, [this] {
        if (!exiting_) {
            activate();
        }
    });

    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape_, &QShortcut::activated, this, [this] { requestExit(); });
    help_ = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help_, &QShortcut::activated, this,
            [this] { context_.desktop.showHelpTopic(helpTopic()); });
}

MainScreen::~MainScreen() {
    closeToolsQuietly();
}

void MainScreen::buildPanel() {
    panel_ = makePanel3D(background_, QStringLiteral("Panel3D7"));
    panel_->setAttribute(Qt::WA_NoMousePropagation);
    panel_->setGeometry(twipRect(1800, 960, kPanelWidth, kPanelHeight));
    setPanelColor3D(panel_, toQColor(kMainPanelDesignColor));

    auto* caption = new QLabel(QStringLiteral("Coinwell"), panel_);
    caption->setObjectName(QStringLiteral("Panel3D7Caption"));
    caption->setAlignment(Qt::AlignCenter);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPixelSize(twipsToPixels(720));
    serif.setBold(true);
    serif.setItalic(true);
    caption->setFont(serif);
    caption->setGeometry(twipRect(120, 150, kPanelWidth - 240, 900));

    auto* picture = new QLabel(panel_);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setAlignment(Qt::AlignCenter);
    const QPixmap art = loadInstallationPicture("MainPicture.png");
    const QRect pictureRect = twipRect(300, 1140, kPanelWidth - 600, 3060);
    picture->setGeometry(pictureRect);
    if (!art.isNull()) {
        picture->setPixmap(
            art.scaled(pictureRect.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    auto* version = new QLabel(QStringLiteral("Version 6.0"), panel_);
    version->setObjectName(QStringLiteral("Label6"));
    version->setAlignment(Qt::AlignCenter);
    QFont versionFont = version->font();
    versionFont.setItalic(true);
    version->setFont(versionFont);
    version->setGeometry(twipRect(300, 4260, kPanelWidth - 600, 330));

    for (const ToolButton& b : kToolButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), panel_);
        button->setObjectName(QStringLiteral("SSCommand1(%1)").arg(b.index));
        button->setGeometry(twipRect(b.left, b.top, b.width, kButtonHeight));
        button->setFocusPolicy(Qt::NoFocus);
        const shell::Tool tool = b.tool;
        connect(button, &QPushButton::clicked, this, [this, tool] { openTool(tool); });
        buttons_[static_cast<std::size_t>(b.index)] = button;
    }
    auto* helpButton = new QPushButton(QStringLiteral("&Help"), panel_);
    helpButton->setObjectName(QStringLiteral("SSCommand1(6)"));
    helpButton->setGeometry(twipRect(4700, 6000, 1905, kButtonHeight));
    helpButton->setFocusPolicy(Qt::NoFocus);
    connect(helpButton, &QPushButton::clicked, this,
            [this] { context_.desktop.showHelpTopic(1000); });
    buttons_[6] = helpButton;
    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), panel_);
    exitButton->setObjectName(QStringLiteral("SSCommand1(7)"));
    exitButton->setGeometry(twipRect(6900, 6000, 1905, kButtonHeight));
    exitButton->setFocusPolicy(Qt::NoFocus);
    connect(exitButton, &QPushButton::clicked, this, [this] { requestExit(); });
    buttons_[7] = exitButton;
    std::vector<QPushButton*> shown;
    std::copy_if(buttons_.begin(), buttons_.end(), std::back_inserter(shown),
                 [](QPushButton* button) { return button != nullptr; });
    fitCaptions(shown);
}

void MainScreen::buildMenus() {
    auto item = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromUtf8(name));
    };

    optionsMenu_ = menuBar()->addMenu(QStringLiteral("&Options"));
    optionsMenu_->setObjectName(QStringLiteral("mO"));
    connect(item(optionsMenu_, "mOBC", "&Background Selector"), &QAction::triggered, this,
            &MainScreen::toggleBackgroundSelector);
    displayMenu_ = optionsMenu_->addMenu(QStringLiteral("&Program Display"));
    displayMenu_->setObjectName(QStringLiteral("mOP"));
    displayMenu_->menuAction()->setObjectName(QStringLiteral("mOP"));
    fullAction_ = item(displayMenu_, "mOPF", "&Full Screen Display");
    smallerAction_ = item(displayMenu_, "mOPS", "&Smaller Screen Display");
    separator(displayMenu_, "mO67");
    defaultSizeAction_ = item(displayMenu_, "mOPDefault", "&Default Screen Size");
    separator(displayMenu_, "mO20");
    QAction* defaultPanel = item(displayMenu_, "mOPCDefault", "Default Panel Color");
    // Only the two display modes carry a check mark; choosing the default size marks nothing.
    fullAction_->setCheckable(true);
    smallerAction_->setCheckable(true);
    connect(fullAction_, &QAction::triggered, this, &MainScreen::switchToFullScreen);
    connect(smallerAction_, &QAction::triggered, this, &MainScreen::switchToSmallerScreen);
    connect(defaultSizeAction_, &QAction::triggered, this, &MainScreen::useDefaultScreenSize);
    connect(defaultPanel, &QAction::triggered, this, &MainScreen::useDefaultPanelColor);
    separator(optionsMenu_, "mO23");
    connect(item(optionsMenu_, "mON", "&Family Name"), &QAction::triggered, this,
            &MainScreen::editFamily);
    separator(optionsMenu_, "mO1");
    connect(item(optionsMenu_, "mOE", "E&xit"), &QAction::triggered, this,
            [this] { requestExit(); });
    connect(optionsMenu_, &QMenu::aboutToShow, this, &MainScreen::refreshDisplayMarks);
    connect(displayMenu_, &QMenu::aboutToShow, this, &MainScreen::refreshDisplayMarks);

    QMenu* finance = menuBar()->addMenu(QStringLiteral("Finance I&nfo"));
    finance->setObjectName(QStringLiteral("mM"));
    const std::pair<const char*, const char*> toolItems[] = {{"mMA", "&Actuarial Calculator"},
                                                             {"mOSC", "&Calculator"},
                                                             {"mMHCal", "&Home Calculator"},
                                                             {"mML", "&Loan Calculator"}};
    const shell::Tool toolOrder[] = {shell::Tool::Actuarial, shell::Tool::Calculator,
                                     shell::Tool::HomeCalc, shell::Tool::Loan};
    for (std::size_t i = 0; i < 4; ++i) {
        const shell::Tool tool = toolOrder[i];
        connect(item(finance, toolItems[i].first, toolItems[i].second), &QAction::triggered, this,
                [this, tool] { openTool(tool); });
    }
    separator(finance, "mO10");
    connect(item(finance, "mMB", "Home &Budget"), &QAction::triggered, this,
            [this] { openTool(shell::Tool::Budget); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mH"));
    auto topic = [this](int number) {
        return [this, number] { context_.desktop.showHelpTopic(number); };
    };
    connect(item(help, "mHI", "&Program Overview"), &QAction::triggered, this, topic(1000));
    separator(help, "mH1");
    connect(item(help, "mHBR", "&Backup and Restore Option"), &QAction::triggered, this,
            topic(1005));
    separator(help, "mH4");
    connect(item(help, "mHPC", "Panel Color Option"), &QAction::triggered, this, topic(1007));
    separator(help, "mH5");
    connect(item(help, "mHA", "&About Coinwell"), &QAction::triggered, this,
            [this] { showAboutBox(context_, this); });
    separator(help, "mO21");
    QAction* web = help->addAction(QStringLiteral("&Visit ") + webSiteName());
    web->setObjectName(QStringLiteral("mHWeb"));
    connect(web, &QAction::triggered, this, [this] {
        context_.desktop.endBusy();
        context_.desktop.openWebSite();
    });
}

// ---------------------------------------------------------------------------------------------
// Sizes

shell::TwipSize MainScreen::screenTwipSize() const {
    QSize pixels;
    if (screenSize_) {
        pixels = screenSize_();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        pixels = screen->size();
    }
    return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())};
}

shell::TwipSize MainScreen::windowTwipSize() const {
    const QSize frame = frameGeometry().size();
    return {pixelsToTwips(frame.width()), pixelsToTwips(frame.height())};
}

void MainScreen::setWindowTwipSize(shell::TwipSize size) {
    const QSize extra = frameGeometry().size() - this->size();
    resize(twipsToPixels(size.width) - extra.width(), twipsToPixels(size.height) - extra.height());
}

void MainScreen::centrePanel() {
    const shell::TwipPoint at = shell::mainPanelPosition(
        windowTwipSize(), {pixelsToTwips(panel_->width()), pixelsToTwips(panel_->height())});
    panel_->move(std::max(0, twipsToPixels(at.left)), std::max(0, twipsToPixels(at.top)));
    if (selector_ && selector_->isVisible()) {
        const shell::TwipPoint sel = shell::selectorPanelPosition(
            windowTwipSize(),
            {pixelsToTwips(selector_->width()), pixelsToTwips(selector_->height())});
        selector_->move(std::max(0, twipsToPixels(sel.left)), std::max(0, twipsToPixels(sel.top)));
    }
    placeReminder();
}

void MainScreen::placeReminder() {
    if (!reminder_) {
        return;
    }
    // The reminder sits under the main panel, centred, where the window leaves room for it;
    // otherwise in the lower left corner.
    const int margin = 8;
    const QRect panel = panel_->geometry();
    const int below = background_->height() - panel.bottom() - 1;
    if (below >= reminder_->height() + 2 * margin) {
        reminder_->move(std::max(0, panel.center().x() - reminder_->width() / 2),
                        panel.bottom() + 1 + (below - reminder_->height()) / 2);
        return;
    }
    reminder_->move(margin, std::max(0, background_->height() - reminder_->height() - margin));
}

// ---------------------------------------------------------------------------------------------
// Loading

void MainScreen::startUp() {
    loadSequence(true);
}

void MainScreen::reload() {
    loadSequence(false);
}

void MainScreen::loadSequence(bool firstLoad) {
    // The date order is looked up by the reminder panel itself when it checks the planner.
    restoreProgramFolder();
    context_.desktop.beginBusy();
    loadGuard_ = true;

    loadRunSettings(context_.settings);
    if (context_.settings.displayMode == DisplayMode::Smaller) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        setWindowTwipSize(shell::raisedToMinimum(
            {context_.settings.storedWidth, context_.settings.storedHeight}));
    } else {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    wasMaximized_ = isMaximized();

    checkScreenSize();
    loadAppearance();

    if (firstLoad && !splashShown_) {
        if (splash_) {
            splash_();
        }
        context_.desktop.processEvents();
        splashShown_ = true;
    }

    const QColor defaultColor = defaultBackgroundColor();
    for (QWidget* panel : {static_cast<QWidget*>(selector_), static_cast<QWidget*>(reminder_)}) {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, defaultColor);
        panel->setPalette(palette);
    }

    if (!reminderLookedUp_) {
        reminder_->checkReminder();
        reminderLookedUp_ = true;
    }

    print::PrintPanelSettings& printSettings = print::runPrintPanelSettings();
    printSettings.underline = false;
    printSettings.strikethrough = false;

    centrePanel();
    loadGuard_ = false;
    context_.desktop.endBusy();
}

void MainScreen::checkScreenSize() {
    const shell::TwipSize screen = screenTwipSize();
    RunSettings& settings = context_.settings;
    if (shell::screenTooSmall(screen)) {
        context_.desktop.endBusy();
        context_.desktop.message(
            {"Monitor Resolution Settings (Screen Area) and Program Size requirements are at "
             "least 800 by 600 or Higher.\rIf you do not set your screen resolution to this "
             "setting or higher this program will not function properly!",
             "Program Display Option", MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
        writeDisplayMode("No");
        settings.displayMode = DisplayMode::Full;
        setWindowState(windowState() | Qt::WindowMaximized);
        wasMaximized_ = true;
        refreshDisplayMarks();
        return;
    }
    if (settings.displayMode == DisplayMode::Smaller) {
        placeSmallerWindow();
    }
}

void MainScreen::placeSmallerWindow() {
    const RunSettings& settings = context_.settings;
    const shell::TwipSize size =
        shell::raisedToMinimum({settings.storedWidth, settings.storedHeight});
    setWindowTwipSize(size);
    const shell::TwipPoint at = shell::centredOnScreen(screenTwipSize(), size);
    move(twipsToPixels(at.left), twipsToPixels(at.top));
}

void MainScreen::setCaptionFromFamily() {
    setWindowTitle(toQString(shell::mainCaption(context_.settings.familyName)));
}

void MainScreen::loadAppearance() {
    setCaptionFromFamily();
    applyBackground();
    const RunSettings& settings = context_.settings;
    const ColorNumber panelColor = shell::panelColorFromRecord(
        settings.panelColor, kMainPanelDesignColor, kMainPanelDesignColor);
    setPanelColor3D(panel_, toQColor(panelColor));
}

void MainScreen::applyBackground() {
    const shell::Background stored = shell::interpretBackground(context_.settings.screenBackground);
    const QColor defaultColor = defaultBackgroundColor();
    QPalette labelPalette = defaultColorLabel_->palette();
    labelPalette.setColor(QPalette::Window, defaultColor);
    defaultColorLabel_->setPalette(labelPalette);
    switch (stored.kind) {
        case shell::Background::Kind::Color:
            background_->setColor(toQColor(stored.color));
            background_->setPicture({});
            break;
        case shell::Background::Kind::Default:
            background_->setColor(defaultColor);
            background_->setPicture({});
            break;
        case shell::Background::Kind::Wallpaper:
            background_->setPicture(loadInstallationPicture(stored.pictureFile));
            break;
        case shell::Background::Kind::Image:
        case shell::Background::Kind::Other:
            background_->setPicture({});
            break;
    }
}

QColor MainScreen::backgroundColor() const {
    return background_->color();
}

void MainScreen::showAsStored() {
    if (context_.settings.displayMode == DisplayMode::Full) {
        // Where no window manager maximizes windows, the window still covers the screen.
        if (!isVisible()) {
            if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                setGeometry(screen->availableGeometry());
            }
        }
        showMaximized();
    } else {
        showNormal();
        // The frame's size is known once the window is shown: the stored size counts it.
        const bool guard = loadGuard_;
        loadGuard_ = true;
        placeSmallerWindow();
        loadGuard_ = guard;
    }
}

// ---------------------------------------------------------------------------------------------
// Activation

void MainScreen::setDisplayMarksFromWindow() {
    const bool maximized = isMaximized();
    context_.settings.displayMode = maximized ? DisplayMode::Full : DisplayMode::Smaller;
    fullAction_->setChecked(maximized);
    smallerAction_->setChecked(!maximized);
}

void MainScreen::refreshDisplayMarks() {
    const bool smaller = context_.settings.displayMode == DisplayMode::Smaller;
    smallerAction_->setChecked(smaller);
    fullAction_->setChecked(!smaller);
}

void MainScreen::activate() {
    setDisplayMarksFromWindow();
    context_.desktop.beginBusy();
    setCaptionFromFamily();
    const shell::Background stored = shell::interpretBackground(context_.settings.screenBackground);
    if (stored.kind == shell::Background::Kind::Color) {
        background_->setColor(toQColor(stored.color));
    } else if (stored.kind == shell::Background::Kind::Default) {
        background_->setColor(defaultBackgroundColor());
    }
    if (stored.kind != shell::Background::Kind::Wallpaper && !selector_->isOpen()) {
        background_->setPicture({});
    } else if (stored.kind == shell::Background::Kind::Wallpaper && !selector_->isOpen() &&
               !background_->showsPicture()) {
        background_->setPicture(loadInstallationPicture(stored.pictureFile));
    }
    reminder_->showIfPending();
    placeReminder();
    restoreProgramFolder();
    setFocus();
    context_.desktop.endBusy();
    setDisplayMarksFromWindow();
    context_.desktop.processEvents();
}

void MainScreen::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        windowSizeChanged();
    }
}

// ---------------------------------------------------------------------------------------------
// Resizing and display modes

void MainScreen::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    centrePanel();
    windowSizeChanged();
}

void MainScreen::windowSizeChanged() {
    if (loadGuard_ || !isVisible() || isMinimized() || exiting_) {
        return;
    }
    RunSettings& settings = context_.settings;
    setDisplayMarksFromWindow();
    const bool maximized = isMaximized();
    if (maximized) {
        if (!wasMaximized_) {
            // Maximized by the title bar: Full Screen display.
            writeDisplayState("No", static_cast<std::int16_t>(settings.storedHeight),
                              static_cast<std::int16_t>(settings.storedWidth));
            settings.displayMode = DisplayMode::Full;
            context_.desktop.processEvents();
        }
        wasMaximized_ = true;
        return;
    }
    wasMaximized_ = false;
    if (shell::displayModeFromRecord(readDisplayRecords().mode) == DisplayMode::Full) {
        // Restored from Full Screen display: Smaller display at the stored size.
        hide();
        loadGuard_ = true;
        smallerAction_->setChecked(true);
        fullAction_->setChecked(false);
        writeDisplayMode("Yes");
        settings.displayMode = DisplayMode::Smaller;
        reload();
        show();
        return;
    }
    smallerAction_->setChecked(true);
    fullAction_->setChecked(false);
    shell::TwipSize size = windowTwipSize();
    const shell::TwipSize raised = shell::raisedToMinimum(size);
    if (raised != size) {
        setWindowTwipSize(raised);
        size = raised;
    }
    settings.storedHeight = size.height;
    settings.storedWidth = size.width;
    settings.displayMode = DisplayMode::Smaller;
}

void MainScreen::switchToFullScreen() {
    if (context_.settings.displayMode == DisplayMode::Full) {
        fullAction_->setChecked(true);
        return;
    }
    fullAction_->setChecked(true);
    smallerAction_->setChecked(false);
    writeDisplayMode("No");
    context_.desktop.processEvents();
    reload();
    showAsStored();
}

void MainScreen::switchToSmallerScreen() {
    if (context_.settings.displayMode == DisplayMode::Smaller) {
        smallerAction_->setChecked(true);
        return;
    }
    smallerAction_->setChecked(true);
    fullAction_->setChecked(false);
    writeDisplayMode("Yes");
    reload();
    showAsStored();
}

void MainScreen::useDefaultScreenSize() {
    smallerAction_->setChecked(false);
    fullAction_->setChecked(false);
    loadGuard_ = true;
    setWindowState(windowState() & ~Qt::WindowMaximized);
    const shell::TwipSize size = shell::defaultScreenSize(screenTwipSize());
    writeDisplayState("Yes", static_cast<std::int16_t>(size.height),
                      static_cast<std::int16_t>(size.width));
    context_.desktop.processEvents();
    reload();
    showAsStored();
}

void MainScreen::useDefaultPanelColor() {
    RunSettings& settings = context_.settings;
    settings.pendingPanelColor =
        std::to_string(toColorNumber(panel_->palette().color(QPalette::Window)));
    settings.defaultPanelColorChosen = true;
    applyPanelColorToAll(context_.desktop, settings);
}

void MainScreen::editFamily() {
    context_.desktop.processEvents();
    editFamilyName(context_.desktop, context_.settings);
    setCaptionFromFamily();
}

void MainScreen::toggleBackgroundSelector() {
    selector_->toggle();
    centrePanel();
}

int MainScreen::helpTopic() const {
    return selector_->isOpen() ? 1001 : 1000;
}

// ---------------------------------------------------------------------------------------------
// Tools, right-click, exit

ToolScreen* MainScreen::toolScreen(shell::Tool tool) const {
    return screens_[static_cast<std::size_t>(tool)].data();
}

ToolScreen* MainScreen::openTool(shell::Tool tool) {
    QPointer<ToolScreen>& slot = screens_[static_cast<std::size_t>(tool)];
    if (!slot) {
        slot = tools_.create(tool, context_, this);
        if (!slot) {
            return nullptr;
        }
        slot->present();
    } else {
        slot->show();
        slot->raise();
        slot->activateWindow();
    }
    return slot.data();
}

void MainScreen::contextMenuEvent(QContextMenuEvent* event) {
    // The Options menu pops up when the right button is released (below), not on the press or
    // the keyboard's menu key.
    event->accept();
}

void MainScreen::mouseReleaseEvent(QMouseEvent* event) {
    // Releases on the form and the background picture end up here (the reminder panel asks for
    // the menu itself); the main panel and the Background Selector keep theirs.
    if (event->button() == Qt::RightButton) {
        optionsMenu_->popup(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QMainWindow::mouseReleaseEvent(event);
}

bool MainScreen::requestExit() {
    context_.desktop.endBusy();
    const Answer answer =
        context_.desktop.message({"Do you wish to Exit Coinwell?", "Exit", MessageIcon::Question,
                                  MessageButtons::YesNoCancel, Answer::Yes});
    if (answer != Answer::Yes) {
        return false;
    }
    saveDisplayState(*this, context_.settings);
    context_.desktop.processEvents();
    exiting_ = true;
    close();
    return true;
}

void MainScreen::closeToolsQuietly() {
    for (QPointer<ToolScreen>& screen : screens_) {
        if (screen) {
            screen->closeQuietly();
        }
    }
}

void MainScreen::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        saveDisplayState(*this, context_.settings);
        exiting_ = true;
    }
    closeToolsQuietly();
    // Every other window of the program (the help viewer) closes with it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && !qobject_cast<ToolScreen*>(window)) {
            window->close();
        }
    }
    exited_ = true;
    event->accept();
}

}  // namespace coinwell
