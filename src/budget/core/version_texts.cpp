#include "budget/core/version_texts.h"

#include <cstdio>

#include "budget/core/budget_edits.h"
#include "budget/core/budget_texts.h"
#include "budget/core/budget_totals.h"
#include "common/core/format_number.h"
#include "common/core/number_parse.h"

namespace coinwell::budget {

namespace {

constexpr std::string_view kAmountPattern = "####.00";

// The year's expenses and income as the monthly figures add them up.
struct YearSums {
    double expenses = 0;
    double income = 0;
};

YearSums yearSums(const BudgetYear& year) {
    BudgetYear copy = year;
    const MonthlyFigures figures = recalcMonths(copy);
    YearSums sums;
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        sums.expenses += parseLeadingNumber(figures.expenses[month]);
        sums.income += parseLeadingNumber(copy.income[month]);
    }
    return sums;
}

std::string shownTime(const DateTime& when) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    return text;
}

}  // namespace

MessageRequest versionNotKeptMessage(std::string_view year, std::string_view reason) {
    return {"The earlier version of " + std::string(year) +
                " could not be kept: " + std::string(reason),
            std::string(kScreenTitle), MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

MessageRequest saveBeforeRestoreQuestion(std::string_view year) {
    return {"Save changes made to " + std::string(year) + " budget before Restore?",
            std::string(kScreenTitle), MessageIcon::Question, MessageButtons::YesNoCancel,
            Answer::Yes};
}

std::string versionsCaption(std::string_view year) {
    return "Earlier Versions of " + std::string(year);
}

std::string noVersionsLine(std::string_view year) {
    return "No earlier versions of " + std::string(year);
}

std::string versionLine(const DateTime& when, const std::optional<BudgetYear>& year) {
    if (!year) {
        return shownTime(when) + "   (unreadable)";
    }
    const YearSums sums = yearSums(*year);
    return shownTime(when) + "   Expenses " + formatNumber(sums.expenses, kAmountPattern) +
           "   Income " + formatNumber(sums.income, kAmountPattern);
}

std::string versionPreview(const BudgetYear& year, int items) {
    std::string text;
    int shown = 0;
    for (const BudgetItem& item : year.items) {
        if (shown == items) {
            break;
        }
        if (!hasName(item)) {
            continue;
        }
        double total = 0;
        for (const std::string& amount : item.amounts) {
            total += parseLeadingNumber(amount);
        }
        text += item.name + "\t" + formatNumber(total, kAmountPattern) + "\n";
        ++shown;
    }
    const YearSums sums = yearSums(year);
    text += "\nTotal Expenses:\t" + formatNumber(sums.expenses, kAmountPattern) +
            "\nTotal Income:\t" + formatNumber(sums.income, kAmountPattern) + "\nBalance:\t" +
            formatNumber(sums.income - sums.expenses, kAmountPattern);
    return text;
}

}  // namespace coinwell::budget
