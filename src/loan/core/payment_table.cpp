#include "loan/core/payment_table.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/core/number_text.h"
#include "loan/core/loan_texts.h"

namespace coinwell::loan {

namespace {

// Counts come from differences of typed values; a shortfall in the last bits is not a lost row.
constexpr double kCountTolerance = 1e-9;

int wholeCount(double count) {
    if (!(count >= 0)) {
        return 0;
    }
    return static_cast<int>(std::floor(std::min(count, 1e9) + kCountTolerance));
}

}  // namespace

double monthlyPayment(double loanAmount, double annualRatePercent, double months) {
    const double i = annualRatePercent / 1200;
    return loanAmount * i / (1 - 1 / std::pow(1 + i, months));
}

int rateRowCount(double rateCount) {
    return wholeCount(rateCount);
}
int lengthColumnCount(double lengthCount) {
    return wholeCount(lengthCount);
}

double PaymentTable::at(int row, int column) const {
    if (row == 0 && column >= 1 && column <= lengthColumns()) {
        return lengths[column - 1];
    }
    if (column == 0 && row >= 1 && row <= rateRows()) {
        return rates[row - 1];
    }
    if (row >= 1 && row <= rateRows() && column >= 1 && column <= lengthColumns()) {
        return payments[static_cast<std::size_t>(row - 1) * lengths.size() + (column - 1)];
    }
    return 0;
}

double PaymentTable::months(int column) const {
    const double length = at(0, column);
    return unit == LengthUnit::Years ? 12 * length : length;
}

PaymentTable buildPaymentTable(LoanInputs& inputs) {
    if (inputs.lengthMin == 0) {
        inputs.lengthMin = inputs.lengthMax;
    }
    inputs.lengthCount = 1 + (inputs.lengthMax - inputs.lengthMin);
    inputs.rateCount = 1 + 4 * (inputs.rateMax - inputs.rateMin);
    const int rows = rateRowCount(inputs.rateCount);
    const int columns = lengthColumnCount(inputs.lengthCount);
    if (rows > kMaxRateRows || columns > kMaxLengthColumns) {
        throw std::invalid_argument("payment table too large");
    }
    if (inputs.rateMin <= 0 || inputs.lengthMin <= 0) {
        throw std::invalid_argument("payment table needs positive rates and lengths");
    }

    PaymentTable table;
    table.unit = inputs.lengthUnit;
    table.loanAmount = inputs.loanAmount;
    table.rateCount = inputs.rateCount;
    table.lengthCount = inputs.lengthCount;
    table.rates.resize(static_cast<std::size_t>(rows));
    table.lengths.resize(static_cast<std::size_t>(columns));
    for (int i = 1; i <= rows; ++i) {
        table.rates[i - 1] = inputs.rateMin + (i - 1) / 4.0;
    }
    for (int j = 1; j <= columns; ++j) {
        table.lengths[j - 1] = inputs.lengthMin + (j - 1);
    }
    table.payments.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
    std::vector<double> months(static_cast<std::size_t>(columns));
    for (int j = 1; j <= columns; ++j) {
        months[j - 1] = table.months(j);
    }
    double* out = table.payments.data();
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            *out++ = monthlyPayment(inputs.loanAmount, table.rates[i], months[j]);
        }
    }
    if (rows > 0 && columns > 0) {
        table.lastRowPayment = static_cast<float>(table.at(rows, columns));
    }
    return table;
}

std::string paymentTableCellText(const PaymentTable& table, int row, int column) {
    const int rows = table.rateRows();
    const int columns = table.lengthColumns();
    if (row == 0 && column == 0) {
        return {};
    }
    if (row == 0) {
        return column <= columns ? lengthHeaderText(table.at(0, column), table.unit) : " ";
    }
    if (column == 0) {
        return row <= rows ? rateCellText(table.at(row, 0)) : " ";
    }
    if (row <= rows && column <= columns) {
        return currencyText(table.at(row, column));
    }
    return {};
}

int paymentGridRows(const PaymentTable& table) {
    return gridLineCount(table.rateCount, kVisibleGridRows);
}
int paymentGridColumns(const PaymentTable& table) {
    return gridLineCount(table.lengthCount, kVisibleGridColumns);
}

GridFit fitPaymentGrid(int gridHeight, int gridWidth, int headerRowHeight, int firstColumnWidth,
                       double rateCount, double lengthCount) {
    return fitTableGrid(gridHeight, gridWidth, headerRowHeight, firstColumnWidth, rateCount,
                        lengthCount, GridScrollBars::Horizontal);
}

}  // namespace coinwell::loan
