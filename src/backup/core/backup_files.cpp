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

bool isControlByte(unsigned char c) {
    // Tab, line feed, carriage return and the old end-of-file mark are text.
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != 0x1A) || c == 0x7F;
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
    if (bytes.empty() || bytes.size() > kMaxYearFileBytes || bytes.front() != '"') {
        return false;
    }
    return std::none_of(bytes.begin(), bytes.end(),
                        [](char c) { return isControlByte(static_cast<unsigned char>(c)); });
}

bool backUpYearFile(const std::filesystem::path& yearFile,
                    const std::filesystem::path& backupFile) {
    const std::optional<std::string> source = readWholeFile(yearFile, kMaxBackupSourceBytes);
    return source && writeFileSafely(backupFile, *source);
}

bool restoreYearFile(const std::filesystem::path& backupFile,
                     const std::filesystem::path& yearFile) {
    const std::optional<std::string> backup = readWholeFile(backupFile, kMaxYearFileBytes);
    return backup && looksLikeYearFile(*backup) && writeFileSafely(yearFile, *backup);
}

}  // namespace coinwell::backup
