#pragma once
// The table of level monthly payments: one row per interest rate (rates step by a quarter point
// from the minimum), one column per loan length (lengths step by one unit from the minimum).

#include <string>
#include <vector>

#include "common/core/grid_fit.h"
#include "loan/core/loan_inputs.h"

namespace coinwell::loan {

// The level monthly payment of a loan: amount × i / (1 − (1 + i)^−n) with i the monthly rate as
// a fraction. Unrounded; the rate must be above zero.
double monthlyPayment(double loanAmount, double annualRatePercent, double months);

// Whole rate rows and length columns for the counts kept in LoanInputs. A count built from typed
// values may carry a fraction (rates 7.30 to 8.00 give 3.8): rows are produced while their number
// does not exceed the count, so it is cut to a whole number; a difference of a rounding error in
// the last bits of the typed values does not lose the last row.
int rateRowCount(double rateCount);
int lengthColumnCount(double lengthCount);

// Upper bounds buildPaymentTable accepts: the checks on the screen keep a request well below.
inline constexpr int kMaxRateRows = 401;
inline constexpr int kMaxLengthColumns = 600;

struct PaymentTable {
    LengthUnit unit = LengthUnit::Years;
    double loanAmount = 0;
    std::vector<double> rates;     // the annual rate of rows 1…, in percent
    std::vector<double> lengths;   // the length of columns 1…, in the unit
    std::vector<double> payments;  // row by row: payment for rate row i, length column j
    float lastRowPayment = 0;      // payment of the last rate row in the last length column
    double rateCount = 0;          // the counts it was built for (may carry a fraction)
    double lengthCount = 0;

    int rateRows() const { return static_cast<int>(rates.size()); }
    int lengthColumns() const { return static_cast<int>(lengths.size()); }
    // The table indexed as [row, column]: [i, 0] rate, [0, j] length, [i, j] payment, 1-based;
    // [0, 0] and anything outside hold 0.
    double at(int row, int column) const;
    // The number of monthly payments of a length column.
    double months(int column) const;
};

// Builds the whole table from the stored inputs. Updates inputs.rateCount and inputs.lengthCount
// and, when the minimum length is 0, makes it the maximum (a single length column). Throws
// std::invalid_argument for a request beyond kMaxRateRows × kMaxLengthColumns or without a
// positive rate or length.
PaymentTable buildPaymentTable(LoanInputs& inputs);

// The text of a grid cell while the grid shows the table. The grid keeps at least 16 rate rows
// and 3 length columns: the header row and first column beyond the table hold one blank, the
// other cells beyond it nothing; [0, 0] holds the picture and no text.
std::string paymentTableCellText(const PaymentTable& table, int row, int column);

// Rows and columns of the grid that shows a table: at least 16 rate rows and 3 length columns,
// plus the header row and first column; a count with a fraction gives one empty line more.
int paymentGridRows(const PaymentTable& table);
int paymentGridColumns(const PaymentTable& table);

// Sizes of the payment grid in twips: the visible area always holds 16 rate rows and 3 length
// columns; a scroll bar (255 twips) takes its room when there are more. A small table keeps
// the horizontal scroll bar setting.
GridFit fitPaymentGrid(int gridHeight, int gridWidth, int headerRowHeight, int firstColumnWidth,
                       double rateCount, double lengthCount);

}  // namespace coinwell::loan
