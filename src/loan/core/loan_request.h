#pragma once
// The checks that run when the user asks for payments ("Show Payments"), step by step, over the
// stored values and the texts of the length and rate boxes. The result says exactly what the
// screen must show and change, so the screen only applies it.

#include <optional>
#include <string>

#include "common/core/dialogs.h"
#include "loan/core/loan_inputs.h"

namespace coinwell::loan {

// Limits that keep the table and schedule to what a real loan needs (a longer loan or a rate
// beyond these would only build a table nobody can read, or exhaust memory).
inline constexpr double kMaxLengthYears = 50;
inline constexpr double kMaxLengthMonths = 600;
inline constexpr double kMaxRatePercent = 100;
inline constexpr double kMaxPurchaseAmount = 999999999999.0;

// The input boxes the checks read and may change.
enum class LoanBox { None, PurchaseAmount, DownPayment, LengthMin, LengthMax, RateMin, RateMax };

// The texts of the boxes as the screen shows them.
struct LoanBoxTexts {
    std::string lengthMin;  // txtLenMin
    std::string lengthMax;  // txtLenMax
    std::string rateMin;    // comIntrMin
    std::string rateMax;    // comIntrMax
    int rateMinIndex = 0;   // list positions of the rate boxes; -1 for a typed rate
    int rateMaxIndex = 0;

    bool operator==(const LoanBoxTexts&) const = default;
};

struct LoanRequestCheck {
    LoanInputs inputs;   // the stored values after the checks (loanAmount set when accepted)
    LoanBoxTexts boxes;  // the box texts after the fills and swaps
    std::optional<MessageRequest> message;  // the refusal to show; none when the table is built
    LoanBox focus = LoanBox::None;          // the box to give the focus after the message
    bool emptyFocusBox = false;             // whether that box is emptied as well

    bool accepted() const { return !message.has_value(); }
};

// Runs the Show Payments checks in order; the first refusal ends them. Rate limits: at least one
// quarter point for the maximum and at most kMaxRatePercent; lengths: a maximum above zero and
// within 50 years or 600 months, no negative minimum; purchase amount above 0 and at most
// kMaxPurchaseAmount.
LoanRequestCheck validateLoanRequest(const LoanInputs& inputs, const LoanBoxTexts& boxes);

}  // namespace coinwell::loan
