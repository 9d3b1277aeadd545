#pragma once
// What every screen is handed when it is created: the way out to the desktop and the run-wide
// settings values.

#include "common/core/run_settings.h"
#include "common/ui/desktop.h"

namespace coinwell {

struct AppContext {
    Desktop& desktop;
    RunSettings& settings;
};

}  // namespace coinwell
