#include "budget/core/export_texts.h"

namespace coinwell::budget {

namespace {

constexpr const char* kExportError = "Export Error";

}  // namespace

std::string exportExplanation(std::string_view folder) {
    return "A non-formatted Spreadsheet File (tab-delimited text file) will be saved in the "
           "program folder:  \r\r" +
           std::string(folder);
}

std::string_view exportNotes() {
    return "Note: If File already exists it will be replaced with this file!\r\r"
           "File will NOT include Total Expenses, Balance etc. in that formulas cannot be "
           "exported correctly!  You will have to add them in Excel, if desired.";
}

MessageRequest exportNameMessage() {
    return {"File Name is Missing or Incorrect", kExportError, MessageIcon::Critical,
            MessageButtons::Ok, Answer::Ok};
}

MessageRequest exportFailedMessage() {
    return {
        "Permission to create file Denied!\rFile may be in use by another program!\r"
        "Close other program and try exporting again",
        kExportError, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok};
}

MessageRequest exportCompletedMessage() {
    return {"Export Completed to selected location!", "Export Function", MessageIcon::Information,
            MessageButtons::Ok, Answer::Ok};
}

MessageRequest deviceUnavailableMessage() {
    return {"Device Unavailable!  ", "Device Status", MessageIcon::Exclamation, MessageButtons::Ok,
            Answer::Ok};
}

MessageRequest driveUnavailableMessage() {
    return {"Device/Drive is Unavailable!", "Device/Drive Error", MessageIcon::Critical,
            MessageButtons::Ok, Answer::Ok};
}

}  // namespace coinwell::budget
