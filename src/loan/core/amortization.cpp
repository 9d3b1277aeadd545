#include "loan/core/amortization.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "common/core/number_text.h"
#include "loan/core/loan_texts.h"

namespace coinwell::loan {

namespace {

int twips(double value) {
    return roundHalfEven32(value).value_or(0);
}

std::string lines(std::initializer_list<std::string_view> parts) {
    std::string text;
    bool first = true;
    for (std::string_view part : parts) {
        if (!first) {
            text += kCellLineBreak;
        }
        text += part;
        first = false;
    }
    return text;
}

}  // namespace

double monthInterest(double balance, double monthlyRate) {
    return std::floor((balance * monthlyRate + 0.005) * 100) / 100;
}

AmortizationSchedule buildSchedule(const PaymentTable& table, int row, int column,
                                   double loanAmount, LengthUnit unit) {
    if (row < 1 || row > table.rateRows() || column < 1 || column > table.lengthColumns()) {
        throw std::out_of_range("schedule cell outside the payment table");
    }
    AmortizationSchedule s;
    s.payment = table.at(row, column);
    s.monthlyRate = table.at(row, 0) / 1200;
    const double length = table.at(0, column);
    const double n = unit == LengthUnit::Years ? 12 * length : length;
    s.count = n >= 1 ? static_cast<int>(std::floor(n + 1e-9)) : 0;
    s.rateText = rateCellText(table.at(row, 0));

    const auto size = static_cast<std::size_t>(s.count) + 1;
    s.balance.resize(size);
    s.interest.assign(size, 0.0);
    s.interestToDate.assign(size, 0.0);
    s.balance[0] = loanAmount;
    for (int k = 1; k <= s.count; ++k) {
        s.interest[k] = monthInterest(s.balance[k - 1], s.monthlyRate);
        s.balance[k] = s.interest[k] + (s.balance[k - 1] - s.payment);
        s.totalInterest = s.totalInterest + s.interest[k];
        s.interestToDate[k] = s.totalInterest;
    }
    return s;
}

AmortizationSchedule buildExtraSchedule(const AmortizationSchedule& withoutExtras,
                                        const ExtraPayments& extras) {
    if (!extras.any()) {
        return withoutExtras;
    }
    AmortizationSchedule s;
    s.payment = withoutExtras.payment;
    s.monthlyRate = withoutExtras.monthlyRate;
    s.rateText = withoutExtras.rateText;
    s.countWithoutExtras = withoutExtras.count;
    s.totalInterestWithoutExtras = withoutExtras.totalInterest;

    const auto most = static_cast<std::size_t>(withoutExtras.count) + 1;
    s.balance.reserve(most);
    s.interest.reserve(most);
    s.interestToDate.reserve(most);
    s.extra.reserve(most);
    s.balance.push_back(withoutExtras.balance.at(0));
    s.interest.push_back(0);
    s.interestToDate.push_back(0);
    s.extra.push_back(0);
    for (int k = 1; k <= withoutExtras.count; ++k) {
        const double before = s.balance.back();
        const double interest = monthInterest(before, s.monthlyRate);
        const double scheduled = extras.at(k);
        const double due = s.payment + scheduled;
        const double owed = before + interest;
        s.totalInterest = s.totalInterest + interest;
        s.interest.push_back(interest);
        s.interestToDate.push_back(s.totalInterest);
        s.count = k;
        if (owed <= due) {
            // The last payment: the balance and its interest, the extra no more than it clears.
            s.paidOffEarly = true;
            s.lastPayment = owed;
            s.extra.push_back(std::min(scheduled, owed - interest));
            s.balance.push_back(0);
            break;
        }
        s.extra.push_back(scheduled);
        s.balance.push_back(interest + (before - due));
    }
    return s;
}

int scheduleGridRows(const AmortizationSchedule& schedule) {
    return schedule.count >= 16 ? schedule.count + 1 : 16;
}

std::string scheduleCellText(const AmortizationSchedule& s, int row, int column) {
    if (row == 0) {
        switch (column) {
            case 0:
                return lines({"Monthly", "Payment", currencyText(s.payment)});
            case 1:
                return lines({"Amount", "Towards", "Principal"});
            case 2:
                return lines({"Amount of", "Interest", currencyText(s.totalInterest)});
            case 3:
                return lines({"", "Principal", "Balance"});
            case 4:
                return lines({"", "Total Interest"});
            case 5:
                return s.hasExtras() ? lines({"Extra", "Payment"}) : std::string();
            default:
                return {};
        }
    }
    if (row < 1 || row > s.count) {
        // Rows below a short schedule keep the blanked first column.
        return column == 0 && row >= 1 && row <= 16 ? " " : "";
    }
    switch (column) {
        case 0:
            return plainNumberText(static_cast<std::int32_t>(row));
        case 1:
            return currencyText(s.principal(row));
        case 2:
            return currencyText(s.interest[row]);
        case 3:
            return currencyText(s.balance[row]);
        case 4:
            return currencyText(s.interestToDate[row]);
        case 5:
            // Empty where no extra is paid.
            return s.hasExtras() && s.extra[row] > 0 ? currencyText(s.extra[row]) : std::string();
        default:
            return {};
    }
}

int scheduleGridColumns(const AmortizationSchedule& schedule) {
    return schedule.hasExtras() ? kScheduleGridColumns + 1 : kScheduleGridColumns;
}

ScheduleGridFit fitScheduleGrid(int gridHeight, int gridWidth, int columns) {
    ScheduleGridFit fit;
    fit.firstColumnWidth = twips(0.15 * gridWidth);
    fit.headerRowHeight = twips(0.2 * gridHeight);
    // Five payment columns share the width the four have, so the sixth shows without scrolling.
    fit.columnWidth = twips((columns > kScheduleGridColumns ? 0.16 : 0.2) * gridWidth);
    fit.rowHeight = twips((gridHeight - fit.headerRowHeight - 30) / 16.0);
    return fit;
}

}  // namespace coinwell::loan
