#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `run [--profile NAME] [--seconds N] [--dry-run [--json]]`: the headless player.
void AddRunCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
