#pragma once

#include <filesystem>
#include <optional>

#include "CliContext.h"

namespace pindeckctl {

// The data folder for this run (--data-dir, or the user's local data folder), created when
// missing. Empty after a message on standard error when there is none to be had.
std::optional<std::filesystem::path> OpenDataFolder(CliContext& cli);

}  // namespace pindeckctl
