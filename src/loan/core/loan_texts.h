#pragma once
// The texts the Loan Calculator shows: rate box items, table headers, rate cells, currency cells,
// scroll tips and the captions that follow the length unit.

#include <string>
#include <string_view>
#include <vector>

#include "loan/core/loan_inputs.h"

namespace coinwell::loan {

// The two-character line break of the grid's header cells: line feed, then carriage return.
inline constexpr std::string_view kCellLineBreak = "\n\r";

// The items of both rate boxes: 0.00 to 25.00 by a quarter point (101 items).
std::vector<std::string> rateBoxItems();
// A rate as a rate box shows it ("0.00").
std::string rateBoxText(double rate);
// The list position of a rate box text, or -1 when the text is not one of the items.
int rateListIndex(std::string_view text);

// The first-column text of a table row: "7.25%".
std::string rateCellText(double rate);
// The header text of a length column: line break, the length, " Years" or " Months".
std::string lengthHeaderText(double length, LengthUnit unit);
// A payment, interest or balance as the grid shows it ("Currency").
std::string currencyText(double value);
// The loan amount label: the amount as plain number text.
std::string loanAmountText(double amount);

// Captions that follow the length unit.
std::string lengthPanelCaption(LengthUnit unit);       // " Years in Loan " / " Months in Loan "
std::string lengthUnitWord(LengthUnit unit);           // "Years" / "Months"
std::string downPaymentCaption(DownPaymentMode mode);  // "Percent Down" / "Amount Down"

inline constexpr std::string_view kLengthNote =
    "Loan Length in Years will show a Monthly Payment for 12 months a year.";

}  // namespace coinwell::loan
