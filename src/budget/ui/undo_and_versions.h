#pragma once
// The Home Budget's undo and redo (Edit > Undo, Redo and their keys) and the earlier versions of
// its years: every write that replaces a year file keeps the file it replaces, and Utilities >
// Restore an Earlier Version of Selected Year brings one back.

#include <functional>

#include "common/core/date_time.h"

namespace coinwell::budget {

class BudgetScreen;

// The local date and time that names a version.
using VersionClock = std::function<DateTime()>;
DateTime localNow();

void attachUndoAndVersions(BudgetScreen& screen, VersionClock clock = &localNow);

}  // namespace coinwell::budget
