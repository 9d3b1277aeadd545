#pragma once
// Gives a Home Budget screen its export panel, its clipboard copy and its grid colours.

namespace coinwell::budget {

class BudgetScreen;

void attachExportAndColors(BudgetScreen& screen);

}  // namespace coinwell::budget
