#include "homecalc/core/home_boxes.h"

#include "common/core/number_parse.h"
#include "common/core/number_text.h"
#include "common/core/text_trim.h"

namespace coinwell::homecalc {

std::string_view acceptedCharacters(HomeBox box) {
    // The rate box takes the character codes 46 to 57.
    return box == HomeBox::Rate ? "./0123456789" : kDigits;
}

namespace {

// The text without the characters the box does not take at its end: where the filter drops one
// such character per change, the box ends up there after the changes it sets off itself.
std::string_view withoutRefusedEnd(std::string_view text, std::string_view accepted) {
    const std::size_t kept = text.find_last_of(accepted);
    return kept == std::string_view::npos ? std::string_view{} : text.substr(0, kept + 1);
}

// The longest start of the text that still reads as a number. A longer start never reads
// where a shorter one does not, so halving the range finds it.
std::string_view longestReadableStart(std::string_view text) {
    std::size_t readable = 0;  // an empty box reads as 0
    std::size_t unreadable = text.size();
    while (unreadable - readable > 1) {
        const std::size_t middle = readable + (unreadable - readable) / 2;
        if (readBoxNumber(text.substr(0, middle))) {
            readable = middle;
        } else {
            unreadable = middle;
        }
    }
    return text.substr(0, readable);
}

}  // namespace

FilteredText filterHomeBox(HomeBox box, std::string_view text) {
    // A pasted text may need many steps; they are taken here at once, so that setting the
    // result does not set off one change inside the other for every character dropped.
    const std::string_view accepted = acceptedCharacters(box);
    std::string_view kept = withoutRefusedEnd(text, accepted);
    if (!readBoxNumber(kept)) {
        kept = withoutRefusedEnd(longestReadableStart(kept), accepted);
    }
    return {std::string(kept), kept.size() != text.size()};
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
