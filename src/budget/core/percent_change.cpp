#include "budget/core/percent_change.h"

#include <algorithm>
#include <vector>

#include "common/core/text_trim.h"

namespace coinwell::budget {

namespace {

// Amounts are held within a hundred billion, so that the totals of two whole years add up in
// 64 bits with room to spare.
constexpr std::int64_t kCentsHold = 10'000'000'000'000;  // 100 000 000 000.00
constexpr std::int64_t kAmountCap = 999'999;             // 9999.99
constexpr std::int64_t kIncomeCap = 9'999'999;           // 99999.99

// ---- unsigned decimal digit strings (most significant first) --------------------------------

std::string normalised(std::string digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return "0";
    }
    digits.erase(0, first);
    return digits;
}

int compareDigits(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::string addDigits(const std::string& a, const std::string& b) {
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int digit = carry;
        if (i < a.size()) {
            digit += a[a.size() - 1 - i] - '0';
        }
        if (i < b.size()) {
            digit += b[b.size() - 1 - i] - '0';
        }
        sum += static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return normalised(std::move(sum));
}

// a - b for a >= b.
std::string subtractDigits(const std::string& a, const std::string& b) {
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int digit = (a[a.size() - 1 - i] - '0') - borrow;
        if (i < b.size()) {
            digit -= b[b.size() - 1 - i] - '0';
        }
        borrow = digit < 0 ? 1 : 0;
        difference += static_cast<char>('0' + digit + 10 * borrow);
    }
    std::reverse(difference.begin(), difference.end());
    return normalised(std::move(difference));
}

std::string multiplyDigits(const std::string& a, const std::string& b) {
    std::vector<int> product(a.size() + b.size(), 0);
    for (std::size_t i = a.size(); i-- > 0;) {
        for (std::size_t j = b.size(); j-- > 0;) {
            product[i + j + 1] += (a[i] - '0') * (b[j] - '0');
        }
    }
    for (std::size_t k = product.size(); k-- > 1;) {
        product[k - 1] += product[k] / 10;
        product[k] %= 10;
    }
    std::string digits;
    digits.reserve(product.size());
    for (const int digit : product) {
        digits += static_cast<char>('0' + digit);
    }
    return normalised(std::move(digits));
}

ExactDecimal times(const ExactDecimal& a, const ExactDecimal& b) {
    ExactDecimal product;
    product.digits = multiplyDigits(a.digits, b.digits);
    product.scale = a.scale + b.scale;
    product.negative = !product.isZero() && a.negative != b.negative;
    return product;
}

// The cents of a number already rounded to cents, held within kCentsHold either way.
std::int64_t heldCents(const ExactDecimal& cents) {
    std::int64_t value = kCentsHold;
    if (cents.digits.size() <= 15) {
        value = std::min<std::int64_t>(std::stoll(cents.digits), kCentsHold);
    }
    return cents.negative ? -value : value;
}

std::string plainCents(std::int64_t cents) {
    std::string digits = std::to_string(cents);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    std::string whole = digits.substr(0, digits.size() - 2);
    if (whole == "0") {
        whole.clear();  // "####.00" shows no leading zero: ".50"
    }
    return whole + "." + digits.substr(digits.size() - 2);
}

}  // namespace

std::optional<ExactDecimal> parseExactDecimal(std::string_view text) {
    text = trimBlanks(text);
    ExactDecimal number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string digits;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits += c;
            if (point) {
                ++number.scale;
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    number.digits = normalised(std::move(digits));
    number.negative = number.negative && !number.isZero();
    return number;
}

ExactDecimal roundedToCents(const ExactDecimal& number) {
    ExactDecimal rounded = number;
    rounded.scale = 2;
    if (number.scale <= 2) {
        rounded.digits = normalised(number.digits + std::string(2 - number.scale, '0'));
        return rounded;
    }
    const std::size_t drop = static_cast<std::size_t>(number.scale - 2);
    std::string digits = number.digits;
    if (digits.size() <= drop) {
        digits.insert(0, drop + 1 - digits.size(), '0');
    }
    const bool up = digits[digits.size() - drop] >= '5';  // half away from zero
    std::string kept = normalised(digits.substr(0, digits.size() - drop));
    rounded.digits = up ? addDigits(kept, "1") : kept;
    rounded.negative = number.negative && !rounded.isZero();
    return rounded;
}

std::string centsText(std::int64_t cents) {
    return cents < 0 ? "-" + plainCents(-cents) : plainCents(cents);
}

std::string signedCentsText(std::int64_t cents) {
    if (cents == 0) {
        return plainCents(0);
    }
    return (cents > 0 ? "+" : "-") + plainCents(cents > 0 ? cents : -cents);
}

std::optional<std::int64_t> centsOf(std::string_view text) {
    const auto number = parseExactDecimal(text);
    if (!number) {
        return std::nullopt;
    }
    return heldCents(roundedToCents(*number));
}

// ---- the percentage change ----------------------------------------------------------------

std::optional<PercentChange> PercentChange::parse(std::string_view answer) {
    answer = trimBlanks(answer);
    if (!answer.empty() && answer.back() == '%') {
        answer.remove_suffix(1);
    }
    const auto percent = parseExactDecimal(answer);
    if (!percent) {
        return std::nullopt;
    }
    // 1 + p / 100 = (100 * 10^scale + P) / (100 * 10^scale), P the percentage's digits.
    const std::string hundred =
        "1" + std::string(static_cast<std::size_t>(percent->scale) + 2, '0');
    ExactDecimal factor;
    factor.scale = percent->scale + 2;
    if (percent->negative) {
        if (compareDigits(percent->digits, hundred) > 0) {
            return std::nullopt;  // below -100 % amounts would turn negative
        }
        factor.digits = subtractDigits(hundred, percent->digits);
    } else {
        factor.digits = addDigits(hundred, percent->digits);
    }
    return PercentChange(std::move(factor));
}

std::optional<ExactDecimal> PercentChange::changedCents(std::string_view text) const {
    const auto value = parseExactDecimal(text);
    if (!value) {
        return std::nullopt;
    }
    return roundedToCents(times(*value, factor_));
}

std::string PercentChange::changedAmount(std::string_view amount) const {
    const auto changed = changedCents(amount);
    if (!changed) {
        return std::string(amount);
    }
    const std::int64_t cents = heldCents(*changed);
    if (cents <= 0) {
        return {};
    }
    return plainCents(std::min(cents, kAmountCap));
}

std::string PercentChange::changedIncome(std::string_view income) const {
    const auto changed = changedCents(income);
    if (!changed) {
        return std::string(income);
    }
    const std::int64_t cents = heldCents(*changed);
    if (cents <= 0) {
        return "0.00";
    }
    return plainCents(std::min(cents, kIncomeCap));
}

BudgetYear PercentChange::changedYear(const BudgetYear& year) const {
    BudgetYear changed = year;
    for (BudgetItem& item : changed.items) {
        for (std::string& amount : item.amounts) {
            if (!amount.empty()) {
                amount = changedAmount(amount);
            }
        }
    }
    for (std::string& income : changed.income) {
        if (!income.empty()) {
            income = changedIncome(income);
        }
    }
    return changed;
}

}  // namespace coinwell::budget
