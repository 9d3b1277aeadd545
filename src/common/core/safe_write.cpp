#include "common/core/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

namespace coinwell {

namespace {

std::function<bool(SafeWriteStep)>& failureHook() {
    static std::function<bool(SafeWriteStep)> hook;
    return hook;
}

bool injectedFailure(SafeWriteStep step) {
    const auto& hook = failureHook();
    return hook && hook(step);
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (injectedFailure(SafeWriteStep::Write)) {
            errno = EIO;
            return false;
        }
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Makes a rename in folder durable. Some file systems cannot sync a folder; the new content is
// already in place then, so this is best effort.
void syncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Opens a new temporary file beside the target under a name nobody else uses.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        if (injectedFailure(SafeWriteStep::CreateTemporary)) {
            errno = EIO;
            return -1;
        }
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The temporary file beside the target, filled by fill (which returns 0 or the error number of
// its failure), synced and renamed over the target.
bool replaceSafely(const std::filesystem::path& requested, std::error_code& error,
                   const std::function<int(int fd, const std::filesystem::path& temporary)>& fill) {
    error.clear();
    const auto fail = [&error](int code) {
        error = std::error_code(code, std::generic_category());
        return false;
    };
    if (requested.empty()) {
        return fail(ENOENT);
    }
    // A symbolic link keeps pointing at the file it names: that file is replaced, not the link.
    std::filesystem::path target = requested;
    std::error_code linkError;
    if (std::filesystem::is_symlink(requested, linkError)) {
        target = std::filesystem::weakly_canonical(requested, linkError);
        if (linkError) {
            error = linkError;
            return false;
        }
    }
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        // A folder or a device of that name is never replaced.
        return fail(S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);
    }

    std::filesystem::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return fail(errno);
    }
    int failure = fill(fd, temporary);
    // Permissions after the content: a library opening the file by name must still be able to
    // write a copy of a read-only file.
    if (failure == 0 && exists) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
    if (failure == 0 && injectedFailure(SafeWriteStep::Sync)) {
        failure = EIO;
    } else if (failure == 0 && ::fsync(fd) != 0) {
        failure = errno;
    }
    const bool closed = ::close(fd) == 0;
    if (failure == 0 && !closed) {
        failure = errno;
    }
    if (failure == 0 && injectedFailure(SafeWriteStep::Close)) {
        failure = EIO;
    }
    if (failure == 0) {
        if (injectedFailure(SafeWriteStep::Rename)) {
            failure = EIO;
        } else {
            std::error_code renameError;
            std::filesystem::rename(temporary, target, renameError);
            if (renameError) {
                failure = renameError.value() != 0 ? renameError.value() : EIO;
            }
        }
    }
    if (failure != 0) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return fail(failure);
    }
    syncFolder(target.parent_path());
    return true;
}

}  // namespace

void setSafeWriteFailureHook(std::function<bool(SafeWriteStep)> hook) {
    failureHook() = std::move(hook);
}

bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes) {
    std::error_code ignored;
    return writeFileSafely(target, bytes, ignored);
}

bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes,
                     std::error_code& error) {
    return replaceSafely(target, error, [bytes](int fd, const std::filesystem::path&) {
        return writeAll(fd, bytes) ? 0 : errno;
    });
}

bool writeFileSafelyThrough(const std::filesystem::path& target,
                            const std::function<bool(const std::filesystem::path& temporary)>& fill,
                            std::error_code& error) {
    return replaceSafely(target, error, [&fill](int, const std::filesystem::path& temporary) {
        if (injectedFailure(SafeWriteStep::Write)) {
            return EIO;
        }
        // The library reports no reason of its own.
        errno = 0;
        return fill(temporary) ? 0 : (errno != 0 ? errno : EIO);
    });
}

}  // namespace coinwell
