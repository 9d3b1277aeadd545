#include "shell/core/planner.h"

#include <cstdint>

#include "common/core/number_parse.h"
#include "common/core/regular_file.h"

namespace coinwell {

namespace {

constexpr std::size_t kFieldLength = 10;
constexpr std::size_t kEntryLength = 50;
constexpr std::size_t kMarkerLength = 10;
constexpr std::size_t kReadLength =
    kPlannerEntries * (kFieldLength + kEntryLength) + kMarkerLength;  // 850

// Removes trailing blanks. A record the planner never wrote is zero-filled: its NUL bytes count
// as blanks too, so an unwritten record never looks like an entry.
std::string_view trimEnd(std::string_view text) {
    const auto last = text.find_last_not_of(std::string_view(" \0", 2));
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace

std::string dateOrderOf(std::string_view shortDate) {
    double month = 0;
    try {
        month = parseLeadingNumber(shortDate);
    } catch (const NumberOverflow&) {
        month = 0;
    }
    return month == 9 ? kDateOrderUsa : kDateOrderOther;
}

std::string plannerFileName(int year) {
    return " " + std::to_string(year) + ".Cal";
}

int plannerRecordNumber(int month, int day) {
    switch (month) {
        case 10:
            return day + 320;
        case 11:
            return day + 360;
        case 12:
            return day + 400;
        default:
            return day * 10 + month;
    }
}

std::optional<PlannerRecord> parsePlannerRecord(std::string_view bytes) {
    if (bytes.size() < kReadLength) {
        return std::nullopt;
    }
    PlannerRecord record;
    std::size_t at = 0;
    for (auto& field : record.fields) {
        field.assign(bytes.substr(at, kFieldLength));
        at += kFieldLength;
    }
    for (auto& entry : record.entries) {
        entry.assign(bytes.substr(at, kEntryLength));
        at += kEntryLength;
    }
    record.marker.assign(bytes.substr(at, kMarkerLength));
    return record;
}

std::optional<PlannerRecord> readPlannerRecord(const std::filesystem::path& file,
                                               int recordNumber) {
    if (recordNumber < 1) {
        return std::nullopt;
    }
    // Never a blocking open: a pipe or device of the planner's name must not hang the start.
    const RegularFileRead read = readRegularFile(
        file, static_cast<std::uint64_t>(recordNumber - 1) * kPlannerRecordLength, kReadLength);
    if (!read.ok() || read.bytes.size() != kReadLength) {
        return std::nullopt;
    }
    return parsePlannerRecord(read.bytes);
}

bool recordHasEntry(const PlannerRecord& record) {
    if (trimEnd(record.marker) != "Full") {
        return false;
    }
    for (const auto& entry : record.entries) {
        if (!trimEnd(entry).empty()) {
            return true;
        }
    }
    return false;
}

bool checkReminder(const DateTime& today, const std::filesystem::path& folder) {
    // The day and month come from the date itself rather than from positions in a formatted
    // text, which shift with a date separator longer than one character.
    const auto record = readPlannerRecord(folder / plannerFileName(today.year),
                                          plannerRecordNumber(today.month, today.day));
    return record && recordHasEntry(*record);
}

}  // namespace coinwell
