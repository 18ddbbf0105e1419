#pragma once

#include <CLI/CLI.hpp>

#include "CliContext.h"

namespace pindeckctl {

// `setup BOX`: first-time setup without the window, in the application's order: the settings and
// the profiles are loaded, BOX becomes "Default_Box_Configuration" and the settings are saved,
// the built-in presets for BOX are appended to the loaded profiles and the profile file is
// written. A BOX that is not a number from 0 to 5 exits 2 before anything is read or written.
void AddSetupCommand(CLI::App& app, CliContext& cli);

}  // namespace pindeckctl
