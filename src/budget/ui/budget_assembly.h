#pragma once
// Where the Home Budget screen and its parts come together: the screen is built, the parts attach
// to it in a fixed order, and only then is the screen set up as it opens. A part reads what it
// needs from the screen when the screen is set up (BudgetScreen::initialised, also after a
// restore) and follows later changes through the screen's signals, never at the moment it
// attaches: what one part shows does not depend on which parts attached before it.
//
// A new part is a function attachSomething(BudgetScreen&) and one line in attachBudgetParts().

#include <functional>

class QWidget;

namespace coinwell {
struct AppContext;
class ToolScreen;
}  // namespace coinwell

namespace coinwell::budget {

class BudgetScreen;

// Attaches parts to a screen that is built but not yet set up.
using BudgetParts = std::function<void(BudgetScreen&)>;

// Every part of the program's Home Budget, in their fixed order.
void attachBudgetParts(BudgetScreen& screen);

// Builds the screen, attaches `parts`, then sets the screen up. Tests and benchmarks name the
// parts they need (attachChartAndPrinting, attachExportAndColors, ...); an empty `parts` gives
// the bare screen.
BudgetScreen* assembleBudgetScreen(AppContext& context, QWidget* mainScreen,
                                   const BudgetParts& parts = attachBudgetParts);

// The screen the program registers for the Home Budget tool: the screen with every part.
ToolScreen* createBudgetScreen(AppContext& context, QWidget* mainScreen);

}  // namespace coinwell::budget
