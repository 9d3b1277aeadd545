#include "budget/core/year_choice.h"

#include <cmath>

#include "budget/core/stored_number.h"
#include "common/core/number_text.h"
#include "common/core/windows1252.h"

namespace coinwell::budget {

std::vector<std::string> yearListItems() {
    std::vector<std::string> items;
    for (int year = kFirstListedYear; year <= kLastListedYear; ++year) {
        items.push_back(std::to_string(year));
    }
    return items;
}

std::string todaysBudgetYear(const DateTime& today) {
    // The two digits the short date ends with in a month-first or day-first date, taken from
    // the date itself so that a year-first short date gives the year too.
    const int twoDigits = ((today.year % 100) + 100) % 100;
    return std::to_string((twoDigits >= 90 ? 1900 : 2000) + twoDigits);
}

std::string workingYear(std::string_view selectorText) {
    const std::size_t length = utf8Length(selectorText);
    if (length <= 4) {
        return std::string(selectorText);
    }
    // The last four characters, never cutting a character in two.
    const std::string head = utf8Left(selectorText, length - 4);
    return std::string(selectorText.substr(head.size()));
}

double yearNumber(std::string_view year) {
    return storedNumber(year);
}

std::string enteredYear(std::string_view typed) {
    const double value = yearNumber(typed);
    if (!(value >= kFirstListedYear)) {
        return std::to_string(kFirstListedYear);
    }
    if (value > kLastListedYear) {
        return std::to_string(kLastListedYear);
    }
    // Within the range the year is its whole number: the text always names a year file.
    return std::to_string(static_cast<int>(std::floor(value)));
}

bool copyYearAvailable(std::string_view year) {
    const double value = yearNumber(year);
    return value >= kFirstListedYear && value <= kLastListedYear;
}

std::string nextYearText(std::string_view year) {
    return plainNumberText(yearNumber(year) + 1);
}

}  // namespace coinwell::budget
