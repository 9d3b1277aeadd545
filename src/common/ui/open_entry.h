#pragma once
// An entry still open in a grid's cell editor, and the one rule every command follows: the
// entry ends first, as Enter would end it, so that the command works on what was typed. Esc is
// the exception: it cancels the entry (the cell keeps its text) and only the next Esc does what
// Esc does on the screen.

#include <QObject>

class QWidget;

namespace coinwell {

// Ends an entry open in the window's grid as Enter would; nothing when none is open.
void commitOpenEntry(const QWidget* window);
// True while a cell editor of the window has the focus.
bool entryOpen(const QWidget* window);

// Watches the program's events for the window it belongs to: a mouse press anywhere outside
// the editor (a button, a heading, the menu bar, a menu item, the year list; not a scroll bar),
// a key given to a menu, a shortcut or access key, and the window's close each end an open
// entry before they are handled. So a command added later needs nothing of its own.
class OpenEntryGuard : public QObject {
  public:
    explicit OpenEntryGuard(QWidget* window);
    ~OpenEntryGuard() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
};

}  // namespace coinwell
