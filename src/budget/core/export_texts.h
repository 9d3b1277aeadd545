#pragma once
// The texts of the export panel SSPanel2 and its messages.

#include <string>
#include <string_view>

#include "common/core/dialogs.h"

namespace coinwell::budget {

inline constexpr std::string_view kExportNameCaption = "With the following name:";  // Label101
inline constexpr std::string_view kExportPathCaption = "Path:";                     // Label21
inline constexpr std::string_view kExportListCaptions[3] = {"Drives:", "Folders:", "File:"};
inline constexpr std::string_view kExportButtonCaption = "Export File to Selected Folder";
inline constexpr std::string_view kExportCloseCaption = "Close";
// The file list shows only these: the text files and the workbooks.
inline constexpr std::string_view kExportFilePattern = "*.xls";
inline constexpr std::string_view kWorkbookFilePattern = "*.xlsx";
// lblXlsxHint, under the panel's other texts.
inline constexpr std::string_view kWorkbookHint =
    "Name the file with .xlsx to export an Excel workbook with totals.";

// Label100: what is saved and where (the folder after two carriage returns).
std::string exportExplanation(std::string_view folder);
// Label102: the notes on replacing and on the totals.
std::string_view exportNotes();

MessageRequest exportNameMessage();       // "File Name is Missing or Incorrect"
MessageRequest exportFailedMessage();     // the three-line "Export Error"
MessageRequest exportCompletedMessage();  // "Export Completed to selected location!"
// A place or folder that cannot be read: gone (the medium taken out) or refused.
MessageRequest deviceUnavailableMessage();  // "Device Unavailable!  "
MessageRequest driveUnavailableMessage();   // "Device/Drive is Unavailable!"

}  // namespace coinwell::budget
