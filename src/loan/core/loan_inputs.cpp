#include "loan/core/loan_inputs.h"

namespace coinwell::loan {

double computeLoanAmount(const LoanInputs& inputs) {
    if (inputs.downMode == DownPaymentMode::Percent) {
        return inputs.purchaseAmount * (1 - inputs.downValue / 100);
    }
    return inputs.purchaseAmount - inputs.downValue;
}

MessageRequest loanError(std::string text) {
    return MessageRequest{std::move(text), std::string(kLoanErrorTitle), MessageIcon::Information,
                          MessageButtons::Ok, Answer::Ok};
}

std::optional<MessageRequest> checkDownPayment(const LoanInputs& inputs) {
    if (inputs.downMode == DownPaymentMode::Percent && inputs.downValue > 99) {
        return loanError("Down payment percentage cannot exceed 99 percent.");
    }
    if (inputs.downMode == DownPaymentMode::Amount && inputs.downValue > inputs.purchaseAmount) {
        return loanError("Down payment amount cannot exceed purchase amount.");
    }
    if (inputs.downValue < 0) {
        return loanError("Down payment amount must be zero or greater.");
    }
    return std::nullopt;
}

}  // namespace coinwell::loan
