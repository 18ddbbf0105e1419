#pragma once

#include <iosfwd>
#include <stop_token>

namespace pindeckctl {

// Parses the arguments, runs one subcommand and returns its exit status. In-process tests call
// this directly with their own streams; `stop` ends long-running subcommands.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        std::stop_token stop = {});

}  // namespace pindeckctl
