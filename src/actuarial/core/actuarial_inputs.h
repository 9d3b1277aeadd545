#pragma once
// The Actuarial Calculator's boxes and their rules: the rate lists, the "Maximum Entry" rule of
// the payments and years boxes, reading the boxes into ValueTableInputs, and the checks run
// before a table is built (with the year and rate boxes put in order).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "actuarial/core/value_table.h"
#include "common/core/dialogs.h"

namespace coinwell::actuarial {

// The boxes, by their controls.
enum class ActuarialBox {
    None,
    Amount,    // Text1, "Amount or Annuity"
    PerYear,   // Text2, "No. Payments Per Year"
    MaxYears,  // Text3
    MinYears,  // Text4
    MaxRate,   // Combo1
    MinRate    // Combo2
};

struct ActuarialBoxTexts {
    std::string amount;
    std::string perYear;
    std::string maxYears;
    std::string minYears;
    std::string maxRate;
    std::string minRate;

    bool operator==(const ActuarialBoxTexts&) const = default;
};

// Longest texts of the boxes.
inline constexpr int kAmountBoxLength = 7;
inline constexpr int kSmallBoxLength = 3;

// The items of both rate lists: 0.0 to 25.0 by half points (51 items).
std::vector<std::string> rateListItems();
// A rate as the lists show it ("0.0").
std::string rateBoxText(double rate);

// The payments and years boxes take at most 100: a text whose value is above is replaced by
// "100" with maximumEntryMessage(). A number beyond the double range counts as above.
inline constexpr double kMostBoxEntry = 100;
bool exceedsMostEntry(std::string_view text);
MessageRequest maximumEntryMessage();

// Each box read with the forgiving reader; a rate beyond the double range reads as an infinity.
ValueTableInputs readValueTableInputs(const ActuarialBoxTexts& boxes);

struct ActuarialCheck {
    // The message of the first check that fails, and the box that then takes the focus.
    std::optional<MessageRequest> message;
    ActuarialBox focus = ActuarialBox::None;
    // The boxes' texts after the checks (years and rates put in order).
    ActuarialBoxTexts boxes;

    bool accepted() const { return !message.has_value(); }
};

// The checks in order: amount above 0, payments above 0, maximum years above 0. When they pass,
// a maximum of years below the minimum exchanges the two year boxes (each shows the other's
// value), and a maximum rate below the minimum exchanges the rates (formatted "0.0"). Last, a
// rate range with more rows than a table holds, or a rate beyond the number range, is refused.
ActuarialCheck checkActuarialInputs(const ActuarialBoxTexts& boxes);

MessageRequest amountMessage();
MessageRequest perYearMessage();
MessageRequest maxYearsMessage();
MessageRequest rateRangeMessage();

}  // namespace coinwell::actuarial
