#pragma once
// A screen test under a real window manager: its own X server (Xvfb, 1280 x 1024) with openbox,
// started before the QApplication so that Qt's xcb platform connects to it. Windows then get
// frames, are placed and activated as users see them, which offscreen never happens.
//
//   int main(int argc, char** argv) {
//       coinwell::WindowManagerDisplay display;
//       if (!display.started()) return display.skip();   // no X server could be started
//       QApplication app(argc, argv);
//       ...
//   }

#include <sys/types.h>

#include <string>

namespace coinwell {

class WindowManagerDisplay {
  public:
    // CTest reads this exit code as "skipped" (the test's SKIP_RETURN_CODE).
    static constexpr int kSkipCode = 77;

    WindowManagerDisplay();
    ~WindowManagerDisplay();
    WindowManagerDisplay(const WindowManagerDisplay&) = delete;
    WindowManagerDisplay& operator=(const WindowManagerDisplay&) = delete;

    // The X server runs and DISPLAY and QT_QPA_PLATFORM name it.
    bool started() const { return serverPid_ > 0; }
    // openbox runs on it and manages windows.
    bool windowManagerStarted() const { return windowManagerPid_ > 0; }
    // Why the server or the window manager is missing.
    const std::string& problem() const { return problem_; }
    // Says why the test is skipped and returns kSkipCode.
    int skip() const;

  private:
    pid_t serverPid_ = -1;
    pid_t windowManagerPid_ = -1;
    std::string problem_;
};

}  // namespace coinwell
