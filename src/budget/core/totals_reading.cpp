#include "budget/core/totals_reading.h"

#include <cstdio>

namespace coinwell::budget {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string line(const std::string& name, const std::string& amount, const std::string& percent) {
    std::string text = trimmed(name) + ": " + trimmed(amount);
    const std::string share = trimmed(percent);
    if (!share.empty()) {
        text += ", " + share;
        if (share.back() != '%') {
            text += '%';
        }
    }
    return text;
}

void append(std::string& reading, const std::string& text) {
    if (!reading.empty()) {
        reading += '\n';
    }
    reading += text;
}

}  // namespace

std::string totalsReading(const YearTotals& totals) {
    std::string reading;
    if (totals.complete) {
        for (const TotalsRow& row : totals.rows) {
            append(reading, line(row.name, row.total, row.percent));
        }
    }
    append(reading, line("Expenses", totals.expenses, totals.expensesPercent));
    append(reading, line("Income", totals.income, totals.incomePercent));
    append(reading, line("Balance", totals.balance, totals.balancePercent));
    return reading;
}

std::string chartReading(const YearTotals& totals, const std::vector<ChartSeries>& series) {
    std::string reading;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const std::string name = trimmed(series[i].label);
        if (name.empty()) {
            continue;  // the blank placeholder of the expense base
        }
        if (i < totals.rows.size()) {
            append(reading, line(name, totals.rows[i].total, totals.rows[i].percent));
        } else if (name == "Balance") {
            append(reading, line(name, totals.balance, totals.balancePercent));
        } else {
            char share[32];
            std::snprintf(share, sizeof share, "%.1f", static_cast<double>(series[i].value));
            append(reading, line(name, "", share));
        }
    }
    return reading;
}

}  // namespace coinwell::budget
