#pragma once
// The guide-lines choice of a printing screen, kept in its record of GColor3.Fil as the text
// "0" (do not display) or "1" (display).

#include "print/core/print_panel_settings.h"

namespace coinwell::print {

// The stored choice: 1 only when the record reads as 1; a missing, empty or unreadable record,
// or any other number, gives 0.
int readGuideLinesChoice(PrintingScreen screen);
// Stores "0" or "1"; a failed write is ignored.
void writeGuideLinesChoice(PrintingScreen screen, int choice);

}  // namespace coinwell::print
