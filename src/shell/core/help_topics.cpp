#include "shell/core/help_topics.h"

#include <algorithm>
#include <array>

namespace coinwell {

namespace {

constexpr std::array<HelpTopic, 11> kTopics{{
    {kHelpProgramOverview, "overview.html", "Program Overview"},
    {kHelpBackgroundSelector, "background.html", "Background Selector"},
    {kHelpPanelColor, "panelcolor.html", "Panel Color Option"},
    {kHelpLoanCalculator, "loan.html", "Loan Calculator"},
    {kHelpHomeBudget, "budget.html", "Home Budget"},
    {kHelpSpelling, "spelling.html", "Spelling Check"},
    {kHelpBackupRestore, "backup.html", "Backup and Restore Option"},
    {kHelpActuarial, "actuarial.html", "Actuarial Calculator"},
    {kHelpHomeCalculator, "homecalc.html", "Home Calculator"},
    {kHelpCalculator, "calculator.html", "Calculator"},
    {kHelpPrintOptions, "printoptions.html", "Print Options"},
}};

}  // namespace

std::span<const HelpTopic> helpTopics() {
    return kTopics;
}

const HelpTopic* findHelpTopic(int number) {
    const auto it = std::find_if(kTopics.begin(), kTopics.end(), [number](const HelpTopic& topic) {
        return topic.number == number;
    });
    return it == kTopics.end() ? nullptr : &*it;
}

}  // namespace coinwell
