#include "budget/ui/budget_undo.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QUndoCommand>

#include "budget/ui/budget_screen.h"

namespace coinwell::budget {

namespace {

// One change: the year's texts before and after it. Pushed once the screen has made the change,
// so its first redo has nothing to do.
class YearStep : public QUndoCommand {
  public:
    static constexpr int kTypingId = 1;

    YearStep(BudgetUndo& owner, BudgetYear before, BudgetYear after, const YearEdit& edit)
        : owner_(owner),
          before_(std::move(before)),
          after_(std::move(after)),
          row_(edit.row),
          column_(edit.column),
          typing_(edit.inputBoxKeystroke),
          session_(owner.typingSession()) {}

    int id() const override { return typing_ ? kTypingId : -1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const YearStep*>(other);
        if (next->row_ != row_ || next->column_ != column_ || next->session_ != session_) {
            return false;
        }
        after_ = next->after_;
        setObsolete(after_ == before_);  // typed and taken back: no step at all
        return true;
    }

    void undo() override { owner_.show(before_, row_, column_); }
    void redo() override {
        if (pushed_) {
            owner_.show(after_, row_, column_);
        }
        pushed_ = true;
    }

  private:
    BudgetUndo& owner_;
    BudgetYear before_;
    BudgetYear after_;
    int row_;
    int column_;
    bool typing_;
    int session_;
    bool pushed_ = false;
};

bool isUndoOrRedoKey(const QKeyEvent* key) {
    const auto combination = key->keyCombination();
    return combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Z) ||
           combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
           combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

}  // namespace

BudgetUndo::BudgetUndo(BudgetScreen& screen) : QObject(&screen), screen_(screen) {
    setObjectName(QStringLiteral("BudgetUndo"));
    stack_.setUndoLimit(kSteps);

    // The actions' texts stay as given: the steps carry no text of their own.
    undo_ = stack_.createUndoAction(&screen, QStringLiteral("&Undo"));
    undo_->setObjectName(QStringLiteral("mEUndo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = stack_.createRedoAction(&screen, QStringLiteral("&Redo"));
    redo_->setObjectName(QStringLiteral("mERedo"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The stack's own triggers are replaced: an entry open in the grid's editor ends first.
    disconnect(undo_, &QAction::triggered, &stack_, nullptr);
    disconnect(redo_, &QAction::triggered, &stack_, nullptr);
    connect(undo_, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(redo_, &QAction::triggered, this, [this] { undoOrRedo(false); });
    auto* separator = new QAction(&screen);
    separator->setSeparator(true);
    separator->setObjectName(QStringLiteral("mE0"));
    QMenu* edit = screen.editMenu();
    edit->insertActions(edit->actions().value(0), {undo_, redo_, separator});

    screen.saveAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    screen.hooks().yearEdited = [this](BudgetScreen&, const YearEdit& edit) { yearEdited(edit); };
    // The history starts with the year the screen is set up with.
    connect(&screen, &BudgetScreen::yearLoaded, this, &BudgetUndo::yearLoaded);
    // Typing merges while the Input Box stays on one cell.
    connect(screen.grid()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ++typingSession_; });
    connect(screen.inputBox(), &QLineEdit::editingFinished, this, [this] { ++typingSession_; });
    // In the Input Box Ctrl+Z is the budget's undo, not the box's own.
    screen.inputBox()->installEventFilter(this);
}

bool BudgetUndo::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) &&
        isUndoOrRedoKey(static_cast<QKeyEvent*>(event))) {
        // The box does not claim the key, so the Edit menu's shortcut runs; with nothing to
        // undo the key does nothing, rather than the box's own undo.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void BudgetUndo::yearEdited(const YearEdit& edit) {
    const BudgetYear& now = screen_.year();
    if (now == known_) {
        return;  // nothing changed (an entry refused, a sort that moved nothing)
    }
    if (!edit.inputBoxKeystroke) {
        ++typingSession_;
    }
    BudgetYear before = std::move(known_);
    known_ = now;
    stack_.push(new YearStep(*this, std::move(before), now, edit));
}

void BudgetUndo::yearLoaded() {
    // The same year read back as it is on show (after a backup) keeps its history.
    if (screen_.selectedYear() != knownYear_ || screen_.year() != known_) {
        stack_.clear();
    }
    known_ = screen_.year();
    knownYear_ = screen_.selectedYear();
}

void BudgetUndo::undoOrRedo(bool undo) {
    screen_.commitOpenEntry();
    undo ? stack_.undo() : stack_.redo();
}

void BudgetUndo::show(const BudgetYear& year, int row, int column) {
    screen_.showChangedYear(year, row, column);
    known_ = screen_.year();
    ++typingSession_;
}

}  // namespace coinwell::budget
