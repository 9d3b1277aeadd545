#pragma once
// What a window manager does around a screen, for the tests: offscreen nothing activates a
// window again on its own, so the tests move the focus themselves.

class QWidget;

namespace coinwell {

// The screen becomes the active window as it does when it opens, and its activation has run.
// Offscreen the window system's activation arrives some time after the show; waiting for it
// keeps it from landing in the middle of a test (moving the focus away from a cell's editor).
void enterScreen(QWidget* screen);

// The user goes to another program (or a message box or common dialog opens) and comes back:
// another top-level window that is none of the program's screens becomes active, then the screen.
void switchAwayAndBack(QWidget* screen);

// The user comes to the screen from another of the program's own screens or forms.
void comeBackFromAnotherScreen(QWidget* screen);

}  // namespace coinwell
