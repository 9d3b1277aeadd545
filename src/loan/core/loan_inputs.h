#pragma once
// The Loan Calculator's stored input values and the rules that read them from the boxes: the
// keystroke filter of the numeric boxes, the loan amount by down payment mode and the down
// payment checks. Plain values only; the screen keeps them up to date.

#include <optional>
#include <string>
#include <string_view>

#include "common/core/dialogs.h"
#include "common/core/digit_filter.h"

namespace coinwell::loan {

// How the down payment box is read (Down Payment menu: mnuOptDwn(0) Percent, mnuOptDwn(1) Amount).
enum class DownPaymentMode { Percent, Amount };
// The unit of the loan length boxes (Loan Length menu: mnuOptLen(0) Years, mnuOptLen(1) Months).
enum class LengthUnit { Years, Months };

struct LoanInputs {
    double purchaseAmount = 0;
    double downValue = 0;  // a percentage or an amount, by downMode
    DownPaymentMode downMode = DownPaymentMode::Percent;
    double loanAmount = 0;  // derived when payments are requested
    double lengthMin = 0;
    double lengthMax = 0;
    LengthUnit lengthUnit = LengthUnit::Years;
    double rateMin = 0;  // annual rates in percent
    double rateMax = 0;
    double rateCount = 16;   // rate rows of the current table (may carry a fraction)
    double lengthCount = 3;  // length columns of the current table
    bool scheduleShown = false;
};

// Purchase amount less the down payment, read by the current down payment mode.
double computeLoanAmount(const LoanInputs& inputs);

// The down payment checks run after each change of the down payment or its mode: nothing when
// the value is acceptable, otherwise the message to show (the screen then empties the down
// payment box, gives it the focus and stores 0).
std::optional<MessageRequest> checkDownPayment(const LoanInputs& inputs);

// Every input message of the screen carries this title, the information icon and an OK button.
inline constexpr std::string_view kLoanErrorTitle = "LoanSheet Error";
MessageRequest loanError(std::string text);

}  // namespace coinwell::loan
