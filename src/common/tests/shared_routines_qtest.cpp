// The shared routines, asked through the scripted desktop in a fresh program folder each.

#include <QMainWindow>
#include <QTest>
#include <vector>

#include "common/core/record_file.h"
#include "common/core/settings_files.h"
#include "common/core/shared_routines.h"
#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/temporary_program_folder.h"
#include "common/ui/display_state.h"
#include "common/ui/twips.h"

using namespace coinwell;

namespace {

const InputRequest kFamilyNameQuestion{
    "Please Enter Family Name for use in the Various Program areas.\rTo Accept name,\r"
    "click OK.\rTo Delete name,\rclick Cancel or press <Esc> key.",
    "Family Name", ""};

InputRequest familyNameQuestion(const std::string& current) {
    InputRequest request = kFamilyNameQuestion;
    request.defaultText = current;
    return request;
}

MessageRequest deleteQuestion(const std::string& name) {
    return {"Delete Family Name - " + name + "?", "Family Name", MessageIcon::Question,
            MessageButtons::YesNo, Answer::No};
}

const MessageRequest kAllScreensQuestion{
    "Save Panel Color Changes for ALL of the Program Functions?",
    "Complete Program Panel Color Update Option", MessageIcon::Question,
    MessageButtons::YesNoCancel, Answer::No};

// A clock that moves 10 ms with every sleep, from a chosen second.
class FakeClock : public SecondsClock {
  public:
    explicit FakeClock(int startSecond, int skipAt = -1)
        : ms_(startSecond * 1000), skipAt_(skipAt) {}
    int secondsField() override { return (ms_ / 1000) % 60; }
    void sleepFor(std::chrono::milliseconds duration) override {
        ms_ += static_cast<int>(duration.count());
        if (skipAt_ >= 0 && secondsField() == skipAt_) {
            ms_ += 1000;  // this second never shows
        }
        ++sleeps_;
    }
    int sleeps() const { return sleeps_; }

  private:
    int ms_;
    int skipAt_;
    int sleeps_ = 0;
};

// A clock that never moves.
class StoppedClock : public SecondsClock {
  public:
    int secondsField() override { return 30; }
    void sleepFor(std::chrono::milliseconds) override { ++sleeps; }
    int sleeps = 0;
};

std::string textRecord(std::string_view text) {
    std::string record;
    record += static_cast<char>(text.size());
    record += '\0';
    record += text;
    return record;
}

}  // namespace

class SharedRoutinesTest : public QObject {
    Q_OBJECT

  private slots:
    void colorConflictMessage();
    void familyNameAcceptedOrCut();
    void familyNameCancelAsksBeforeDeleting();
    void familyNameThatCannotBeStoredStillApplies();
    void pauseCountsAcrossTheMinute_data();
    void pauseCountsAcrossTheMinute();
    void pauseEndsWhenTheClockMisbehaves();
    void panelColorForAllAskedNoWritesNothing();
    void panelColorForAllWritesEveryRecordFileByFile();
    void defaultPanelColorAsksNothing();
    void displayStateOfAMaximizedWindow();
    void displayStateOfANormalWindow();
};

void SharedRoutinesTest::colorConflictMessage() {
    ScriptedDesktop desktop;
    desktop.expectMessage({"Selected Color would cause a conflict with Text and Background Colors!",
                           "Color Conflict", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok},
                          Answer::Ok);
    showColorConflict(desktop);
    COINWELL_VERIFY_DESKTOP(desktop);
}

void SharedRoutinesTest::familyNameAcceptedOrCut() {
    TemporaryProgramFolder folder;
    ModalWatchdog watchdog;
    ScriptedDesktop desktop;
    RunSettings settings;
    settings.familyName = "Stale";  // the file is read first and wins
    desktop.beginBusy();
    desktop.expectInput(familyNameQuestion(""), "ABCDEFGHIJKLMNOPQRST");
    editFamilyName(desktop, settings);
    QCOMPARE(settings.familyName, std::string("ABCDEFGHIJKLMNO"));
    QCOMPARE(folder.readBytes("HINVNAME.FIL"), textRecord("ABCDEFGHIJKLMNO"));
    QVERIFY(!desktop.isBusy());
    QCOMPARE(desktop.log().first(), QStringLiteral("begin busy"));
    QCOMPARE(desktop.log().at(1), QStringLiteral("end busy"));

    desktop.expectInput(familyNameQuestion("ABCDEFGHIJKLMNO"), "Smith");
    editFamilyName(desktop, settings);
    QCOMPARE(settings.familyName, std::string("Smith"));
    QCOMPARE(hexBytes(folder.readBytes("HINVNAME.FIL")),
             hexBytes(textRecord("Smith") + "FGHIJKLMNO"));  // bytes past the name stay

    // Fifteen characters are kept whole, counted as characters, not bytes.
    desktop.expectInput(familyNameQuestion("Smith"), "M\u00FCller-L\u00FCdenscheid");
    editFamilyName(desktop, settings);
    QCOMPARE(settings.familyName, std::string("M\u00FCller-L\u00FCdensch"));
    QCOMPARE(folder.readBytes("HINVNAME.FIL").substr(0, 17), std::string("\x0F\x00M\xFCller-L\xFC"
                                                                         "densch",
                                                                         17));

    // Nothing stored and nothing entered: stored empty without a question.
    writeFamilyName("");
    desktop.expectInput(familyNameQuestion(""), "");
    editFamilyName(desktop, settings);
    QCOMPARE(settings.familyName, std::string());
    COINWELL_VERIFY_DESKTOP(desktop);
    COINWELL_VERIFY_WATCHDOG(watchdog);
}

void SharedRoutinesTest::familyNameCancelAsksBeforeDeleting() {
    TemporaryProgramFolder folder;
    ScriptedDesktop desktop;
    RunSettings settings;
    writeFamilyName("Smith");
    desktop.expectInput(familyNameQuestion("Smith"), "");
    desktop.expectMessage(deleteQuestion("Smith"), Answer::No);
    editFamilyName(desktop, settings);
    QCOMPARE(settings.familyName, std::string("Smith"));
    QCOMPARE(folder.readBytes("HINVNAME.FIL"), textRecord("Smith"));

    desktop.expectInput(familyNameQuestion("Smith"), "");
    desktop.expectMessage(deleteQuestion("Smith"), Answer::Yes);
    editFamilyName(desktop, settings);
    QCOMPARE(settings.familyName, std::string());
    QCOMPARE(hexBytes(folder.readBytes("HINVNAME.FIL")), std::string("00 00 53 6D 69 74 68"));
    QCOMPARE(readFamilyName(), std::optional<std::string>(""));
    COINWELL_VERIFY_DESKTOP(desktop);
}

void SharedRoutinesTest::familyNameThatCannotBeStoredStillApplies() {
    TemporaryProgramFolder folder;
    std::filesystem::create_directory(folder.filePath("HINVNAME.FIL"));
    ScriptedDesktop desktop;
    RunSettings settings;
    settings.familyName = "Jones";  // kept: the file cannot be read
    desktop.expectInput(familyNameQuestion("Jones"), "\u0141ukasz");
    editFamilyName(desktop, settings);
    QCOMPARE(settings.familyName, std::string("\u0141ukasz"));
    QVERIFY(std::filesystem::is_directory(folder.filePath("HINVNAME.FIL")));
    COINWELL_VERIFY_DESKTOP(desktop);
}

void SharedRoutinesTest::pauseCountsAcrossTheMinute_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("2 from 58") << 2 << 58 << 0;
    QTest::newRow("2 from 59") << 2 << 59 << 1;
    QTest::newRow("1 from 59") << 1 << 59 << 0;
    QTest::newRow("1 from 10") << 1 << 10 << 11;
    QTest::newRow("2 from 0") << 2 << 0 << 2;
}

void SharedRoutinesTest::pauseCountsAcrossTheMinute() {
    QFETCH(int, seconds);
    QFETCH(int, start);
    QFETCH(int, end);
    // The clock starts at the very end of its second, so the pause lasts n - 1 seconds and a bit.
    FakeClock clock(start);
    for (int i = 0; i < 99; ++i) {
        clock.sleepFor(std::chrono::milliseconds(10));
    }
    const int before = clock.sleeps();
    pauseSeconds(seconds, clock);
    QCOMPARE(clock.secondsField(), end);
    QCOMPARE(clock.sleeps() - before, (seconds - 1) * 100 + 1);
    // From the start of its second it lasts the full n seconds.
    FakeClock fresh(start);
    pauseSeconds(seconds, fresh);
    QCOMPARE(fresh.secondsField(), end);
    QCOMPARE(fresh.sleeps(), seconds * 100);
}

void SharedRoutinesTest::pauseEndsWhenTheClockMisbehaves() {
    // Second 0 never shows (the machine was busy): the pause from 58 ends at 1, not a minute on.
    FakeClock skipping(58, 0);
    pauseSeconds(2, skipping);
    QCOMPARE(skipping.secondsField(), 1);
    // A clock that stands still: the pause gives up after n + 1 seconds of polls.
    StoppedClock stopped;
    pauseSeconds(2, stopped);
    QCOMPARE(stopped.sleeps, 300);
}

void SharedRoutinesTest::panelColorForAllAskedNoWritesNothing() {
    TemporaryProgramFolder folder;
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        ScriptedDesktop desktop;
        RunSettings settings;
        settings.pendingPanelColor = "255";
        desktop.expectMessage(kAllScreensQuestion, answer);
        applyPanelColorToAll(desktop, settings);
        QCOMPARE(settings.pendingPanelColor, std::string("255"));
        QCOMPARE(settings.panelColor, std::string("Default"));
        QVERIFY(!folder.exists("GColor1.Fil"));
        QVERIFY(!folder.exists("GColor2.Fil"));
        QVERIFY(!folder.exists("GColor3.Fil"));
        COINWELL_VERIFY_DESKTOP(desktop);
    }
    // Yes with nothing pending: asked, but nothing written.
    ScriptedDesktop desktop;
    RunSettings settings;
    settings.pendingPanelColor = "  ";
    desktop.expectMessage(kAllScreensQuestion, Answer::Yes);
    applyPanelColorToAll(desktop, settings);
    QVERIFY(!folder.exists("GColor1.Fil"));
    QCOMPARE(settings.panelColor, std::string("Default"));
    COINWELL_VERIFY_DESKTOP(desktop);
}

void SharedRoutinesTest::panelColorForAllWritesEveryRecordFileByFile() {
    TemporaryProgramFolder folder;
    // Other programs' records around the panel colours must stay as they are.
    std::string gcolor1(80 * 20, '\x5A');
    folder.writeBytes("GColor1.Fil", gcolor1);
    ScriptedDesktop desktop;
    RunSettings settings;
    settings.pendingPanelColor = "8421504";
    std::vector<std::vector<bool>> seenAtEvents;
    desktop.setProcessEventsHook([&] {
        seenAtEvents.push_back({RecordFile("GColor1.Fil", 20).readText(80) == "8421504",
                                RecordFile("GColor2.Fil", 20).readText(40) == "8421504",
                                RecordFile("GColor3.Fil", 20).readText(105) == "8421504"});
    });
    desktop.expectMessage(kAllScreensQuestion, Answer::Yes);
    applyPanelColorToAll(desktop, settings);
    COINWELL_VERIFY_DESKTOP(desktop);
    // Events ran after the first file and after the second.
    QCOMPARE(seenAtEvents.size(), std::size_t{2});
    QCOMPARE(seenAtEvents[0], (std::vector<bool>{true, false, false}));
    QCOMPARE(seenAtEvents[1], (std::vector<bool>{true, true, false}));
    QCOMPARE(settings.panelColor, std::string("8421504"));
    QCOMPARE(settings.pendingPanelColor, std::string());

    const std::string value = textRecord("8421504");  // 9 bytes
    for (const int record : kGColor1PanelRecords) {
        gcolor1.replace((record - 1) * 20, value.size(), value);
    }
    QCOMPARE(hexBytes(folder.readBytes("GColor1.Fil")), hexBytes(gcolor1));
    QCOMPARE(folder.readBytes("GColor1.Fil").substr(54 * 20, 20), std::string(20, '\x5A'));
    std::string gcolor2;
    for (const int record : {5, 9, 12, 16, 19, 20, 22, 25, 40}) {
        gcolor2.resize((record - 1) * 20, '\0');
        gcolor2 += value;
    }
    QCOMPARE(hexBytes(folder.readBytes("GColor2.Fil")), hexBytes(gcolor2));
    std::string gcolor3;
    for (const int record : {8, 17, 91, 92, 100, 101, 102, 103, 104, 105}) {
        gcolor3.resize((record - 1) * 20, '\0');
        gcolor3 += value;
    }
    QCOMPARE(hexBytes(folder.readBytes("GColor3.Fil")), hexBytes(gcolor3));
}

void SharedRoutinesTest::defaultPanelColorAsksNothing() {
    TemporaryProgramFolder folder;
    ScriptedDesktop desktop;
    RunSettings settings;
    settings.defaultPanelColorChosen = true;
    settings.pendingPanelColor = "Default";
    applyPanelColorToAll(desktop, settings);
    QVERIFY(!settings.defaultPanelColorChosen);
    QCOMPARE(settings.panelColor, std::string("Default"));
    QCOMPARE(readPanelColor(PanelColorScreen::Main), std::string("Default"));
    QCOMPARE(readPanelColor(PanelColorScreen::HomeCalculator), std::string("Default"));
    COINWELL_VERIFY_DESKTOP(desktop);
}

void SharedRoutinesTest::displayStateOfAMaximizedWindow() {
    TemporaryProgramFolder folder;
    writeDisplayState("Yes", std::int16_t{9500}, std::int16_t{12500});
    RunSettings settings;
    settings.storedHeight = 9500;
    settings.storedWidth = 12500;
    QMainWindow window;
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    saveDisplayState(window, settings);
    QCOMPARE(settings.displayMode, DisplayMode::Full);
    const DisplayRecords stored = readDisplayRecords();
    QCOMPARE(stored.mode, std::string("No"));
    QCOMPARE(stored.height, std::int16_t{9500});
    QCOMPARE(stored.width, std::int16_t{12500});
    QCOMPARE(folder.readBytes("GColor3.Fil").substr(34 * 20, 5), std::string("\x02\x00Nos", 5));
}

void SharedRoutinesTest::displayStateOfANormalWindow() {
    TemporaryProgramFolder folder;
    RunSettings settings;
    settings.storedHeight = 5000;
    settings.storedWidth = 8000;
    QMainWindow window;
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    saveDisplayState(window, settings);
    // Too small a stored size: the window is enlarged to 9000 x 12000 twips and that is stored.
    QCOMPARE(settings.displayMode, DisplayMode::Smaller);
    QCOMPARE(settings.storedHeight, 9000);
    QCOMPARE(settings.storedWidth, 12000);
    QCOMPARE(window.frameGeometry().height(), twipsToPixels(9000));
    QCOMPARE(window.frameGeometry().width(), twipsToPixels(12000));
    QCOMPARE(folder.readBytes("GColor3.Fil").substr(34 * 20),
             textRecord("Yes") + std::string(15, '\0') + std::string("\x28\x23", 2) +
                 std::string(18, '\0') + std::string("\xE0\x2E", 2));

    // A stored size large enough: the window's own size is stored.
    window.resize(700, 500);
    saveDisplayState(window, settings);
    QCOMPARE(settings.storedHeight, pixelsToTwips(window.frameGeometry().height()));
    QCOMPARE(settings.storedWidth, pixelsToTwips(window.frameGeometry().width()));
    QCOMPARE(readDisplayRecords().height, std::int16_t(settings.storedHeight));

    // The core rule alone: sizes beyond the 16-bit records are held at their largest.
    MainWindowState huge{true, 40000, 50000};
    settings.storedHeight = 9000;
    settings.storedWidth = 12000;
    saveDisplayState(settings, huge);
    QCOMPARE(settings.storedHeight, 32767);
    QCOMPARE(readDisplayRecords().width, std::int16_t{32767});
}

QTEST_MAIN(SharedRoutinesTest)
#include "shared_routines_qtest.moc"
