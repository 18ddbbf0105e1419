#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/CommandContext.h"
#include "engine/ICommand.h"

namespace pindeckctl {

// The result of rebuilding one code argument: a command, or the reason it was rejected.
struct BuiltCommand {
    Tambo::CommandPtr command;
    std::string error;  // MakeCommand's error text, or "unrecognised command code"
};

BuiltCommand BuildCommand(const std::shared_ptr<Tambo::CommandContext>& context,
                          const std::string& code);

// Every code rebuilt, or empty after writing one line per rejected code to `err`.
std::optional<std::vector<Tambo::CommandPtr>> BuildAllCommands(
    const std::shared_ptr<Tambo::CommandContext>& context, const std::vector<std::string>& codes,
    std::ostream& err);

}  // namespace pindeckctl
