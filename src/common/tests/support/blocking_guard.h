#pragma once
// For tests of reading files by name: runs the reading with a deadline, so that an opening that
// blocks on a pipe fails the test instead of hanging it. A blocked reader is released by opening
// the pipe's other end.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>

namespace coinwell {

inline bool finishesPromptly(const std::function<void()>& reading,
                             const std::filesystem::path& pipe) {
    auto done = std::async(std::launch::async, reading);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        return true;
    }
    const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
    }
    done.wait();
    return false;
}

}  // namespace coinwell
