// The affordability estimate: the worked examples with their known answers, each limiting
// factor, the household's own limit, the fallback rate and the steps whose arithmetic fails.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "homecalc/core/affordability.h"

namespace coinwell::homecalc {
namespace {

HomeInputs worked() {
    HomeInputs in;
    in.grossAnnualIncome = 60000;
    in.monthlyDebt = 300;
    in.cashAvailable = 20000;
    in.loanYears = 30;
    in.ratePercent = 7;
    return in;
}

struct KnownAnswer {
    const char* name;
    double income, debt, cash, years, rate, limit;
    double payment, loan, closing, down, price;
    double percentTimes100;  // the down payment share in hundredths of a percent, rounded
    LimitingFactor factor;
};

class WorkedExamples : public ::testing::TestWithParam<KnownAnswer> {};

TEST_P(WorkedExamples, GiveTheirKnownAnswers) {
    const KnownAnswer& k = GetParam();
    HomeInputs in;
    in.grossAnnualIncome = k.income;
    in.monthlyDebt = k.debt;
    in.cashAvailable = k.cash;
    in.loanYears = k.years;
    in.ratePercent = k.rate;
    in.paymentLimit = k.limit;
    const AffordabilityResult r = computeAffordability(in);
    EXPECT_EQ(r.housingPayment, k.payment);
    EXPECT_EQ(r.loanAmount, k.loan);
    EXPECT_EQ(r.closingCosts, k.closing);
    EXPECT_EQ(r.downPayment, k.down);
    EXPECT_EQ(r.homePrice, k.price);
    EXPECT_EQ(std::lround(r.downPercent * 10000), k.percentTimes100);
    EXPECT_EQ(r.limitingFactor, k.factor);
}

INSTANTIATE_TEST_SUITE_P(
    HomeCalculator, WorkedExamples,
    ::testing::Values(
        // The housing ratio limits; a down payment under 10 % names the cash.
        KnownAnswer{"cash", 60000, 300, 20000, 30, 7, 0, 1400, 168043, 3361, 16639, 184682, 901,
                    LimitingFactor::CashForDownPayment},
        // More cash: 10 % or more down names the income.
        KnownAnswer{"income", 60000, 300, 30000, 30, 7, 0, 1400, 166240, 3325, 26675, 192915, 1383,
                    LimitingFactor::AnnualIncome},
        KnownAnswer{"fifteenYears", 60000, 300, 20000, 15, 7, 0, 1400, 131838, 2637, 17363, 149201,
                    1164, LimitingFactor::AnnualIncome},
        // Debts hold the payment under the housing ratio.
        KnownAnswer{"debt", 60000, 500, 20000, 30, 7, 0, 1300, 155868, 3117, 16883, 172751, 977,
                    LimitingFactor::MonthlyDebt},
        // A tie between the two ratios goes to the housing ratio.
        KnownAnswer{"tie", 60000, 400, 20000, 30, 7, 0, 1400, 168043, 3361, 16639, 184682, 901,
                    LimitingFactor::CashForDownPayment},
        KnownAnswer{"ownLimit", 60000, 300, 20000, 30, 7, 900, 900, 106718, 2134, 17866, 124584,
                    1434, LimitingFactor::PaymentLimit},
        // The cash does not cover the closing costs: no down payment, the costs come out of the
        // loan.
        KnownAnswer{"closingFromLoan", 60000, 300, 1000, 30, 7, 0, 1400, 171801, 3436, 0, 168365, 0,
                    LimitingFactor::CashForDownPayment},
        KnownAnswer{"fractionalRate", 45000, 0, 5000, 15, 5.25, 0, 1050, 109966, 2199, 2801, 112767,
                    248, LimitingFactor::CashForDownPayment},
        // The rate box at 0 is read as half a percent.
        KnownAnswer{"zeroRate", 60000, 300, 20000, 30, 0, 0, 1400, 269394, 5388, 14612, 284006, 514,
                    LimitingFactor::CashForDownPayment},
        // Debts above 36 % of income: everything comes out negative.
        KnownAnswer{"debtAboveRatio", 60000, 2000, 20000, 30, 7, 0, -200, -28409, -568, 20568,
                    -7841, -26231, LimitingFactor::MonthlyDebt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Affordability, AHigherLimitIsReplacedByTheAffordablePayment) {
    HomeInputs in = worked();
    in.paymentLimit = 5000;
    const AffordabilityResult r = computeAffordability(in);
    ASSERT_TRUE(r.replacedPaymentLimit.has_value());
    EXPECT_EQ(*r.replacedPaymentLimit, 1400);
    EXPECT_EQ(r.limitingFactor, LimitingFactor::CashForDownPayment);
    EXPECT_EQ(r.homePrice, 184682);

    // A limit equal to the payment, or below it, stays as it is.
    in.paymentLimit = 1400;
    EXPECT_FALSE(computeAffordability(in).replacedPaymentLimit.has_value());
    EXPECT_EQ(computeAffordability(in).limitingFactor, LimitingFactor::CashForDownPayment);
    in.paymentLimit = 900;
    EXPECT_FALSE(computeAffordability(in).replacedPaymentLimit.has_value());

    // Only the whole part of the limit counts.
    in.paymentLimit = 900.99;
    EXPECT_EQ(computeAffordability(in).housingPayment, 900);
}

TEST(Affordability, ALimitAboveANegativePaymentIsReplacedByIt) {
    HomeInputs in = worked();
    in.monthlyDebt = 2000;
    in.paymentLimit = 900;
    const AffordabilityResult r = computeAffordability(in);
    ASSERT_TRUE(r.replacedPaymentLimit.has_value());
    EXPECT_EQ(*r.replacedPaymentLimit, -200);
    EXPECT_EQ(r.limitingFactor, LimitingFactor::MonthlyDebt);
    EXPECT_FALSE(r.printable());
}

TEST(Affordability, OnlyAPositivePaymentIsPrintable) {
    EXPECT_TRUE(computeAffordability(worked()).printable());
    HomeInputs in = worked();
    in.monthlyDebt = 1800;  // debt limit Int(0.5) = 0
    const AffordabilityResult zero = computeAffordability(in);
    EXPECT_EQ(zero.housingPayment, 0);
    EXPECT_FALSE(zero.printable());
    EXPECT_EQ(zero.limitingFactor, LimitingFactor::MonthlyDebt);
}

TEST(Affordability, ARateNotAboveZeroFallsBackToHalfAPercent) {
    HomeInputs in = worked();
    EXPECT_FALSE(computeAffordability(in).usedFallbackRate);
    in.ratePercent = 0.5;
    const AffordabilityResult half = computeAffordability(in);
    EXPECT_FALSE(half.usedFallbackRate);
    for (double rate : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
        in.ratePercent = rate;
        const AffordabilityResult r = computeAffordability(in);
        EXPECT_TRUE(r.usedFallbackRate) << rate;
        EXPECT_EQ(r.loanAmount, half.loanAmount) << rate;
        EXPECT_EQ(r.loanAmount, 269394) << rate;
    }
}

TEST(Affordability, FailedStepsLeaveZeroAndTheRestStillRuns) {
    // A rate so high that the growth over 360 months is beyond the double range: the loan step
    // fails, the cash alone buys the home.
    HomeInputs in = worked();
    in.ratePercent = 1e6;
    AffordabilityResult r = computeAffordability(in);
    EXPECT_EQ(r.loanAmount, 0);
    EXPECT_EQ(r.closingCosts, 0);
    EXPECT_EQ(r.downPayment, 20000);
    EXPECT_EQ(r.homePrice, 20000);
    EXPECT_EQ(r.downPercent, 1);
    EXPECT_EQ(r.housingPayment, 1400);
    EXPECT_EQ(r.limitingFactor, LimitingFactor::AnnualIncome);

    // An income at the edge of the range: the loan it would carry is beyond it.
    in = worked();
    in.grossAnnualIncome = 1e308;
    r = computeAffordability(in);
    EXPECT_TRUE(std::isfinite(r.housingPayment));
    EXPECT_GT(r.housingPayment, 1e306);
    EXPECT_EQ(r.loanAmount, 0);
    EXPECT_EQ(r.homePrice, 20000);

    // Values that are no numbers at all fail every step that uses them; the later steps go on
    // with 0: a payment of 0 less taxes and insurance on the cash-bought home of the first pass.
    in = worked();
    in.grossAnnualIncome = std::numeric_limits<double>::infinity();
    r = computeAffordability(in);
    EXPECT_EQ(r.housingPayment, 0);
    EXPECT_EQ(r.limitingFactor, LimitingFactor::MonthlyDebt);
    EXPECT_EQ(r.loanAmount, -3908);
    EXPECT_EQ(r.homePrice, 16170);
    in = worked();
    in.cashAvailable = std::numeric_limits<double>::quiet_NaN();
    r = computeAffordability(in);
    EXPECT_EQ(r.downPayment, 0);
    EXPECT_GT(r.loanAmount, 0);
    EXPECT_EQ(r.homePrice, r.loanAmount);
    EXPECT_EQ(r.downPercent, 0);
}

TEST(Affordability, ARateTooSmallToGrowGivesNoLoan) {
    // (1 + i)^n stays exactly 1: the division by zero fails the loan step.
    HomeInputs in = worked();
    in.ratePercent = 1e-300;
    const AffordabilityResult r = computeAffordability(in);
    EXPECT_FALSE(r.usedFallbackRate);
    EXPECT_EQ(r.loanAmount, 0);
    EXPECT_EQ(r.homePrice, 20000);
}

TEST(Affordability, FactorsAreShownByName) {
    EXPECT_EQ(limitingFactorText(LimitingFactor::MonthlyDebt), "Minimum Monthly Debt");
    EXPECT_EQ(limitingFactorText(LimitingFactor::CashForDownPayment),
              "Cash Available for Down Payment");
    EXPECT_EQ(limitingFactorText(LimitingFactor::PaymentLimit), "Limit of Monthly Payment");
    EXPECT_EQ(limitingFactorText(LimitingFactor::AnnualIncome), "Gross Amount of Annual Income");
}

}  // namespace
}  // namespace coinwell::homecalc
