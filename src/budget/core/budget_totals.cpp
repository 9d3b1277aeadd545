#include "budget/core/budget_totals.h"

#include <optional>

#include "budget/core/stored_number.h"
#include "common/core/format_number.h"
#include "common/core/number_parse.h"
#include "common/core/number_text.h"

namespace coinwell::budget {

namespace {

constexpr std::string_view kMonthPattern = "#####.00";
constexpr std::string_view kYearPattern = "######.00 ";
constexpr std::string_view kItemTotalPattern = "####.00";
constexpr std::string_view kPercentPattern = "Percent";
constexpr std::string_view kFiveBlanks = "     ";

// An amount as the monthly totals add it, narrowed to single precision.
std::optional<float> singleAmount(std::string_view text) {
    const std::optional<double> value = amountValue(text);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<float>(*value);
}

}  // namespace

std::optional<double> amountValue(std::string_view text) {
    std::string cleaned(text);
    if (const std::size_t comma = cleaned.find(','); comma != std::string::npos) {
        cleaned.erase(comma, 1);
    }
    return parseLocaleNumber(cleaned);
}

MonthlyFigures recalcMonths(BudgetYear& year) {
    MonthlyFigures figures;
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        double total = 0;
        for (const BudgetItem& item : year.items) {
            if (const auto amount = singleAmount(item.amounts[month])) {
                total += *amount;
            }
        }
        if (total >= kExpenseLimit) {
            figures.heldMonths.push_back(m);
            if (total > kExpenseHold) {
                total = kExpenseHold;
            }
        }
        figures.expenses[month] = formatNumber(total, kMonthPattern);

        std::string& income = year.income[month];
        if (!(storedNumber(income) > 0)) {
            income = "0.00";
        }
        // An income caption that is not in the locale's notation reads as its leading number.
        const auto incomeValue = parseLocaleNumber(income);
        const float incomeSingle =
            static_cast<float>(incomeValue ? *incomeValue : storedNumber(income));
        const float balance = static_cast<float>(incomeSingle - total);
        figures.balance[month] = formatNumber(balance, kMonthPattern);
        figures.balanceNegative[month] = storedNumber(figures.balance[month]) < 0;
    }
    return figures;
}

MonthlyFigures emptyMonthlyFigures() {
    return {};
}

std::string_view percentBaseCaption(PercentBase base) {
    return base == PercentBase::Income ? "% = Item Totals divided by Total Income"
                                       : "% = Item Totals divided by Total Expenses";
}

std::string totalsCaption(double year) {
    return std::string(10, ' ') + "TOTALS FOR " + signedNumberText(year) + std::string(40, ' ') +
           "Percentage Per Item";
}

YearTotals buildYearTotals(const BudgetYear& year, const MonthlyFigures& figures, PercentBase base,
                           double yearNumber) {
    YearTotals totals;
    totals.caption = totalsCaption(yearNumber);
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        totals.expenses = formatNumber(
            storedNumber(figures.expenses[month]) + storedNumber(totals.expenses), kYearPattern);
        totals.income = formatNumber(storedNumber(year.income[month]) + storedNumber(totals.income),
                                     kYearPattern);
    }
    const double income = storedNumber(totals.income);
    const double expenses = storedNumber(totals.expenses);
    if (!(income > 0) || expenses == 0) {
        return totals;
    }
    totals.complete = true;
    const double balance = income - expenses;
    totals.balance = formatNumber(balance, kYearPattern);
    totals.expensesPercent =
        std::string(kFiveBlanks) + formatNumber(expenses / income, kPercentPattern);
    totals.incomePercent = std::string(kFiveBlanks) + formatNumber(1.0, kPercentPattern);
    totals.balancePercent =
        std::string(kFiveBlanks) + formatNumber(balance / income, kPercentPattern);
    totals.balanceNegative = storedNumber(totals.balance) < 0;

    const double divisor = base == PercentBase::Income ? income : expenses;
    for (const BudgetItem& item : year.items) {
        if (item.name.empty()) {
            continue;
        }
        TotalsRow row;
        row.name = item.name;
        // The running total starts empty and is emptied again whenever it is not above 0.
        double running = 0;
        bool empty = true;
        for (const std::string& amount : item.amounts) {
            running = (empty ? 0 : running) + storedNumber(amount);
            empty = !(running > 0);
        }
        if (!empty) {
            row.total = formatNumber(running, kItemTotalPattern);
            row.percent = formatNumber(storedNumber(row.total) / divisor, kPercentPattern) + " ";
        }
        totals.rows.push_back(std::move(row));
    }
    return totals;
}

bool canViewTotals(const BudgetYear& year) {
    bool entry = false;
    for (int row = 1; row <= 8 && !entry; ++row) {
        for (int column = kItemColumn; column <= kLastMonthColumn - 1; ++column) {
            if (!year.cellText(row, column).empty()) {
                entry = true;
                break;
            }
        }
    }
    bool income = false;
    for (const std::string& caption : year.income) {
        if (storedNumber(caption) != 0) {
            income = true;
        }
    }
    return entry && income;
}

}  // namespace coinwell::budget
