#pragma once
// The Home Budget's Utilities > Backup and Restore open the backup and restore dialog of
// backup/ui, modally, with the family code, the start mode and the selected year.

namespace coinwell::budget {

class BudgetScreen;

void attachBackupUtility(BudgetScreen& screen);

}  // namespace coinwell::budget
