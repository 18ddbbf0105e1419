#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `profiles [--json] [--rewrite]`: loads profile_data.json and lists the profiles; --rewrite
// writes what was loaded back.
void AddProfilesCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
