#pragma once
// Test input shared by the copy and print tests: a loan output source whose grid shows the
// amortization schedule of the first cell of its payment table, as the screen would, with extra
// payments when some are given.

#include "loan/core/amortization.h"
#include "loan/core/extra_payment_entry.h"
#include "loan/core/loan_copy_text.h"
#include "loan/core/payment_table.h"

namespace coinwell::loan {

inline void showScheduleOfFirstCell(LoanOutputSource& source, const ExtraPayments& extras = {}) {
    LoanInputs inputs = source.inputs;
    const PaymentTable table = buildPaymentTable(inputs);
    const AmortizationSchedule schedule = buildExtraSchedule(
        buildSchedule(table, 1, 1, inputs.loanAmount, LengthUnit::Years), extras);
    const int columns = scheduleGridColumns(schedule);
    source.grid.cells.assign(static_cast<std::size_t>(scheduleGridRows(schedule)), {});
    for (int r = 0; r < scheduleGridRows(schedule); ++r) {
        for (int c = 0; c < columns; ++c) {
            source.grid.cells[r].push_back(scheduleCellText(schedule, r, c));
        }
    }
    source.rateText = schedule.rateText;
    source.totalInterest = schedule.totalInterest;
    source.payment = schedule.payment;
    source.extraPayments = schedule.hasExtras();
    source.payoffText = payoffText(schedule);
    source.savedText = interestSavedText(schedule);
}

}  // namespace coinwell::loan
