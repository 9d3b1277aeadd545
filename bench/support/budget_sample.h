// The full budget year the Home Budget benchmarks work on.

#pragma once

#include "budget/core/budget_year.h"
#include "support/bench_application.h"

namespace coinwell::bench {

// Every item named, every month an amount, every month an income.
budget::BudgetYear fullBudgetYear();

// A program folder holding a full year under today's budget year (the one the screen opens
// on) and, when given, under one more year.
class FullBudgetFolder : public ScratchFolder {
  public:
    explicit FullBudgetFolder(const char* alsoYear = nullptr);
};

}  // namespace coinwell::bench
