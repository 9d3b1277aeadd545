#include "actuarial/core/value_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "actuarial/core/value_grid.h"

namespace coinwell::actuarial {
namespace {

using Kind = ValueTableKind;

ValueTableInputs request(double amount, double perYear, float minRate, float maxRate,
                         float minYears, float maxYears) {
    ValueTableInputs in;
    in.amount = amount;
    in.perYear = perYear;
    in.minRate = minRate;
    in.maxRate = maxRate;
    in.minYears = minYears;
    in.maxYears = maxYears;
    return normaliseRanges(in);
}

// The text of a value cell of a one-rate, one-year table.
std::string single(Kind kind, double amount, double perYear, float rate, float years) {
    const ValueTable table =
        buildValueTable(kind, request(amount, perYear, rate, rate, years, years));
    EXPECT_EQ(table.rateRows(), 1);
    EXPECT_EQ(table.yearColumns(), 1);
    return valueText(table.value(1, 1));
}

TEST(ValueTable, KnownAnswersOfTheFourKinds) {
    EXPECT_EQ(single(Kind::PresentValueOfAmount, 1000, 12, 5, 10), "$607.16");
    EXPECT_EQ(single(Kind::PresentValueOfAnnuity, 100, 12, 6, 10), "$9,007.35");
    EXPECT_EQ(single(Kind::FutureValueOfAmount, 1000, 1, 5, 10), "$1,628.89");
    EXPECT_EQ(single(Kind::FutureValueOfAnnuity, 100, 12, 6, 1), "$1,233.56");
    EXPECT_EQ(single(Kind::FutureValueOfAmount, 1000, 4, 5, 10), "$1,643.62");
}

TEST(ValueTable, ValuesAreKeptInSinglePrecision) {
    // In double precision the future value is 19837399.37; from the single growth factor
    // 19.837398529 it is 19837398.53, which a single holds as 19837398.
    EXPECT_EQ(single(Kind::FutureValueOfAmount, 1000000, 12, 10, 30), "$19,837,398.00");
    // The growth factor 1.0041666…^120 = 1.6470094977 is kept as the single 1.6470094919: the
    // present value of 1000 is then 607.16107 rather than 607.16101.
    EXPECT_EQ(cellValue(Kind::PresentValueOfAmount, 1000, 12, 5, 10), 607.1610717773438f);
}

TEST(ValueTable, BothRatesZeroGiveOneRowAndTheAmountOrThePaymentsTotal) {
    const ValueTableInputs in = request(100, 12, 0, 0, 10, 10);
    EXPECT_EQ(in.rateCount, 1);
    for (const Kind kind : {Kind::PresentValueOfAmount, Kind::FutureValueOfAmount}) {
        const ValueTable table = buildValueTable(kind, in);
        ASSERT_EQ(table.rateRows(), 1);
        EXPECT_EQ(rateLabelText(table.rates[0]), "0%");
        EXPECT_EQ(valueText(table.value(1, 1)), "$100.00");
    }
    // Without interest an annuity is worth its payments: 100 a month for ten years.
    for (const Kind kind : {Kind::PresentValueOfAnnuity, Kind::FutureValueOfAnnuity}) {
        const ValueTable table = buildValueTable(kind, in);
        EXPECT_EQ(valueText(table.value(1, 1)), "$12,000.00");
    }
    // A zero rate inside a typed range: the same, instead of a division by zero.
    const ValueTable crossing =
        buildValueTable(Kind::FutureValueOfAnnuity, request(100, 1, -0.5f, 0.5f, 2, 2));
    ASSERT_EQ(crossing.rateRows(), 3);
    EXPECT_EQ(rateLabelText(crossing.rates[1]), "0%");
    EXPECT_EQ(valueText(crossing.value(2, 1)), "$200.00");
    EXPECT_EQ(valueText(crossing.value(1, 1)), "$199.50");
    EXPECT_EQ(valueText(crossing.value(3, 1)), "$200.50");
}

TEST(ValueTable, RangesAreOrderedAndCounted) {
    // A minimum rate of 0 with a higher maximum: the maximum alone.
    ValueTableInputs in = request(1000, 12, 0, 5, 10, 10);
    EXPECT_EQ(in.minRate, 5.0f);
    EXPECT_EQ(in.rateCount, 1);
    EXPECT_EQ(buildValueTable(Kind::PresentValueOfAmount, in).rateRows(), 1);
    // The same typed the other way round gives the same single row.
    in = request(1000, 12, 5, 0, 10, 10);
    EXPECT_EQ(in.minRate, 5.0f);
    EXPECT_EQ(in.maxRate, 5.0f);
    // No minimum of years: the maximum alone; 10 to 5 is put in order.
    in = request(1000, 12, 5, 5, 0, 10);
    EXPECT_EQ(in.minYears, 10.0f);
    EXPECT_EQ(in.yearCount, 1);
    in = request(1000, 12, 5, 5, 10, 5);
    EXPECT_EQ(in.minYears, 5.0f);
    EXPECT_EQ(in.maxYears, 10.0f);
    EXPECT_EQ(in.yearCount, 6);
    const ValueTable table = buildValueTable(Kind::PresentValueOfAmount, in);
    ASSERT_EQ(table.yearColumns(), 6);
    EXPECT_EQ(yearHeaderText(table.years.front()), "5 Years");
    EXPECT_EQ(yearHeaderText(table.years.back()), "10 Years");
    // 5.0 to 13.0: 17 rates; 5.0 to 12.5: 16.
    EXPECT_EQ(request(1, 1, 5, 13, 1, 1).rateCount, 17);
    EXPECT_EQ(request(1, 1, 5, 12.5f, 1, 1).rateCount, 16);
    // The full list: 0.5 to 25.0 and 1 to 100 years.
    in = request(1, 1, 0.5f, 25, 1, 100);
    EXPECT_EQ(in.rateCount, 50);
    EXPECT_EQ(in.yearCount, 100);
}

TEST(ValueTable, TypedRatesOffTheHalfPointStepToTheFirstRateAtOrAboveTheMaximum) {
    const std::optional<std::vector<float>> rates = rateSteps(5, 6.2f);
    ASSERT_TRUE(rates);
    EXPECT_EQ(*rates, (std::vector<float>{5, 5.5f, 6, 6.5f}));
    // 1.0 to 9.2: rateCount 17, but 18 rates up to 9.5, and each gets its row.
    const ValueTableInputs in = request(1000, 12, 1, 9.2f, 1, 1);
    EXPECT_EQ(in.rateCount, 17);
    const ValueTable table = buildValueTable(Kind::PresentValueOfAmount, in);
    ASSERT_EQ(table.rateRows(), 18);
    EXPECT_EQ(rateLabelText(table.rates.back()), "9.5%");
    // A typed rate that is not a half point shows as typed, in single precision.
    EXPECT_EQ(rateLabelText(rateSteps(7.3f, 7.3f)->front()), "7.3%");
}

TEST(ValueTable, RateRangesBeyondWhatATableHoldsAreRefused) {
    EXPECT_FALSE(rateSteps(0, 20000));
    EXPECT_TRUE(rateSteps(0, 16382));
    EXPECT_EQ(rateSteps(0.5f, 16383)->size(), 32766u);
    EXPECT_FALSE(rateSteps(0, std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(rateSteps(std::numeric_limits<float>::quiet_NaN(), 5));
    // Where a half point no longer changes a single the list ends instead of going on for ever.
    const std::optional<std::vector<float>> huge = rateSteps(16777216, 16777300);
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->size(), 1u);
}

TEST(ValueTable, FailedArithmeticLeavesTheCellEmptyAndTheBuildGoesOn) {
    // 10 000 % a year compounded 100 times for 100 years: the growth factor is beyond the
    // single range. The present value of an amount is then 0, the future value cannot be held.
    EXPECT_EQ(valueText(cellValue(Kind::PresentValueOfAmount, 1000, 100, 10000, 100)), "$0.00");
    EXPECT_EQ(valueText(cellValue(Kind::PresentValueOfAnnuity, 1000, 100, 10000, 100)),
              "$1,000.00");  // the payment over the periodic rate of 100 %
    EXPECT_TRUE(std::isnan(cellValue(Kind::FutureValueOfAmount, 1000, 100, 10000, 100)));
    EXPECT_TRUE(std::isnan(cellValue(Kind::FutureValueOfAnnuity, 1000, 100, 10000, 100)));
    // -100 % a year once a year: nothing left to grow, the present value is a division by 0.
    EXPECT_TRUE(std::isnan(cellValue(Kind::PresentValueOfAmount, 1000, 1, -100, 1)));
    EXPECT_EQ(valueText(cellValue(Kind::FutureValueOfAmount, 1000, 1, -100, 1)), "$0.00");

    // In a table, the failed cells are empty and the others are filled.
    // 3^100 is beyond the single range: 1 % to 200 % once a year over 99 and 100 years.
    const ValueTable table =
        buildValueTable(Kind::FutureValueOfAmount, request(1000, 1, 1, 200, 99, 100));
    ASSERT_EQ(table.rateRows(), 399);
    EXPECT_EQ(valueText(table.value(1, 1)), "$2,678.03");
    EXPECT_EQ(valueText(table.value(399, 2)), "");
    EXPECT_EQ(valueGridText(table, 400, 3, 399, 2), "");
    EXPECT_EQ(valueGridText(table, 400, 3, 399, 0), "200%");
    // The last value is that of the last rate whose hundredth year can be held: 126.5 %.
    EXPECT_TRUE(std::isnan(table.value(253, 2)));
    EXPECT_EQ(table.lastValue, table.value(252, 2));
}

TEST(ValueTable, LastValueIsTheMaximumYearOfTheLastRow) {
    const ValueTable table =
        buildValueTable(Kind::PresentValueOfAmount, request(1000, 12, 5, 6, 1, 3));
    ASSERT_EQ(table.rateRows(), 3);
    ASSERT_EQ(table.yearColumns(), 3);
    EXPECT_EQ(valueText(table.lastValue), "$835.64");
    EXPECT_EQ(table.lastValue, table.value(3, 3));
    // Nothing was built: 0.
    ValueTableInputs none = request(1000, 12, 5, 5, 1, 1);
    none.maxRate = 4;
    EXPECT_EQ(buildValueTable(Kind::PresentValueOfAmount, none).rateRows(), 0);
    EXPECT_EQ(buildValueTable(Kind::PresentValueOfAmount, none).lastValue, 0.0f);
}

TEST(ValueGrid, CellTextsOfATableInAGridOfSixteenByThree) {
    const ValueTable table =
        buildValueTable(Kind::PresentValueOfAmount, request(1000, 12, 5, 6, 1, 1));
    EXPECT_EQ(valueGridText(table, 17, 4, 0, 0), "");
    EXPECT_EQ(valueGridText(table, 17, 4, 0, 1), "1 Years");
    EXPECT_EQ(valueGridText(table, 17, 4, 0, 2), " ");
    EXPECT_EQ(valueGridText(table, 17, 4, 1, 0), "5%");
    EXPECT_EQ(valueGridText(table, 17, 4, 2, 0), "5.5%");
    EXPECT_EQ(valueGridText(table, 17, 4, 3, 1), "$941.91");
    EXPECT_EQ(valueGridText(table, 17, 4, 4, 0), " ");
    EXPECT_EQ(valueGridText(table, 17, 4, 4, 1), "");
    EXPECT_EQ(valueGridText(table, 17, 4, 17, 0), "");
    EXPECT_EQ(valueGridText(table, 17, 4, 1, 3), "");
}

TEST(ValueGrid, FourScrollBarCasesAndNoneForASmallTable) {
    const int h = 5400, w = 7380, row0 = 960, col0 = 960;
    EXPECT_EQ(fitValueGrid(h, w, row0, col0, 16, 3).scrollBars, GridScrollBars::None);
    EXPECT_EQ(fitValueGrid(h, w, row0, col0, 16, 3).rows, 17);
    EXPECT_EQ(fitValueGrid(h, w, row0, col0, 1, 1).columns, 4);
    EXPECT_EQ(fitValueGrid(h, w, row0, col0, 16, 4).scrollBars, GridScrollBars::Horizontal);
    const GridFit tall = fitValueGrid(h, w, row0, col0, 17, 3);
    EXPECT_EQ(tall.scrollBars, GridScrollBars::Vertical);
    EXPECT_EQ(tall.rows, 18);
    EXPECT_EQ(tall.rowHeight, 276);                 // (5400 − 960 − 30) / 16 = 275.6
    EXPECT_EQ(tall.columnWidth, (6390 - 255) / 3);  // 2045
    const GridFit both = fitValueGrid(h, w, row0, col0, 201, 100);
    EXPECT_EQ(both.scrollBars, GridScrollBars::Both);
    EXPECT_EQ(both.rows, 202);
    EXPECT_EQ(both.columns, 101);
    EXPECT_EQ(both.rowHeight, 260);  // (4410 − 255) / 16 = 259.7
}

}  // namespace
}  // namespace coinwell::actuarial
