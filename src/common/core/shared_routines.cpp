#include "common/core/shared_routines.h"

#include <algorithm>
#include <ctime>
#include <limits>
#include <thread>

#include "common/core/settings_files.h"
#include "common/core/windows1252.h"

namespace coinwell {

namespace {

class SystemSecondsClock : public SecondsClock {
  public:
    int secondsField() override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local.tm_sec % 60;  // a leap second counts as the next minute's 0
    }
    void sleepFor(std::chrono::milliseconds duration) override {
        std::this_thread::sleep_for(duration);
    }
};

constexpr std::chrono::milliseconds kPausePoll{10};

bool isBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::int16_t clampToInteger(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

void showColorConflict(Dialogs& dialogs) {
    dialogs.message({"Selected Color would cause a conflict with Text and Background Colors!",
                     "Color Conflict", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok});
}

void editFamilyName(Dialogs& dialogs, RunSettings& settings) {
    if (auto stored = readFamilyName()) {
        settings.familyName = std::move(*stored);
    }
    dialogs.endBusy();
    const std::string entered =
        dialogs.input({"Please Enter Family Name for use in the Various Program areas.\r"
                       "To Accept name,\r"
                       "click OK.\r"
                       "To Delete name,\r"
                       "click Cancel or press <Esc> key.",
                       "Family Name", settings.familyName});
    std::string name = entered;
    if (entered.empty() && !settings.familyName.empty()) {
        const Answer answer =
            dialogs.message({"Delete Family Name - " + settings.familyName + "?", "Family Name",
                             MessageIcon::Question, MessageButtons::YesNo, Answer::No});
        name = answer == Answer::Yes ? std::string() : settings.familyName;
    }
    if (utf8Length(name) > kFamilyNameLength) {
        name = utf8Left(name, kFamilyNameLength);
    }
    writeFamilyName(name);
    settings.familyName = name;
}

SecondsClock& systemSecondsClock() {
    static SystemSecondsClock clock;
    return clock;
}

void pauseSeconds(int n) {
    pauseSeconds(n, systemSecondsClock());
}

void pauseSeconds(int n, SecondsClock& clock) {
    if (n <= 0) {
        return;
    }
    const int start = clock.secondsField();
    // A backstop against a clock that never reaches the target: n + 1 seconds of polls.
    const long maxPolls = (n + 1) * 1000L / kPausePoll.count();
    for (long poll = 0; poll < maxPolls; ++poll) {
        const int advanced = ((clock.secondsField() - start) % 60 + 60) % 60;
        if (advanced >= n) {
            return;
        }
        clock.sleepFor(kPausePoll);
    }
}

void applyPanelColorToAll(Dialogs& dialogs, RunSettings& settings) {
    if (settings.defaultPanelColorChosen) {
        settings.defaultPanelColorChosen = false;
    } else {
        const Answer answer =
            dialogs.message({"Save Panel Color Changes for ALL of the Program Functions?",
                             "Complete Program Panel Color Update Option", MessageIcon::Question,
                             MessageButtons::YesNoCancel, Answer::No});
        if (answer != Answer::Yes) {
            return;
        }
    }
    if (isBlank(settings.pendingPanelColor)) {
        return;
    }
    auto writeAll = [&settings](const SettingsFile& which, const auto& records) {
        RecordFile file = openSettingsFile(which);
        for (const int record : records) {
            file.stageText(record, settings.pendingPanelColor);
        }
        file.save();
    };
    writeAll(kGColor1File, kGColor1PanelRecords);
    dialogs.processEvents();
    writeAll(kGColor2File, kGColor2PanelRecords);
    dialogs.processEvents();
    writeAll(kGColor3File, kGColor3PanelRecords);
    settings.panelColor = settings.pendingPanelColor;
    settings.pendingPanelColor.clear();
}

MainWindowState saveDisplayState(RunSettings& settings, MainWindowState window) {
    settings.displayMode = window.normal ? DisplayMode::Smaller : DisplayMode::Full;
    if (window.normal) {
        if (settings.storedHeight < kMinimumStoredHeight) {
            window.height = kMinimumStoredHeight;
        }
        if (settings.storedWidth < kMinimumStoredWidth) {
            window.width = kMinimumStoredWidth;
        }
        const std::int16_t height = clampToInteger(window.height);
        const std::int16_t width = clampToInteger(window.width);
        settings.storedHeight = height;
        settings.storedWidth = width;
        writeDisplayState("Yes", height, width);
    } else {
        writeDisplayState("No", std::nullopt, std::nullopt);
    }
    return window;
}

}  // namespace coinwell
