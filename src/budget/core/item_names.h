#pragma once
// The item names the spelling check works through: grid column 1, rows 1 to 50. The screen
// supplies its grid; a BudgetYear serves the same way on its own.

#include <string>

#include "budget/core/budget_year.h"

namespace coinwell::budget {

class ItemNames {
  public:
    virtual ~ItemNames() = default;

    // The name in row (1-50).
    virtual std::string name(int row) const = 0;
    // Changes the name as an edit of the user's: the year counts as changed.
    virtual void setName(int row, const std::string& name) = 0;
    // Makes row the grid's current row while it is checked (the user sees where the check is).
    virtual void showRow(int row) = 0;
};

// The names of a BudgetYear, remembering whether one was changed and the row last shown.
class YearItemNames : public ItemNames {
  public:
    explicit YearItemNames(BudgetYear& year) : year_(year) {}

    std::string name(int row) const override { return year_.cellText(row, kItemColumn); }
    void setName(int row, const std::string& name) override;
    void showRow(int row) override { shownRow_ = row; }

    bool changed() const { return changed_; }
    int shownRow() const { return shownRow_; }

  private:
    BudgetYear& year_;
    bool changed_ = false;
    int shownRow_ = 0;
};

}  // namespace coinwell::budget
