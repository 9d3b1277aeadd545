#pragma once
// A tool screen's panel-colour record (text, in a settings file of 20-byte records), by file
// name and record number in the current folder.

#include <string>
#include <string_view>

#include "shell/core/tool_screens.h"

namespace coinwell::shell {

std::string readPanelColorRecord(const PanelColorRecord& record);
bool writePanelColorRecord(const PanelColorRecord& record, std::string_view text);

}  // namespace coinwell::shell
