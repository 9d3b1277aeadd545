#pragma once
// Copy To Next Year with a change: every amount of a year changed by one percentage, computed
// on the exact decimal numbers the texts hold (70.50 + 3 % is 72.615, which rounds to 72.62; a
// binary double would hold 72.6149... and give 72.61), rounded to cents half away from zero.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "budget/core/budget_year.h"

namespace coinwell::budget {

// A decimal number held exactly: digits (most significant first, no leading zeros, "0" for
// zero) times ten to the power of minus scale.
struct ExactDecimal {
    bool negative = false;
    std::string digits = "0";
    int scale = 0;

    bool isZero() const { return digits == "0"; }
};

// The whole text as a plain decimal number: blanks around it, an optional sign, digits with at
// most one point ("850.00", ".50", "-2.5"). Nothing for anything else (an empty text, "1e3",
// "12,50", "abc").
std::optional<ExactDecimal> parseExactDecimal(std::string_view text);

// The number rounded to cents, half away from zero.
ExactDecimal roundedToCents(const ExactDecimal& number);

// A number of cents as "####.00" writes it ("875.50", ".52", ".00", "-125.50"), and the same
// with a "+" or "-" in front unless it is zero ("+1020.00", "-.50", ".00").
std::string centsText(std::int64_t cents);
std::string signedCentsText(std::int64_t cents);

// The cents of a plain decimal number (rounded half away from zero), held within a hundred
// billion either way; nothing when the text is not a plain number (see parseExactDecimal).
std::optional<std::int64_t> centsOf(std::string_view text);

// The answer to "Change every amount by what percentage?".
class PercentChange {
  public:
    // The answer read as a percentage: blanks around it and one trailing "%" are allowed ("3%"
    // is 3). Nothing when it is not a number or the change is below -100.
    static std::optional<PercentChange> parse(std::string_view answer);

    // A month amount as the grid writes an entry: the changed amount "####.00", empty when it is
    // at or below 0, 9999.99 when it is 10000 or more. A text that is not a number stays as it is.
    std::string changedAmount(std::string_view amount) const;
    // A monthly Total Income as its entry writes it: "#####.00" up to 99999.99, the income's
    // limit; "0.00" (no income) at or below 0. A text that is not a number stays as it is.
    std::string changedIncome(std::string_view income) const;
    // Every amount and income of the year changed; the item names as they are.
    BudgetYear changedYear(const BudgetYear& year) const;

  private:
    explicit PercentChange(ExactDecimal factor) : factor_(std::move(factor)) {}
    // The value times (1 + p / 100), rounded to cents; nothing for a text that is not a number.
    std::optional<ExactDecimal> changedCents(std::string_view text) const;

    ExactDecimal factor_;  // 1 + p / 100, exactly
};

}  // namespace coinwell::budget
