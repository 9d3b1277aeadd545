#pragma once
// The questions a screen or a shared routine puts to the user, as a plain interface so that the
// computation and the shared routines can ask without knowing about widgets, and tests can script
// every answer. Texts are UTF-8.

#include <cstdint>
#include <optional>
#include <string>

namespace coinwell {

// A 24-bit colour: red in the low byte, green in the middle, blue in the high byte.
using ColorNumber = std::uint32_t;

enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultAnswer = Answer::Ok;

    bool operator==(const MessageRequest&) const = default;
};

struct InputRequest {
    std::string prompt;
    std::string title;
    std::string defaultText;

    bool operator==(const InputRequest&) const = default;
};

struct FontChoice {
    std::string family = "Times New Roman";
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    ColorNumber color = 0;

    bool operator==(const FontChoice&) const = default;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A modal message box; returns the button pressed (Cancel or No when closed by Esc).
    virtual Answer message(const MessageRequest& request) = 0;
    // A modal input box; returns the text on OK and an empty text on Cancel or Esc.
    virtual std::string input(const InputRequest& request) = 0;
    // The colour dialog, preselected with start; nothing when cancelled.
    virtual std::optional<ColorNumber> chooseColor(ColorNumber start) = 0;
    // The font dialog with effects and colour; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& start) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // The hourglass pointer; calls do not nest: one endBusy ends any number of beginBusy.
    virtual void beginBusy() = 0;
    virtual void endBusy() = 0;
    // Lets pending user-interface events run during a long loop.
    virtual void processEvents() = 0;
};

}  // namespace coinwell
