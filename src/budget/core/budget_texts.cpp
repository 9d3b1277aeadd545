#include "budget/core/budget_texts.h"

namespace coinwell::budget {

namespace {

constexpr const char* kInvalidEntry = "Invalid Cell Entry";
constexpr const char* kMaximumExceeded = "Maximum Allowed Entry Exceeded";

MessageRequest information(std::string text, std::string title) {
    return {std::move(text), std::move(title), MessageIcon::Information, MessageButtons::Ok,
            Answer::Ok};
}

}  // namespace

MessageRequest numbersOnlyMessage() {
    return information("Cell entries must be numbers only!", kInvalidEntry);
}

MessageRequest amountLimitMessage() {
    return information("Cell entries are limited to 9,999.99!", kInvalidEntry);
}

MessageRequest unstorableCharacterMessage(std::string_view character) {
    return information(
        "The character " + std::string(character) + " cannot be stored in a budget file!",
        kInvalidEntry);
}

InputRequest incomeQuestion(std::string_view currentCaption) {
    return {"Enter Total Amount of Income That you will be receiving this month.", "Total Income",
            std::string(currentCaption)};
}

MessageRequest incomeLimitMessage() {
    return information(
        "Due to printer size requirements needed to print this budget, the Total Income Amount "
        "Cannot exceed 99999.99",
        kMaximumExceeded);
}

MessageRequest copyIncomeRightQuestion() {
    return {"Do you want to copy this month's entry of Total Income to the Right?",
            "Total Income Row", MessageIcon::Question, MessageButtons::YesNo, Answer::No};
}

MessageRequest deleteRowQuestion() {
    return {"Do you really want to delete this row?", "Delete Row", MessageIcon::Question,
            MessageButtons::YesNoCancel, Answer::No};
}

MessageRequest billsLimitMessage() {
    return information(
        "Due to printer size requirements needed to print this budget, the Total of Bills Amount "
        "Cannot exceed 99999",
        kMaximumExceeded);
}

MessageRequest viewTotalsMessage() {
    return {"There must be at least one entry and at least one income entry to view Totals!",
            "View Totals", MessageIcon::Question, MessageButtons::Ok, Answer::Ok};
}

MessageRequest copyYearQuestion(std::string_view year, std::string_view nextYear) {
    return {"Copy " + std::string(year) + " file to " + std::string(nextYear) + "?", "Copy Year",
            MessageIcon::Question, MessageButtons::YesNo, Answer::No};
}

MessageRequest copyYearFailedMessage(std::string_view year, std::string_view nextYear,
                                     std::string_view reason) {
    return {"The " + std::string(year) + " file could not be copied to " + std::string(nextYear) +
                ".\r\r" + std::string(reason) + "\r\rThe " + std::string(nextYear) +
                " file was left as it was.",
            "Copy Year", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

MessageRequest saveFailedMessage(std::string_view year, std::string_view reason) {
    return {"The " + std::string(year) + " budget could not be saved.\r\r" + std::string(reason) +
                "\r\rThe budget file was left as it was; your changes are still on the screen.",
            std::string(kScreenTitle), MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

MessageRequest saveBeforeExitingQuestion(std::string_view year, bool withCancel) {
    return {"Save changes made to " + std::string(year) + " budget before Exiting?",
            std::string(kScreenTitle), MessageIcon::Question,
            withCancel ? MessageButtons::YesNoCancel : MessageButtons::YesNo, Answer::Yes};
}

MessageRequest saveBeforeBackupQuestion(std::string_view year) {
    return {"Save changes made to " + std::string(year) + " budget before Backup?",
            std::string(kScreenTitle), MessageIcon::Question, MessageButtons::YesNo, Answer::Yes};
}

std::string locationText(int column, int row) {
    return "C" + std::to_string(column) + "R" + std::to_string(row);
}

std::string scrollTipText(int row, std::string_view name) {
    return " Row " + std::to_string(row) + ": " + std::string(name) + " ";
}

}  // namespace coinwell::budget
