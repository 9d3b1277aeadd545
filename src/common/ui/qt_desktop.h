#pragma once
// The real desktop: Qt message boxes, input box, colour and font dialogs, clipboard, printer
// dialogs, busy pointer, help hook and the web site.

#include <functional>
#include <optional>
#include <string>

#include <QString>

#include "common/ui/desktop.h"

class QWidget;

namespace coinwell {

// The project's home page, opened by openWebSite().
inline constexpr char kHomePageUrl[] = "https://coinwell.example.org";

// Turns the carriage-return line breaks of the program's texts into Qt line breaks.
QString displayText(const std::string& text);

class QtDesktop : public Desktop {
  public:
    QtDesktop() = default;
    ~QtDesktop() override;

    Answer message(const MessageRequest& request) override;
    std::string input(const InputRequest& request) override;
    std::optional<ColorNumber> chooseColor(ColorNumber start) override;
    std::optional<FontChoice> chooseFont(const FontChoice& start) override;
    void setClipboardText(const std::string& text) override;
    void beginBusy() override;
    void endBusy() override;
    void processEvents() override;

    void setClipboardImage(const QImage& picture) override;
    void setClipboardTextAndHtml(const std::string& text, const std::string& html) override;
    bool choosePrinter(QPrinter& printer) override;
    bool choosePageSetup(QPrinter& printer) override;
    void showHelpTopic(int topic) override;
    void openWebSite() override;

    // The help viewer registers itself here; without a handler help requests do nothing.
    void setHelpHandler(std::function<void(int topic)> handler) {
        helpHandler_ = std::move(handler);
    }
    bool isBusy() const { return busy_; }

  private:
    // The hourglass is lifted while a modal dialog is up and put back afterwards.
    class BusyPause;
    QWidget* dialogParent() const;

    std::function<void(int)> helpHandler_;
    bool busy_ = false;
};

}  // namespace coinwell
