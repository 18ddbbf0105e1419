#pragma once

#include <iosfwd>

namespace pindeckctl {

// Parses the arguments, runs one subcommand and returns its exit status. In-process tests call
// this directly with their own streams.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace pindeckctl
