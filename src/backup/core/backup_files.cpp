#include "backup/core/backup_files.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "common/core/regular_file.h"
#include "common/core/safe_write.h"
#include "common/core/text_trim.h"

namespace coinwell::backup {

namespace {

// A year file never comes near this; it only keeps a wrong file from filling the memory.
constexpr std::size_t kMaxBackupSourceBytes = 64 * 1024 * 1024;

// The whole file, or nothing when it is missing, not a regular file, unreadable or longer than
// maxBytes.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    RegularFileRead read = readRegularFile(path, 0, maxBytes + 1);
    if (!read.ok() || read.bytes.size() > maxBytes) {
        return std::nullopt;
    }
    return std::move(read.bytes);
}

std::string foldedForComparison(std::string_view folder) {
    std::string text = withTrailingSeparator(trimBlanks(folder));
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

// One line of a year file: a field between double quotes.
bool isQuotedField(std::string_view line) {
    return line.size() >= 2 && line.front() == '"' && line.back() == '"' &&
           line.substr(1, line.size() - 2).find_first_of("\"\r\n") == std::string_view::npos;
}

}  // namespace

std::string yearFileName(int year) {
    return std::to_string(year) + ".Fil";
}

std::string backupFileName(int year) {
    return std::to_string(year) + ".Bup";
}

std::string withTrailingSeparator(std::string_view folder) {
    std::string text(folder);
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

bool isProgramFolder(std::string_view folder, std::string_view programFolder) {
    if (trimBlanks(folder).empty() || trimBlanks(programFolder).empty()) {
        return false;
    }
    if (foldedForComparison(folder) == foldedForComparison(programFolder)) {
        return true;
    }
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(trimBlanks(folder)),
                                       std::filesystem::path(trimBlanks(programFolder)), error) &&
           !error;
}

bool looksLikeYearFile(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > kMaxYearFileBytes) {
        return false;
    }
    if (bytes.back() == 0x1A) {
        bytes.remove_suffix(1);
    }
    while (!bytes.empty()) {
        const std::size_t end = bytes.find("\r\n");
        if (!isQuotedField(bytes.substr(0, end))) {
            return false;
        }
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 2);
    }
    return true;
}

bool backUpYearFile(const std::filesystem::path& yearFile,
                    const std::filesystem::path& backupFile) {
    const std::optional<std::string> source = readWholeFile(yearFile, kMaxBackupSourceBytes);
    return source && writeFileSafely(backupFile, *source);
}

bool restoreYearFile(const std::filesystem::path& backupFile, const std::filesystem::path& yearFile,
                     const YearFileReplacement& around) {
    const std::optional<std::string> backup = readWholeFile(backupFile, kMaxYearFileBytes);
    if (!backup || !looksLikeYearFile(*backup)) {
        return false;
    }
    const auto write = [&] { return writeFileSafely(yearFile, *backup); };
    return around ? around(write) : write();
}

}  // namespace coinwell::backup
