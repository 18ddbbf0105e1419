#include "CommandCodes.h"

#include <ostream>
#include <stdexcept>

#include "engine/MakeCommand.h"
#include "engine/Text.h"

namespace pindeckctl {

BuiltCommand BuildCommand(const std::shared_ptr<Tambo::CommandContext>& context,
                          const std::string& code) {
    try {
        Tambo::CommandPtr command = Tambo::MakeCommand(context, code);
        if (!command) {
            return {nullptr, "unrecognised command code"};
        }
        return {std::move(command), {}};
    } catch (const std::exception& error) {
        return {nullptr, error.what()};
    }
}

std::optional<std::vector<Tambo::CommandPtr>> BuildAllCommands(
    const std::shared_ptr<Tambo::CommandContext>& context, const std::vector<std::string>& codes,
    std::ostream& err) {
    std::vector<Tambo::CommandPtr> commands;
    bool allBuilt = true;
    for (const std::string& code : codes) {
        BuiltCommand built = BuildCommand(context, code);
        if (!built.command) {
            err << "pindeckctl: rejected code \"" << Tambo::SanitizeUtf8(code)
                << "\": " << built.error << '\n';
            allBuilt = false;
        }
        commands.push_back(std::move(built.command));
    }
    if (!allBuilt) {
        return std::nullopt;
    }
    return commands;
}

}  // namespace pindeckctl
