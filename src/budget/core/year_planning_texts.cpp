#include "budget/core/year_planning_texts.h"

namespace coinwell::budget {

namespace {

constexpr const char* kCopyTitle = "Copy To Next Year";

}  // namespace

InputRequest percentChangeQuestion() {
    return {"Change every amount by what percentage? (for example 3 or -2.5)", kCopyTitle, "0"};
}

MessageRequest percentChangeRefusedMessage() {
    return {"Enter a percentage such as 3 or -2.5.", kCopyTitle, MessageIcon::Information,
            MessageButtons::Ok, Answer::Ok};
}

MessageRequest changedCopyFailedMessage(std::string_view nextYear, std::string_view reason) {
    return {"The " + std::string(nextYear) + " budget could not be written: " + std::string(reason),
            "Copy Year", MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

std::string comparisonTitle(std::string_view yearA, std::string_view yearB) {
    return "Budget Comparison " + std::string(yearA) + " and " + std::string(yearB);
}

}  // namespace coinwell::budget
