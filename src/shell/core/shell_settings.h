#pragma once
// The stored settings the shell reads and writes, each by bare file name in the current folder.
// Every call opens the file, reads or writes its records and closes it; a failure leaves the
// value at its default (reads) or is skipped (writes).

#include <string>
#include <string_view>

#include "common/core/run_settings.h"
#include "shell/core/tool_screen_spec.h"

namespace coinwell::shell {

// A tool screen's panel-colour record (text).
std::string readPanelColorRecord(const PanelColorRecord& record);
void writePanelColorRecord(const PanelColorRecord& record, std::string_view text);

// GColor3.Fil records 35 (display mode text), 36 (storedHeight), 37 (storedWidth).
struct DisplayRecords {
    std::string mode;
    int height = 0;
    int width = 0;
};
DisplayRecords readDisplayRecords();
void writeDisplayModeRecord(std::string_view text);
void writeStoredSize(int height, int width);

// The appearance values the main screen reads at load: family name, screen background (in the
// form RunSettings keeps it: a decimal colour number, "Def", "WP" + n, or any stored text) and
// the program-wide panel colour (record 49; empty reads as "Default").
void readAppearance(RunSettings& settings);

// Writes the screen background: a colour number as a 32-bit integer, a wallpaper name or "Def"
// as text.
void writeScreenBackground(std::string_view value);

}  // namespace coinwell::shell
