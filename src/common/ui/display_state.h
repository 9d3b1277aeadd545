#pragma once
// Saving the display state from the main window: its state and size, the stored records, and the
// enlarged size given back to a normal window.

#include "common/core/run_settings.h"

class QWidget;

namespace coinwell {

void saveDisplayState(QWidget& mainWindow, RunSettings& settings);

}  // namespace coinwell
