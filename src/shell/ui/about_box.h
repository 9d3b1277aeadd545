#pragma once
// The About box ("About Coinwell"): product name and version, the legal notice and the web site.

#include <QDialog>

class QLabel;
class QMenu;
class QPushButton;

namespace coinwell {

struct AppContext;

// The web site's name as shown beside "Web Site:" and after "&Visit " in the Help menu.
QString webSiteName();

class About1 : public QDialog {
    Q_OBJECT

  public:
    // mainScreen: the window the box is centred over (none: the screen).
    About1(AppContext& context, QWidget* mainScreen);

    // The menu that right-clicking the OK button pops up.
    QMenu* okMenu() const { return okMenu_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeOverMainScreen();

    AppContext& context_;
    QWidget* mainScreen_;
    QLabel* webSite_ = nullptr;
    QLabel* picture_ = nullptr;
    QPushButton* ok_ = nullptr;
    QMenu* okMenu_ = nullptr;
};

// Shows the About box modal over the main screen; returns when it is closed.
void showAboutBox(AppContext& context, QWidget* parent);

}  // namespace coinwell
