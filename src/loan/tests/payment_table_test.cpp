#include <stdexcept>

#include <gtest/gtest.h>

#include "loan/core/amortization.h"
#include "loan/core/payment_table.h"

namespace coinwell::loan {
namespace {

LoanInputs request(double loan, double rateMin, double rateMax, double lenMin, double lenMax,
                   LengthUnit unit = LengthUnit::Years) {
    LoanInputs in;
    in.purchaseAmount = loan;
    in.loanAmount = loan;
    in.rateMin = rateMin;
    in.rateMax = rateMax;
    in.lengthMin = lenMin;
    in.lengthMax = lenMax;
    in.lengthUnit = unit;
    return in;
}

TEST(PaymentTable, WorkedPaymentAndItsTexts) {
    EXPECT_NEAR(monthlyPayment(100000, 6, 360), 599.5505251, 1e-6);
    LoanInputs in = request(100000, 6, 6, 30, 30);
    const PaymentTable table = buildPaymentTable(in);
    ASSERT_EQ(table.rateRows(), 1);
    ASSERT_EQ(table.lengthColumns(), 1);
    EXPECT_NEAR(table.at(1, 1), 599.55, 0.005);
    EXPECT_EQ(paymentTableCellText(table, 1, 1), "$599.55");
    EXPECT_EQ(paymentTableCellText(table, 1, 0), "6.00%");
    EXPECT_EQ(paymentTableCellText(table, 0, 1), "\n\r30 Years");
    EXPECT_FLOAT_EQ(table.lastRowPayment, static_cast<float>(table.at(1, 1)));
    // The grid keeps 16 × 3 cells: beyond the table the headers hold a blank, the body nothing.
    EXPECT_EQ(paymentGridRows(table), 17);
    EXPECT_EQ(paymentGridColumns(table), 4);
    EXPECT_EQ(paymentTableCellText(table, 0, 0), "");
    EXPECT_EQ(paymentTableCellText(table, 0, 2), " ");
    EXPECT_EQ(paymentTableCellText(table, 5, 0), " ");
    EXPECT_EQ(paymentTableCellText(table, 5, 1), "");
    EXPECT_EQ(paymentTableCellText(table, 1, 3), "");
}

TEST(PaymentTable, RateRowsAndLengthColumns) {
    // Rates 5.00 to 9.00: 17 rows; 5.00 to 8.75: 16.
    LoanInputs in = request(100000, 5, 9, 15, 30);
    PaymentTable table = buildPaymentTable(in);
    EXPECT_EQ(in.rateCount, 17);
    EXPECT_EQ(table.rateRows(), 17);
    EXPECT_EQ(table.at(2, 0), 5.25);
    EXPECT_EQ(table.at(17, 0), 9.0);
    // Lengths 15 to 30 Years: 16 columns.
    EXPECT_EQ(in.lengthCount, 16);
    EXPECT_EQ(table.lengthColumns(), 16);
    EXPECT_EQ(table.at(0, 16), 30);
    EXPECT_EQ(paymentGridRows(table), 18);
    EXPECT_EQ(paymentGridColumns(table), 17);
    EXPECT_FLOAT_EQ(table.lastRowPayment, 804.622617f);

    in = request(100000, 5, 8.75, 15, 15);
    EXPECT_EQ(buildPaymentTable(in).rateRows(), 16);

    // Typed rates off the quarter grid: the last row is the highest step below the maximum.
    in = request(100000, 7.3, 8, 30, 30);
    table = buildPaymentTable(in);
    ASSERT_EQ(table.rateRows(), 3);
    EXPECT_EQ(paymentTableCellText(table, 1, 0), "7.30%");
    EXPECT_EQ(paymentTableCellText(table, 2, 0), "7.55%");
    EXPECT_EQ(paymentTableCellText(table, 3, 0), "7.80%");
    // A range of exactly a quarter point whose difference falls short in the last bits keeps
    // both rows.
    in = request(100000, 6.1, 6.35, 30, 30);
    EXPECT_EQ(buildPaymentTable(in).rateRows(), 2);

    // A minimum length of 0 gives the maximum as the single column.
    in = request(100000, 6, 6, 0, 20);
    table = buildPaymentTable(in);
    EXPECT_EQ(in.lengthMin, 20);
    ASSERT_EQ(table.lengthColumns(), 1);
    EXPECT_EQ(table.at(0, 1), 20);
}

TEST(PaymentTable, MonthsUnitPaysOverTheLengthItself) {
    LoanInputs in = request(1200, 12, 12, 6, 6, LengthUnit::Months);
    const PaymentTable table = buildPaymentTable(in);
    ASSERT_EQ(table.lengthColumns(), 1);
    EXPECT_EQ(paymentTableCellText(table, 0, 1), "\n\r6 Months");
    EXPECT_DOUBLE_EQ(table.months(1), 6);
    EXPECT_NEAR(table.at(1, 1), 207.06, 0.005);
}

TEST(PaymentTable, RefusesWhatTheChecksWouldNeverPass) {
    LoanInputs in = request(100000, 0.25, 5000, 30, 30);
    EXPECT_THROW(buildPaymentTable(in), std::invalid_argument);
    in = request(100000, 6, 6, 1, 99999);
    EXPECT_THROW(buildPaymentTable(in), std::invalid_argument);
    in = request(100000, 0, 6, 30, 30);
    EXPECT_THROW(buildPaymentTable(in), std::invalid_argument);
}

TEST(PaymentGridFit, SmallTableKeepsTheHorizontalScrollBar) {
    // A 7200 × 9000 twip grid, header row 960, first column 960.
    const int h = 7200, w = 9000, row0 = 960, col0 = 960;
    EXPECT_EQ(fitPaymentGrid(h, w, row0, col0, 16, 3),
              (GridFit{GridScrollBars::Horizontal, 17, 4, 388, 2670}));
    const GridFit wide = fitPaymentGrid(h, w, row0, col0, 1, 16);
    EXPECT_EQ(wide.scrollBars, GridScrollBars::Horizontal);
    EXPECT_EQ(wide.rows, 17);
    EXPECT_EQ(wide.columns, 17);
    EXPECT_EQ(wide.rowHeight, 372);  // (6210 − 255) / 16 = 372.19
    EXPECT_EQ(wide.columnWidth, 2670);
    const GridFit tall = fitPaymentGrid(h, w, row0, col0, 17, 3);
    EXPECT_EQ(tall.scrollBars, GridScrollBars::Vertical);
    EXPECT_EQ(tall.rows, 18);
    EXPECT_EQ(tall.columns, 4);
    EXPECT_EQ(tall.columnWidth, 2585);  // (8010 − 255) / 3
    const GridFit both = fitPaymentGrid(h, w, row0, col0, 397, 600);
    EXPECT_EQ(both.scrollBars, GridScrollBars::Both);
    EXPECT_EQ(both.rows, 398);
    EXPECT_EQ(both.columns, 601);
}

TEST(Amortization, WorkedThirtyYearSchedule) {
    LoanInputs in = request(100000, 6, 6, 30, 30);
    const PaymentTable table = buildPaymentTable(in);
    const AmortizationSchedule s = buildSchedule(table, 1, 1, 100000, LengthUnit::Years);
    ASSERT_EQ(s.count, 360);
    EXPECT_NEAR(s.payment, 599.5505, 1e-4);
    EXPECT_EQ(s.interest[1], 500.00);
    EXPECT_NEAR(s.principal(1), 99.55, 0.005);
    EXPECT_NEAR(s.balance[1], 99900.45, 0.005);
    EXPECT_EQ(s.interest[2], 499.50);
    EXPECT_NEAR(s.interest[360], 2.98, 1e-9);
    EXPECT_NEAR(s.balance[360], 0.04, 0.005);
    EXPECT_NEAR(s.totalInterest, 115838.23, 1e-6);
    EXPECT_EQ(s.rateText, "6.00%");

    EXPECT_EQ(scheduleCellText(s, 0, 0), "Monthly\n\rPayment\n\r$599.55");
    EXPECT_EQ(scheduleCellText(s, 0, 1), "Amount\n\rTowards\n\rPrincipal");
    EXPECT_EQ(scheduleCellText(s, 0, 2), "Amount of\n\rInterest\n\r$115,838.23");
    EXPECT_EQ(scheduleCellText(s, 0, 3), "\n\rPrincipal\n\rBalance");
    EXPECT_EQ(scheduleCellText(s, 0, 4), "\n\rTotal Interest");
    EXPECT_EQ(scheduleCellText(s, 1, 0), "1");
    EXPECT_EQ(scheduleCellText(s, 1, 1), "$99.55");
    EXPECT_EQ(scheduleCellText(s, 1, 2), "$500.00");
    EXPECT_EQ(scheduleCellText(s, 1, 3), "$99,900.45");
    EXPECT_EQ(scheduleCellText(s, 2, 4), "$999.50");
    EXPECT_EQ(scheduleCellText(s, 360, 3), "$0.04");
    EXPECT_EQ(scheduleCellText(s, 360, 4), "$115,838.23");
    EXPECT_EQ(scheduleGridRows(s), 361);
}

TEST(Amortization, InterestRoundsWithTheHalfCentRule) {
    EXPECT_EQ(monthInterest(4994, 0.001), 4.99);
    EXPECT_EQ(monthInterest(4995, 0.001), 5.00);
    EXPECT_EQ(monthInterest(1000, 0.00499), 4.99);
    EXPECT_EQ(monthInterest(0, 0.005), 0.0);
}

TEST(Amortization, ShortSchedulesAndMonthsUnit) {
    // 1 Year: 12 rows in a 16-row grid, the rows under them blank.
    LoanInputs in = request(12000, 6, 6, 1, 1);
    PaymentTable table = buildPaymentTable(in);
    AmortizationSchedule s = buildSchedule(table, 1, 1, 12000, LengthUnit::Years);
    EXPECT_EQ(s.count, 12);
    EXPECT_EQ(scheduleGridRows(s), 16);
    EXPECT_EQ(scheduleCellText(s, 12, 0), "12");
    EXPECT_EQ(scheduleCellText(s, 13, 0), " ");
    EXPECT_EQ(scheduleCellText(s, 13, 2), "");

    // 16 months: 17 rows.
    in = request(16000, 6, 6, 16, 16, LengthUnit::Months);
    table = buildPaymentTable(in);
    s = buildSchedule(table, 1, 1, 16000, LengthUnit::Months);
    EXPECT_EQ(s.count, 16);
    EXPECT_EQ(scheduleGridRows(s), 17);
    EXPECT_NEAR(s.balance[16], 0, 0.05);

    // Another cell of a larger table reads its own rate and length.
    in = request(100000, 5, 9, 15, 30);
    table = buildPaymentTable(in);
    s = buildSchedule(table, 5, 2, 100000, LengthUnit::Years);
    EXPECT_EQ(s.rateText, "6.00%");
    EXPECT_EQ(s.count, 16 * 12);
    EXPECT_DOUBLE_EQ(s.payment, table.at(5, 2));
    EXPECT_THROW(buildSchedule(table, 18, 1, 100000, LengthUnit::Years), std::out_of_range);
    EXPECT_THROW(buildSchedule(table, 1, 0, 100000, LengthUnit::Years), std::out_of_range);
}

TEST(Amortization, ScheduleGridFit) {
    const ScheduleGridFit fit = fitScheduleGrid(7200, 9000);
    EXPECT_EQ(fit.firstColumnWidth, 1350);
    EXPECT_EQ(fit.headerRowHeight, 1440);
    EXPECT_EQ(fit.columnWidth, 1800);
    EXPECT_EQ(fit.rowHeight, 358);  // (7200 − 1440 − 30) / 16 = 358.125
}

}  // namespace
}  // namespace coinwell::loan
