#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `play [--dry-run] [--json] [--op OP] [--repeat N] [--screen WxH] [--set KEY=VALUE]... CODE...`
void AddPlayCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
