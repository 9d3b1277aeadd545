#include "actuarial/core/value_table.h"

#include <cmath>
#include <limits>
#include <utility>

#include "common/core/number_text.h"

namespace coinwell::actuarial {

namespace {

constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();

std::int16_t countOf(float value, std::int16_t unchanged) {
    return roundHalfEven16(value).value_or(unchanged);
}

}  // namespace

float toSingle(double value) {
    if (std::isnan(value)) {
        return kNoValue;
    }
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

ValueTableInputs normaliseRanges(ValueTableInputs inputs) {
    if (!(inputs.minYears > 0)) {
        inputs.minYears = inputs.maxYears;
    }
    // The rates are put in order before the zero rule, so that a maximum of 0 typed above a
    // minimum of 5 gives the same single row as the boxes show once they are exchanged.
    if (inputs.minRate > inputs.maxRate) {
        std::swap(inputs.minRate, inputs.maxRate);
    }
    if (inputs.minRate == 0) {
        inputs.minRate = inputs.maxRate;
    }
    if (inputs.minYears > inputs.maxYears) {
        std::swap(inputs.minYears, inputs.maxYears);
    }
    const float years = inputs.maxYears - inputs.minYears + 1.0f;
    const float rates = (inputs.maxRate - inputs.minRate) * 2.0f + 1.0f;
    inputs.yearCount = countOf(years, inputs.yearCount);
    inputs.rateCount = countOf(rates, inputs.rateCount);
    return inputs;
}

std::optional<std::vector<float>> rateSteps(float minRate, float maxRate) {
    if (!std::isfinite(minRate) || !std::isfinite(maxRate)) {
        return std::nullopt;
    }
    std::vector<float> rates;
    const float bound = toSingle(static_cast<double>(maxRate) + 0.5);
    float rate = minRate;
    while (rate < bound) {
        if (static_cast<int>(rates.size()) == kMostRateRows) {
            return std::nullopt;
        }
        rates.push_back(rate);
        const float next = toSingle(static_cast<double>(rate) + 0.5);
        if (!(next > rate)) {
            break;  // beyond 2^23 a half point is lost in the rounding
        }
        rate = next;
    }
    return rates;
}

float ValueTable::value(int row, int column) const {
    return values[static_cast<std::size_t>(row - 1) * years.size() +
                  static_cast<std::size_t>(column - 1)];
}

float cellValue(ValueTableKind kind, double amount, double perYear, float rate, double years) {
    const std::optional<std::int16_t> periods = roundHalfEven16(years * perYear);
    if (!periods) {
        return kNoValue;
    }
    const int n = *periods;
    const double i = static_cast<double>(rate) / perYear / 100;
    const double growth = toSingle(std::pow(1 + i, n));
    double value = 0;
    switch (kind) {
        case ValueTableKind::PresentValueOfAmount:
            value = amount / growth;
            break;
        case ValueTableKind::PresentValueOfAnnuity:
            value = i == 0 ? amount * n : amount * (1 - 1 / growth) / i;
            break;
        case ValueTableKind::FutureValueOfAmount:
            value = amount * growth;
            break;
        case ValueTableKind::FutureValueOfAnnuity:
            value = i == 0 ? amount * n : amount * (growth - 1) / i;
            break;
    }
    const float stored = toSingle(value);
    return std::isfinite(stored) ? stored : kNoValue;
}

ValueTable buildValueTable(ValueTableKind kind, const ValueTableInputs& inputs) {
    ValueTable table;
    table.kind = kind;
    table.rates = rateSteps(inputs.minRate, inputs.maxRate).value_or(std::vector<float>{});
    const double lastYear = inputs.maxYears;
    for (double y = inputs.minYears;
         y <= lastYear && static_cast<int>(table.years.size()) < kMostYearColumns; y += 1) {
        table.years.push_back(y);
    }
    table.values.reserve(table.rates.size() * table.years.size());
    for (const float rate : table.rates) {
        for (const double y : table.years) {
            const float value = cellValue(kind, inputs.amount, inputs.perYear, rate, y);
            table.values.push_back(value);
            if (toSingle(y) == inputs.maxYears && !std::isnan(value)) {
                table.lastValue = value;
            }
        }
    }
    return table;
}

}  // namespace coinwell::actuarial
