#include "budget/core/changed_year_copy.h"

#include "common/core/regular_file.h"

namespace coinwell::budget {

YearFileResult copyYearFileWithChange(const std::filesystem::path& from,
                                      const std::filesystem::path& to,
                                      const PercentChange& change) {
    const RegularFileRead input = readRegularFile(from);
    if (!input.ok()) {
        return {YearFileResult::Outcome::NothingToCopy, {}};
    }
    if (input.bytes.empty()) {
        return copyYearFile(from, to);
    }
    return writeYearFile(to, change.changedYear(parseYearFile(input.bytes)));
}

}  // namespace coinwell::budget
