#include "budget/core/year_versions.h"

#include <algorithm>
#include <cstdio>

#include "budget/core/stored_number.h"
#include "budget/core/year_file.h"
#include "common/core/entry_length.h"
#include "common/core/regular_file.h"
#include "common/core/safe_write.h"
#include "common/core/text_trim.h"

namespace coinwell::budget {

namespace {

namespace fs = std::filesystem;

// The largest year file: every field as long as an entry can be, with its quotes and CR LF.
constexpr std::size_t kMaxVersionBytes = kYearFileFields * (kMaxEntryLength + 4);
constexpr std::string_view kExtension = ".Fil";
// "yyyy-MM-dd hh-mm-ss"
constexpr std::size_t kTimeLength = 19;

bool readDigits(std::string_view text, std::size_t from, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

std::string versionFileName(std::string_view year, const DateTime& when) {
    char time[32];
    std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d-%02d-%02d", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    return std::string(trimBlanks(year)) + " " + time + std::string(kExtension);
}

std::optional<DateTime> versionTime(std::string_view fileName, std::string_view year) {
    const std::string prefix = std::string(trimBlanks(year)) + " ";
    if (fileName.size() != prefix.size() + kTimeLength + kExtension.size() ||
        fileName.substr(0, prefix.size()) != prefix ||
        fileName.substr(fileName.size() - kExtension.size()) != kExtension) {
        return std::nullopt;
    }
    const std::string_view time = fileName.substr(prefix.size(), kTimeLength);
    DateTime when;
    const bool digits = readDigits(time, 0, 4, when.year) && time[4] == '-' &&
                        readDigits(time, 5, 2, when.month) && time[7] == '-' &&
                        readDigits(time, 8, 2, when.day) && time[10] == ' ' &&
                        readDigits(time, 11, 2, when.hour) && time[13] == '-' &&
                        readDigits(time, 14, 2, when.minute) && time[16] == '-' &&
                        readDigits(time, 17, 2, when.second);
    if (!digits || !isValidDateTime(when)) {
        return std::nullopt;
    }
    return when;
}

std::vector<YearVersion> listVersions(const fs::path& folder, std::string_view year) {
    std::vector<YearVersion> versions;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        return versions;
    }
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (const auto when = versionTime(name, year)) {
            versions.push_back({entry.path(), *when});
        }
    }
    // The names sort by their time: the newest first.
    std::sort(versions.begin(), versions.end(), [](const YearVersion& a, const YearVersion& b) {
        return a.file.filename().string() > b.file.filename().string();
    });
    return versions;
}

std::optional<ReadVersion> readVersion(const fs::path& file) {
    RegularFileRead read = readRegularFile(file, 0, kMaxVersionBytes + 1);
    if (!read.ok() || read.bytes.empty() || read.bytes.size() > kMaxVersionBytes ||
        read.bytes.front() != '"' || read.bytes.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    ReadVersion version{parseYearFile(read.bytes), std::move(read.bytes)};
    for (std::string& income : version.year.income) {
        if (!(storedNumber(income) > 0)) {
            income = "0";
        }
    }
    return version;
}

KeptVersion keepVersion(const fs::path& folder, const fs::path& yearFile, std::string_view year,
                        const DateTime& when) {
    const RegularFileRead first = readRegularFile(yearFile, 0, 1);
    if (first.status == RegularFileRead::Status::Missing ||
        first.status == RegularFileRead::Status::NotRegular ||
        (first.ok() && first.bytes.empty())) {
        return {KeptVersion::Outcome::NothingToKeep, {}};
    }
    if (!first.ok()) {
        return {KeptVersion::Outcome::Failed, "The year file could not be read."};
    }
    std::error_code error;
    fs::create_directories(folder, error);
    std::error_code ignored;
    if (error && !fs::is_directory(folder, ignored)) {
        if (fs::exists(fs::symlink_status(folder, ignored))) {
            return {KeptVersion::Outcome::Failed,
                    "Something other than a folder is named " + folder.filename().string() + "."};
        }
        return {KeptVersion::Outcome::Failed, plainFileError(error)};
    }
    const fs::path target = folder / versionFileName(year, when);
    if (fs::exists(fs::symlink_status(target, error))) {
        return {KeptVersion::Outcome::AlreadyKept, {}};
    }
    // Every write of a year file puts a new file in its place and leaves the old one whole, so a
    // second name for the old file keeps it, without copying its bytes. Where the disk has no such
    // names (or the year file is a link), the bytes are copied.
    if (fs::is_regular_file(fs::symlink_status(yearFile, ignored))) {
        fs::create_hard_link(yearFile, target, error);
        if (!error) {
            return {};
        }
    }
    const RegularFileRead current = readRegularFile(yearFile);
    if (!current.ok()) {
        return {KeptVersion::Outcome::Failed, "The year file could not be read."};
    }
    if (!writeFileSafely(target, current.bytes, error)) {
        return {KeptVersion::Outcome::Failed, plainFileError(error)};
    }
    return {};
}

void removeOlderVersions(const fs::path& folder, std::string_view year, int keep) {
    const std::vector<YearVersion> versions = listVersions(folder, year);
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 0)); i < versions.size(); ++i) {
        std::error_code error;
        fs::remove(versions[i].file, error);  // a folder of that name is not ours to empty
    }
}

VersionedReplace replaceKeepingVersion(const fs::path& folder, const fs::path& yearFile,
                                       std::string_view year, const DateTime& when,
                                       const std::function<bool()>& replace) {
    VersionedReplace result;
    const KeptVersion kept = keepVersion(folder, yearFile, year, when);
    if (kept.outcome == KeptVersion::Outcome::Failed) {
        result.versionFailure = kept.reason;
    }
    result.replaced = replace();
    if (result.replaced) {
        removeOlderVersions(folder, year);
    }
    return result;
}

}  // namespace coinwell::budget
