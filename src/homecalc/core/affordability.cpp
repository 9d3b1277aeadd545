#include "homecalc/core/affordability.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace coinwell::homecalc {

namespace {

constexpr double kMonthsPerYear = 12;

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Rounding down to a whole number; 0 when the arithmetic that gave the value failed.
double wholeOrZero(double value) {
    return std::isfinite(value) ? std::floor(value) : 0;
}

double finiteOrZero(double value) {
    return std::isfinite(value) ? value : 0;
}

struct Purchase {
    double loan = 0;
    double closingCosts = 0;
    double downPayment = 0;
    double price = 0;
};

// The loan a monthly payment carries and the home it buys with the cash at hand.
Purchase purchaseFor(double payment, double monthlyRate, double months, double cash) {
    Purchase p;
    const double growth = std::pow(1 + monthlyRate, months);
    const double paymentPerUnit = monthlyRate / (1 - 1 / growth);
    p.loan = allFinite({growth, paymentPerUnit}) ? wholeOrZero(payment / paymentPerUnit) : 0;
    p.closingCosts = wholeOrZero(p.loan * kClosingCostRate + 0.5);
    p.downPayment = wholeOrZero(cash - p.closingCosts + 0.5);
    if (p.downPayment < 0) {
        // The cash does not even cover the closing costs: they come out of the loan.
        p.downPayment = 0;
        p.price = finiteOrZero(p.loan - p.closingCosts);
    } else {
        p.price = finiteOrZero(p.downPayment + p.loan);
    }
    return p;
}

}  // namespace

std::string_view limitingFactorText(LimitingFactor factor) {
    switch (factor) {
        case LimitingFactor::MonthlyDebt:
            return "Minimum Monthly Debt";
        case LimitingFactor::CashForDownPayment:
            return "Cash Available for Down Payment";
        case LimitingFactor::PaymentLimit:
            return "Limit of Monthly Payment";
        case LimitingFactor::AnnualIncome:
            break;
    }
    return "Gross Amount of Annual Income";
}

AffordabilityResult computeAffordability(const HomeInputs& in) {
    AffordabilityResult result;
    const double monthlyIncome = in.grossAnnualIncome / kMonthsPerYear;
    const double housingLimit = wholeOrZero(monthlyIncome * kHousingRatio + 0.5);
    const double debtLimit = wholeOrZero(monthlyIncome * kTotalDebtRatio - in.monthlyDebt + 0.5);

    // The lower of the two ratios sets the payment; a tie goes to the housing ratio.
    double payment = debtLimit;
    result.limitingFactor = LimitingFactor::MonthlyDebt;
    if (debtLimit > 0 && housingLimit <= debtLimit) {
        payment = housingLimit;
        result.limitingFactor = LimitingFactor::CashForDownPayment;
    }

    const double limit = wholeOrZero(in.paymentLimit);
    if (limit > 0 && limit < payment) {
        payment = limit;
        result.limitingFactor = LimitingFactor::PaymentLimit;
    }
    if (limit > 0 && limit > payment) {
        result.replacedPaymentLimit = payment;
    }
    result.housingPayment = payment;

    const double months = in.loanYears * kMonthsPerYear;
    double rate = in.ratePercent;
    if (!(rate > 0)) {
        rate = kFallbackRatePercent;
        result.usedFallbackRate = true;
    }
    const double monthlyRate = rate / 1200;

    // The payment includes taxes and insurance, which depend on the price: a first estimate of
    // the price gives them, and the rest of the payment gives the final loan. The 0.5 goes with
    // the taxes, so the payment rounds down a little further than ordinary rounding.
    Purchase purchase = purchaseFor(payment, monthlyRate, months, in.cashAvailable);
    const double loanPayment =
        wholeOrZero(payment - (purchase.price * kTaxesAndInsuranceRate + 0.5));
    purchase = purchaseFor(loanPayment, monthlyRate, months, in.cashAvailable);

    result.loanAmount = purchase.loan;
    result.closingCosts = purchase.closingCosts;
    result.downPayment = purchase.downPayment;
    result.homePrice = purchase.price;
    result.downPercent =
        purchase.downPayment <= 0 ? 0 : finiteOrZero(purchase.downPayment / purchase.price);

    if (result.limitingFactor == LimitingFactor::CashForDownPayment &&
        100 * result.downPercent >= kAmpleDownPercent) {
        result.limitingFactor = LimitingFactor::AnnualIncome;
    }
    return result;
}

}  // namespace coinwell::homecalc
