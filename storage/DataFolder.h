#pragma once

#include <filesystem>
#include <string>

namespace storage {

// The per-user folder that holds every data file: $XDG_DATA_HOME/Pindeck, or
// ~/.local/share/Pindeck when that variable is unset or not an absolute path. Empty when neither
// XDG_DATA_HOME nor HOME gives a place.
std::filesystem::path DefaultDataFolder();

// Creates the folder (and its parents) when missing; a folder created here is private to the
// user (mode 0700). False, with a reason, when it cannot be created or is not a folder.
bool EnsureDataFolder(const std::filesystem::path& folder, std::string& reason);

}  // namespace storage
