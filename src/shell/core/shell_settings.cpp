#include "shell/core/shell_settings.h"

#include "common/core/record_file.h"

namespace coinwell::shell {

namespace {
constexpr std::size_t kPanelColorRecordLength = 20;
}

std::string readPanelColorRecord(const PanelColorRecord& record) {
    return RecordFile(record.file, kPanelColorRecordLength).readText(record.record);
}

bool writePanelColorRecord(const PanelColorRecord& record, std::string_view text) {
    return RecordFile(record.file, kPanelColorRecordLength).writeText(record.record, text);
}

}  // namespace coinwell::shell
