#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `select NAME`: makes the first profile of that name (exact, case-sensitive) the one the next
// start comes back to, by writing it to user_session_data.json as the main page's profile list
// does. An unknown name exits 1 and changes nothing.
void AddSelectCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
