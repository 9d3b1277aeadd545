#pragma once
// The interest rate the Home Calculator keeps between uses: what Exit stores from the rate box
// and what the rate box shows when the screen opens again.

#include <optional>
#include <string>
#include <string_view>

#include "common/core/record_file.h"

namespace coinwell::homecalc {

// The rate box's initial text, kept unless a stored rate replaces it.
inline constexpr std::string_view kInitialRateText = "7";

// The rate box's text when the screen opens: the stored value (a number, or a text read as the
// box reads it) when it is a number above 0 other than 7; nothing otherwise.
std::optional<std::string> storedRateBoxText(const RecordVariant& stored);

// What Exit stores: the rate box's text as a text value, or its number when the text does not
// fit the settings record (recordLength bytes).
RecordVariant rateToStore(std::string_view boxText, std::size_t recordLength);

}  // namespace coinwell::homecalc
