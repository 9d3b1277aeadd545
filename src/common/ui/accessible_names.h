#pragma once
// Names for screen readers. The screens place their controls at fixed positions with a caption
// label beside or above each box; this names every box without a name by that caption, so a
// reader says "Purchase Amount" rather than nothing. Buttons, check boxes and menu items are
// named by their own text already.

class QWidget;

namespace coinwell {

// Gives each input or result control under `root` that has no accessible name the text of its
// caption: the nearest label on its left on the same line, else the nearest label just above it.
// Controls created later (a panel built on demand) need their own call.
void nameControlsByCaptions(QWidget* root);

}  // namespace coinwell
