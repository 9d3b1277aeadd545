#pragma once
// TEMPORARY: the shared routines the frame calls, until the common ones are in; then these
// forward to them and this file goes.

#include "common/core/dialogs.h"
#include "common/core/run_settings.h"

namespace coinwell::shell {

void colorConflict(Dialogs& dialogs);
void panelColorToAll(Dialogs& dialogs, RunSettings& settings);

}  // namespace coinwell::shell
