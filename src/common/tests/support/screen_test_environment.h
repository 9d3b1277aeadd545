#pragma once
// What every screen test starts from: a fresh program folder made current, a scripted desktop,
// the run-wide settings, the context handed to screens, and the modal-dialog watchdog. Made anew
// for each test function and dropped after it.

#include "common/core/run_settings.h"
#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/temporary_program_folder.h"
#include "common/ui/app_context.h"

namespace coinwell {

struct ScreenTestEnvironment {
    TemporaryProgramFolder folder;
    ScriptedDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    ModalWatchdog watchdog;
};

}  // namespace coinwell
