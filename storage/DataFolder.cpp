#include "DataFolder.h"

#include <sys/stat.h>
#include <cstdlib>
#include <system_error>

namespace storage {

std::filesystem::path DefaultDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && *dataHome && std::filesystem::path(dataHome).is_absolute()) {
        return std::filesystem::path(dataHome) / "Pindeck";
    }
    const char* home = std::getenv("HOME");
    if (home && *home) {
        return std::filesystem::path(home) / ".local" / "share" / "Pindeck";
    }
    return {};
}

bool EnsureDataFolder(const std::filesystem::path& folder, std::string& reason) {
    if (folder.empty()) {
        reason = "no data folder: neither XDG_DATA_HOME nor HOME is set";
        return false;
    }
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) {
        return true;
    }
    if (std::filesystem::exists(folder, error)) {
        reason = folder.string() + " exists but is not a folder";
        return false;
    }
    if (folder.has_parent_path()) {
        std::filesystem::create_directories(folder.parent_path(), error);
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && !std::filesystem::is_directory(folder, error)) {
        reason = "cannot create " + folder.string() + ": " +
                 std::error_code(errno, std::generic_category()).message();
        return false;
    }
    return true;
}

}  // namespace storage
