#include "homecalc/core/home_boxes.h"

#include "common/core/number_parse.h"
#include "common/core/number_text.h"
#include "common/core/text_trim.h"

namespace coinwell::homecalc {

std::string_view acceptedCharacters(HomeBox box) {
    // The rate box takes the character codes 46 to 57.
    return box == HomeBox::Rate ? "./0123456789" : kDigits;
}

FilteredText filterHomeBox(HomeBox box, std::string_view text) {
    return settledBoxText(text, acceptedCharacters(box));
}

double boxValue(std::string_view text) {
    return readBoxNumber(text).value_or(0);
}

HomeInputs readHomeInputs(const HomeBoxTexts& boxes) {
    HomeInputs in;
    in.grossAnnualIncome = boxValue(boxes.income);
    in.monthlyDebt = boxValue(boxes.debt);
    in.cashAvailable = boxValue(boxes.cash);
    in.loanYears = boxValue(boxes.years);
    in.ratePercent = boxValue(boxes.rate);
    in.paymentLimit = boxValue(boxes.limit);
    return in;
}

MessageRequest missingIncomeMessage() {
    return {"Please enter Gross Annual Income\rEntry must be 1 or more", "Data Input",
            MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

std::optional<MessageRequest> checkIncome(std::string_view incomeText) {
    if (incomeText.empty() || boxValue(incomeText) < 1) {
        return missingIncomeMessage();
    }
    return std::nullopt;
}

std::string boxNumberText(double value) {
    return std::string(trimBlanks(signedNumberText(value)));
}

std::string boxNumberText(float value) {
    return std::string(trimBlanks(signedNumberText(value)));
}

}  // namespace coinwell::homecalc
