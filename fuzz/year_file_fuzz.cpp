// Any bytes read as a budget year file: never a crash, the same year whether the bytes arrive
// at once or in pieces, fields of bounded length, and a year that can be stored reads back
// from its own bytes unchanged.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "budget/core/budget_totals.h"
#include "budget/core/year_file.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// A folder of this process's own, made once and removed at exit.
const std::filesystem::path& privateFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "year-fuzz-XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(privateFolder(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace coinwell::budget;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const BudgetYear whole = parseYearFile(bytes);
    for (int row = 1; row <= kItemRows; ++row) {
        for (int column = kItemColumn; column <= kLastMonthColumn; ++column) {
            check(whole.cellText(row, column).size() <= 3 * kMaxFieldBytes);
        }
    }

    // The checks below copy and compare whole years, which is slow under the sanitizers: each
    // takes its share of the inputs, chosen by the last byte.
    const std::uint8_t last = size == 0 ? 0 : data[size - 1];

    // The same bytes fed in two pieces, split where the first byte says, read the same.
    if (last % 4 == 2) {
        const std::size_t split = data[0] % (size + 1);
        YearFileReader reader;
        if (reader.feed(bytes.substr(0, split))) {
            reader.feed(bytes.substr(split));
        }
        reader.finish();
        check(reader.year() == whole);
    }

    // What can be stored reads back as it was.
    if (last % 4 == 3) {
        if (const auto stored = yearFileBytes(whole)) {
            check(parseYearFile(*stored) == whole);
        }
    }

    // The figures of any year can be computed (they format six hundred numbers: one input in
    // thirty-two, so that the reader gets most of the runs).
    if (last % 32 == 1) {
        BudgetYear year = whole;
        const MonthlyFigures figures = recalcMonths(year);
        (void)buildYearTotals(year, figures, PercentBase::Expenses, 2012);
        (void)canViewTotals(year);
    }

    // One input in thirty-two also goes through a file.
    if (last % 32 == 0) {
        const auto file = privateFolder() / "2012.Fil";
        {
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        const LoadedYear loaded = readYearFile(file);
        check(loaded.newYear == bytes.empty());
        check(loaded.year.items == whole.items);
    }
    return 0;
}
