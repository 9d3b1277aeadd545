#pragma once
// The files of a budget backup and the copies between them. The year file lives in the program
// folder as the year and ".Fil"; its backup is the year and ".Bup" in the chosen folder. Both
// copies replace their target whole or not at all: a failed copy leaves the old file as it was.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/core/entry_length.h"

namespace coinwell::backup {

// The largest year file a save writes: 662 fields of the longest entry, each between double
// quotes and ended by CR LF. Anything larger is not one.
inline constexpr std::size_t kMaxYearFileBytes = 662 * (kMaxEntryLength + 4);

// "2011.Fil" and "2011.Bup".
std::string yearFileName(int year);
std::string backupFileName(int year);

// The folder with one trailing "/" (a root such as "/" keeps its own).
std::string withTrailingSeparator(std::string_view folder);

// True when folder is the program folder: the two texts, blanks trimmed and each with a trailing
// separator, are equal without regard to letter case, or both name the same folder on disk (a
// link to the program folder is the program folder).
bool isProgramFolder(std::string_view folder, std::string_view programFolder);

// A plausible year file: not empty, not larger than kMaxYearFileBytes, and made of lines that
// each hold one field between double quotes (the field any byte but a quote or a line break, as
// a save writes it), ended by CR LF; an old end-of-file mark may close it.
bool looksLikeYearFile(std::string_view bytes);

// Copies the year file to the backup file. False when the year file is missing or not a regular
// file, or the backup cannot be written whole (a full or write-protected disk, a folder that has
// gone); an older backup is then left as it was and no partial file stays behind.
bool backUpYearFile(const std::filesystem::path& yearFile, const std::filesystem::path& backupFile);

// What runs around the write that replaces the year file (the Home Budget keeps the file being
// replaced as an earlier version): it calls write and returns its result.
using YearFileReplacement = std::function<bool(const std::function<bool()>& write)>;

// Replaces the year file by the backup. False, with the year file untouched, when the backup is
// missing, not a regular file, unreadable or plainly not a year file, or when the year file
// cannot be replaced. around, when given, runs the write, once the backup has proved usable.
bool restoreYearFile(const std::filesystem::path& backupFile, const std::filesystem::path& yearFile,
                     const YearFileReplacement& around = {});

}  // namespace coinwell::backup
