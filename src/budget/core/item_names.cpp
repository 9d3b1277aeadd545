#include "budget/core/item_names.h"

namespace coinwell::budget {

void YearItemNames::setName(int row, const std::string& name) {
    if (std::string* cell = year_.cell(row, kItemColumn)) {
        *cell = name;
        changed_ = true;
    }
}

}  // namespace coinwell::budget
