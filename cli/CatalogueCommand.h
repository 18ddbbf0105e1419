#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `catalogue [--json] [CATEGORY]`: lists the named actions of categories 0 to 7 (or of the one
// given) with their command codes. A CATEGORY that is not a number from 0 to 7 exits 2.
void AddCatalogueCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
