#include "common/tests/support/scripted_desktop.h"

#include <QDebug>
#include <cstdio>

namespace coinwell {

namespace {

const char* iconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return "none";
        case MessageIcon::Information:
            return "information";
        case MessageIcon::Question:
            return "question";
        case MessageIcon::Exclamation:
            return "exclamation";
        case MessageIcon::Critical:
            return "critical";
    }
    return "?";
}

const char* buttonsName(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return "OK";
        case MessageButtons::OkCancel:
            return "OK/Cancel";
        case MessageButtons::YesNo:
            return "Yes/No";
        case MessageButtons::YesNoCancel:
            return "Yes/No/Cancel";
    }
    return "?";
}

const char* answerName(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return "OK";
        case Answer::Cancel:
            return "Cancel";
        case Answer::Yes:
            return "Yes";
        case Answer::No:
            return "No";
    }
    return "?";
}

// Shows line breaks and other control characters so that two texts can be told apart.
std::string visible(const std::string& text) {
    std::string shown = "\"";
    for (const char c : text) {
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown + "\"";
}

std::string colorText(std::optional<ColorNumber> color) {
    return color ? std::to_string(*color) : std::string("none");
}

// The answer a box gives when it is closed with Esc.
Answer escapeAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return Answer::Ok;
        case MessageButtons::YesNo:
            return Answer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
            break;
    }
    return Answer::Cancel;
}

}  // namespace

std::string ScriptedDesktop::describe(const MessageRequest& request) {
    return "message " + visible(request.text) + " title " + visible(request.title) + " icon " +
           iconName(request.icon) + " buttons " + buttonsName(request.buttons) + " default " +
           answerName(request.defaultAnswer);
}

std::string ScriptedDesktop::describe(const InputRequest& request) {
    return "input " + visible(request.prompt) + " title " + visible(request.title) + " default " +
           visible(request.defaultText);
}

std::string ScriptedDesktop::describe(const FontChoice& font) {
    std::string text = visible(font.family) + " " + std::to_string(font.pointSize) + "pt";
    if (font.bold) {
        text += " bold";
    }
    if (font.italic) {
        text += " italic";
    }
    if (font.underline) {
        text += " underline";
    }
    if (font.strikeout) {
        text += " strikeout";
    }
    return text + " colour " + std::to_string(font.color);
}

std::string ScriptedDesktop::describe(const Expectation& expectation) {
    if (const auto* message = std::get_if<ExpectedMessage>(&expectation)) {
        return describe(message->request) + " -> " + answerName(message->answer);
    }
    if (const auto* input = std::get_if<ExpectedInput>(&expectation)) {
        return describe(input->request) + " -> " + visible(input->answer);
    }
    if (const auto* color = std::get_if<ExpectedColor>(&expectation)) {
        return "colour dialog from " + (color->start ? colorText(color->start) : "any") + " -> " +
               colorText(color->answer);
    }
    if (const auto* font = std::get_if<ExpectedFont>(&expectation)) {
        return "font dialog from " + (font->start ? describe(*font->start) : "any") + " -> " +
               (font->answer ? describe(*font->answer) : "cancel");
    }
    const auto& printer = std::get<ExpectedPrinter>(expectation);
    return std::string(printer.pageSetup ? "page setup dialog" : "print dialog") + " -> " +
           (printer.accept ? "OK" : "Cancel");
}

void ScriptedDesktop::expectMessage(const MessageRequest& request, Answer answer) {
    expected_.push_back(ExpectedMessage{request, answer});
}

void ScriptedDesktop::expectInput(const InputRequest& request, std::string answer) {
    expected_.push_back(ExpectedInput{request, std::move(answer)});
}

void ScriptedDesktop::expectColor(std::optional<ColorNumber> start,
                                  std::optional<ColorNumber> answer) {
    expected_.push_back(ExpectedColor{start, answer});
}

void ScriptedDesktop::expectFont(std::optional<FontChoice> start,
                                 std::optional<FontChoice> answer) {
    expected_.push_back(ExpectedFont{std::move(start), std::move(answer)});
}

void ScriptedDesktop::expectPrinter(bool accept, std::function<void(QPrinter&)> configure) {
    expected_.push_back(ExpectedPrinter{accept, std::move(configure), false});
}

void ScriptedDesktop::expectPageSetup(bool accept, std::function<void(QPrinter&)> configure) {
    expected_.push_back(ExpectedPrinter{accept, std::move(configure), true});
}

void ScriptedDesktop::record(Event::Kind kind, std::string description) {
    events_.push_back(Event{kind, std::move(description)});
}

void ScriptedDesktop::fail(const std::string& what) {
    failures_.append(QString::fromStdString(what));
    qWarning().noquote() << "ScriptedDesktop:" << QString::fromStdString(what);
}

QStringList ScriptedDesktop::log() const {
    QStringList lines;
    for (const Event& event : events_) {
        if (event.kind != Event::Kind::ProcessEvents) {
            lines.append(QString::fromStdString(event.description));
        }
    }
    return lines;
}

QString ScriptedDesktop::verifyDone() const {
    QStringList problems = failures_;
    for (const Expectation& expectation : expected_) {
        problems.append(QStringLiteral("expected but never asked: ") +
                        QString::fromStdString(describe(expectation)));
    }
    return problems.join(QLatin1Char('\n'));
}

void ScriptedDesktop::reset() {
    *this = ScriptedDesktop();
}

Answer ScriptedDesktop::message(const MessageRequest& request) {
    messages_.push_back(request);
    record(Event::Kind::Message, describe(request));
    if (busy_) {
        ++questionsWhileBusy_;
    }
    if (expected_.empty()) {
        fail("unexpected " + describe(request));
        return escapeAnswer(request.buttons);
    }
    const auto* expected = std::get_if<ExpectedMessage>(&expected_.front());
    if (expected == nullptr || !(expected->request == request)) {
        fail("asked " + describe(request) + "\n  but expected " + describe(expected_.front()));
        expected_.pop_front();
        return escapeAnswer(request.buttons);
    }
    const Answer answer = expected->answer;
    expected_.pop_front();
    return answer;
}

std::string ScriptedDesktop::input(const InputRequest& request) {
    inputs_.push_back(request);
    record(Event::Kind::Input, describe(request));
    if (expected_.empty()) {
        fail("unexpected " + describe(request));
        return {};
    }
    const auto* expected = std::get_if<ExpectedInput>(&expected_.front());
    if (expected == nullptr || !(expected->request == request)) {
        fail("asked " + describe(request) + "\n  but expected " + describe(expected_.front()));
        expected_.pop_front();
        return {};
    }
    std::string answer = expected->answer;
    expected_.pop_front();
    return answer;
}

std::optional<ColorNumber> ScriptedDesktop::chooseColor(ColorNumber start) {
    const std::string asked = "colour dialog from " + std::to_string(start);
    record(Event::Kind::Color, asked);
    if (expected_.empty()) {
        fail("unexpected " + asked);
        return std::nullopt;
    }
    const auto* expected = std::get_if<ExpectedColor>(&expected_.front());
    if (expected == nullptr || (expected->start && *expected->start != start)) {
        fail("asked " + asked + "\n  but expected " + describe(expected_.front()));
        expected_.pop_front();
        return std::nullopt;
    }
    const auto answer = expected->answer;
    expected_.pop_front();
    return answer;
}

std::optional<FontChoice> ScriptedDesktop::chooseFont(const FontChoice& start) {
    const std::string asked = "font dialog from " + describe(start);
    record(Event::Kind::Font, asked);
    if (expected_.empty()) {
        fail("unexpected " + asked);
        return std::nullopt;
    }
    const auto* expected = std::get_if<ExpectedFont>(&expected_.front());
    if (expected == nullptr || (expected->start && !(*expected->start == start))) {
        fail("asked " + asked + "\n  but expected " + describe(expected_.front()));
        expected_.pop_front();
        return std::nullopt;
    }
    auto answer = expected->answer;
    expected_.pop_front();
    return answer;
}

bool ScriptedDesktop::choosePrinter(QPrinter& printer) {
    record(Event::Kind::Printer, "print dialog");
    if (expected_.empty()) {
        fail("unexpected print dialog");
        return false;
    }
    const auto* expected = std::get_if<ExpectedPrinter>(&expected_.front());
    if (expected == nullptr || expected->pageSetup) {
        fail("asked print dialog\n  but expected " + describe(expected_.front()));
        expected_.pop_front();
        return false;
    }
    const ExpectedPrinter answer = *expected;
    expected_.pop_front();
    if (answer.configure) {
        answer.configure(printer);
    }
    return answer.accept;
}

bool ScriptedDesktop::choosePageSetup(QPrinter& printer) {
    record(Event::Kind::PageSetup, "page setup dialog");
    if (expected_.empty()) {
        fail("unexpected page setup dialog");
        return false;
    }
    const auto* expected = std::get_if<ExpectedPrinter>(&expected_.front());
    if (expected == nullptr || !expected->pageSetup) {
        fail("asked page setup dialog\n  but expected " + describe(expected_.front()));
        expected_.pop_front();
        return false;
    }
    const ExpectedPrinter answer = *expected;
    expected_.pop_front();
    if (answer.configure) {
        answer.configure(printer);
    }
    return answer.accept;
}

void ScriptedDesktop::setClipboardText(const std::string& text) {
    clipboardText_ = text;
    clipboardHtml_.clear();
    ++clipboardTextCount_;
    record(Event::Kind::ClipboardText, "clipboard text " + visible(text));
}

void ScriptedDesktop::setClipboardTextAndHtml(const std::string& text, const std::string& html) {
    clipboardText_ = text;
    clipboardHtml_ = html;
    ++clipboardTextCount_;
    record(Event::Kind::ClipboardText,
           "clipboard text " + visible(text) + " with html " + visible(html));
}

void ScriptedDesktop::setClipboardImage(const QImage& picture) {
    clipboardImage_ = picture;
    ++clipboardImageCount_;
    record(Event::Kind::ClipboardImage, "clipboard image " + std::to_string(picture.width()) + "x" +
                                            std::to_string(picture.height()));
}

void ScriptedDesktop::beginBusy() {
    busy_ = true;
    record(Event::Kind::BeginBusy, "begin busy");
}

void ScriptedDesktop::endBusy() {
    busy_ = false;
    record(Event::Kind::EndBusy, "end busy");
}

void ScriptedDesktop::processEvents() {
    ++processEventsCount_;
    record(Event::Kind::ProcessEvents, "process events");
    if (processEventsHook_) {
        processEventsHook_();
    }
}

void ScriptedDesktop::showHelpTopic(int topic) {
    helpTopics_.push_back(topic);
    record(Event::Kind::HelpTopic, "help topic " + std::to_string(topic));
}

void ScriptedDesktop::openWebSite() {
    ++webSiteOpenings_;
    record(Event::Kind::WebSite, "web site");
}

}  // namespace coinwell
