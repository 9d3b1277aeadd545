#include "common/core/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace coinwell {

RegularFileRead readRegularFile(const std::filesystem::path& path, std::uint64_t offset,
                                std::size_t maxBytes) {
    RegularFileRead result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? RegularFileRead::Status::Missing
                        : errno == ENXIO                    ? RegularFileRead::Status::NotRegular
                                                            : RegularFileRead::Status::Failed;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        result.status = RegularFileRead::Status::Failed;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        result.status = RegularFileRead::Status::NotRegular;
        return result;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    const std::uint64_t available = offset < size ? size - offset : 0;
    result.bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(available, maxBytes)));
    // A file growing meanwhile is read on, up to maxBytes.
    char buffer[65536];
    auto at = static_cast<off_t>(offset);
    result.status = RegularFileRead::Status::Read;
    while (result.bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - result.bytes.size());
        const ssize_t got = ::pread(fd, buffer, want, at);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.status = RegularFileRead::Status::Failed;
            result.bytes.clear();
            break;
        }
        if (got == 0) {
            break;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
    ::close(fd);
    return result;
}

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace coinwell
