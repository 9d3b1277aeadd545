#include "shell/core/routines_adapter.h"

#include "shell/core/shell_settings.h"

namespace coinwell::shell {

void colorConflict(Dialogs& dialogs) {
    dialogs.message({"Selected Color would cause a conflict with Text and Background Colors!",
                     "Color Conflict", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok});
}

void panelColorToAll(Dialogs& dialogs, RunSettings& settings) {
    if (settings.defaultPanelColorChosen) {
        settings.defaultPanelColorChosen = false;
    } else {
        dialogs.endBusy();
        const Answer answer =
            dialogs.message({"Save Panel Color Changes for ALL of the Program Functions?",
                             "Complete Program Panel Color Update Option", MessageIcon::Question,
                             MessageButtons::YesNoCancel, Answer::No});
        if (answer != Answer::Yes) {
            return;
        }
    }
    if (settings.pendingPanelColor.find_first_not_of(' ') == std::string::npos) {
        return;
    }
    const std::string& text = settings.pendingPanelColor;
    for (int r : {10, 11, 12, 13, 16, 17, 18, 22, 27, 32, 36, 38, 40, 49, 54, 56, 70, 80}) {
        writePanelColorRecord({"GColor1.Fil", r}, text);
    }
    dialogs.processEvents();
    for (int r : {5, 9, 12, 16, 19, 20, 22, 25, 40}) {
        writePanelColorRecord({"GColor2.Fil", r}, text);
    }
    dialogs.processEvents();
    for (int r : {8, 17, 91, 92, 100, 101, 102, 103, 104, 105}) {
        writePanelColorRecord({"GColor3.Fil", r}, text);
    }
    settings.panelColor = settings.pendingPanelColor;
    settings.pendingPanelColor.clear();
}

}  // namespace coinwell::shell
