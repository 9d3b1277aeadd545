#pragma once
// The captions of the four table buttons and the sentence under the grid (Label1) that says what
// the table's numbers mean for the amount and payments entered.

#include <string>
#include <string_view>

#include "actuarial/core/value_table.h"

namespace coinwell::actuarial {

inline constexpr ValueTableKind kAllKinds[4] = {
    ValueTableKind::PresentValueOfAmount, ValueTableKind::PresentValueOfAnnuity,
    ValueTableKind::FutureValueOfAmount, ValueTableKind::FutureValueOfAnnuity};

// "&Present Value of Amount", …: the caption of Command1 … Command4.
std::string_view kindButtonCaption(ValueTableKind kind);
// "Present Value of an Amount:", …: the first line of the explanation.
std::string_view kindTitle(ValueTableKind kind);

// The title line, a carriage return, then the sentence with the amount box's text as currency
// and the payments box's text as typed.
std::string explanationText(ValueTableKind kind, std::string_view amountText,
                            std::string_view perYearText);

}  // namespace coinwell::actuarial
