#include "ICommand.h"

#include <utility>

#include "CommandContext.h"

namespace Tambo {

ICommand::ICommand(std::shared_ptr<CommandContext> context, std::u16string code)
    : context(std::move(context)), code(std::move(code)) {}

void ICommand::Repeat() {
    Press();
    if (context->timings.sendUpKeyOnKeyRepeat.load()) {
        context->Pause(context->timings.repeatPressReleaseMs.load());
        Release();
    }
}

}  // namespace Tambo
