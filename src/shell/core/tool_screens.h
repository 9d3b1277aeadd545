#pragma once
// The frame values of the five tool screens: names, central panel, panel-colour record, colours,
// help topics, common menu items and keys. A screen is built from one of the constants below.

#include <string>

#include "common/core/dialogs.h"
#include "shell/core/frame_rules.h"

namespace coinwell::shell {

enum class Tool { Actuarial, Calculator, HomeCalc, Loan, Budget };
inline constexpr int kToolCount = 5;

// A settings record holding a panel colour as text: file name and record number (length 20).
struct PanelColorRecord {
    std::string file;
    int record = 0;
    bool operator==(const PanelColorRecord&) const = default;
};

// The right-click menu: the screen's Options menu, or a menu of its own ("mV").
enum class PopupKind { OptionsMenu, OwnMenu };

// objectNames and captions of the common menu items (they differ a little from screen to screen).
struct CommonMenuNames {
    std::string options = "mO";
    std::string panelColor = "mOC";
    std::string separator1 = "mO1";
    std::string printOptions = "mOPrint";
    std::string separator2 = "mO2";
    std::string exit = "mOE";
    std::string edit = "mE";
    std::string copy = "mECopy";
    std::string copyCaption = "&Copy";
    std::string help = "mH";
    // The screen's own right-click menu (PopupKind::OwnMenu).
    std::string popup = "mV";
    std::string popupPanelColorCaption = "Panel C&olor";
    std::string popupPrintCaption = "&Print Options";
};

struct ToolScreenSpec {
    std::string objectName;           // "LoanSheet"
    std::string caption;              // window title, "Loan Calculator"
    std::string centralPanelName;     // "Panel3D1"
    int leftOffset = 30;              // twips further left than centred
    TwipSize panelSize{10800, 7200};  // design size of the central panel, twips
    PanelColorRecord panelColorRecord;
    ColorNumber fallbackColor = kLightCyan;   // record neither "Default" nor a colour number
    ColorNumber designPanelColor = 0xC0C0C0;  // the "Default" colour
    int helpTopic = 0;
    int printOptionsHelpTopic = 0;  // 1014 on screens with a print options panel, else 0
    bool hasPrintOptions = false;
    bool printOptionsStartEnabled = true;  // false: enabled only once there is something to print
    bool hasCopy = false;
    bool escapeCloses = true;            // Esc leaves the screen (the print panel first)
    bool acceptsImageBackground = true;  // "Image" shows the design picture
    PopupKind popup = PopupKind::OptionsMenu;
    std::string colorChangesQuestion = "Save changes made to Panel and or Text Color?";
    CommonMenuNames menus;
};

inline constexpr int kPrintOptionsHelpTopic = 1014;

// The table of the five screens.
const ToolScreenSpec& loanScreenSpec();
const ToolScreenSpec& budgetScreenSpec();
const ToolScreenSpec& actuarialScreenSpec();
const ToolScreenSpec& calculatorScreenSpec();
const ToolScreenSpec& homeCalcScreenSpec();
const ToolScreenSpec& toolScreenSpec(Tool tool);

}  // namespace coinwell::shell
