#include "loan/core/loan_request.h"

#include <cmath>
#include <utility>

#include "loan/core/loan_texts.h"

namespace coinwell::loan {

namespace {

LoanRequestCheck refuse(LoanRequestCheck check, std::string text, LoanBox focus, bool empty) {
    check.message = loanError(std::move(text));
    check.focus = focus;
    check.emptyFocusBox = empty;
    return check;
}

// A box assignment runs the box's change handling: the filter, then the stored value when the
// box is not empty.
void assignLengthBox(std::string& box, double& stored, const std::string& text) {
    box = digitFilter(text).text;
    if (!box.empty()) {
        if (const auto value = readBoxNumber(box)) {
            stored = *value;
        }
    }
}

}  // namespace

LoanRequestCheck validateLoanRequest(const LoanInputs& inputs, const LoanBoxTexts& boxes) {
    LoanRequestCheck check{inputs, boxes, std::nullopt, LoanBox::None, false};
    LoanInputs& in = check.inputs;
    LoanBoxTexts& box = check.boxes;

    if (in.purchaseAmount <= 0) {
        in.purchaseAmount = 0;  // the emptied box reads as 0
        return refuse(std::move(check), "You must enter a valid purchase amount.",
                      LoanBox::PurchaseAmount, true);
    }
    if (in.purchaseAmount > kMaxPurchaseAmount) {
        return refuse(std::move(check), "Purchase amount cannot exceed 999,999,999,999.",
                      LoanBox::PurchaseAmount, false);
    }
    // The purchase amount may have been lowered after the down payment was accepted.
    if (auto downMessage = checkDownPayment(in)) {
        in.downValue = 0;
        check.message = std::move(downMessage);
        check.focus = LoanBox::DownPayment;
        check.emptyFocusBox = true;
        return check;
    }

    if (!box.lengthMin.empty() && box.lengthMax.empty()) {
        assignLengthBox(box.lengthMax, in.lengthMax, box.lengthMin);
    }
    if (!box.lengthMax.empty() && box.lengthMin.empty()) {
        assignLengthBox(box.lengthMin, in.lengthMin, box.lengthMax);
    }
    if (box.lengthMax.empty()) {
        return refuse(std::move(check), "You must enter a maximum length of loan.",
                      LoanBox::LengthMax, false);
    }
    if (in.lengthMax < in.lengthMin) {
        std::swap(in.lengthMax, in.lengthMin);
        std::swap(box.lengthMax, box.lengthMin);
    }
    if (box.lengthMin.empty()) {
        in.lengthMin = in.lengthMax;
    }

    // A zero or negative length has no monthly payment, and a very long one only builds a table
    // nobody can read: both are refused here.
    if (in.lengthMax <= 0) {
        return refuse(std::move(check),
                      "You must enter a maximum length of loan greater than zero.",
                      LoanBox::LengthMax, true);
    }
    if (in.lengthMin < 0) {
        return refuse(std::move(check), "Loan length cannot be less than zero.", LoanBox::LengthMin,
                      true);
    }
    if (in.lengthUnit == LengthUnit::Years && in.lengthMax > kMaxLengthYears) {
        return refuse(std::move(check), "Loan length cannot exceed 50 years.", LoanBox::LengthMax,
                      false);
    }
    if (in.lengthUnit == LengthUnit::Months && in.lengthMax > kMaxLengthMonths) {
        return refuse(std::move(check), "Loan length cannot exceed 600 months.", LoanBox::LengthMax,
                      false);
    }

    if (in.rateMax < in.rateMin) {
        std::swap(in.rateMax, in.rateMin);
        box.rateMin = rateBoxText(in.rateMin);
        box.rateMax = rateBoxText(in.rateMax);
        box.rateMinIndex = rateListIndex(box.rateMin);
        box.rateMaxIndex = rateListIndex(box.rateMax);
    }
    if (in.rateMax < 0.25) {
        return refuse(std::move(check),
                      "You must specify a maximum interest rate greater than zero.",
                      LoanBox::RateMax, false);
    }
    if (in.rateMax > kMaxRatePercent) {
        return refuse(std::move(check), "Interest rate cannot exceed 100 percent.",
                      LoanBox::RateMax, false);
    }
    if (in.rateMin < 0.25) {
        box.rateMinIndex = box.rateMaxIndex;
        box.rateMin = box.rateMax;
        in.rateMin = in.rateMax;
    }

    in.loanAmount = computeLoanAmount(in);
    return check;
}

}  // namespace coinwell::loan
