#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `bindings [--json]`: every box model's code-to-slot map with the stored bindings applied.
// `bind MODEL CODE...`: stores one model's codes, one per slot (38 for none).
void AddBindingsCommands(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
