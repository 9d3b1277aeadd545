#include "budget/ui/backup_utility.h"

#include "backup/ui/backup_dialog.h"
#include "budget/ui/budget_screen.h"

namespace coinwell::budget {

void attachBackupUtility(BudgetScreen& screen) {
    screen.hooks().runBackupUtility = [](BudgetScreen& budget, const BackupHandOver& handOver) {
        const backup::BackupRequest request{
            static_cast<std::int16_t>(handOver.family),
            handOver.restoreMode ? backup::BackupMode::Restore : backup::BackupMode::Backup,
            handOver.year,
            // The year file a restore replaces is kept as an earlier version.
            [&budget](const std::function<bool()>& write) {
                return budget.replaceYearFile(budget.selectedYear(), write);
            }};
        backup::runBackupDialog(budget.context(), budget.mainScreen(), request, &budget);
    };
}

}  // namespace coinwell::budget
