#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `monitor [--seconds N]`: one line per controller event as it arrives.
void AddMonitorCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
