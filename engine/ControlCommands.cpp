#include "ControlCommands.h"

#include <utility>

#include "CommandCode.h"
#include "CommandContext.h"
#include "Text.h"

namespace Tambo {

ProfileSwitch::ProfileSwitch(std::shared_ptr<CommandContext> context, std::int32_t index)
    : ICommand(std::move(context), CommandCode(u"PS", {index})),
      index(index),
      description(u"Go to Profile: " + DecimalText(index)) {}

void ProfileSwitch::Execute() {
    const std::shared_ptr<ProfileStore> store = context->GetProfileStore();
    if (!store || index < 0 || static_cast<std::size_t>(index) >= store->ProfileCount()) {
        return;
    }
    // The list may have shrunk since it was counted; then there is nothing to switch to.
    const std::optional<std::u16string> name =
        store->ProfileNameAt(static_cast<std::size_t>(index));
    if (!name) {
        return;
    }
    store->SelectProfile(*name);
    context->notifications.Push(NotificationQueue::kProfileChanged);
    context->Pause(kPauseMs);
}

void ProfileSwitch::Press() {
    Execute();
}

SleepCommand::SleepCommand(std::shared_ptr<CommandContext> context, std::int32_t ms)
    : ICommand(std::move(context), CommandCode(u"SL", {ms})),
      ms(ms),
      description(u"Delay for " + DecimalText(ms) + u" milliseconds") {}

void SleepCommand::Execute() {
    context->Pause(ms);
}

}  // namespace Tambo
