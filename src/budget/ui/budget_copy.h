#pragma once
// Options > Copy and Edit > Copy Budget to Windows Clipboard: the year on show as text on the
// clipboard, with the same budget as an HTML table beside it, then "Current Budget has been
// copied to the Windows Clipboard.".

namespace coinwell::budget {

class BudgetScreen;

void copyBudgetToClipboard(BudgetScreen& screen);

}  // namespace coinwell::budget
