#include "actuarial/core/actuarial_inputs.h"

#include <gtest/gtest.h>

#include <string>

#include "actuarial/core/explanation.h"

namespace coinwell::actuarial {
namespace {

ActuarialBoxTexts boxes(std::string amount, std::string perYear, std::string maxYears,
                        std::string minYears, std::string maxRate, std::string minRate) {
    return {std::move(amount),   std::move(perYear), std::move(maxYears),
            std::move(minYears), std::move(maxRate), std::move(minRate)};
}

TEST(ActuarialInputs, RateListsRunFromZeroToTwentyFiveByHalfPoints) {
    const std::vector<std::string> items = rateListItems();
    ASSERT_EQ(items.size(), 51u);
    EXPECT_EQ(items.front(), "0.0");
    EXPECT_EQ(items[1], "0.5");
    EXPECT_EQ(items[15], "7.5");
    EXPECT_EQ(items.back(), "25.0");
}

TEST(ActuarialInputs, PaymentsAndYearsTakeAtMostOneHundred) {
    EXPECT_FALSE(exceedsMostEntry(""));
    EXPECT_FALSE(exceedsMostEntry("100"));
    EXPECT_TRUE(exceedsMostEntry("150"));
    EXPECT_TRUE(exceedsMostEntry("101"));
    EXPECT_TRUE(exceedsMostEntry("9e9"));
    EXPECT_TRUE(exceedsMostEntry(std::string(400, '9')));
    EXPECT_EQ(maximumEntryMessage(),
              (MessageRequest{"Maximum entry for this input box is 100", "Maximum Entry",
                              MessageIcon::Information, MessageButtons::Ok, Answer::Ok}));
}

TEST(ActuarialInputs, ChecksInOrderWithTheirMessagesAndFocus) {
    struct Case {
        ActuarialBoxTexts in;
        MessageRequest message;
        ActuarialBox focus;
    };
    const MessageRequest amount{"Amount or Annuity must be 1 or more", "Amount or Annuity",
                                MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
    const MessageRequest perYear{"No. Payments Per Year must be 1 or more",
                                 "Number of Interest Payments Per Year", MessageIcon::Information,
                                 MessageButtons::Ok, Answer::Ok};
    const MessageRequest years{"Maximum Number of Years must be 1 or more", "Number of Years",
                               MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
    const Case cases[] = {
        {boxes("", "12", "10", "", "5.0", "0.0"), amount, ActuarialBox::Amount},
        {boxes("0", "", "", "", "0.0", "0.0"), amount, ActuarialBox::Amount},
        {boxes("1000", "", "10", "", "5.0", "0.0"), perYear, ActuarialBox::PerYear},
        {boxes("1000", "0", "", "", "5.0", "0.0"), perYear, ActuarialBox::PerYear},
        {boxes("1000", "12", "", "5", "5.0", "0.0"), years, ActuarialBox::MaxYears},
        {boxes("1000", "12", "-3", "", "5.0", "0.0"), years, ActuarialBox::MaxYears},
    };
    for (const Case& c : cases) {
        const ActuarialCheck check = checkActuarialInputs(c.in);
        EXPECT_FALSE(check.accepted());
        EXPECT_EQ(check.message, c.message) << c.in.amount << "/" << c.in.perYear;
        EXPECT_EQ(check.focus, c.focus);
        EXPECT_EQ(check.boxes, c.in);  // a failed check leaves the boxes as they were
    }
    EXPECT_TRUE(checkActuarialInputs(boxes("1", "1", "1", "", "0.0", "0.0")).accepted());
}

TEST(ActuarialInputs, YearAndRateBoxesAreExchangedWhenTheMaximumIsBelowTheMinimum) {
    ActuarialCheck check = checkActuarialInputs(boxes("1000", "12", "5", "10", "5.0", "13.0"));
    ASSERT_TRUE(check.accepted());
    EXPECT_EQ(check.boxes, boxes("1000", "12", "10", "5", "13.0", "5.0"));
    // Typed rates come back formatted "0.0".
    check = checkActuarialInputs(boxes("1000", "12", "10", "", "3", "5.25"));
    EXPECT_EQ(check.boxes.maxRate, "5.3");
    EXPECT_EQ(check.boxes.minRate, "3.0");
    // In order already: untouched.
    const ActuarialBoxTexts ordered = boxes("1000", "12", "10", "5", "7", "5.0");
    EXPECT_EQ(checkActuarialInputs(ordered).boxes, ordered);
}

TEST(ActuarialInputs, RateRangesATableCannotHoldAreRefused) {
    const MessageRequest tooMany{
        "Too many Interest Rates between Minimum % and Maximum %. Select a smaller range and try "
        "again!",
        "Annual Interest Rates", MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
    ActuarialCheck check = checkActuarialInputs(boxes("1000", "12", "10", "", "99999", "0.5"));
    EXPECT_EQ(check.message, tooMany);
    EXPECT_EQ(check.focus, ActuarialBox::MaxRate);
    check = checkActuarialInputs(boxes("1000", "12", "10", "", "1e999", "5"));
    EXPECT_EQ(check.message, tooMany);
    EXPECT_TRUE(checkActuarialInputs(boxes("1000", "12", "10", "", "16383", "0.5")).accepted());
}

TEST(ActuarialInputs, BoxesAreReadWithTheForgivingReader) {
    const ValueTableInputs in = readValueTableInputs(boxes("1000", "12", "10", "", "7.5 %", "abc"));
    EXPECT_EQ(in.amount, 1000);
    EXPECT_EQ(in.perYear, 12);
    EXPECT_EQ(in.maxYears, 10.0f);
    EXPECT_EQ(in.minYears, 0.0f);
    EXPECT_EQ(in.maxRate, 7.5f);
    EXPECT_EQ(in.minRate, 0.0f);
}

TEST(Explanation, ButtonCaptionsAndTheFourSentences) {
    EXPECT_EQ(kindButtonCaption(ValueTableKind::PresentValueOfAmount), "&Present Value of Amount");
    EXPECT_EQ(kindButtonCaption(ValueTableKind::PresentValueOfAnnuity),
              "Present Value of &Annuity");
    EXPECT_EQ(kindButtonCaption(ValueTableKind::FutureValueOfAmount), "&Future Value of Amount");
    EXPECT_EQ(kindButtonCaption(ValueTableKind::FutureValueOfAnnuity), "Future &Value of Annuity");

    EXPECT_EQ(explanationText(ValueTableKind::PresentValueOfAmount, "1000", "12"),
              "Present Value of an Amount:\rAmount(s) shown are what you need to put into a "
              "savings account now at interest rate(s) shown in the left column and interest is "
              "paid (compounded) 12 time(s) a year, to reach the amount entered of $1,000.00 in "
              "the years shown.");
    EXPECT_EQ(explanationText(ValueTableKind::PresentValueOfAnnuity, "100", "12"),
              "Present Value of an Annuity:\rThe amount you need in a savings account now to "
              "receive a payment of $100.00  12 time(s) a year for the number of years specified "
              "in the Top Column at interest rate(s) shown in the left column.");
    EXPECT_EQ(explanationText(ValueTableKind::FutureValueOfAmount, "1000000", "4"),
              "Future Value of an Amount:\rAmount(s) show the future value if you put one lump "
              "sum of $1,000,000.00 into a savings account now at interest rate(s) shown in the "
              "left column and Interest was compounded 4 time(s) a year.");
    EXPECT_EQ(explanationText(ValueTableKind::FutureValueOfAnnuity, "50", "1"),
              "Future Value of an Annuity:\rAmount(s) show the future value if you put a sum of "
              "$50.00 into a savings account 1 time(s) a year for the number years shown at the "
              "interest rate(s) shown in the left column.");
    // The payments box as typed, the amount box as currency where it reads as a number.
    EXPECT_NE(explanationText(ValueTableKind::FutureValueOfAnnuity, "", "012")
                  .find("a sum of  into a savings account 012 time(s) a year"),
              std::string::npos);
}

}  // namespace
}  // namespace coinwell::actuarial
