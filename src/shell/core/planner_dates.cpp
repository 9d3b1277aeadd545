#include "common/core/format_number.h"
#include "shell/core/planner.h"

namespace coinwell {

std::string dateOrder() {
    // The date itself, not a text of it: a text such as "09/30/06" would first have to be read
    // back in the locale's own order, which a day-month locale cannot do.
    return dateOrderOf(formatDate(DateTime{2006, 9, 30, 0, 0, 0}, "Short Date"));
}

std::string reminderDateText(const DateTime& today, std::string_view order) {
    return formatDate(today, order == kDateOrderUsa ? "mmmm d, yyyy" : "d mmmm yyyy");
}

}  // namespace coinwell
