#include "Sequence.h"

#include <thread>
#include <utility>

#include "CommandContext.h"
#include "Text.h"

namespace Tambo {

Sequence::Sequence(std::u16string name, std::vector<CommandPtr> commands)
    : name(std::move(name)), commands(std::move(commands)) {}

void Sequence::Run() {
    std::thread player([self = shared_from_this()] { self->PlayNow(); });
    player.detach();
}

void Sequence::PlayNow() const {
    for (const CommandPtr& command : commands) {
        if (!command) {
            continue;
        }
        command->Execute();
        // Read at each pause so a changed setting applies to the next pause of a running play.
        const CommandContext& context = command->Context();
        context.Pause(context.timings.actionsMs.load());
    }
}

std::u16string Sequence::GetCodes() const {
    std::u16string codes;
    for (const CommandPtr& command : commands) {
        if (command) {
            codes += command->GetCode();
        }
    }
    return codes;
}

std::vector<std::string> Sequence::GetCodeList() const {
    std::vector<std::string> codes;
    codes.reserve(commands.size());
    for (const CommandPtr& command : commands) {
        if (command) {
            codes.push_back(Utf16ToUtf8(command->GetCode()));
        }
    }
    return codes;
}

}  // namespace Tambo
