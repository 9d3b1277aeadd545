#pragma once
// What the Home Budget hands to the backup and restore dialog: the family code, the direction
// and the selected year.

#include <cstdint>
#include <functional>

namespace coinwell::backup {

enum class BackupMode { Backup, Restore };

// The budget's two families; the codes of the suite's other programs never reach this program.
inline constexpr std::int16_t kBudgetBackupFamily = 36;
inline constexpr std::int16_t kBudgetRestoreFamily = 37;

struct BackupRequest {
    std::int16_t family = kBudgetBackupFamily;
    BackupMode mode = BackupMode::Backup;
    int year = 0;  // the selected budget year, e.g. 2011
    // Runs the restore's write over the year file (the Home Budget keeps the file it replaces as
    // an earlier version); the write alone when empty.
    std::function<bool(const std::function<bool()>& write)> replaceYearFile;
};

inline BackupRequest budgetBackupRequest(int year) {
    return {kBudgetBackupFamily, BackupMode::Backup, year, {}};
}

inline BackupRequest budgetRestoreRequest(int year) {
    return {kBudgetRestoreFamily, BackupMode::Restore, year, {}};
}

inline bool isBudgetFamily(std::int16_t family) {
    return family == kBudgetBackupFamily || family == kBudgetRestoreFamily;
}

}  // namespace coinwell::backup
