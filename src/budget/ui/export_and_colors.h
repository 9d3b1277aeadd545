#pragma once
// Gives a Home Budget screen its export panel, its clipboard copy and its grid colours: the
// program registers it as a screen extension (BudgetScreen::addExtension).

namespace coinwell::budget {

class BudgetScreen;

void attachExportAndColors(BudgetScreen& screen);

}  // namespace coinwell::budget
