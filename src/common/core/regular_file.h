#pragma once
// Reading a data or settings file by name, safely: only a regular file is read, and the opening
// never blocks, so a pipe, a device or a folder that happens to carry the name cannot hang the
// program or feed it endless bytes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

namespace coinwell {

struct RegularFileRead {
    enum class Status {
        Read,        // bytes holds what was asked for (less where the file ends first)
        Missing,     // nothing of that name
        NotRegular,  // a folder, pipe, device or socket of that name: nothing was read
        Failed,      // the file exists but could not be opened or read
    };
    Status status = Status::Missing;
    std::string bytes;

    bool ok() const { return status == Status::Read; }
};

// Up to maxBytes from offset onwards.
RegularFileRead readRegularFile(const std::filesystem::path& path, std::uint64_t offset = 0,
                                std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// True when the name is a regular file (following a link); false for anything else or nothing.
bool isRegularFile(const std::filesystem::path& path);

}  // namespace coinwell
