#include "loan/core/extra_payment_entry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/core/number_text.h"
#include "loan/core/loan_inputs.h"
#include "loan/core/loan_texts.h"

namespace coinwell::loan {

namespace {

constexpr std::string_view kAmountCharacters = "0123456789.";

double amount(const std::string& text) {
    // A pasted sign is the only way below 0; such an amount pays nothing.
    return std::max(0.0, readBoxNumber(text).value_or(0));
}

// The payment number of a box, when it is a whole number from 1 to n.
std::optional<int> paymentNumber(const std::string& text, int n) {
    const double value = readBoxNumber(text).value_or(0);
    if (value < 1 || value > n || value != std::floor(value)) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace

FilteredText settledAmountText(std::string_view text) {
    FilteredText settled = settledBoxText(text, kAmountCharacters);
    const std::size_t point = settled.text.find('.');
    const std::size_t second =
        point == std::string::npos ? std::string::npos : settled.text.find('.', point + 1);
    if (second != std::string::npos) {
        settled.text.resize(second);
        settled.changed = true;
    }
    return settled;
}

FilteredText settledPaymentNumberText(std::string_view text) {
    return settledBoxText(text);
}

ExtraPaymentCheck checkExtraPayments(const ExtraPaymentTexts& texts, int n) {
    ExtraPaymentCheck check;
    ExtraPayments& extras = check.extras;
    extras.monthly = amount(texts.monthly);
    extras.yearly = amount(texts.yearly);
    extras.lumpSum = amount(texts.lumpSum);

    const auto refuse = [&](ExtraBox box) {
        check.message = loanError("Enter a payment number from 1 to " +
                                  plainNumberText(static_cast<std::int32_t>(n)) + ".");
        check.focus = box;
        return check;
    };
    const auto checked = [](const std::string& box, double amount) {
        return !box.empty() || amount > 0;
    };
    if (checked(texts.monthlyFrom, extras.monthly)) {
        const auto from = paymentNumber(texts.monthlyFrom, n);
        if (!from) {
            return refuse(ExtraBox::MonthlyFrom);
        }
        extras.monthlyFrom = *from;
    }
    if (checked(texts.lumpAt, extras.lumpSum)) {
        const auto at = paymentNumber(texts.lumpAt, n);
        if (!at) {
            return refuse(ExtraBox::LumpAt);
        }
        extras.lumpAt = *at;
    }
    return check;
}

std::string payoffText(const AmortizationSchedule& schedule) {
    if (!schedule.hasExtras()) {
        return {};
    }
    return "Paid off after " + plainNumberText(static_cast<std::int32_t>(schedule.count)) +
           " payments instead of " +
           plainNumberText(static_cast<std::int32_t>(schedule.countWithoutExtras));
}

std::string interestSavedText(const AmortizationSchedule& schedule) {
    if (!schedule.hasExtras()) {
        return {};
    }
    return "Interest saved: " +
           currencyText(schedule.totalInterestWithoutExtras - schedule.totalInterest);
}

}  // namespace coinwell::loan
