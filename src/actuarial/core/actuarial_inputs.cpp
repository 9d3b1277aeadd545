#include "actuarial/core/actuarial_inputs.h"

#include <cmath>
#include <limits>

#include "common/core/digit_filter.h"
#include "common/core/format_number.h"
#include "common/core/number_text.h"

namespace coinwell::actuarial {

namespace {

MessageRequest information(std::string text, std::string title) {
    return {std::move(text), std::move(title), MessageIcon::Information, MessageButtons::Ok,
            Answer::Ok};
}

ActuarialCheck refuse(ActuarialCheck check, MessageRequest message, ActuarialBox focus) {
    check.message = std::move(message);
    check.focus = focus;
    return check;
}

}  // namespace

std::vector<std::string> rateListItems() {
    std::vector<std::string> items;
    items.reserve(51);
    for (int half = 0; half <= 50; ++half) {
        items.push_back(rateBoxText(half / 2.0));
    }
    return items;
}

std::string rateBoxText(double rate) {
    return formatNumber(rate, "0.0");
}

bool exceedsMostEntry(std::string_view text) {
    const std::optional<double> value = readBoxNumber(text);
    return !value || *value > kMostBoxEntry;
}

MessageRequest maximumEntryMessage() {
    return information("Maximum entry for this input box is 100", "Maximum Entry");
}

ValueTableInputs readValueTableInputs(const ActuarialBoxTexts& boxes) {
    constexpr double kBeyond = std::numeric_limits<double>::infinity();
    ValueTableInputs inputs;
    inputs.amount = readBoxNumber(boxes.amount).value_or(0);
    inputs.perYear = readBoxNumber(boxes.perYear).value_or(0);
    inputs.maxYears = toSingle(readBoxNumber(boxes.maxYears).value_or(0));
    inputs.minYears = toSingle(readBoxNumber(boxes.minYears).value_or(0));
    inputs.maxRate = toSingle(readBoxNumber(boxes.maxRate).value_or(kBeyond));
    inputs.minRate = toSingle(readBoxNumber(boxes.minRate).value_or(kBeyond));
    return inputs;
}

ActuarialCheck checkActuarialInputs(const ActuarialBoxTexts& boxes) {
    ActuarialCheck check;
    check.boxes = boxes;
    const ValueTableInputs inputs = readValueTableInputs(boxes);
    if (!(inputs.amount > 0)) {
        return refuse(check, amountMessage(), ActuarialBox::Amount);
    }
    if (!(inputs.perYear > 0)) {
        return refuse(check, perYearMessage(), ActuarialBox::PerYear);
    }
    if (!(inputs.maxYears > 0)) {
        return refuse(check, maxYearsMessage(), ActuarialBox::MaxYears);
    }
    if (inputs.maxYears < inputs.minYears) {
        check.boxes.maxYears = plainNumberText(inputs.minYears);
        check.boxes.minYears = plainNumberText(inputs.maxYears);
    }
    if (inputs.maxRate < inputs.minRate) {
        check.boxes.maxRate = rateBoxText(inputs.minRate);
        check.boxes.minRate = rateBoxText(inputs.maxRate);
    }
    const ValueTableInputs ranges = normaliseRanges(inputs);
    if (!rateSteps(ranges.minRate, ranges.maxRate)) {
        return refuse(check, rateRangeMessage(), ActuarialBox::MaxRate);
    }
    return check;
}

MessageRequest amountMessage() {
    return information("Amount or Annuity must be 1 or more", "Amount or Annuity");
}

MessageRequest perYearMessage() {
    return information("No. Payments Per Year must be 1 or more",
                       "Number of Interest Payments Per Year");
}

MessageRequest maxYearsMessage() {
    return information("Maximum Number of Years must be 1 or more", "Number of Years");
}

MessageRequest rateRangeMessage() {
    return information(
        "Too many Interest Rates between Minimum % and Maximum %. Select a smaller range and "
        "try again!",
        "Annual Interest Rates");
}

}  // namespace coinwell::actuarial
