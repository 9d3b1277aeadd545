#pragma once
// The Home Calculator's input boxes as texts: the keystroke filter of each box, the values the
// calculation reads from them, the income check and the texts the calculation writes back.

#include <optional>
#include <string>
#include <string_view>

#include "common/core/dialogs.h"
#include "common/core/digit_filter.h"
#include "homecalc/core/affordability.h"

namespace coinwell::homecalc {

enum class HomeBox { Income, Debt, Cash, Rate, Limit };

// The characters a box takes: digits, and on the rate box also '.' and '/'.
std::string_view acceptedCharacters(HomeBox box);

// The keystroke filter run after each change of a box: only the last character is examined
// (digitFilter). A keystroke that would make the number too large to read is refused too. The
// result is where the box settles: a pasted text loses all the characters the filter would
// drop one change after the other.
FilteredText filterHomeBox(HomeBox box, std::string_view text);

// The texts of the boxes and of the loan length list, as the screen shows them.
struct HomeBoxTexts {
    std::string income;  // Text1
    std::string debt;    // Text2
    std::string cash;    // Text3
    std::string years;   // Combo1
    std::string rate;    // Text4
    std::string limit;   // Text5
};

// The value of a box: the forgiving reader; 0 for a number too large to read.
double boxValue(std::string_view text);

HomeInputs readHomeInputs(const HomeBoxTexts& boxes);

// "Please enter Gross Annual Income" when the income box is empty or below 1.
std::optional<MessageRequest> checkIncome(std::string_view incomeText);
MessageRequest missingIncomeMessage();

// A number as the rate and limit boxes take it back: its shortest text with "." as the decimal
// point, the only one these boxes accept, whatever the regional settings.
std::string boxNumberText(double value);
std::string boxNumberText(float value);

}  // namespace coinwell::homecalc
