#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `describe [--json] CODE...`: rebuilds each code and shows its code and description.
void AddDescribeCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
