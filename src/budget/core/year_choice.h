#pragma once
// Which year the Home Budget shows: the year list, today's year, a typed year and the next year
// that Copy (Yr) copies to.

#include <string>
#include <string_view>
#include <vector>

#include "common/core/date_time.h"

namespace coinwell::budget {

inline constexpr int kFirstListedYear = 1990;
inline constexpr int kLastListedYear = 2089;

// The items of the year selector Combo1: "1990" ... "2089".
std::vector<std::string> yearListItems();

// Today's year as the screen opens with it: the two-digit year, 90 and above in the 1900s,
// below 90 in the 2000s ("1995", "2026").
std::string todaysBudgetYear(const DateTime& today);

// The year of the selector's text: its last four characters.
std::string workingYear(std::string_view selectorText);

// Enter in the year selector: the typed text's numeric value held to 1990-2089, as the year
// text ("1985" gives "1990", "3000" gives "2089", "2012" stays).
std::string enteredYear(std::string_view typed);

// Copy (Yr) is shown only for a year whose numeric value lies from 1990 to 2089.
bool copyYearAvailable(std::string_view year);

// The year Copy (Yr) copies to: the year's numeric value plus one, as plain number text.
std::string nextYearText(std::string_view year);

// The year as a number (its numeric value), for the backup hand-over and the totals caption.
double yearNumber(std::string_view year);

}  // namespace coinwell::budget
