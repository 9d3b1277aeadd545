#include <gtest/gtest.h>

#include "loan/core/amortization.h"
#include "loan/core/extra_payment_entry.h"
#include "loan/core/loan_texts.h"
#include "loan/core/payment_table.h"

namespace coinwell::loan {
namespace {

// Loan 100000 at 6.00 % for 30 Years: total interest $115,838.23 without extras.
AmortizationSchedule thirtyYears() {
    LoanInputs in;
    in.loanAmount = 100000;
    in.rateMin = in.rateMax = 6;
    in.lengthMin = in.lengthMax = 30;
    return buildSchedule(buildPaymentTable(in), 1, 1, 100000, LengthUnit::Years);
}

std::string cell(const AmortizationSchedule& s, int row, int column) {
    return scheduleCellText(s, row, column);
}

TEST(ExtraSchedule, HundredMoreWithEveryPayment) {
    ExtraPayments extras;
    extras.monthly = 100;
    const AmortizationSchedule s = buildExtraSchedule(thirtyYears(), extras);
    ASSERT_EQ(s.count, 252);
    EXPECT_EQ(s.countWithoutExtras, 360);
    EXPECT_TRUE(s.paidOffEarly);
    EXPECT_EQ(currencyText(s.lastPayment), "$350.77");
    EXPECT_EQ(cell(s, 1, 1), "$99.55");
    EXPECT_EQ(cell(s, 1, 5), "$100.00");
    EXPECT_EQ(cell(s, 1, 3), "$99,800.45");
    // The last row: principal = payment − interest − extra, so columns 1 and 6 clear the balance.
    EXPECT_EQ(cell(s, 252, 0), "252");
    EXPECT_EQ(cell(s, 252, 1), "$249.02");
    EXPECT_EQ(cell(s, 252, 2), "$1.75");
    EXPECT_EQ(cell(s, 252, 3), "$0.00");
    EXPECT_EQ(cell(s, 252, 5), "$100.00");
    EXPECT_EQ(cell(s, 252, 4), "$75,937.95");
    // The header keeps its texts with the new total, and gains the sixth column.
    EXPECT_EQ(cell(s, 0, 0), "Monthly\n\rPayment\n\r$599.55");
    EXPECT_EQ(cell(s, 0, 2), "Amount of\n\rInterest\n\r$75,937.95");
    EXPECT_EQ(cell(s, 0, 5), "Extra\n\rPayment");
    EXPECT_EQ(scheduleGridRows(s), 253);
    EXPECT_EQ(scheduleGridColumns(s), 6);
    EXPECT_EQ(payoffText(s), "Paid off after 252 payments instead of 360");
    EXPECT_EQ(interestSavedText(s), "Interest saved: $39,900.28");
}

TEST(ExtraSchedule, LumpSumAndYearlyExtras) {
    ExtraPayments lump;
    lump.lumpSum = 5000;
    lump.lumpAt = 12;
    AmortizationSchedule s = buildExtraSchedule(thirtyYears(), lump);
    EXPECT_EQ(s.count, 318);
    EXPECT_EQ(currencyText(s.lastPayment), "$258.62");
    EXPECT_EQ(currencyText(s.totalInterest), "$95,316.14");
    EXPECT_EQ(interestSavedText(s), "Interest saved: $20,522.09");
    EXPECT_EQ(cell(s, 11, 5), "");
    EXPECT_EQ(cell(s, 12, 5), "$5,000.00");
    EXPECT_EQ(cell(s, 13, 5), "");

    // Every 12th payment, and the monthly extra only from its first payment on.
    ExtraPayments mixed;
    mixed.yearly = 1000;
    mixed.monthly = 50;
    mixed.monthlyFrom = 25;
    s = buildExtraSchedule(thirtyYears(), mixed);
    EXPECT_EQ(cell(s, 11, 5), "");
    EXPECT_EQ(cell(s, 12, 5), "$1,000.00");
    EXPECT_EQ(cell(s, 24, 5), "$1,000.00");
    EXPECT_EQ(cell(s, 25, 5), "$50.00");
    EXPECT_EQ(cell(s, 36, 5), "$1,050.00");
    EXPECT_LT(s.count, 360);
}

TEST(ExtraSchedule, ClearingAtOnceNothingAndTinyExtras) {
    const AmortizationSchedule plain = thirtyYears();
    // An extra larger than the loan ends the schedule at that payment; it shows as no more than
    // the principal it clears.
    ExtraPayments huge;
    huge.lumpSum = 1e300;
    huge.lumpAt = 3;
    AmortizationSchedule s = buildExtraSchedule(plain, huge);
    ASSERT_EQ(s.count, 3);
    EXPECT_EQ(s.balance[3], 0);
    EXPECT_EQ(cell(s, 3, 5), currencyText(plain.balance[2]));
    EXPECT_EQ(cell(s, 3, 1), "$0.00");
    EXPECT_EQ(scheduleGridRows(s), 16);

    // Nothing entered: the described schedule, five columns.
    s = buildExtraSchedule(plain, ExtraPayments{});
    EXPECT_FALSE(s.hasExtras());
    EXPECT_EQ(s.count, 360);
    EXPECT_EQ(s.totalInterest, plain.totalInterest);
    EXPECT_EQ(scheduleGridColumns(s), 5);
    EXPECT_EQ(payoffText(s), "");
    EXPECT_EQ(interestSavedText(s), "");

    // A cent more once never runs past n payments.
    ExtraPayments cent;
    cent.lumpSum = 0.01;
    cent.lumpAt = 360;
    s = buildExtraSchedule(plain, cent);
    EXPECT_EQ(s.count, 360);
    EXPECT_FALSE(s.paidOffEarly);
    EXPECT_EQ(cell(s, 360, 5), "$0.01");
}

TEST(ExtraPaymentEntry, PaymentNumbersFromOneToN) {
    ExtraPaymentTexts texts;
    texts.monthly = "100";
    texts.monthlyFrom = "1";
    ExtraPaymentCheck check = checkExtraPayments(texts, 360);
    ASSERT_TRUE(check.accepted());
    EXPECT_EQ(check.extras.monthly, 100);
    EXPECT_EQ(check.extras.monthlyFrom, 1);
    // An empty lump-sum payment number is not checked while there is no lump sum.
    EXPECT_EQ(check.extras.lumpAt, 0);

    const MessageRequest refusal{"Enter a payment number from 1 to 360.", "LoanSheet Error",
                                 MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
    for (const char* from : {"0", "361", "", "99999999999999999999"}) {
        texts.monthlyFrom = from;
        check = checkExtraPayments(texts, 360);
        EXPECT_EQ(check.message, refusal) << from;
        EXPECT_EQ(check.focus, ExtraBox::MonthlyFrom) << from;
    }
    texts.monthlyFrom = "360";
    texts.lumpSum = "5000.50";
    texts.lumpAt = "";
    check = checkExtraPayments(texts, 360);
    EXPECT_EQ(check.focus, ExtraBox::LumpAt);
    texts.lumpAt = "12";
    check = checkExtraPayments(texts, 360);
    ASSERT_TRUE(check.accepted());
    EXPECT_EQ(check.extras.lumpSum, 5000.5);
    EXPECT_EQ(check.extras.lumpAt, 12);

    // Empty and zero amounts pay nothing; a pasted sign pays nothing either.
    check = checkExtraPayments({"", "1", "0", "-5", ""}, 360);
    ASSERT_TRUE(check.accepted());
    EXPECT_FALSE(check.extras.any());
}

TEST(ExtraPaymentEntry, AmountBoxesTakeDigitsAndOnePoint) {
    EXPECT_EQ(settledAmountText("12.5").text, "12.5");
    EXPECT_EQ(settledAmountText("12.").text, "12.");
    const FilteredText second = settledAmountText("12.5.");
    EXPECT_EQ(second.text, "12.5");
    EXPECT_TRUE(second.changed);
    EXPECT_EQ(settledAmountText("12a").text, "12");
    EXPECT_EQ(settledAmountText("1.2.3").text, "1.2");
    EXPECT_EQ(settledPaymentNumberText("12.").text, "12");
    EXPECT_EQ(settledPaymentNumberText("x").text, "");
}

}  // namespace
}  // namespace coinwell::loan
