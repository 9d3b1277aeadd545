#pragma once
// The extra payments panel of the Loan Calculator, apart from its widgets: the keystroke rules of
// its boxes, the check that runs on Apply, and the two result labels.

#include <optional>
#include <string>
#include <string_view>

#include "common/core/dialogs.h"
#include "common/core/digit_filter.h"
#include "loan/core/amortization.h"
#include "loan/core/extra_payments.h"

namespace coinwell::loan {

// An amount box takes digits and one point: the Loan screen's keystroke rule with the point
// accepted, and a second point refused with what follows it.
FilteredText settledAmountText(std::string_view text);
// A payment-number box takes digits only, as the other Loan boxes.
FilteredText settledPaymentNumberText(std::string_view text);

// The panel's boxes.
enum class ExtraBox { None, Monthly, MonthlyFrom, Yearly, LumpSum, LumpAt };

struct ExtraPaymentTexts {
    std::string monthly;      // txtExtraMonthly
    std::string monthlyFrom;  // txtExtraFrom
    std::string yearly;       // txtExtraYearly
    std::string lumpSum;      // txtLumpSum
    std::string lumpAt;       // txtLumpAt
};

struct ExtraPaymentCheck {
    ExtraPayments extras;                   // when accepted
    std::optional<MessageRequest> message;  // the refusal to show
    ExtraBox focus = ExtraBox::None;        // the box that gets the focus after it

    bool accepted() const { return !message.has_value(); }
};

// Reads the boxes for a loan of n payments. A payment number is checked when its box holds text
// or its amount is above 0: it must be a whole number from 1 to n. Amounts below 0 pay nothing.
ExtraPaymentCheck checkExtraPayments(const ExtraPaymentTexts& texts, int n);

// "Paid off after 252 payments instead of 360" and "Interest saved: $39,900.28", for a schedule
// with extra payments; empty texts for one without.
std::string payoffText(const AmortizationSchedule& schedule);
std::string interestSavedText(const AmortizationSchedule& schedule);

}  // namespace coinwell::loan
