#pragma once
// The daily planner reminder: another program of the suite keeps one planner file per year in the
// program folder; when today's record holds an entry, the main screen shows a reminder panel.
// This program only reads the planner file.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/date_time.h"

namespace coinwell {

// Order of month and day in the system's short date: "USA" (month first) or "OTHER".
inline constexpr char kDateOrderUsa[] = "USA";
inline constexpr char kDateOrderOther[] = "OTHER";

// The order shown by a short date text of 30 September 2006: "USA" when the text begins with the
// month number 9, "OTHER" otherwise.
std::string dateOrderOf(std::string_view shortDateOf30September2006);

// The order of the current locale's short date.
std::string dateOrder();

// Today's date as the reminder shows it: "mmmm d, yyyy" for "USA", "d mmmm yyyy" otherwise.
std::string reminderDateText(const DateTime& today, std::string_view order);

// The planner file of a year: a blank, the year and ".Cal" (" 2011.Cal").
std::string plannerFileName(int year);

// The record of a day in its year's planner file (1-based): day × 10 + month for January to
// September, day + 320 in October, day + 360 in November, day + 400 in December.
int plannerRecordNumber(int month, int day);

inline constexpr std::size_t kPlannerRecordLength = 900;
inline constexpr int kPlannerEntries = 14;

// The parts of a planner record this program reads, as stored (blank-padded, Windows-1252).
struct PlannerRecord {
    std::array<std::string, kPlannerEntries> fields;   // 10 characters each
    std::array<std::string, kPlannerEntries> entries;  // 50 characters each
    std::string marker;                                // 10 characters
};

// Splits the first 850 bytes of a stored record; nothing when fewer bytes are given.
std::optional<PlannerRecord> parsePlannerRecord(std::string_view bytes);

// Reads one record of a planner file; nothing when the file is missing, unreadable or ends
// before the whole record.
std::optional<PlannerRecord> readPlannerRecord(const std::filesystem::path& file, int recordNumber);

// True when the record is marked "Full" and holds at least one entry that is not blank.
bool recordHasEntry(const PlannerRecord& record);

// True when today's record in the planner file of the folder holds an entry.
bool checkReminder(const DateTime& today, const std::filesystem::path& folder = ".");

}  // namespace coinwell
