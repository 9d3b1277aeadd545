#pragma once
// The main screen ("Startfrm"): the program's start-up object and home. A central 3-D panel with
// the five tool buttons, the Options, Finance Info and Help menus, the background (a colour or a
// wallpaper), the Background Selector, the Daily Planner Reminder and the exit question. Tool
// screens are created on demand, one of each at most, and hide this screen while active.

#include <array>
#include <functional>

#include <QMainWindow>
#include <QPointer>

#include "common/ui/app_context.h"
#include "shell/core/frame_rules.h"
#include "shell/core/tool_screens.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;

namespace coinwell {

class BackgroundArea;
class BackgroundSelector;
class ReminderPanel;
class ToolScreen;
class ToolScreenRegistry;

class MainScreen : public QMainWindow {
    Q_OBJECT
  public:
    // The whole screen's size in pixels (injectable for tests); empty → the primary screen.
    using ScreenSize = std::function<QSize()>;
    // The start-up picture, shown once per run; empty → none.
    using Splash = std::function<void()>;

    MainScreen(AppContext& context, const ToolScreenRegistry& tools, ScreenSize screenSize = {},
               QWidget* parent = nullptr);
    ~MainScreen() override;

    void setSplash(Splash splash) { splash_ = std::move(splash); }

    // The start-up load sequence; show the window with showAsStored() afterwards.
    void startUp();
    // Shows the window maximized (Full display) or normal (Smaller display).
    void showAsStored();
    // The load sequence again (display changes): no splash, no reminder look-up.
    void reload();
    bool loadGuard() const { return loadGuard_; }

    // Creates the tool's screen unless it exists, then shows it.
    ToolScreen* openTool(shell::Tool tool);
    ToolScreen* toolScreen(shell::Tool tool) const;

    // "Do you wish to Exit Coinwell?"; true when the program ends.
    bool requestExit();
    bool hasExited() const { return exited_; }

    // Options menu operations.
    void switchToFullScreen();
    void switchToSmallerScreen();
    void useDefaultScreenSize();
    void useDefaultPanelColor();
    void editFamily();
    void toggleBackgroundSelector();

    // The activation steps; run each time the window becomes active.
    void activate();

    BackgroundSelector* backgroundSelector() const { return selector_; }
    BackgroundArea* backgroundArea() const { return background_; }
    QFrame* mainPanel() const { return panel_; }
    QColor backgroundColor() const;
    ReminderPanel* reminderPanel() const { return reminder_; }
    QMenu* optionsMenu() const { return optionsMenu_; }
    int helpTopic() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void buildPanel();
    void buildMenus();
    void loadSequence(bool firstLoad);
    void checkScreenSize();
    void placeSmallerWindow();
    void loadAppearance();
    void applyBackground();
    void refreshDisplayMarks();
    void setDisplayMarksFromWindow();
    void centrePanel();
    void placeReminder();
    void windowSizeChanged();
    void setWindowTwipSize(shell::TwipSize size);
    shell::TwipSize windowTwipSize() const;
    shell::TwipSize screenTwipSize() const;
    void setCaptionFromFamily();
    void closeToolsQuietly();

    AppContext& context_;
    const ToolScreenRegistry& tools_;
    ScreenSize screenSize_;
    Splash splash_;

    BackgroundArea* background_ = nullptr;
    QLabel* defaultColorLabel_ = nullptr;  // Label1
    QFrame* panel_ = nullptr;              // Panel3D7
    std::array<QPushButton*, 8> buttons_{};
    BackgroundSelector* selector_ = nullptr;  // SSPanel4
    ReminderPanel* reminder_ = nullptr;       // SSPanel2

    QMenu* optionsMenu_ = nullptr;
    QMenu* displayMenu_ = nullptr;
    QAction* fullAction_ = nullptr;
    QAction* smallerAction_ = nullptr;
    QAction* defaultSizeAction_ = nullptr;
    QShortcut* escape_ = nullptr;
    QShortcut* help_ = nullptr;

    std::array<QPointer<ToolScreen>, shell::kToolCount> screens_{};

    bool loadGuard_ = false;
    bool splashShown_ = false;
    bool reminderLookedUp_ = false;
    bool exiting_ = false;
    bool exited_ = false;
    bool wasMaximized_ = false;
};

}  // namespace coinwell
