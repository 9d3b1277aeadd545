#pragma once
// Copy To Next Year with a change: the saved file of a year, read as the program reads a year
// file, written to the next year's name with every amount changed by a percentage.

#include <filesystem>

#include "budget/core/percent_change.h"
#include "budget/core/year_file.h"

namespace coinwell::budget {

// Reads the saved file from and writes its year, changed, as the file to (safely: the old file
// stays whole on any failure). A source that is missing, unreadable or not a regular file gives
// NothingToCopy and changes nothing; an empty one is copied as it is, as the plain copy does.
YearFileResult copyYearFileWithChange(const std::filesystem::path& from,
                                      const std::filesystem::path& to, const PercentChange& change);

}  // namespace coinwell::budget
