#pragma once
// Undo and redo of the Home Budget's changes. Each change the screen reports (YearEdit) becomes
// one step on a QUndoStack holding the year's texts before and after it and the cell to make
// current; consecutive keystrokes into one cell through the Input Box merge into one step. The
// history belongs to the year on show: it starts afresh whenever a year is loaded.

#include <QObject>
#include <QUndoStack>

#include "budget/core/budget_year.h"

class QAction;

namespace coinwell::budget {

class BudgetScreen;
struct YearEdit;

class BudgetUndo : public QObject {
    Q_OBJECT
  public:
    // At least this many steps are kept.
    static constexpr int kSteps = 200;

    // Adds Edit > Undo and Redo (with a separator) at the top of the screen's Edit menu, their
    // keys, and Ctrl+S for Options > Save; listens to the screen's changes.
    explicit BudgetUndo(BudgetScreen& screen);

    QUndoStack& stack() { return stack_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

    // A step taken or gone back over: the year shown as it was, its cell current.
    void show(const BudgetYear& year, int row, int column);
    // Keystrokes merge only within one visit of the Input Box to one cell.
    int typingSession() const { return typingSession_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void yearEdited(const YearEdit& edit);
    void yearLoaded();
    void undoOrRedo(bool undo);

    BudgetScreen& screen_;
    QUndoStack stack_;
    BudgetYear known_;  // the year as the last step left it
    std::string knownYear_;
    int typingSession_ = 0;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace coinwell::budget
