#pragma once
// Files of fixed-length records, as the settings files of the suite are kept: record n (from 1)
// starts at byte (n - 1) x L. Values are little-endian, texts single-byte Windows-1252:
//   text     a 16-bit length n, then n characters (n <= L - 2)
//   integer  16-bit signed
//   variant  a 16-bit type tag, then the value: 0 empty (nothing), 2 16-bit integer, 3 32-bit
//            integer, 4 single, 5 double, 8 text (a 16-bit length and the characters)
// A write changes only the bytes of the value; every other byte of the file stays as it was
// (a file too short is extended with zero bytes). Reading never fails: a record beyond the end,
// a value running past its record or the file, an unknown tag, an unreadable file or a folder
// of that name all read as an empty value.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace coinwell {

// Empty, 16-bit integer (tag 2), 32-bit integer (tag 3), single (tag 4), double (tag 5), text
// (tag 8, UTF-8 in memory).
using RecordVariant =
    std::variant<std::monostate, std::int16_t, std::int32_t, float, double, std::string>;

// The tag a variant is stored with.
std::uint16_t variantTag(const RecordVariant& value);

class RecordFile {
  public:
    // Opens the file for record access: creates it empty when it does not exist and reads it.
    RecordFile(std::filesystem::path path, std::size_t recordLength);

    // False when the file exists but could not be read (or is a folder): reads give empty
    // values and writes are refused, so that nothing of the file is lost.
    bool isReadable() const { return readable_; }
    const std::filesystem::path& path() const { return path_; }
    std::size_t recordLength() const { return recordLength_; }

    std::string readText(int record) const;
    std::int16_t readInteger(int record) const;
    RecordVariant readVariant(int record) const;
    // The record's bytes as far as the file holds them (shorter than L at the end of the file).
    std::string_view recordBytes(int record) const;

    // Each write puts the value into the file at once, through a safe write; false when the value
    // does not fit its record, cannot be stored in Windows-1252, or the file cannot be written.
    bool writeText(int record, std::string_view text);
    bool writeInteger(int record, std::int16_t value);
    bool writeVariant(int record, const RecordVariant& value);

    // Several values in one writing of the file: stage them, then save(). A value that does not
    // fit is not staged (false) and the others still are.
    bool stageText(int record, std::string_view text);
    bool stageInteger(int record, std::int16_t value);
    bool stageVariant(int record, const RecordVariant& value);
    // Raw bytes from the start of a record (at most L).
    bool stageBytes(int record, std::string bytes);
    // Re-reads the file (so that another program's writes since opening are kept), puts the
    // staged values in and writes it safely; false when nothing could be written.
    bool save();

    // The encodings, for tests and tools: the bytes a value is stored as (nothing when it does
    // not fit a record of the given length).
    static std::optional<std::string> encodeText(std::string_view text, std::size_t recordLength);
    static std::optional<std::string> encodeVariant(const RecordVariant& value,
                                                    std::size_t recordLength);
    // Decoding one record's bytes (at most L; fewer when the file ends inside the record).
    static std::string decodeText(std::string_view record, std::size_t recordLength);
    static std::int16_t decodeInteger(std::string_view record);
    static RecordVariant decodeVariant(std::string_view record, std::size_t recordLength);

  private:
    struct Patch {
        std::size_t offset;
        std::string bytes;
    };
    bool stage(int record, std::optional<std::string> bytes);
    bool load(std::string& content, bool* missing = nullptr) const;

    std::filesystem::path path_;
    std::size_t recordLength_;
    std::string content_;
    bool readable_ = false;
    std::vector<Patch> staged_;
};

}  // namespace coinwell
