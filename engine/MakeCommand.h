#pragma once

#include <memory>
#include <string_view>

#include "ICommand.h"

namespace Tambo {

class CommandContext;

// Rebuilds a command from its stored code (UTF-8). Returns an empty pointer for an unknown kind.
// A malformed number throws std::invalid_argument ("invalid stoi argument") or std::out_of_range
// ("stoi argument out of range"; a virtual key outside 0..255 is out of range too); a code that
// stops right after its two letters throws std::out_of_range ("invalid string position").
// Never returns a half-built command.
CommandPtr MakeCommand(const std::shared_ptr<CommandContext>& context, std::string_view code);

}  // namespace Tambo
