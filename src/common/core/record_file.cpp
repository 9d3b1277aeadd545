#include "common/core/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

#include "common/core/regular_file.h"
#include "common/core/safe_write.h"
#include "common/core/windows1252.h"

namespace coinwell {

namespace {

// No settings file of the suite comes anywhere near this; it keeps a wild record number from
// making a huge file.
constexpr int kMaxRecord = 65535;

std::uint16_t readUint16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

template <typename T>
T readLittleEndian(std::string_view bytes, std::size_t at) {
    std::uint64_t raw = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        raw |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    if constexpr (sizeof(T) == 2) {
        const auto narrow = static_cast<std::uint16_t>(raw);
        T value;
        std::memcpy(&value, &narrow, sizeof value);
        return value;
    } else if constexpr (sizeof(T) == 4) {
        const auto narrow = static_cast<std::uint32_t>(raw);
        T value;
        std::memcpy(&value, &narrow, sizeof value);
        return value;
    } else {
        T value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
}

template <typename T>
void appendLittleEndian(std::string& out, T value) {
    std::uint64_t raw = 0;
    std::memcpy(&raw, &value, sizeof value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out += static_cast<char>((raw >> (8 * i)) & 0xFF);
    }
}

void appendUint16(std::string& out, std::uint16_t value) {
    appendLittleEndian(out, value);
}

}  // namespace

std::uint16_t variantTag(const RecordVariant& value) {
    constexpr std::uint16_t tags[] = {0, 2, 3, 4, 5, 8};
    return tags[value.index()];
}

RecordFile::RecordFile(std::filesystem::path path, std::size_t recordLength)
    : path_(std::move(path)), recordLength_(recordLength < 2 ? 2 : recordLength) {
    bool missing = false;
    readable_ = load(content_, &missing);
    if (missing) {
        // Create an empty file; one made meanwhile by another program is never truncated.
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
        } else if (errno == EEXIST) {
            readable_ = load(content_);
        }
    }
    if (!readable_) {
        content_.clear();
    }
}

bool RecordFile::load(std::string& content, bool* missing) const {
    RegularFileRead read = readRegularFile(path_);
    content = std::move(read.bytes);
    if (read.status == RegularFileRead::Status::Missing) {
        if (missing != nullptr) {
            *missing = true;
        }
        return true;  // a missing file holds nothing to keep
    }
    return read.ok();
}

std::string_view RecordFile::recordBytes(int record) const {
    if (record < 1 || record > kMaxRecord) {
        return {};
    }
    const std::size_t offset = static_cast<std::size_t>(record - 1) * recordLength_;
    if (offset >= content_.size()) {
        return {};
    }
    return std::string_view(content_).substr(offset, recordLength_);
}

std::string RecordFile::decodeText(std::string_view record, std::size_t recordLength) {
    if (record.size() < 2) {
        return {};
    }
    const std::size_t length = readUint16(record, 0);
    if (length + 2 > recordLength || length + 2 > record.size()) {
        return {};
    }
    return windows1252ToUtf8(record.substr(2, length));
}

std::int16_t RecordFile::decodeInteger(std::string_view record) {
    return record.size() < 2 ? std::int16_t{0} : readLittleEndian<std::int16_t>(record, 0);
}

RecordVariant RecordFile::decodeVariant(std::string_view record, std::size_t recordLength) {
    if (record.size() < 2) {
        return {};
    }
    const std::size_t limit = std::min(record.size(), recordLength);
    auto fits = [&](std::size_t bytes) { return 2 + bytes <= limit; };
    switch (readUint16(record, 0)) {
        case 2:
            if (fits(2)) {
                return readLittleEndian<std::int16_t>(record, 2);
            }
            break;
        case 3:
            if (fits(4)) {
                return readLittleEndian<std::int32_t>(record, 2);
            }
            break;
        case 4:
            if (fits(4)) {
                return readLittleEndian<float>(record, 2);
            }
            break;
        case 5:
            if (fits(8)) {
                return readLittleEndian<double>(record, 2);
            }
            break;
        case 8:
            if (fits(2)) {
                const std::size_t length = readUint16(record, 2);
                if (fits(2 + length)) {
                    return windows1252ToUtf8(record.substr(4, length));
                }
            }
            break;
        default:
            break;
    }
    return {};
}

std::string RecordFile::readText(int record) const {
    return decodeText(recordBytes(record), recordLength_);
}

std::int16_t RecordFile::readInteger(int record) const {
    return decodeInteger(recordBytes(record));
}

RecordVariant RecordFile::readVariant(int record) const {
    return decodeVariant(recordBytes(record), recordLength_);
}

std::optional<std::string> RecordFile::encodeText(std::string_view text, std::size_t recordLength) {
    const auto bytes = utf8ToWindows1252(text);
    if (!bytes || bytes->size() + 2 > recordLength) {
        return std::nullopt;
    }
    std::string out;
    appendUint16(out, static_cast<std::uint16_t>(bytes->size()));
    return out + *bytes;
}

std::optional<std::string> RecordFile::encodeVariant(const RecordVariant& value,
                                                     std::size_t recordLength) {
    std::string out;
    appendUint16(out, variantTag(value));
    if (const auto* text = std::get_if<std::string>(&value)) {
        const auto bytes = utf8ToWindows1252(*text);
        if (!bytes || bytes->size() > std::numeric_limits<std::uint16_t>::max()) {
            return std::nullopt;
        }
        appendUint16(out, static_cast<std::uint16_t>(bytes->size()));
        out += *bytes;
    } else {
        std::visit(
            [&out](const auto& number) {
                using T = std::decay_t<decltype(number)>;
                if constexpr (!std::is_same_v<T, std::monostate> &&
                              !std::is_same_v<T, std::string>) {
                    appendLittleEndian(out, number);
                }
            },
            value);
    }
    if (out.size() > recordLength) {
        return std::nullopt;
    }
    return out;
}

bool RecordFile::stage(int record, std::optional<std::string> bytes) {
    if (!bytes || !readable_ || record < 1 || record > kMaxRecord) {
        return false;
    }
    staged_.push_back(
        Patch{static_cast<std::size_t>(record - 1) * recordLength_, std::move(*bytes)});
    return true;
}

bool RecordFile::stageText(int record, std::string_view text) {
    return stage(record, encodeText(text, recordLength_));
}

bool RecordFile::stageInteger(int record, std::int16_t value) {
    std::string bytes;
    appendLittleEndian(bytes, value);
    return stage(record, std::move(bytes));
}

bool RecordFile::stageVariant(int record, const RecordVariant& value) {
    return stage(record, encodeVariant(value, recordLength_));
}

bool RecordFile::stageBytes(int record, std::string bytes) {
    if (bytes.size() > recordLength_) {
        return false;
    }
    return stage(record, std::move(bytes));
}

bool RecordFile::save() {
    if (staged_.empty()) {
        return readable_;
    }
    std::string content;
    const bool fresh = load(content);
    std::vector<Patch> patches = std::move(staged_);
    staged_.clear();
    if (!fresh) {
        return false;  // never rewrite a file whose present content is unknown
    }
    for (const Patch& patch : patches) {
        if (content.size() < patch.offset + patch.bytes.size()) {
            content.resize(patch.offset + patch.bytes.size(), '\0');
        }
        content.replace(patch.offset, patch.bytes.size(), patch.bytes);
    }
    if (!writeFileSafely(path_, content)) {
        return false;
    }
    content_ = std::move(content);
    return true;
}

bool RecordFile::writeText(int record, std::string_view text) {
    return stageText(record, text) && save();
}

bool RecordFile::writeInteger(int record, std::int16_t value) {
    return stageInteger(record, value) && save();
}

bool RecordFile::writeVariant(int record, const RecordVariant& value) {
    return stageVariant(record, value) && save();
}

}  // namespace coinwell
