#pragma once
// What the chart beside the Totals For Year grid shows and how: one series of one point per item
// row of Grid2 plus the closing series, the chart type and orientation, the highlighted series
// (an item or the balance) and, for a pie, the slices with their angles.

#include <optional>
#include <string>
#include <vector>

#include "budget/core/budget_totals.h"

namespace coinwell::budget {

// One bar or pie slice with its legend entry.
struct ChartSeries {
    std::string label;
    float value = 0;  // a share in percent, single precision

    bool operator==(const ChartSeries&) const = default;
};

// budgetChart's series: for each item row of Grid2 its total divided by the base times 100 (an
// empty total is 0); then "Balance" with the balance as a share of the income, or, with the
// expense base, a single blank with 0.
std::vector<ChartSeries> budgetChartSeries(const YearTotals& totals, PercentBase base);

enum class ChartType { Bar = 0, Pie = 1, Stacking = 2 };
enum class ChartOrientation { Vertical = 0, Horizontal = 1 };

// A pie slice that is highlighted is pulled out of the pie by this offset (percent of the
// radius).
inline constexpr int kHighlightSliceOffset = 20;
// The pie's three-dimensional view.
inline constexpr int kPieDepth = 20;
inline constexpr int kPieElevation = 20;

// The chart's state while the screen is open: type and orientation as chosen (Bar and Vertical
// when the screen opens) and the highlighted series, by index into the series (0-based; the last
// one is the balance).
class ChartState {
  public:
    ChartType type() const { return type_; }
    ChartOrientation orientation() const { return orientation_; }
    std::optional<int> highlighted() const { return highlighted_; }

    // A chart type chosen: every highlight goes.
    void chooseType(ChartType type);
    void chooseOrientation(ChartOrientation orientation) { orientation_ = orientation; }
    // The series shown with the highlight pattern (and, in a pie, pulled out); any other
    // highlight goes.
    void highlight(int series) { highlighted_ = series; }
    void clearHighlight() { highlighted_.reset(); }

    // How a series is drawn now.
    bool patterned(int series) const { return highlighted_ == series; }
    int sliceOffset(int series) const;

  private:
    ChartType type_ = ChartType::Bar;
    ChartOrientation orientation_ = ChartOrientation::Vertical;
    std::optional<int> highlighted_;
};

// A pie slice in degrees, counter-clockwise from three o'clock (the first slice starts at twelve
// o'clock). Only series above 0 get a slice: a share that is 0 has nothing to show and a negative
// one cannot be a part of a whole; those are listed in `left_out`.
struct PieSlice {
    int series = 0;
    double startAngle = 0;
    double spanAngle = 0;
    double midAngle() const { return startAngle + spanAngle / 2; }
};
struct PieLayout {
    std::vector<PieSlice> slices;
    std::vector<int> negative;  // series below 0, drawn in no slice
};
PieLayout layoutPie(const std::vector<ChartSeries>& series);

// The note under a pie that leaves negative shares out, e.g. "Balance -12.50% is below zero and
// has no slice"; empty when there is none.
std::string pieNegativeNote(const std::vector<ChartSeries>& series, const PieLayout& layout);

}  // namespace coinwell::budget
