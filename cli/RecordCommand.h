#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `record [--locations] [--seconds N]`: records an action (Caps Lock to Caps Lock), or cursor
// locations (one per Shift press), and prints the resulting command codes.
void AddRecordCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
