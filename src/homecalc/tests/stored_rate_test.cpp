// The interest rate kept between uses: what the rate box shows at opening for each kind of
// stored value, and what Exit stores.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "common/core/settings_files.h"
#include "homecalc/core/stored_rate.h"

namespace coinwell::homecalc {
namespace {

TEST(StoredRate, ANumberAboveZeroOtherThanSevenReplacesTheInitialRate) {
    EXPECT_EQ(storedRateBoxText(RecordVariant(std::string("6.5"))), "6.5");
    EXPECT_EQ(storedRateBoxText(RecordVariant(std::string("0.5"))), "0.5");
    EXPECT_EQ(storedRateBoxText(RecordVariant(8.25)), "8.25");
    EXPECT_EQ(storedRateBoxText(RecordVariant(std::int16_t{9})), "9");
    EXPECT_EQ(storedRateBoxText(RecordVariant(std::int32_t{12})), "12");
    EXPECT_EQ(storedRateBoxText(RecordVariant(6.1f)), "6.1");
    // The text is read as the box reads it.
    EXPECT_EQ(storedRateBoxText(RecordVariant(std::string("6.75/"))), "6.75");
}

TEST(StoredRate, NothingElseChangesTheRateBox) {
    EXPECT_FALSE(storedRateBoxText(RecordVariant()).has_value());
    EXPECT_FALSE(storedRateBoxText(RecordVariant(std::string())).has_value());
    EXPECT_FALSE(storedRateBoxText(RecordVariant(std::string("7"))).has_value());
    EXPECT_FALSE(storedRateBoxText(RecordVariant(7.0)).has_value());
    EXPECT_FALSE(storedRateBoxText(RecordVariant(std::string("0"))).has_value());
    EXPECT_FALSE(storedRateBoxText(RecordVariant(std::string("abc"))).has_value());
    EXPECT_FALSE(storedRateBoxText(RecordVariant(-2.0)).has_value());
    EXPECT_FALSE(
        storedRateBoxText(RecordVariant(std::numeric_limits<double>::infinity())).has_value());
    EXPECT_FALSE(
        storedRateBoxText(RecordVariant(std::numeric_limits<double>::quiet_NaN())).has_value());
}

TEST(StoredRate, ExitStoresTheBoxTextOrItsNumberWhenTooLong) {
    const std::size_t length = kOwnSettingsFile.recordLength;
    EXPECT_EQ(rateToStore("6.5", length), RecordVariant(std::string("6.5")));
    EXPECT_EQ(rateToStore("", length), RecordVariant(std::string()));
    // Sixteen characters fill a 20-byte record with tag and length; one more does not fit.
    EXPECT_EQ(rateToStore("6.50000000000000", length),
              RecordVariant(std::string("6.50000000000000")));
    EXPECT_EQ(rateToStore("6.500000000000001", length), RecordVariant(6.500000000000001));
}

}  // namespace
}  // namespace coinwell::homecalc
