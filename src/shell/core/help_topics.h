#pragma once
// The help topics the program opens by number, and the help page that holds each.

#include <span>
#include <string_view>

namespace coinwell {

struct HelpTopic {
    int number;
    std::string_view page;   // file name in the help folder
    std::string_view title;  // as listed in the help contents
};

inline constexpr int kHelpProgramOverview = 1000;
inline constexpr int kHelpBackgroundSelector = 1001;
inline constexpr int kHelpBackupRestore = 1005;
inline constexpr int kHelpPanelColor = 1007;
inline constexpr int kHelpPrintOptions = 1014;
inline constexpr int kHelpHomeBudget = 3006;
inline constexpr int kHelpCalculator = 3010;
inline constexpr int kHelpHomeCalculator = 3011;
inline constexpr int kHelpLoanCalculator = 3012;
inline constexpr int kHelpActuarial = 3026;
inline constexpr int kHelpSpelling = 5050;

// The contents page that lists every topic.
inline constexpr std::string_view kHelpContentsPage = "index.html";

// Every numbered topic, in the order of the help contents.
std::span<const HelpTopic> helpTopics();

// The topic of a number; nullptr for a number the help does not know.
const HelpTopic* findHelpTopic(int number);

}  // namespace coinwell
