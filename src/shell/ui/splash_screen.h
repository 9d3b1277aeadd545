#pragma once
// The start-up screen: the product picture, name and version, shown modal and centred on the
// screen while the program starts, closing itself after about four seconds.

#include <functional>

#include <QDialog>

namespace coinwell {

struct AppContext;

class Splash1 : public QDialog {
    Q_OBJECT

  public:
    // Waits the given number of seconds while nothing else is handled.
    using Pause = std::function<void(int seconds)>;

    // pause: empty for the real wait (tests pass their own).
    explicit Splash1(AppContext& context, Pause pause = {}, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void pauseAndClose();

    AppContext& context_;
    Pause pause_;
    bool started_ = false;
};

// The real wait of the start-up screen, the shared pause of n seconds (the seconds of the clock
// moving on by n): the window keeps painting, but no keys or clicks are handled until the time is
// up.
void waitShowingOnly(int seconds);

// Shows the start-up screen modal until it closes itself.
void showSplash(AppContext& context, Splash1::Pause pause = {});

// Shows the start-up screen the first time it is called in a run; later calls do nothing.
// Returns true when it was shown.
bool showSplashOnce(AppContext& context, Splash1::Pause pause = {});

}  // namespace coinwell
