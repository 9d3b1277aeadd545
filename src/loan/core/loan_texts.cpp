#include "loan/core/loan_texts.h"

#include <cstdint>

#include "common/core/format_number.h"
#include "common/core/number_text.h"

namespace coinwell::loan {

std::vector<std::string> rateBoxItems() {
    std::vector<std::string> items;
    items.reserve(101);
    for (int quarter = 0; quarter <= 100; ++quarter) {
        items.push_back(rateBoxText(quarter / 4.0));
    }
    return items;
}

std::string rateBoxText(double rate) {
    return formatNumber(rate, "0.00");
}

int rateListIndex(std::string_view text) {
    // Items are "0.00" … "25.00"; each is the quarter count over four.
    static const std::vector<std::string> items = rateBoxItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string rateCellText(double rate) {
    return formatNumber(rate, "0.00") + "%";
}

std::string lengthHeaderText(double length, LengthUnit unit) {
    return std::string(kCellLineBreak) + plainNumberText(length) + " " + lengthUnitWord(unit);
}

std::string currencyText(double value) {
    return formatNumber(value, "Currency");
}

std::string loanAmountText(double amount) {
    return plainNumberText(amount);
}

std::string lengthPanelCaption(LengthUnit unit) {
    return unit == LengthUnit::Years ? " Years in Loan " : " Months in Loan ";
}

std::string lengthUnitWord(LengthUnit unit) {
    return unit == LengthUnit::Years ? "Years" : "Months";
}

std::string downPaymentCaption(DownPaymentMode mode) {
    return mode == DownPaymentMode::Percent ? "Percent Down" : "Amount Down";
}

}  // namespace coinwell::loan
