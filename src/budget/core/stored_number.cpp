#include "budget/core/stored_number.h"

#include "common/core/number_parse.h"
#include "common/core/text_trim.h"

namespace coinwell::budget {

double storedNumber(std::string_view text) {
    try {
        return parseLeadingNumber(text);
    } catch (const NumberOverflow&) {
        const std::string_view trimmed = trimBlanks(text);
        return !trimmed.empty() && trimmed.front() == '-' ? -1e308 : 1e308;
    }
}

}  // namespace coinwell::budget
