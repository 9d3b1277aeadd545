#pragma once
// The amortization schedule of one cell of the payment table: for every monthly payment the part
// towards principal, the interest (rounded to cents), the balance left and the interest so far.

#include <string>
#include <vector>

#include "loan/core/extra_payments.h"
#include "loan/core/loan_inputs.h"
#include "loan/core/payment_table.h"

namespace coinwell::loan {

struct AmortizationSchedule {
    double payment = 0;                  // P, unrounded
    double monthlyRate = 0;              // i, as a fraction
    int count = 0;                       // n, the number of payments
    std::vector<double> balance;         // [0] the loan amount, [k] after payment k
    std::vector<double> interest;        // [k] for k = 1…n, rounded to cents; [0] = 0
    std::vector<double> interestToDate;  // [k] running total of interest[1…k]; [0] = 0
    double totalInterest = 0;
    std::string rateText;  // the rate as the table's first column shows it ("7.25%")

    // With extra payments only (extra stays empty without them):
    std::vector<double> extra;   // [k] the extra paid with payment k, at most the principal it
                                 // clears; [0] = 0
    bool paidOffEarly = false;   // the last payment was cut to the balance plus its interest
    double lastPayment = 0;      // that payment
    int countWithoutExtras = 0;  // n, the payments of the loan without extras
    double totalInterestWithoutExtras = 0;  // and its total interest

    bool hasExtras() const { return !extra.empty(); }
    // The part of payment k towards principal, apart from its extra.
    double principal(int k) const {
        if (paidOffEarly && k == count) {
            return lastPayment - interest[k] - extra[k];
        }
        return payment - interest[k];
    }
};

// Interest of one month rounded to cents: floor((balance × i + 0.005) × 100) / 100.
double monthInterest(double balance, double monthlyRate);

// Builds the schedule of table cell [row, column] (both 1-based). The payment is never rounded
// and the last payment not adjusted: the final balance is what the recurrence leaves. Throws
// std::out_of_range for a cell outside the table.
AmortizationSchedule buildSchedule(const PaymentTable& table, int row, int column,
                                   double loanAmount, LengthUnit unit);

// The schedule of the same loan with extra payments: every payment is P plus that payment's
// extras, until the balance plus its interest is no more than that; then the last payment is the
// balance plus its interest and the schedule ends there. At most n payments: a loan the extras do
// not clear by payment n ends as the described schedule does, with what the recurrence leaves.
// Without any extra (ExtraPayments::any() false) the schedule is the one given.
AmortizationSchedule buildExtraSchedule(const AmortizationSchedule& withoutExtras,
                                        const ExtraPayments& extras);

// Grid rows while the schedule is shown (header row included): every payment has a row, and at
// least 16 rows fill the visible area.
int scheduleGridRows(const AmortizationSchedule& schedule);
inline constexpr int kScheduleGridColumns = 5;
// Five columns, and a sixth ("Extra Payment") for a schedule with extra payments.
int scheduleGridColumns(const AmortizationSchedule& schedule);

// The text of a grid cell while the grid shows the schedule.
std::string scheduleCellText(const AmortizationSchedule& schedule, int row, int column);

// Sizes of the schedule grid in twips.
struct ScheduleGridFit {
    int firstColumnWidth = 0;  // 0.15 of the grid width
    int headerRowHeight = 0;   // 0.2 of the grid height
    int columnWidth = 0;       // columns 1–4: 0.2 of the grid width each (0.16 for six columns)
    int rowHeight = 0;         // rows 1…: a sixteenth of the room under the header row
    bool operator==(const ScheduleGridFit&) const = default;
};
ScheduleGridFit fitScheduleGrid(int gridHeight, int gridWidth, int columns = kScheduleGridColumns);

}  // namespace coinwell::loan
