#include "budget/core/year_file.h"

#include <cerrno>

#include "budget/core/stored_number.h"
#include "common/core/regular_file.h"
#include "common/core/safe_write.h"
#include "common/core/text_trim.h"
#include "common/core/windows1252.h"

namespace coinwell::budget {

namespace {

constexpr std::size_t kReadBlock = 64 * 1024;

bool isLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

}  // namespace

std::string yearFileName(std::string_view year) {
    return std::string(trimBlanks(year)) + ".Fil";
}

std::optional<std::string> unstorableCharacter(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        // One UTF-8 character at a time; a byte that starts no valid sequence is one character.
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[pos]);
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
        }
        for (std::size_t i = 1; i < length; ++i) {
            if (pos + i >= text.size() ||
                (static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
                length = 1;
                break;
            }
        }
        const std::string_view character = text.substr(pos, length);
        if (character == "\"" || isLineEnd(character[0]) || !utf8ToWindows1252(character)) {
            return std::string(character);
        }
        pos += length;
    }
    return std::nullopt;
}

std::optional<std::string> yearFileBytes(const BudgetYear& year, UnstorableCell* unstorable) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(kYearFileFields) * 12);
    const auto append = [&](const std::string& text, int row, int column) {
        const auto bad = unstorableCharacter(text);
        const auto encoded = bad ? std::nullopt : utf8ToWindows1252(text);
        if (!encoded) {
            if (unstorable) {
                *unstorable = {row, column, bad.value_or(std::string())};
            }
            return false;
        }
        bytes += '"';
        bytes += *encoded;
        bytes += "\"\r\n";
        return true;
    };
    for (int row = 1; row <= kItemRows; ++row) {
        for (int column = kItemColumn; column <= kLastMonthColumn; ++column) {
            if (!append(year.cellText(row, column), row, column)) {
                return std::nullopt;
            }
        }
    }
    for (int month = 0; month < kMonths; ++month) {
        if (!append(year.income[static_cast<std::size_t>(month)], 0, kFirstMonthColumn + month)) {
            return std::nullopt;
        }
    }
    return bytes;
}

// ---- reading ---------------------------------------------------------------------------------

bool YearFileReader::feed(std::string_view bytes) {
    for (const char byte : bytes) {
        if (complete()) {
            return false;
        }
        take(byte);
    }
    return !complete();
}

void YearFileReader::take(char byte) {
    if (skipLineFeed_) {
        skipLineFeed_ = false;
        if (byte == '\n') {
            return;
        }
    }
    switch (state_) {
        case State::FieldStart:
            if (byte == ' ' || byte == '\t') {
                return;  // blanks before a field are not part of it
            }
            if (byte == '"') {
                state_ = State::Quoted;
            } else if (byte == ',') {
                endField();
            } else if (isLineEnd(byte)) {
                skipLineFeed_ = byte == '\r';
                endField();
            } else {
                state_ = State::Unquoted;
                keep(byte);
            }
            return;
        case State::Quoted:
            // The closing quote ends the text; a line end without one ends the field too, so
            // that a damaged line cannot swallow the fields after it.
            if (byte == '"') {
                state_ = State::AfterQuote;
            } else if (isLineEnd(byte)) {
                skipLineFeed_ = byte == '\r';
                endField();
            } else {
                keep(byte);
            }
            return;
        case State::AfterQuote:
            // Whatever follows the closing quote up to the comma or line end is not the field's.
            if (byte == ',') {
                endField();
            } else if (isLineEnd(byte)) {
                skipLineFeed_ = byte == '\r';
                endField();
            }
            return;
        case State::Unquoted:
            if (byte == ',') {
                endField();
            } else if (isLineEnd(byte)) {
                skipLineFeed_ = byte == '\r';
                endField();
            } else {
                keep(byte);
            }
            return;
    }
}

void YearFileReader::keep(char byte) {
    if (field_.size() < kMaxFieldBytes) {
        field_ += byte;
    }
}

void YearFileReader::endField() {
    if (state_ == State::Unquoted) {
        // An unquoted field ends without its trailing blanks.
        while (!field_.empty() && (field_.back() == ' ' || field_.back() == '\t')) {
            field_.pop_back();
        }
    }
    std::string text = windows1252ToUtf8(field_);
    field_.clear();
    state_ = State::FieldStart;
    if (complete()) {
        return;
    }
    const int index = fields_++;
    constexpr int kItemFields = kItemRows * (kMonths + 1);
    if (index < kItemFields) {
        const int row = 1 + index / (kMonths + 1);
        const int column = kItemColumn + index % (kMonths + 1);
        *year_.cell(row, column) = std::move(text);
    } else {
        year_.income[static_cast<std::size_t>(index - kItemFields)] = std::move(text);
    }
}

void YearFileReader::finish() {
    if (state_ != State::FieldStart) {
        endField();
    }
}

BudgetYear parseYearFile(std::string_view bytes) {
    YearFileReader reader;
    reader.feed(bytes);
    reader.finish();
    return reader.year();
}

LoadedYear readYearFile(const std::filesystem::path& file) {
    LoadedYear loaded;
    if (!yearFileHasContent(file)) {
        return loaded;  // the new-year path: an empty budget
    }
    YearFileReader reader;
    // Block by block, so that an outsized file is not held whole; a file that cannot be read
    // further ends there and what was read is kept.
    for (std::uint64_t offset = 0;; offset += kReadBlock) {
        const RegularFileRead block = readRegularFile(file, offset, kReadBlock);
        if (!block.ok() || block.bytes.empty() || !reader.feed(block.bytes)) {
            break;
        }
    }
    reader.finish();
    loaded.year = reader.year();
    loaded.newYear = false;
    for (std::string& income : loaded.year.income) {
        if (!(storedNumber(income) > 0)) {
            income = "0";
        }
    }
    return loaded;
}

bool yearFileHasContent(const std::filesystem::path& file) {
    const RegularFileRead first = readRegularFile(file, 0, 1);
    return first.ok() && !first.bytes.empty();
}

// ---- writing ---------------------------------------------------------------------------------

YearFileResult writeYearFile(const std::filesystem::path& file, const BudgetYear& year) {
    UnstorableCell unstorable;
    const std::optional<std::string> bytes = yearFileBytes(year, &unstorable);
    if (!bytes) {
        std::string where =
            unstorable.row == 0
                ? "the Total Income of " + std::string(gridHeading(unstorable.column))
                : "row " + std::to_string(unstorable.row) + ", column " +
                      std::string(gridHeading(unstorable.column));
        return {YearFileResult::Outcome::Failed, "The entry in " + where + " holds the character " +
                                                     unstorable.character +
                                                     ", which a budget file cannot store."};
    }
    std::error_code error;
    if (!writeFileSafely(file, *bytes, error)) {
        return {YearFileResult::Outcome::Failed, plainFileError(error)};
    }
    return {};
}

YearFileResult copyYearFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    const RegularFileRead input = readRegularFile(from);
    if (!input.ok()) {
        return {YearFileResult::Outcome::NothingToCopy, {}};
    }
    std::error_code error;
    if (!writeFileSafely(to, input.bytes, error)) {
        return {YearFileResult::Outcome::Failed, plainFileError(error)};
    }
    return {};
}

std::string plainFileError(const std::error_code& error) {
    switch (error.value()) {
        case ENOSPC:
        case EDQUOT:
            return "The disk is full.";
        case EROFS:
            return "The disk or folder is read-only.";
        case EACCES:
        case EPERM:
            return "Permission to write the file was denied.";
        case EISDIR:
            return "A folder has the name of the file.";
        case EINVAL:
            return "Something other than a file has the name of the file.";
        case ENOENT:
        case ENOTDIR:
            return "The program folder cannot be found.";
        case EIO:
            return "The disk reported an error while writing.";
        default:
            break;
    }
    std::string text = error.message();
    if (!text.empty()) {
        text += '.';
    }
    return text.empty() ? "The file could not be written." : text;
}

}  // namespace coinwell::budget
