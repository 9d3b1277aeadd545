#include "loan/core/loan_inputs.h"

#include "common/core/number_parse.h"

namespace coinwell::loan {

double computeLoanAmount(const LoanInputs& inputs) {
    if (inputs.downMode == DownPaymentMode::Percent) {
        return inputs.purchaseAmount * (1 - inputs.downValue / 100);
    }
    return inputs.purchaseAmount - inputs.downValue;
}

FilteredText digitFilter(std::string_view text) {
    return digitFilter(text, kDigits);
}

FilteredText digitFilter(std::string_view text, std::string_view accepted) {
    if (text.empty() || accepted.find(text.back()) != std::string_view::npos) {
        return {std::string(text), false};
    }
    if (text.size() == 1) {
        return {std::string(), true};
    }
    return {std::string(text.substr(0, text.size() - 1)), true};
}

std::optional<double> readBoxNumber(std::string_view text) {
    try {
        return parseLeadingNumber(text);
    } catch (const NumberOverflow&) {
        return std::nullopt;
    }
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
