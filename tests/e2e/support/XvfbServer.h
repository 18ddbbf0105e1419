#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <utility>

namespace e2e {

// An Xvfb server of the test's own, with one screen of a chosen size on a display number the
// server picks itself (-displayfd), so tests can run beside any other X server. Stopped when the
// object goes; -terminate also ends it should the test process die after connecting.
class XvfbServer {
public:
    // nullptr, with a reason in `whyNot`, when Xvfb cannot be started.
    static std::unique_ptr<XvfbServer> Start(int width, int height, std::string& whyNot);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // The display name, such as ":5".
    const std::string& Name() const { return name_; }

private:
    XvfbServer(pid_t pid, std::string name) : pid_(pid), name_(std::move(name)) {}

    pid_t pid_;
    std::string name_;
};

}  // namespace e2e
