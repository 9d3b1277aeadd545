#pragma once
// How expensive a home a household can afford: the largest monthly housing payment that two
// income ratios (and the household's own limit) allow, turned into a loan after taxes and
// insurance, plus the down payment the cash leaves after closing costs, and the factor that
// limits the result.

#include <optional>
#include <string_view>

namespace coinwell::homecalc {

// The housing payment may take 28 % of the monthly gross income, all debts together 36 %.
inline constexpr double kHousingRatio = 0.28;
inline constexpr double kTotalDebtRatio = 0.36;
// Closing costs run at 2 % of the loan; taxes and insurance at 0.124 % of the price a month.
inline constexpr double kClosingCostRate = 0.02;
inline constexpr double kTaxesAndInsuranceRate = 0.00124;
// The rate used when the rate box holds nothing above 0, in percent.
inline constexpr double kFallbackRatePercent = 0.5;
// A down payment of at least this percentage of the price no longer limits the home.
inline constexpr double kAmpleDownPercent = 10;

struct HomeInputs {
    double grossAnnualIncome = 0;
    double monthlyDebt = 0;
    double cashAvailable = 0;
    double loanYears = 30;
    double ratePercent = 7;   // annual; a value not above 0 stands for kFallbackRatePercent
    double paymentLimit = 0;  // whole currency units a month; 0 means no limit
};

enum class LimitingFactor {
    MonthlyDebt = 1,
    CashForDownPayment = 2,
    PaymentLimit = 3,
    AnnualIncome = 4,
};

// The factor as the screen names it ("Minimum Monthly Debt", ...).
std::string_view limitingFactorText(LimitingFactor factor);

// Whole currency units, except downPercent (a fraction of the price). A step whose arithmetic
// fails (a value beyond the double range, a division by zero) leaves its value at 0 and the
// later steps go on with that.
struct AffordabilityResult {
    double housingPayment = 0;  // the monthly payment including taxes and insurance
    double loanAmount = 0;
    double closingCosts = 0;
    double downPayment = 0;
    double homePrice = 0;
    double downPercent = 0;
    LimitingFactor limitingFactor = LimitingFactor::MonthlyDebt;
    // The household's limit was above the affordable payment: its box shows this payment instead.
    std::optional<double> replacedPaymentLimit;
    // The rate was not above 0: kFallbackRatePercent was used and its box shows it.
    bool usedFallbackRate = false;

    // Only a positive payment can be printed.
    bool printable() const { return housingPayment > 0; }
};

AffordabilityResult computeAffordability(const HomeInputs& inputs);

}  // namespace coinwell::homecalc
