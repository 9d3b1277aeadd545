#pragma once
// The frame every tool screen shares: how it opens over the main screen and gives way to it again,
// its background and panel colour, the common menu items, the right-click menu and the keys F1 and
// Esc. A tool screen derives from ToolScreen with its constant from shell/core/tool_screens.h,
// fills centralPanel() with its controls (at twip positions), adds its own menu items and
// overrides the protected hooks below that it needs; loan/ui/loan_sheet.h is a whole example.
//
// The main screen creates the screen, calls present() and keeps it until it closes (it deletes
// itself on close).

#include <QColor>
#include <QFrame>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

#include "common/ui/app_context.h"
#include "shell/core/tool_screens.h"

class QAction;
class QMenu;
class QShortcut;

namespace coinwell {

class ProportionalResizer;

using shell::ToolScreenSpec;

// The client area of a screen: a colour, or a picture over the whole area.
class BackgroundArea : public QWidget {
  public:
    explicit BackgroundArea(QWidget* parent = nullptr);
    void setColor(const QColor& color);
    QColor color() const { return color_; }
    // A null picture shows the colour.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    bool showsPicture() const { return !picture_.isNull(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_;
    QPixmap picture_;
};

// A 3-D panel: raised border, filled with its colour, optional caption at the top.
QFrame* makePanel3D(QWidget* parent, const QString& objectName);
void setPanelColor3D(QWidget* panel, const QColor& color);

// The system's button-face colour: the "Default" background of the main screen.
QColor defaultBackgroundColor();

class ToolScreen : public QMainWindow {
    Q_OBJECT
  public:
    ToolScreen(AppContext& context, ToolScreenSpec spec, QWidget* mainScreen);
    ~ToolScreen() override;

    const ToolScreenSpec& spec() const { return spec_; }
    AppContext& context() const { return context_; }
    QWidget* mainScreen() const { return mainScreen_; }

    // Shows the screen as the stored display mode asks: Smaller → a normal window over the main
    // screen, Full → maximized. Hands the panel colour to panelColorChanged() first.
    void present();

    // The 3-D panel holding the screen's content; hidden until the first activation, which
    // places it centred on the main screen's size. Resize it to the screen's design size.
    QFrame* centralPanel() const { return centralPanel_; }
    BackgroundArea* backgroundArea() const { return background_; }
    // Resizes the central panel and every control on it in proportion to the window: the size
    // the window has at the first activation is the design size.
    ProportionalResizer* proportionalResizer() const { return resizer_; }

    // Common menu items. printOptionsAction() is null on screens without print options,
    // editMenu() and copyAction() on screens without copy.
    QMenu* optionsMenu() const { return optionsMenu_; }
    QMenu* editMenu() const { return editMenu_; }
    QAction* panelColorAction() const { return panelColorAction_; }
    QAction* printOptionsAction() const { return printOptionsAction_; }
    QAction* exitAction() const { return exitAction_; }
    QAction* copyAction() const { return copyAction_; }
    // The "&Help" entry of the menu bar (an item without a submenu).
    QAction* helpAction() const { return helpAction_; }
    QShortcut* helpShortcut() const { return helpShortcut_; }
    QShortcut* escapeShortcut() const { return escapeShortcut_; }

    // The right-click menu: the Options menu, or the screen's own "mV" menu. A screen may put a
    // menu of its own in place.
    QMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    // The items of the frame's own "mV" menu (null when the popup is the Options menu).
    QAction* popupPanelColorAction() const { return popupPanelColor_; }
    QAction* popupCopyAction() const { return popupCopy_; }
    QAction* popupPrintAction() const { return popupPrint_; }
    // Opens the right-click menu at a global position (not blocking).
    void showPopupMenu(const QPoint& globalPos);

    void setCopyEnabled(bool enabled);
    void setPrintOptionsEnabled(bool enabled);

    QColor panelColor() const { return panelColor_; }
    QColor designPanelColor() const;
    // The panel-colour changed flag and the default-chosen flag.
    bool panelColorWasChanged() const { return panelColorChanged_; }
    bool defaultPanelColorChosen() const { return defaultChosen_; }

    // "Panel C&olor": the question, then the colour dialog or the design colour.
    virtual void choosePanelColor();
    // Writes the panel colour to the screen's record and offers it to every screen.
    virtual void savePanelColor();
    // The help topic of F1 and the Help menu at this moment.
    virtual int helpTopic() const;
    void showHelp();
    // Esc: the print options panel first, else the screen closes.
    virtual void handleEscape();

    // Closing while the program ends: no questions and the main screen stays as it is.
    void closeQuietly();
    // Closing through the screen's Exit command (menu, popup, Esc): as the close box, but
    // closingByCommand() is true meanwhile (for a screen that keeps something only then).
    bool closeByCommand();
    bool closingByCommand() const { return closingByCommand_; }

    // The activation steps (placing and showing the central panel, hiding the main screen); run
    // when the screen becomes the active window coming from another of the program's screens.
    void activate();

  protected:
    virtual void copyToClipboard() {}
    virtual void openPrintOptions() {}
    virtual bool printPanelShown() const { return false; }
    virtual void closePrintPanel() {}
    // The screen's own question on leaving; false keeps the screen open.
    virtual bool confirmClose() { return true; }
    // The panel colour has changed (and once before the screen shows): panels of the screen's
    // own, such as the print options panel, take it.
    virtual void panelColorChanged(const QColor& color) { Q_UNUSED(color); }
    // Just before the right-click menu opens: enable or disable its items.
    virtual void preparePopupMenu();
    // Each activation, after the central panel is placed (lay out the print panel's buttons).
    virtual void activated() {}
    // After the controls on the central panel took a new size with the window (re-fit what is
    // sized to a control, such as a grid's cells).
    virtual void controlsResized() {}

    // Gives the central panel and the screen's own panels a colour.
    void applyPanelColor(const QColor& color);
    // The panel colour of the screen's record, as at load; a colour chosen since and not stored
    // is dropped (a screen set up again as it opens).
    void applyStoredPanelColor();

    // The closing question about colours is asked while this is true: a panel colour was chosen
    // (a screen with colours of its own adds its changes).
    virtual bool colorChangesPending() const { return panelColorChanged_; }
    // The answer to that question: Yes stores the colours; either way nothing stays pending.
    virtual void settleColorChanges(bool store);

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void buildMenus();
    void placeCentralPanel();
    void applyStoredBackground();
    void showWallpaperIfAny();
    void hideMainScreen();
    QColor storedPanelColor() const;

    AppContext& context_;
    ToolScreenSpec spec_;
    QPointer<QWidget> mainScreen_;
    QSize mainScreenSize_;  // pixels, taken at load; the window's own size once resized

    BackgroundArea* background_ = nullptr;
    QFrame* centralPanel_ = nullptr;
    ProportionalResizer* resizer_ = nullptr;
    QPixmap designPicture_;
    QPixmap wallpaper_;

    QMenu* optionsMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* panelColorAction_ = nullptr;
    QAction* printOptionsAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QShortcut* helpShortcut_ = nullptr;
    QShortcut* escapeShortcut_ = nullptr;

    QMenu* ownPopup_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QAction* popupPanelColor_ = nullptr;
    QAction* popupCopy_ = nullptr;
    QAction* popupPrint_ = nullptr;

    // Set between the right button's press and its release: the menu comes up on the release.
    QObject* rightReleaseWatcher_ = nullptr;

    QColor panelColor_;
    bool panelColorChanged_ = false;
    bool defaultChosen_ = false;
    bool activated_ = false;
    bool quiet_ = false;
    bool closingByCommand_ = false;
    bool closing_ = false;  // the close was accepted: the main screen is back
};

}  // namespace coinwell
