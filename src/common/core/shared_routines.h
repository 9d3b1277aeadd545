#pragma once
// The routines every screen shares: the colour-conflict message, the family-name dialog, the
// short pause, saving the display state and writing a panel colour to every screen of the suite.

#include <chrono>
#include <cstdint>

#include "common/core/dialogs.h"
#include "common/core/run_settings.h"

namespace coinwell {

// "Selected Color would cause a conflict with Text and Background Colors!"
void showColorConflict(Dialogs& dialogs);

// Asks for the family name (prefilled with the stored one); an empty answer offers to delete a
// stored name; the result, cut to 15 characters, goes to HINVNAME.FIL and to familyName (the
// latter even when the file cannot be written).
void editFamilyName(Dialogs& dialogs, RunSettings& settings);
inline constexpr std::size_t kFamilyNameLength = 15;

// The clock a pause watches: the seconds field of the time of day, and a short sleep.
class SecondsClock {
  public:
    virtual ~SecondsClock() = default;
    virtual int secondsField() = 0;
    virtual void sleepFor(std::chrono::milliseconds duration) = 0;
};
SecondsClock& systemSecondsClock();

// Waits, without letting any event run, until the seconds field of the time has moved on by n
// (1 or 2), counting across the minute: between n - 1 and n seconds. A second the clock skips
// (a busy machine, the clock set back or forward) ends the wait instead of prolonging it past
// n + 1 seconds.
void pauseSeconds(int n);
void pauseSeconds(int n, SecondsClock& clock);

// If the Default Panel Color marker is set it is cleared; otherwise the user is asked whether
// to save the panel colour for all screens. On Yes (or after the marker) a non-blank
// pendingPanelColor is written to every panel-colour record of the suite, GColor1.Fil,
// GColor2.Fil and GColor3.Fil in turn with events let run between the files; it becomes
// panelColor and stops being pending.
void applyPanelColorToAll(Dialogs& dialogs, RunSettings& settings);

// The main window's state and size (twips) when the display state is saved.
struct MainWindowState {
    bool normal = true;  // false when maximized or minimized
    int height = 0;
    int width = 0;
};
// Saves the display state: Smaller display for a normal window, Full otherwise; a stored size
// below 9000 x 12000 twips enlarges the window (normal windows only: a maximized or minimized
// window keeps its size); for Smaller display the window's size becomes the stored size. Writes
// "Yes"/"No" to GColor3.Fil record 35 and, for Smaller, the size to records 36 and 37. Returns
// the window size the caller should now give the window.
MainWindowState saveDisplayState(RunSettings& settings, MainWindowState window);

}  // namespace coinwell
