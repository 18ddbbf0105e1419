#include "XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <vector>

extern char** environ;

namespace e2e {
namespace {

constexpr auto kStartTimeout = std::chrono::seconds(10);

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// Reads the display number Xvfb writes, once it accepts connections, up to its line end.
bool ReadDisplayNumber(int fd, std::string& number) {
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd pfd{fd, POLLIN, 0};
        if (poll(&pfd, 1, 100) <= 0) {
            continue;
        }
        char c = 0;
        if (read(fd, &c, 1) != 1) {
            return false;  // Xvfb ended without a display
        }
        if (c == '\n') {
            return !number.empty();
        }
        number += c;
    }
    return false;
}

}  // namespace

std::unique_ptr<XvfbServer> XvfbServer::Start(int width, int height, std::string& whyNot) {
    int fds[2];
    if (pipe(fds) != 0) {
        whyNot = "pipe failed";
        return nullptr;
    }
    // Only the write end goes to Xvfb.
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const std::string displayFd = std::to_string(fds[1]);
    std::vector<std::string> args = {"Xvfb", "-displayfd", displayFd, "-screen",   "0",
                                     screen, "-nolisten",  "tcp",     "-terminate"};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Xvfb's own messages would only clutter the test output.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        whyNot = std::string("cannot start Xvfb: ") + std::strerror(spawned);
        return nullptr;
    }
    std::string number;
    const bool started = ReadDisplayNumber(fds[0], number);
    close(fds[0]);
    if (!started) {
        Stop(pid);
        whyNot = "Xvfb did not report a display";
        return nullptr;
    }
    return std::unique_ptr<XvfbServer>(new XvfbServer(pid, ":" + number));
}

XvfbServer::~XvfbServer() {
    Stop(pid_);
}

}  // namespace e2e
