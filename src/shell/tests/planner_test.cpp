#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "common/core/locale_settings.h"
#include "common/tests/support/blocking_guard.h"
#include "shell/core/planner.h"

namespace coinwell {
namespace {

namespace fs = std::filesystem;

// A planner record as the planner program stores it: fourteen 10-character fields, fourteen
// 50-character entries, a 10-character marker and 50 unused bytes, all blank-padded.
std::string makeRecord(const std::string& marker, int entryIndex = -1,
                       const std::string& entryText = {}) {
    std::string record;
    for (int i = 0; i < kPlannerEntries; ++i) {
        record += std::string(10, ' ');
    }
    for (int i = 0; i < kPlannerEntries; ++i) {
        std::string entry = i == entryIndex ? entryText : std::string();
        entry.resize(50, ' ');
        record += entry;
    }
    std::string paddedMarker = marker;
    paddedMarker.resize(10, ' ');
    record += paddedMarker;
    record += std::string(50, ' ');
    return record;
}

class PlannerFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("coinwell-planner-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Writes a planner file of the year where the given record sits at its number and every
    // record before it is empty (zero-filled, as a file of fixed records leaves unwritten ones).
    void writePlanner(int year, int recordNumber, const std::string& record) {
        std::ofstream out(folder_ / plannerFileName(year), std::ios::binary);
        out << std::string((recordNumber - 1) * kPlannerRecordLength, '\0') << record;
    }

    fs::path folder_;
};

TEST(PlannerRecordNumber, NamedDaysAndWholeYearWithoutCollisions) {
    EXPECT_EQ(plannerRecordNumber(1, 1), 11);
    EXPECT_EQ(plannerRecordNumber(3, 5), 53);
    EXPECT_EQ(plannerRecordNumber(3, 15), 153);
    EXPECT_EQ(plannerRecordNumber(9, 9), 99);
    EXPECT_EQ(plannerRecordNumber(8, 31), 318);
    EXPECT_EQ(plannerRecordNumber(10, 1), 321);
    EXPECT_EQ(plannerRecordNumber(11, 30), 390);
    EXPECT_EQ(plannerRecordNumber(12, 31), 431);

    // Every day of a leap year has a record of its own between 11 and 431.
    const int lengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::set<int> seen;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= lengths[month - 1]; ++day) {
            const int record = plannerRecordNumber(month, day);
            EXPECT_TRUE(seen.insert(record).second)
                << month << "/" << day << " shares record " << record;
            EXPECT_GE(record, 11);
            EXPECT_LE(record, 431);
        }
    }
    EXPECT_EQ(seen.size(), 366u);
}

TEST(PlannerFileName, BlankYearAndExtension) {
    EXPECT_EQ(plannerFileName(2011), " 2011.Cal");
    EXPECT_EQ(plannerFileName(2026), " 2026.Cal");
}

TEST(DateOrder, MonthFirstShortDatesAreUsa) {
    EXPECT_EQ(dateOrderOf("9/30/2006"), "USA");
    EXPECT_EQ(dateOrderOf("09/30/06"), "USA");
    EXPECT_EQ(dateOrderOf("09-30-2006"), "USA");
    EXPECT_EQ(dateOrderOf("30/09/2006"), "OTHER");
    EXPECT_EQ(dateOrderOf("30.09.2006"), "OTHER");
    EXPECT_EQ(dateOrderOf("2006-09-30"), "OTHER");
    EXPECT_EQ(dateOrderOf(""), "OTHER");
}

// The system's short date decides the order; the date shown follows it.
TEST(DateOrder, FollowsTheLocaleShortDate) {
    const LocaleSettings saved = currentLocale();
    struct Case {
        DateOrder order;
        const char* shortDate;
        const char* separator;
        const char* expected;
        const char* reminderDate;
    };
    const Case cases[] = {
        {DateOrder::MonthDayYear, "m/d/yyyy", "/", "USA", "October 1, 2026"},
        {DateOrder::MonthDayYear, "mm/dd/yy", "-", "USA", "October 1, 2026"},
        {DateOrder::DayMonthYear, "dd/mm/yyyy", "/", "OTHER", "1 October 2026"},
        {DateOrder::DayMonthYear, "d.m.yyyy", ".", "OTHER", "1 October 2026"},
        {DateOrder::YearMonthDay, "yyyy/mm/dd", "-", "OTHER", "1 October 2026"},
    };
    for (const Case& c : cases) {
        LocaleSettings locale;
        locale.dateOrder = c.order;
        locale.shortDatePattern = c.shortDate;
        locale.dateSeparator = c.separator;
        setCurrentLocale(locale);
        const std::string order = dateOrder();
        EXPECT_EQ(order, c.expected) << c.shortDate;
        EXPECT_EQ(reminderDateText({2026, 10, 1, 8, 0, 0}, order), c.reminderDate) << c.shortDate;
    }
    setCurrentLocale(saved);
}

TEST(PlannerRecordText, MarkerAndEntriesDecideTheReminder) {
    auto has = [](const std::string& bytes) {
        const auto record = parsePlannerRecord(bytes);
        return record && recordHasEntry(*record);
    };
    EXPECT_FALSE(has(makeRecord("Full"))) << "marked Full but every entry blank";
    EXPECT_TRUE(has(makeRecord("Full", 0, "Dentist 9:30")));
    EXPECT_TRUE(has(makeRecord("Full", 13, "x"))) << "the last of the fourteen entries counts";
    EXPECT_TRUE(has(makeRecord("Full", 5, "   leading blanks stay")));
    EXPECT_FALSE(has(makeRecord("", 0, "entry without marker")));
    EXPECT_FALSE(has(makeRecord("full", 0, "marker is case-sensitive")));
    EXPECT_FALSE(has(makeRecord(" Full", 0, "leading blank in marker")));
    EXPECT_FALSE(has(makeRecord("Fuller", 0, "other marker")));

    // An entry of NUL bytes is an unwritten entry, not an appointment.
    std::string nulEntry = makeRecord("Full");
    std::fill_n(nulEntry.begin() + 140, 50, '\0');
    EXPECT_FALSE(has(nulEntry));

    // Windows-1252 text (an e acute) is an entry like any other.
    EXPECT_TRUE(has(makeRecord("Full", 2, "Caf\xE9")));

    // The first 850 bytes are all that is read; fewer are no record.
    EXPECT_TRUE(has(makeRecord("Full", 0, "x").substr(0, 850)));
    EXPECT_FALSE(parsePlannerRecord(makeRecord("Full", 0, "x").substr(0, 849)).has_value());
}

TEST_F(PlannerFolder, TodaysRecordOfThisYearsFileIsRead) {
    writePlanner(2026, plannerRecordNumber(12, 31), makeRecord("Full", 3, "New Year's Eve party"));
    EXPECT_TRUE(checkReminder({2026, 12, 31, 9, 15, 0}, folder_));
    EXPECT_FALSE(checkReminder({2026, 12, 30, 9, 15, 0}, folder_)) << "the day before is unwritten";
    EXPECT_FALSE(checkReminder({2025, 12, 31, 9, 15, 0}, folder_)) << "no file for that year";
    EXPECT_FALSE(checkReminder({2027, 1, 1, 0, 0, 0}, folder_));
}

TEST_F(PlannerFolder, RecordsBeyondTheEndOrCutShortGiveNoReminder) {
    // 1 January is record 11: a file holding only 10 records ends before it.
    writePlanner(2026, 10, makeRecord("Full", 0, "tenth record"));
    EXPECT_FALSE(checkReminder({2026, 1, 1, 0, 0, 0}, folder_));

    // A file ending inside the read part of today's record.
    {
        std::ofstream out(folder_ / plannerFileName(2026), std::ios::binary);
        out << std::string(10 * kPlannerRecordLength, '\0')
            << makeRecord("Full", 0, "x").substr(0, 700);
    }
    EXPECT_FALSE(checkReminder({2026, 1, 1, 0, 0, 0}, folder_));

    // A file ending inside the 50 unread bytes still holds the record.
    {
        std::ofstream out(folder_ / plannerFileName(2026), std::ios::binary);
        out << std::string(10 * kPlannerRecordLength, '\0')
            << makeRecord("Full", 0, "x").substr(0, 860);
    }
    EXPECT_TRUE(checkReminder({2026, 1, 1, 0, 0, 0}, folder_));

    EXPECT_FALSE(readPlannerRecord(folder_ / plannerFileName(2026), 0).has_value());
    EXPECT_FALSE(readPlannerRecord(folder_ / "missing.Cal", 1).has_value());
}

TEST_F(PlannerFolder, DaysOfTheYearFindTheirOwnRecords) {
    // A file where each listed day carries its own text: reading a day must give its text.
    const std::pair<int, int> days[] = {{1, 1}, {3, 5},  {3, 15},  {8, 31},
                                        {9, 9}, {10, 1}, {11, 30}, {12, 31}};
    {
        std::string file(431 * kPlannerRecordLength, '\0');
        for (const auto& [month, day] : days) {
            const std::string record =
                makeRecord("Full", 0, std::to_string(month) + "/" + std::to_string(day));
            file.replace((plannerRecordNumber(month, day) - 1) * kPlannerRecordLength,
                         kPlannerRecordLength, record);
        }
        std::ofstream(folder_ / plannerFileName(2024), std::ios::binary) << file;
    }
    for (const auto& [month, day] : days) {
        const auto record =
            readPlannerRecord(folder_ / plannerFileName(2024), plannerRecordNumber(month, day));
        ASSERT_TRUE(record.has_value());
        std::string expected = std::to_string(month) + "/" + std::to_string(day);
        expected.resize(50, ' ');
        EXPECT_EQ(record->entries[0], expected);
        EXPECT_TRUE(checkReminder({2024, month, day, 12, 0, 0}, folder_));
    }
    EXPECT_FALSE(checkReminder({2024, 2, 29, 12, 0, 0}, folder_));
}

TEST_F(PlannerFolder, PipeDeviceOrFolderOfThePlannersNameIsPassedOverAtOnce) {
    const fs::path planner = folder_ / plannerFileName(2026);
    const DateTime today{2026, 1, 1, 9, 0, 0};

    ASSERT_EQ(::mkfifo(planner.c_str(), 0600), 0);
    bool reminded = true;
    EXPECT_TRUE(finishesPromptly([&] { reminded = checkReminder(today, folder_); }, planner));
    EXPECT_FALSE(reminded);
    fs::remove(planner);

    fs::create_symlink("/dev/zero", planner);
    EXPECT_FALSE(checkReminder(today, folder_));
    fs::remove(planner);

    fs::create_directory(planner);
    EXPECT_FALSE(checkReminder(today, folder_));
}

}  // namespace
}  // namespace coinwell
