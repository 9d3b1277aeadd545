#pragma once
// Earlier versions of the year files. Before a write replaces a year file, the file as it was is
// copied byte for byte into the folder "Versions" of the program folder, named the year, a
// blank, the local date and time of that write and ".Fil" ("2012 2026-12-10 14-05-09.Fil").
// Within one second the first copy stays (it holds the file as it was before that second's
// writes). The ten newest versions of each year are kept; older ones are removed only once the
// new write has succeeded. Keeping a version never stops the write it comes before.
//
// A version is a second name for the file being replaced where the disk allows it: every write of
// a year file puts a new file in its place (a safe write), so the old one stays as it was.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "budget/core/budget_year.h"
#include "common/core/date_time.h"

namespace coinwell::budget {

inline constexpr std::string_view kVersionsFolder = "Versions";
inline constexpr int kVersionsKept = 10;

// "2012 2026-12-10 14-05-09.Fil".
std::string versionFileName(std::string_view year, const DateTime& when);
// The date and time in the name of one of year's versions; nothing for any other name.
std::optional<DateTime> versionTime(std::string_view fileName, std::string_view year);

struct YearVersion {
    std::filesystem::path file;
    DateTime when;
};
// Every entry of folder named as a version of year, newest first (whatever it is: a folder or a
// pipe of such a name is listed too and reads as unreadable).
std::vector<YearVersion> listVersions(const std::filesystem::path& folder, std::string_view year);

// A version read with the year file's reader and safety: only a regular file that looks like a
// year file (not empty, no larger than the largest year file, beginning with a double quote, no
// NUL byte). The incomes are read as loadYear reads them.
struct ReadVersion {
    BudgetYear year;
    std::string bytes;  // the file as it is, for a restore
};
std::optional<ReadVersion> readVersion(const std::filesystem::path& file);

struct KeptVersion {
    enum class Outcome {
        Kept,
        NothingToKeep,  // no year file (or an empty one) to keep
        AlreadyKept,    // a version of this second exists: the earlier file stays
        Failed,
    };
    Outcome outcome = Outcome::Kept;
    std::string reason;  // why it failed, in plain words
};
// Copies yearFile into folder (made when missing) as year's version of when.
KeptVersion keepVersion(const std::filesystem::path& folder, const std::filesystem::path& yearFile,
                        std::string_view year, const DateTime& when);

// Removes year's versions after the keep newest.
void removeOlderVersions(const std::filesystem::path& folder, std::string_view year,
                         int keep = kVersionsKept);

// A write that replaces a year file, with its version: the version is kept, replace() runs in any
// case, and after a successful replace the older versions go. versionFailure says why the
// version could not be kept.
struct VersionedReplace {
    bool replaced = false;
    std::optional<std::string> versionFailure;
};
VersionedReplace replaceKeepingVersion(const std::filesystem::path& folder,
                                       const std::filesystem::path& yearFile, std::string_view year,
                                       const DateTime& when, const std::function<bool()>& replace);

}  // namespace coinwell::budget
