#pragma once
// The Actuarial Calculator's tables: the present or future value of a lump sum or of an annuity
// for every pair of an annual interest rate (rows, stepping by a half point) and a number of
// years (columns, stepping by one year), with interest compounded perYear times a year.
//
// Rates, years and the computed values are kept in single precision, as the tables always
// have been: a value above about 100 000 can differ from a double-precision result in the cents,
// one of eight digits or more in whole units. The arithmetic of each cell is done in double
// precision from the single-precision growth factor.

#include <cstdint>
#include <optional>
#include <vector>

namespace coinwell::actuarial {

enum class ValueTableKind {
    PresentValueOfAmount,
    PresentValueOfAnnuity,
    FutureValueOfAmount,
    FutureValueOfAnnuity
};

struct ValueTableInputs {
    double amount = 0;   // the lump sum, or the payment of the annuity
    double perYear = 0;  // compounding (and payment) periods per year
    float maxYears = 0;
    float minYears = 0;
    float maxRate = 0;  // annual rates in percent
    float minRate = 0;
    // Rate rows and year columns the ranges ask for; set by normaliseRanges.
    std::int16_t rateCount = 16;
    std::int16_t yearCount = 3;
};

// The most rate rows a table holds: with the header row, a grid's 16-bit row count.
inline constexpr int kMostRateRows = 32766;
// The most year columns a table holds (the screen allows at most 100 years).
inline constexpr int kMostYearColumns = 32766;

// A value as single precision: beyond the single range it becomes an infinity of its sign.
float toSingle(double value);

// Puts the ranges in order and counts them: an empty or non-positive minimum of years means the
// maximum alone; the rates are put in order and then a minimum of 0 means the maximum alone (a
// rate of 0 is shown only when both ends are 0); rateCount = (maxRate - minRate) × 2 + 1 and
// yearCount = maxYears - minYears + 1, rounded half to even. Counts beyond the 16-bit range are
// left as they were (the screen refuses such ranges before; see rateSteps).
ValueTableInputs normaliseRanges(ValueTableInputs inputs);

// The rates of the rows: from minRate by half points while below single(maxRate + 0.5). When the
// range is not a multiple of a half point, the last rate is the first step at or above maxRate
// (5.0 to 6.2 gives 5.0, 5.5, 6.0 and 6.5), one more than rateCount in some cases (1.0 to 9.2:
// rateCount 17, 18 rates); every one of them gets its row. Rates so large that a half point no
// longer changes them end the list. Nothing when a rate is not finite or there would be more
// than kMostRateRows.
std::optional<std::vector<float>> rateSteps(float minRate, float maxRate);

struct ValueTable {
    ValueTableKind kind = ValueTableKind::PresentValueOfAmount;
    std::vector<float> rates;   // the annual rate of rows 1…, in percent
    std::vector<double> years;  // the years of columns 1…
    // Row by row. A cell whose arithmetic fails (a result beyond the single range, a division
    // by zero) holds a NaN and shows nothing.
    std::vector<float> values;
    // The value in the column of maxYears of the last row with one (0 when there is none).
    float lastValue = 0;

    int rateRows() const { return static_cast<int>(rates.size()); }
    int yearColumns() const { return static_cast<int>(years.size()); }
    // The value of rate row r and year column c, both from 1.
    float value(int row, int column) const;
};

// The value of one cell: n = periods (Y × perYear rounded half to even), i = rate / perYear /
// 100, F = single((1 + i)^n); then amount / F, amount × (1 - 1/F) / i, amount × F or
// amount × (F - 1) / i, stored in single precision. At a periodic rate of 0 an annuity is worth
// its payments: amount × n. NaN when the arithmetic fails.
float cellValue(ValueTableKind kind, double amount, double perYear, float rate, double years);

// Builds the table of the (normalised) inputs: rates by rateSteps (none when it gives nothing),
// years from minYears to maxYears by 1.
ValueTable buildValueTable(ValueTableKind kind, const ValueTableInputs& inputs);

}  // namespace coinwell::actuarial
