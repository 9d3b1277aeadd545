#include "common/tests/support/window_manager_display.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace coinwell {

namespace {

// Starts a program with its output thrown away; keepFd stays open in the child. -1 when it
// could not be started.
pid_t spawn(std::vector<std::string> arguments, int keepFd = -1) {
    const pid_t pid = ::fork();
    if (pid != 0) {
        return pid;
    }
    const int quiet = ::open("/dev/null", O_RDWR);
    ::dup2(quiet, STDIN_FILENO);
    ::dup2(quiet, STDOUT_FILENO);
    ::dup2(quiet, STDERR_FILENO);
    for (int fd = 3; fd < 1024; ++fd) {
        if (fd != keepFd) {
            ::close(fd);
        }
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

bool onPath(const char* program) {
    const std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

void stop(pid_t pid) {
    if (pid > 0) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
}

}  // namespace

WindowManagerDisplay::WindowManagerDisplay() {
    if (!onPath("Xvfb")) {
        problem_ = "Xvfb is not installed";
        return;
    }
    // Xvfb writes the display number it chose to the pipe once it accepts connections.
    int ready[2];
    if (::pipe(ready) != 0) {
        problem_ = "no pipe for Xvfb";
        return;
    }
    const pid_t server = spawn({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0",
                                "1280x1024x24", "-nolisten", "tcp"},
                               ready[1]);
    ::close(ready[1]);
    std::string display;
    pollfd wait{ready[0], POLLIN, 0};
    char digit = 0;
    while (::poll(&wait, 1, 10000) > 0 && ::read(ready[0], &digit, 1) == 1 && digit != '\n') {
        display += digit;
    }
    ::close(ready[0]);
    if (server <= 0 || display.empty()) {
        stop(server);
        problem_ = "Xvfb did not start";
        return;
    }
    serverPid_ = server;
    ::setenv("DISPLAY", (":" + display).c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);

    if (!onPath("openbox")) {
        problem_ = "openbox is not installed (scripts/install-deps.sh installs it)";
        return;
    }
    // openbox runs its startup command once it manages windows: a window shown before that
    // would be taken over while it maps.
    char folder[] = "/tmp/coinwell-openbox-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        problem_ = "no folder for openbox's ready mark";
        return;
    }
    const std::string mark = std::string(folder) + "/ready";
    const pid_t windowManager = spawn({"openbox", "--sm-disable", "--startup", "touch " + mark});
    bool managing = false;
    for (int waited = 0; waited < 200 && !managing; ++waited) {
        managing = ::access(mark.c_str(), F_OK) == 0;
        if (!managing) {
            ::usleep(50000);
        }
    }
    ::unlink(mark.c_str());
    ::rmdir(folder);
    if (!managing) {
        stop(windowManager);
        problem_ = "openbox did not start within 10 seconds";
        return;
    }
    windowManagerPid_ = windowManager;
}

WindowManagerDisplay::~WindowManagerDisplay() {
    stop(windowManagerPid_);
    stop(serverPid_);
}

int WindowManagerDisplay::skip() const {
    std::printf("SKIP: no X server for the window-manager test: %s\n", problem_.c_str());
    return kSkipCode;
}

}  // namespace coinwell
