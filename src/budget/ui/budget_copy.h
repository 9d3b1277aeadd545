#pragma once
// Options > Copy and Edit > Copy Budget to Windows Clipboard: the year on show as text on the
// clipboard, then "Current Budget has been copied to the Windows Clipboard.".

namespace coinwell::budget {

class BudgetScreen;

void copyBudgetToClipboard(BudgetScreen& screen);

}  // namespace coinwell::budget
