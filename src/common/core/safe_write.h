#pragma once
// Replacing a file so that it is either the old file or the new one, never a mixture: the bytes
// go to a temporary file beside the target, are flushed and synced, and the temporary file is
// renamed over the target; then the folder is synced so that the rename survives a power cut.

#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

namespace coinwell {

// Writes bytes as the whole new content of target. On any failure the old file (if any) is left
// whole, the temporary file is removed and false is returned. A target that is a folder is
// refused. An existing file keeps its permission bits.
bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes);
// The same, telling why a write failed: the system's error of the failing step (an injected
// failure reads as an input/output error, a target that is a folder as "is a directory").
bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes,
                     std::error_code& error);
// The same for content that a library writes to a file it opens by name: fill receives the
// temporary file beside the target (created empty) and returns false when it could not write it
// whole; the temporary file is then synced and renamed over the target as above.
bool writeFileSafelyThrough(const std::filesystem::path& target,
                            const std::function<bool(const std::filesystem::path& temporary)>& fill,
                            std::error_code& error);

// The steps of a safe write, for tests that make one of them fail.
enum class SafeWriteStep { CreateTemporary, Write, Sync, Close, Rename };

// Test seam: when set, the hook is asked before each step and a true answer makes that step fail
// as the system call would. Pass an empty function to remove it.
void setSafeWriteFailureHook(std::function<bool(SafeWriteStep)> hook);

}  // namespace coinwell
