#pragma once
// The spelling check on the Home Budget screen: the checker a screen keeps while it is open
// (the autocorrect table is registered as the screen opens) and the check itself, run by
// Command15 and Options > Spelling Check through the screen's hook. The program attaches it with
// the run's spelling engine (budget_assembly.cpp); tests with an engine of their own.

#include <QObject>

#include "budget/core/spelling_check.h"

namespace coinwell::budget {

class BudgetScreen;

class BudgetSpelling : public QObject {
    Q_OBJECT
  public:
    BudgetSpelling(BudgetScreen& screen, SpellingEngine& engine);

    // Checks the item names, asking through the spelling dialog.
    void check();
    SpellingChecker& checker() { return checker_; }

  private:
    BudgetScreen& screen_;
    SpellingChecker checker_;
};

// Makes the spelling check of a new screen; it lives as long as the screen.
BudgetSpelling* attachSpellingCheck(BudgetScreen& screen, SpellingEngine& engine);

}  // namespace coinwell::budget
