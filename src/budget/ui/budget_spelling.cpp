#include "budget/ui/budget_spelling.h"

#include <QTableView>

#include "budget/ui/budget_grid_model.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/spelling_dialog.h"
#include "common/ui/app_context.h"

namespace coinwell::budget {

namespace {

// The names of the screen's grid: changes go in as the user's edits.
class ScreenItemNames : public ItemNames {
  public:
    explicit ScreenItemNames(BudgetScreen& screen) : screen_(screen) {}

    std::string name(int row) const override { return screen_.year().cellText(row, kItemColumn); }
    void setName(int row, const std::string& name) override {
        changed_ = screen_.setCellText(row, kItemColumn, name) || changed_;
    }
    void showRow(int row) override {
        QTableView* grid = screen_.grid();
        const QModelIndex cell =
            static_cast<BudgetGridModel*>(grid->model())->cellIndex(row, kItemColumn);
        grid->setCurrentIndex(cell);
        grid->scrollTo(cell);
    }

    bool changed() const { return changed_; }

  private:
    BudgetScreen& screen_;
    bool changed_ = false;
};

}  // namespace

BudgetSpelling::BudgetSpelling(BudgetScreen& screen, SpellingEngine& engine)
    : QObject(&screen), screen_(screen), checker_(engine) {
    setObjectName(QStringLiteral("VSSpell1"));
}

void BudgetSpelling::check() {
    ScreenItemNames names(screen_);
    names.showRow(screen_.currentRow());
    DialogSpellingQuestions questions(screen_.context().desktop, &screen_, [this](int row) {
        QTableView* grid = screen_.grid();
        const QRect cells = grid->visualRect(
            static_cast<BudgetGridModel*>(grid->model())->cellIndex(row, kItemColumn));
        // The whole row across the grid, as the user sees it.
        const QRect across(QPoint(0, cells.top()),
                           QPoint(grid->viewport()->width(), cells.bottom()));
        return QRect(grid->viewport()->mapToGlobal(across.topLeft()), across.size());
    });
    checkItemNames(checker_, names, questions, screen_.context().desktop);
    if (names.changed() && screen_.totalsShown()) {
        screen_.buildYearTotals();  // the Totals grid lists the names too
    }
    screen_.grid()->setFocus();
}

BudgetSpelling* attachSpellingCheck(BudgetScreen& screen, SpellingEngine& engine) {
    auto* spelling = new BudgetSpelling(screen, engine);
    screen.hooks().checkSpelling = [spelling](BudgetScreen&) { spelling->check(); };
    return spelling;
}

}  // namespace coinwell::budget
