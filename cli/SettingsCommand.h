#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `settings [--json]`: loads (creating or repairing) config.json and prints the values in effect.
void AddSettingsCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
