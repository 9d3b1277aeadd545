#pragma once
// A Desktop for tests: every question must have been queued, in order, with its answer; every
// request is recorded. A question that differs from the next queued one, or that nobody queued,
// is recorded as a failure and answered Cancel/No (empty text, no colour, no font, no printer).
//
//   coinwell::ScriptedDesktop desktop;
//   desktop.expectMessage({"Delete Family Name - Smith?", "Family Name", MessageIcon::Question,
//                          MessageButtons::YesNo, Answer::No}, Answer::Yes);
//   ... drive the screen ...
//   COINWELL_VERIFY_DESKTOP(desktop);

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <QImage>
#include <QString>
#include <QStringList>

#include "common/ui/desktop.h"

namespace coinwell {

class ScriptedDesktop : public Desktop {
  public:
    // Queued expectations, answered in the order queued.
    void expectMessage(const MessageRequest& request, Answer answer);
    // An empty answer stands for Cancel or Esc.
    void expectInput(const InputRequest& request, std::string answer);
    // start: the colour the dialog must open with (not checked when empty); answer: the colour
    // chosen, empty for Cancel.
    void expectColor(std::optional<ColorNumber> start, std::optional<ColorNumber> answer);
    void expectFont(std::optional<FontChoice> start, std::optional<FontChoice> answer);
    // accept: OK or Cancel; configure runs on the printer before answering (e.g. to print to a
    // PDF file).
    void expectPrinter(bool accept, std::function<void(QPrinter&)> configure = {});
    void expectPageSetup(bool accept, std::function<void(QPrinter&)> configure = {});

    // What was asked or done, in order.
    struct Event {
        enum class Kind {
            Message,
            Input,
            Color,
            Font,
            Printer,
            PageSetup,
            ClipboardText,
            ClipboardImage,
            HelpTopic,
            WebSite,
            BeginBusy,
            EndBusy,
            ProcessEvents
        };
        Kind kind;
        std::string description;
    };
    const std::vector<Event>& events() const { return events_; }
    // The descriptions of all events except processEvents, one a line: handy for QCOMPARE.
    QStringList log() const;

    const std::vector<MessageRequest>& messages() const { return messages_; }
    const std::vector<InputRequest>& inputs() const { return inputs_; }
    const std::vector<int>& helpTopics() const { return helpTopics_; }
    // The last clipboard contents and how often each was set (text with HTML counts as text).
    const std::string& clipboardText() const { return clipboardText_; }
    // The HTML set beside the last text; empty when that text came alone.
    const std::string& clipboardHtml() const { return clipboardHtml_; }
    int clipboardTextCount() const { return clipboardTextCount_; }
    const QImage& clipboardImage() const { return clipboardImage_; }
    int clipboardImageCount() const { return clipboardImageCount_; }
    int webSiteOpenings() const { return webSiteOpenings_; }
    bool isBusy() const { return busy_; }
    int processEventsCount() const { return processEventsCount_; }
    // Messages asked while the hourglass was showing (each screen ends it before a question).
    int questionsWhileBusy() const { return questionsWhileBusy_; }

    // Mismatches and unexpected requests so far.
    const QStringList& failures() const { return failures_; }
    int remainingExpectations() const { return static_cast<int>(expected_.size()); }
    // Empty when every expectation was met and nothing unexpected happened; otherwise a
    // description of what went wrong, for QVERIFY2 or a GoogleTest message.
    QString verifyDone() const;
    bool done() const { return verifyDone().isEmpty(); }
    // Forgets expectations, failures and records.
    void reset();

    // Desktop
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

    // Runs on processEvents(), e.g. to let a test pump the Qt event queue.
    void setProcessEventsHook(std::function<void()> hook) { processEventsHook_ = std::move(hook); }

    static std::string describe(const MessageRequest& request);
    static std::string describe(const InputRequest& request);
    static std::string describe(const FontChoice& font);

  private:
    struct ExpectedMessage {
        MessageRequest request;
        Answer answer;
    };
    struct ExpectedInput {
        InputRequest request;
        std::string answer;
    };
    struct ExpectedColor {
        std::optional<ColorNumber> start;
        std::optional<ColorNumber> answer;
    };
    struct ExpectedFont {
        std::optional<FontChoice> start;
        std::optional<FontChoice> answer;
    };
    struct ExpectedPrinter {
        bool accept;
        std::function<void(QPrinter&)> configure;
        bool pageSetup;
    };
    using Expectation =
        std::variant<ExpectedMessage, ExpectedInput, ExpectedColor, ExpectedFont, ExpectedPrinter>;

    static std::string describe(const Expectation& expectation);
    void record(Event::Kind kind, std::string description);
    void fail(const std::string& what);

    std::deque<Expectation> expected_;
    std::vector<Event> events_;
    std::vector<MessageRequest> messages_;
    std::vector<InputRequest> inputs_;
    std::vector<int> helpTopics_;
    std::string clipboardText_;
    std::string clipboardHtml_;
    int clipboardTextCount_ = 0;
    QImage clipboardImage_;
    int clipboardImageCount_ = 0;
    int webSiteOpenings_ = 0;
    bool busy_ = false;
    int processEventsCount_ = 0;
    int questionsWhileBusy_ = 0;
    QStringList failures_;
    std::function<void()> processEventsHook_;
};

}  // namespace coinwell

// Fails the current Qt test with the scripted desktop's description of what went wrong.
#define COINWELL_VERIFY_DESKTOP(desktop)                                                  \
    do {                                                                                  \
        const QString coinwellDesktopProblems = (desktop).verifyDone();                   \
        QVERIFY2(coinwellDesktopProblems.isEmpty(), qPrintable(coinwellDesktopProblems)); \
    } while (false)
