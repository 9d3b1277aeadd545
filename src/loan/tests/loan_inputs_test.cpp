#include <gtest/gtest.h>

#include "common/core/grid_fit.h"
#include "loan/core/loan_inputs.h"
#include "loan/core/loan_request.h"
#include "loan/core/loan_texts.h"

namespace coinwell::loan {
namespace {

TEST(LoanAmount, FollowsTheDownPaymentMode) {
    LoanInputs in;
    in.purchaseAmount = 200000;
    in.downValue = 10;
    EXPECT_DOUBLE_EQ(computeLoanAmount(in), 180000);
    in.downValue = 99;
    EXPECT_NEAR(computeLoanAmount(in), 2000, 1e-9);  // 1 % of the purchase
    // Switching the mode re-reads the same value as an amount.
    in.downMode = DownPaymentMode::Amount;
    in.downValue = 10;
    EXPECT_DOUBLE_EQ(computeLoanAmount(in), 199990);
    EXPECT_EQ(loanAmountText(computeLoanAmount(in)), "199990");
}

TEST(DownPaymentChecks, EachMessageInItsOrder) {
    LoanInputs in;
    in.purchaseAmount = 1000;
    in.downValue = 99;
    EXPECT_FALSE(checkDownPayment(in).has_value());
    in.downValue = 100;
    const auto percent = checkDownPayment(in);
    ASSERT_TRUE(percent.has_value());
    EXPECT_EQ(*percent, (MessageRequest{"Down payment percentage cannot exceed 99 percent.",
                                        "LoanSheet Error", MessageIcon::Information,
                                        MessageButtons::Ok, Answer::Ok}));

    in.downMode = DownPaymentMode::Amount;
    EXPECT_FALSE(checkDownPayment(in).has_value());  // 100 of 1000 is fine as an amount
    in.downValue = 1000;
    EXPECT_FALSE(checkDownPayment(in).has_value());
    in.downValue = 1000.5;
    EXPECT_EQ(checkDownPayment(in)->text, "Down payment amount cannot exceed purchase amount.");

    in.downValue = -5;
    EXPECT_EQ(checkDownPayment(in)->text, "Down payment amount must be zero or greater.");
    in.downMode = DownPaymentMode::Percent;
    EXPECT_EQ(checkDownPayment(in)->text, "Down payment amount must be zero or greater.");
}

// A request as the screen would hand it after the user typed the given boxes.
struct Request {
    LoanInputs in;
    LoanBoxTexts boxes;
};

Request typed(const std::string& lenMin, const std::string& lenMax, double rateMin,
              double rateMax) {
    Request r;
    r.in.purchaseAmount = 100000;
    r.boxes.lengthMin = lenMin;
    r.boxes.lengthMax = lenMax;
    if (!lenMin.empty()) {
        r.in.lengthMin = *readBoxNumber(lenMin);
    }
    if (!lenMax.empty()) {
        r.in.lengthMax = *readBoxNumber(lenMax);
    }
    r.in.rateMin = rateMin;
    r.in.rateMax = rateMax;
    r.boxes.rateMin = rateBoxText(rateMin);
    r.boxes.rateMax = rateBoxText(rateMax);
    r.boxes.rateMinIndex = rateListIndex(r.boxes.rateMin);
    r.boxes.rateMaxIndex = rateListIndex(r.boxes.rateMax);
    return r;
}

TEST(ValidateLoanRequest, PurchaseAmountMustBePositive) {
    Request r = typed("15", "30", 5, 6);
    r.in.purchaseAmount = 0;
    const auto check = validateLoanRequest(r.in, r.boxes);
    ASSERT_FALSE(check.accepted());
    EXPECT_EQ(*check.message, loanError("You must enter a valid purchase amount."));
    EXPECT_EQ(check.focus, LoanBox::PurchaseAmount);
    EXPECT_TRUE(check.emptyFocusBox);
    // Nothing after the refusal runs: the boxes are as typed.
    EXPECT_EQ(check.boxes, r.boxes);
}

TEST(ValidateLoanRequest, LengthBoxesFillEachOtherAndSwap) {
    // Only a minimum: the maximum box takes its text.
    Request only = typed("15", "", 6, 6);
    auto check = validateLoanRequest(only.in, only.boxes);
    ASSERT_TRUE(check.accepted());
    EXPECT_EQ(check.boxes.lengthMax, "15");
    EXPECT_EQ(check.inputs.lengthMax, 15);
    EXPECT_EQ(check.inputs.lengthMin, 15);

    // Only a maximum: the minimum box takes its text.
    Request onlyMax = typed("", "20", 6, 6);
    check = validateLoanRequest(onlyMax.in, onlyMax.boxes);
    EXPECT_EQ(check.boxes.lengthMin, "20");
    EXPECT_EQ(check.inputs.lengthMin, 20);

    // Minimum 30 and maximum 10 are swapped, in the boxes too.
    Request swapped = typed("30", "10", 6, 6);
    check = validateLoanRequest(swapped.in, swapped.boxes);
    EXPECT_EQ(check.boxes.lengthMin, "10");
    EXPECT_EQ(check.boxes.lengthMax, "30");
    EXPECT_EQ(check.inputs.lengthMin, 10);
    EXPECT_EQ(check.inputs.lengthMax, 30);
    EXPECT_DOUBLE_EQ(check.inputs.loanAmount, 100000);

    // Neither: the maximum is asked for, and focused without being emptied.
    Request none = typed("", "", 6, 6);
    check = validateLoanRequest(none.in, none.boxes);
    EXPECT_EQ(check.message->text, "You must enter a maximum length of loan.");
    EXPECT_EQ(check.focus, LoanBox::LengthMax);
    EXPECT_FALSE(check.emptyFocusBox);
}

TEST(ValidateLoanRequest, ZeroNegativeAndExcessiveLengthsAreRefused) {
    // A minimum of 0 is accepted: the table then has the maximum as its single column.
    Request zeroMin = typed("0", "20", 6, 6);
    auto check = validateLoanRequest(zeroMin.in, zeroMin.boxes);
    EXPECT_TRUE(check.accepted());

    for (const auto& [lenMin, lenMax] : {std::pair{"0", "0"}, std::pair{"", "0"}}) {
        Request zero = typed(lenMin, lenMax, 6, 6);
        check = validateLoanRequest(zero.in, zero.boxes);
        ASSERT_FALSE(check.accepted()) << lenMin << " " << lenMax;
        EXPECT_EQ(*check.message,
                  loanError("You must enter a maximum length of loan greater than zero."));
        EXPECT_EQ(check.focus, LoanBox::LengthMax);
        EXPECT_TRUE(check.emptyFocusBox);
    }

    Request negative = typed("-5", "20", 6, 6);  // pasted: its last character is a digit
    check = validateLoanRequest(negative.in, negative.boxes);
    EXPECT_EQ(check.message->text, "Loan length cannot be less than zero.");
    EXPECT_EQ(check.focus, LoanBox::LengthMin);

    Request years = typed("30", "99999", 6, 6);
    check = validateLoanRequest(years.in, years.boxes);
    EXPECT_EQ(check.message->text, "Loan length cannot exceed 50 years.");
    EXPECT_EQ(check.focus, LoanBox::LengthMax);
    EXPECT_TRUE(
        validateLoanRequest(typed("1", "50", 6, 6).in, typed("1", "50", 6, 6).boxes).accepted());

    Request months = typed("1", "601", 6, 6);
    months.in.lengthUnit = LengthUnit::Months;
    check = validateLoanRequest(months.in, months.boxes);
    EXPECT_EQ(check.message->text, "Loan length cannot exceed 600 months.");
    months = typed("1", "600", 6, 6);
    months.in.lengthUnit = LengthUnit::Months;
    EXPECT_TRUE(validateLoanRequest(months.in, months.boxes).accepted());
}

TEST(ValidateLoanRequest, RatesSwapAndAZeroMinimumBecomesTheMaximum) {
    // Both left at 0.00.
    Request zero = typed("30", "30", 0, 0);
    auto check = validateLoanRequest(zero.in, zero.boxes);
    EXPECT_EQ(*check.message,
              loanError("You must specify a maximum interest rate greater than zero."));
    EXPECT_EQ(check.focus, LoanBox::RateMax);
    EXPECT_FALSE(check.emptyFocusBox);

    // 0.00 to 6.50: a single rate row of 6.50, in the box and its list position too.
    Request single = typed("30", "30", 0, 6.5);
    check = validateLoanRequest(single.in, single.boxes);
    ASSERT_TRUE(check.accepted());
    EXPECT_EQ(check.inputs.rateMin, 6.5);
    EXPECT_EQ(check.boxes.rateMin, "6.50");
    EXPECT_EQ(check.boxes.rateMinIndex, 26);

    // Swapped rates are written back formatted.
    Request swapped = typed("30", "30", 9, 5);
    swapped.boxes.rateMin = "9";  // typed without decimals
    swapped.boxes.rateMinIndex = -1;
    check = validateLoanRequest(swapped.in, swapped.boxes);
    EXPECT_EQ(check.inputs.rateMin, 5);
    EXPECT_EQ(check.inputs.rateMax, 9);
    EXPECT_EQ(check.boxes.rateMin, "5.00");
    EXPECT_EQ(check.boxes.rateMax, "9.00");
    EXPECT_EQ(check.boxes.rateMaxIndex, 36);

    // A typed rate beyond 100 percent would only build thousands of rows.
    Request huge = typed("30", "30", 1, 5000);
    check = validateLoanRequest(huge.in, huge.boxes);
    EXPECT_EQ(check.message->text, "Interest rate cannot exceed 100 percent.");
    EXPECT_EQ(check.focus, LoanBox::RateMax);
    EXPECT_TRUE(validateLoanRequest(typed("30", "30", 1, 100).in, typed("30", "30", 1, 100).boxes)
                    .accepted());
}

TEST(ValidateLoanRequest, DownPaymentIsCheckedAgainstTheCurrentPurchase) {
    // An amount accepted while the purchase was larger no longer fits.
    Request r = typed("30", "30", 6, 6);
    r.in.downMode = DownPaymentMode::Amount;
    r.in.downValue = 150000;
    auto check = validateLoanRequest(r.in, r.boxes);
    EXPECT_EQ(check.message->text, "Down payment amount cannot exceed purchase amount.");
    EXPECT_EQ(check.focus, LoanBox::DownPayment);
    EXPECT_TRUE(check.emptyFocusBox);
    EXPECT_EQ(check.inputs.downValue, 0);

    r.in.downValue = 20000;
    check = validateLoanRequest(r.in, r.boxes);
    ASSERT_TRUE(check.accepted());
    EXPECT_DOUBLE_EQ(check.inputs.loanAmount, 80000);

    r.in.purchaseAmount = 5e12;
    EXPECT_EQ(validateLoanRequest(r.in, r.boxes).message->text,
              "Purchase amount cannot exceed 999,999,999,999.");
}

TEST(LoanTexts, BoxItemsCaptionsAndTips) {
    const auto items = rateBoxItems();
    ASSERT_EQ(items.size(), 101u);
    EXPECT_EQ(items.front(), "0.00");
    EXPECT_EQ(items[1], "0.25");
    EXPECT_EQ(items.back(), "25.00");
    EXPECT_EQ(rateListIndex("7.25"), 29);
    EXPECT_EQ(rateListIndex("7.3"), -1);
    EXPECT_EQ(rateCellText(7.25), "7.25%");
    EXPECT_EQ(rateCellText(7), "7.00%");
    EXPECT_EQ(lengthHeaderText(15, LengthUnit::Years), "\n\r15 Years");
    EXPECT_EQ(lengthHeaderText(6, LengthUnit::Months), "\n\r6 Months");
    EXPECT_EQ(scrollTipText(5, "8.00%"), " Row 5: 8.00% ");
    EXPECT_EQ(lengthPanelCaption(LengthUnit::Years), " Years in Loan ");
    EXPECT_EQ(lengthPanelCaption(LengthUnit::Months), " Months in Loan ");
    EXPECT_EQ(downPaymentCaption(DownPaymentMode::Amount), "Amount Down");
}

}  // namespace
}  // namespace coinwell::loan
