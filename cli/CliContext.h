#pragma once

#include <iosfwd>
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
};

}  // namespace pindeckctl
