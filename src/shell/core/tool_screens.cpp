#include "shell/core/tool_screens.h"

namespace coinwell::shell {

namespace {

ToolScreenSpec makeLoan() {
    ToolScreenSpec s;
    s.objectName = "LoanSheet";
    s.caption = "Loan Calculator";
    s.centralPanelName = "Panel3D1";
    s.leftOffset = 30;
    s.panelColorRecord = {"GColor1.Fil", 12};
    s.fallbackColor = kLightCyan;
    s.helpTopic = 3012;
    s.printOptionsHelpTopic = kPrintOptionsHelpTopic;
    s.hasPrintOptions = true;
    s.hasCopy = true;
    s.menus.options = "mnuOptions";
    s.menus.printOptions = "mnuPrint";
    s.menus.separator2 = "mnuOpt2";
    s.menus.exit = "mnuOptExit";
    s.menus.help = "mnuHelp";
    return s;
}

ToolScreenSpec makeBudget() {
    ToolScreenSpec s;
    s.objectName = "Budget1";
    s.caption = "Home Budget";
    s.centralPanelName = "Panel3D3";
    s.leftOffset = 60;
    s.panelSize = {14400, 8400};
    s.panelColorRecord = {"GColor1.Fil", 13};
    s.fallbackColor = kDarkCyan;
    s.helpTopic = 3006;
    s.printOptionsHelpTopic = kPrintOptionsHelpTopic;
    s.hasPrintOptions = true;
    s.hasCopy = true;
    s.menus.printOptions = "mOPrt";
    s.menus.copyCaption = "Copy Budget to &Windows Clipboard";
    return s;
}

ToolScreenSpec makeActuarial() {
    ToolScreenSpec s;
    s.objectName = "Actua1";
    s.caption = "Actuarial Calculator";
    s.centralPanelName = "Panel3D1";
    s.leftOffset = 30;
    s.panelColorRecord = {"GColor1.Fil", 11};
    s.fallbackColor = kLightCyan;
    s.helpTopic = 3026;
    s.printOptionsHelpTopic = kPrintOptionsHelpTopic;
    s.hasPrintOptions = true;
    s.hasCopy = true;
    s.acceptsImageBackground = false;
    s.popup = PopupKind::OwnMenu;
    s.menus.popupPanelColorCaption = "&Panel C&olor";
    s.menus.popupPrintCaption = "&Print Options";
    return s;
}

ToolScreenSpec makeCalculator() {
    ToolScreenSpec s;
    s.objectName = "SciCalc";
    s.caption = "Calculator";
    s.centralPanelName = "SSPanel2";
    s.leftOffset = 30;
    s.panelSize = {9600, 7200};
    s.panelColorRecord = {"GColor1.Fil", 10};
    s.fallbackColor = kLightCyan;
    s.helpTopic = 3010;
    s.printOptionsHelpTopic = 0;
    s.hasPrintOptions = false;
    s.hasCopy = false;
    s.escapeCloses = false;  // the calculator's keys are its own
    return s;
}

ToolScreenSpec makeHomeCalc() {
    ToolScreenSpec s;
    s.objectName = "HomeCalc";
    s.caption = "Home Calculator";
    s.centralPanelName = "Panel3D1";
    s.leftOffset = 30;
    s.panelColorRecord = {"GColor3.Fil", 8};
    s.fallbackColor = kLightCyan;
    s.helpTopic = 3011;
    s.printOptionsHelpTopic = kPrintOptionsHelpTopic;
    s.hasPrintOptions = true;
    s.hasCopy = true;
    s.printOptionsStartEnabled = false;  // the calculation enables it
    s.popup = PopupKind::OwnMenu;
    s.colorChangesQuestion = "Save changes made to Panel Color?";
    s.menus.printOptions = "mOPrt";
    s.menus.popupPanelColorCaption = "Panel C&olor";
    s.menus.popupPrintCaption = "&Print";
    return s;
}

}  // namespace

const ToolScreenSpec& loanScreenSpec() {
    static const ToolScreenSpec spec = makeLoan();
    return spec;
}
const ToolScreenSpec& budgetScreenSpec() {
    static const ToolScreenSpec spec = makeBudget();
    return spec;
}
const ToolScreenSpec& actuarialScreenSpec() {
    static const ToolScreenSpec spec = makeActuarial();
    return spec;
}
const ToolScreenSpec& calculatorScreenSpec() {
    static const ToolScreenSpec spec = makeCalculator();
    return spec;
}
const ToolScreenSpec& homeCalcScreenSpec() {
    static const ToolScreenSpec spec = makeHomeCalc();
    return spec;
}

const ToolScreenSpec& toolScreenSpec(Tool tool) {
    switch (tool) {
        case Tool::Actuarial:
            return actuarialScreenSpec();
        case Tool::Calculator:
            return calculatorScreenSpec();
        case Tool::HomeCalc:
            return homeCalcScreenSpec();
        case Tool::Loan:
            return loanScreenSpec();
        case Tool::Budget:
            break;
    }
    return budgetScreenSpec();
}

}  // namespace coinwell::shell
