#pragma once

#include <chrono>
#include <iosfwd>
#include <stop_token>
#include <string>

#include "ExitCode.h"

namespace pindeckctl {

// What every subcommand shares: the global options, the output streams and the exit status the
// subcommand sets. Streams are parameters so tests can run subcommands in-process.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    std::string dataDir;  // empty: the user's local data folder
    int exitCode = kSuccess;
    // Requested on SIGINT or SIGTERM (or by an in-process test): long-running subcommands end.
    std::stop_token stop;
};

// Waits up to `duration`; false when a stop was requested first.
bool WaitUnlessStopped(std::stop_token stop, std::chrono::milliseconds duration);

}  // namespace pindeckctl
