#pragma once
// For tests of reading files by name: an opening that blocks on a pipe must fail the test, not
// hang it. While a PipeReleaser lives, a watcher thread waits; if the test is still running after
// the deadline, the watcher opens the other end of each pipe (releasing a blocked reader) and the
// test learns that a pipe was opened.

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace coinwell {

class PipeReleaser {
  public:
    explicit PipeReleaser(std::vector<std::filesystem::path> pipes,
                          std::chrono::seconds deadline = std::chrono::seconds(5))
        : pipes_(std::move(pipes)), watcher_([this, deadline] { watch(deadline); }) {}
    ~PipeReleaser() { finish(); }
    PipeReleaser(const PipeReleaser&) = delete;
    PipeReleaser& operator=(const PipeReleaser&) = delete;

    // Ends the watch; true when a reader had to be released.
    bool finish() {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        wake_.notify_all();
        if (watcher_.joinable()) {
            watcher_.join();
        }
        return released_;
    }

  private:
    void watch(std::chrono::seconds deadline) {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, deadline, [this] { return finished_; })) {
            return;
        }
        released_ = true;
        // Keep releasing until the test ends: a reader may open the same pipe again.
        while (!finished_) {
            for (const auto& pipe : pipes_) {
                const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    ::close(fd);
                }
            }
            wake_.wait_for(lock, std::chrono::milliseconds(50), [this] { return finished_; });
        }
    }

    std::vector<std::filesystem::path> pipes_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool finished_ = false;
    std::atomic<bool> released_{false};
    std::thread watcher_;
};

// Runs the reading; false when it blocked on the pipe and had to be released.
inline bool finishesPromptly(const std::function<void()>& reading,
                             const std::filesystem::path& pipe) {
    PipeReleaser releaser({pipe});
    reading();
    return !releaser.finish();
}

}  // namespace coinwell
