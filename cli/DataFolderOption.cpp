#include "DataFolderOption.h"

#include <ostream>
#include <string>

#include "storage/DataFolder.h"

namespace pindeckctl {

std::optional<std::filesystem::path> OpenDataFolder(CliContext& cli) {
    const std::filesystem::path folder =
        cli.dataDir.empty() ? storage::DefaultDataFolder() : std::filesystem::path(cli.dataDir);
    std::string reason;
    if (!storage::EnsureDataFolder(folder, reason)) {
        cli.err << "pindeckctl: " << reason << '\n';
        return std::nullopt;
    }
    return folder;
}

}  // namespace pindeckctl
