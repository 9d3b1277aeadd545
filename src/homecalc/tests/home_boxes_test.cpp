// The input boxes as texts: which characters each box keeps, how the calculation reads them,
// the income check and the texts written back into the boxes.

#include <gtest/gtest.h>

#include <string>

#include "common/core/locale_settings.h"
#include "homecalc/core/home_boxes.h"

namespace coinwell::homecalc {
namespace {

TEST(HomeBoxFilter, MoneyBoxesKeepWholeNumbersTypedFromTheLeft) {
    for (HomeBox box : {HomeBox::Income, HomeBox::Debt, HomeBox::Cash, HomeBox::Limit}) {
        EXPECT_FALSE(filterHomeBox(box, "60000").changed);
        EXPECT_EQ(filterHomeBox(box, "600a").text, "600");
        EXPECT_TRUE(filterHomeBox(box, "600a").changed);
        EXPECT_EQ(filterHomeBox(box, "60.").text, "60");
        EXPECT_EQ(filterHomeBox(box, "/").text, "");
        EXPECT_EQ(filterHomeBox(box, "x").text, "");
        EXPECT_FALSE(filterHomeBox(box, "").changed);
    }
}

TEST(HomeBoxFilter, TheRateBoxAlsoKeepsPointAndSlash) {
    EXPECT_FALSE(filterHomeBox(HomeBox::Rate, "7.").changed);
    EXPECT_FALSE(filterHomeBox(HomeBox::Rate, "7.25").changed);
    EXPECT_FALSE(filterHomeBox(HomeBox::Rate, ".").changed);
    EXPECT_FALSE(filterHomeBox(HomeBox::Rate, "7/").changed);
    EXPECT_EQ(filterHomeBox(HomeBox::Rate, "7,").text, "7");
    EXPECT_EQ(filterHomeBox(HomeBox::Rate, "-").text, "");
    EXPECT_EQ(filterHomeBox(HomeBox::Rate, "7%").text, "7");
}

TEST(HomeBoxFilter, AKeystrokeThatMakesTheNumberUnreadableIsRefused) {
    const std::string longest(308, '9');  // still within the double range
    EXPECT_FALSE(filterHomeBox(HomeBox::Income, longest).changed);
    const FilteredText beyond = filterHomeBox(HomeBox::Income, longest + "9");
    EXPECT_TRUE(beyond.changed);
    EXPECT_EQ(beyond.text, longest);
}

TEST(HomeBoxFilter, APastedTextSettlesInOneStep) {
    const FilteredText letters = filterHomeBox(HomeBox::Income, "12" + std::string(20000, 'a'));
    EXPECT_TRUE(letters.changed);
    EXPECT_EQ(letters.text, "12");
    EXPECT_EQ(filterHomeBox(HomeBox::Debt, std::string(500, 'x')).text, "");
    EXPECT_EQ(filterHomeBox(HomeBox::Rate, "6.5x%").text, "6.5");
    EXPECT_EQ(filterHomeBox(HomeBox::Cash, "4a5b").text, "4a5");  // only the end is examined

    const FilteredText digits = filterHomeBox(HomeBox::Income, std::string(32767, '9'));
    EXPECT_TRUE(digits.changed);
    EXPECT_EQ(digits.text, std::string(308, '9'));
    EXPECT_FALSE(filterHomeBox(HomeBox::Income, digits.text).changed);
    // Cut back to a readable number, the end must still be a character the box takes.
    EXPECT_EQ(filterHomeBox(HomeBox::Limit, "&H" + std::string(300, 'F') + "9").text, "");
}

TEST(HomeBoxValues, AreReadAsTheBoxesShowThem) {
    HomeBoxTexts boxes{"60000", "300", "", "15", "6.75/", "900"};
    const HomeInputs in = readHomeInputs(boxes);
    EXPECT_EQ(in.grossAnnualIncome, 60000);
    EXPECT_EQ(in.monthlyDebt, 300);
    EXPECT_EQ(in.cashAvailable, 0);
    EXPECT_EQ(in.loanYears, 15);
    EXPECT_EQ(in.ratePercent, 6.75);  // reading stops at the slash
    EXPECT_EQ(in.paymentLimit, 900);
    EXPECT_EQ(boxValue(std::string(400, '9')), 0);
}

TEST(HomeBoxValues, TheIncomeMustBeAtLeastOne) {
    const MessageRequest expected{"Please enter Gross Annual Income\rEntry must be 1 or more",
                                  "Data Input", MessageIcon::Information, MessageButtons::Ok,
                                  Answer::Ok};
    EXPECT_EQ(checkIncome(""), expected);
    EXPECT_EQ(checkIncome("0"), expected);
    EXPECT_EQ(checkIncome("0.5"), expected);
    EXPECT_FALSE(checkIncome("1").has_value());
    EXPECT_FALSE(checkIncome("60000").has_value());
}

TEST(HomeBoxValues, WrittenBackWithAPointWhateverTheRegion) {
    EXPECT_EQ(boxNumberText(0.5), "0.5");
    EXPECT_EQ(boxNumberText(1400.0), "1400");
    EXPECT_EQ(boxNumberText(-200.0), "-200");
    EXPECT_EQ(boxNumberText(7.1f), "7.1");

    const LocaleSettings us = currentLocale();
    LocaleSettings german = us;
    german.decimalSeparator = ",";
    german.groupSeparator = ".";
    setCurrentLocale(german);
    EXPECT_EQ(boxNumberText(0.5), "0.5");
    EXPECT_EQ(boxNumberText(6.25), "6.25");
    setCurrentLocale(us);
}

}  // namespace
}  // namespace coinwell::homecalc
