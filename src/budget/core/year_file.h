#pragma once
// The budget year file: the year followed by ".Fil" in the program folder, Windows-1252 text of
// 662 lines, each a double quote, the field's text, a double quote and CR LF, with no escaping,
// header or count. Fields in order: for item rows 1-50 the name and the twelve monthly amounts
// (650 fields), then the twelve monthly Total Income captions.
//
// Reading takes each line's quoted text as one field (a field that is not quoted ends at a
// comma or the line's end); a file that ends early leaves the remaining fields empty, and lines
// after the 662nd are not read. Writing goes through a safe write: the file on disk is either
// the old one or the new one, never a mixture, and a failed save says why.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "budget/core/budget_year.h"
#include "common/core/entry_length.h"

namespace coinwell::budget {

inline constexpr int kYearFileFields = kItemRows * (kMonths + 1) + kMonths;  // 662
// The longest field a save writes (the Input Box's limit); a longer one in a damaged file is cut
// there when reading.
inline constexpr std::size_t kMaxFieldBytes = kMaxEntryLength;

// "2012.Fil": the year with the blanks around it removed, followed by ".Fil".
std::string yearFileName(std::string_view year);

// The first character of a text that the year file cannot hold, or nothing when every
// character can be stored: one that Windows-1252 has no byte for, a double quote (fields are
// not escaped, so it would end the field) or a line break (it would end the line).
std::optional<std::string> unstorableCharacter(std::string_view text);

// The bytes of the year file for a year. Nothing when a text cannot be stored (see
// unstorableCharacter); the grid row and column (a month caption: row 0, column 2-13) of the
// first such text are then given.
struct UnstorableCell {
    int row = 0;
    int column = 0;
    std::string character;
};
std::optional<std::string> yearFileBytes(const BudgetYear& year,
                                         UnstorableCell* unstorable = nullptr);

// Reads year-file fields from bytes that arrive in pieces, such as a file read block by block,
// in bounded memory: only the first kMaxFieldBytes bytes of a field are kept.
class YearFileReader {
  public:
    // Takes the next bytes; false once every field has been read (the rest is not needed).
    bool feed(std::string_view bytes);
    // The end of the data: a field in progress is complete.
    void finish();
    int fieldsRead() const { return fields_; }
    bool complete() const { return fields_ >= kYearFileFields; }
    // The year as read: incomes as the file holds them, fields not read empty.
    const BudgetYear& year() const { return year_; }

  private:
    enum class State { FieldStart, Quoted, AfterQuote, Unquoted };
    void take(char byte);
    void keep(char byte);
    void endField();

    BudgetYear year_;
    std::string field_;
    State state_ = State::FieldStart;
    bool skipLineFeed_ = false;  // a CR ended the last field: a LF right after it is its pair
    int fields_ = 0;
};

// The whole content of a year file read as fields.
BudgetYear parseYearFile(std::string_view bytes);

// loadYear's reading of a year file. A file that does not exist, cannot be opened, is not a
// regular file (a folder, a pipe) or holds 0 bytes is a new year: every text empty. Otherwise
// the fields are read, and a Total Income whose numeric value is not above 0 becomes "0".
struct LoadedYear {
    BudgetYear year;
    bool newYear = true;
};
LoadedYear readYearFile(const std::filesystem::path& file);

// True when the file exists as a regular file of at least one byte (what a backup can copy).
bool yearFileHasContent(const std::filesystem::path& file);

// The outcome of a save or a copy; reason says in plain words why it failed.
struct YearFileResult {
    enum class Outcome { Done, NothingToCopy, Failed };
    Outcome outcome = Outcome::Done;
    std::string reason;

    bool ok() const { return outcome == Outcome::Done; }
};

// saveYear's writing: the year file replaced as a whole, or left as it was on any failure.
YearFileResult writeYearFile(const std::filesystem::path& file, const BudgetYear& year);

// copyYearFile's copy: the bytes of the saved file from, as they are, replace the file to as a
// whole (or leave it as it was). A source that is missing, unreadable or not a regular file
// gives NothingToCopy and changes nothing.
YearFileResult copyYearFile(const std::filesystem::path& from, const std::filesystem::path& to);

// A system error in plain words ("The disk is full.").
std::string plainFileError(const std::error_code& error);

}  // namespace coinwell::budget
