#pragma once
// The value of a number the budget stores as text (a cell, an income, a total, a year).

#include <string_view>

namespace coinwell::budget {

// The number at the start of the text, as the budget reads its cells; a number beyond the
// double range reads as the largest one with the text's sign, so that it still compares and
// adds as the huge number it is.
double storedNumber(std::string_view text);

}  // namespace coinwell::budget
