#include "budget/core/budget_chart.h"

#include "common/core/format_number.h"
#include "common/core/number_parse.h"

namespace coinwell::budget {

namespace {

double numericValue(std::string_view text) {
    try {
        return parseLeadingNumber(text);
    } catch (const NumberOverflow&) {
        return 0;  // no caption of the panel holds such a number
    }
}

float share(double part, double whole) {
    return static_cast<float>(part / whole * 100);
}

}  // namespace

std::vector<ChartSeries> budgetChartSeries(const YearTotals& totals, PercentBase base) {
    std::vector<ChartSeries> series;
    series.reserve(totals.rows.size() + 1);
    const double income = numericValue(totals.income);
    const double whole = base == PercentBase::Income ? income : numericValue(totals.expenses);
    for (const TotalsRow& row : totals.rows) {
        // A year without income or expenses has no item rows; a zero base still gives a 0 share
        // rather than a value that is not a number.
        const double total = numericValue(row.total);
        series.push_back({row.name, whole != 0 ? share(total, whole) : 0.0f});
    }
    if (base == PercentBase::Income) {
        const double balance = numericValue(totals.balance);
        series.push_back({"Balance", income != 0 ? share(balance, income) : 0.0f});
    } else {
        series.push_back({" ", 0.0f});
    }
    return series;
}

void ChartState::chooseType(ChartType type) {
    type_ = type;
    highlighted_.reset();
}

int ChartState::sliceOffset(int series) const {
    return type_ == ChartType::Pie && highlighted_ == series ? kHighlightSliceOffset : 0;
}

PieLayout layoutPie(const std::vector<ChartSeries>& series) {
    PieLayout layout;
    double whole = 0;
    for (int i = 0; i < static_cast<int>(series.size()); ++i) {
        const float value = series[static_cast<std::size_t>(i)].value;
        if (value > 0) {
            whole += value;
        } else if (value < 0) {
            layout.negative.push_back(i);
        }
    }
    if (whole <= 0) {
        return layout;
    }
    double start = 90;
    for (int i = 0; i < static_cast<int>(series.size()); ++i) {
        const float value = series[static_cast<std::size_t>(i)].value;
        if (value > 0) {
            // Clockwise, as a pie is read.
            const double span = value / whole * 360.0;
            layout.slices.push_back({i, start - span, span});
            start -= span;
        }
    }
    return layout;
}

std::string pieNegativeNote(const std::vector<ChartSeries>& series, const PieLayout& layout) {
    std::string note;
    for (const int index : layout.negative) {
        const ChartSeries& s = series[static_cast<std::size_t>(index)];
        if (!note.empty()) {
            note += "; ";
        }
        note += s.label + " " + formatNumber(static_cast<double>(s.value) / 100, "Percent");
    }
    if (note.empty()) {
        return note;
    }
    return note + (layout.negative.size() == 1 ? " is below zero and has no slice"
                                               : " are below zero and have no slice");
}

}  // namespace coinwell::budget
