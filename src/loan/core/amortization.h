#pragma once
// The amortization schedule of one cell of the payment table: for every monthly payment the part
// towards principal, the interest (rounded to cents), the balance left and the interest so far.

#include <string>
#include <vector>

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

    double principal(int k) const { return payment - interest[k]; }
};

// Interest of one month rounded to cents: floor((balance × i + 0.005) × 100) / 100.
double monthInterest(double balance, double monthlyRate);

// Builds the schedule of table cell [row, column] (both 1-based). The payment is never rounded
// and the last payment not adjusted: the final balance is what the recurrence leaves. Throws
// std::out_of_range for a cell outside the table.
AmortizationSchedule buildSchedule(const PaymentTable& table, int row, int column,
                                   double loanAmount, LengthUnit unit);

// Grid rows while the schedule is shown (header row included): every payment has a row, and at
// least 16 rows fill the visible area.
int scheduleGridRows(const AmortizationSchedule& schedule);
inline constexpr int kScheduleGridColumns = 5;

// The text of a grid cell while the grid shows the schedule.
std::string scheduleCellText(const AmortizationSchedule& schedule, int row, int column);

// Sizes of the schedule grid in twips.
struct ScheduleGridFit {
    int firstColumnWidth = 0;  // 0.15 of the grid width
    int headerRowHeight = 0;   // 0.2 of the grid height
    int columnWidth = 0;       // columns 1–4: 0.2 of the grid width each
    int rowHeight = 0;         // rows 1…: a sixteenth of the room under the header row
    bool operator==(const ScheduleGridFit&) const = default;
};
ScheduleGridFit fitScheduleGrid(int gridHeight, int gridWidth);

}  // namespace coinwell::loan
