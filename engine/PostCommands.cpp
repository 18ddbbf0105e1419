#include "PostCommands.h"

#include <utility>

#include "CommandCode.h"
#include "CommandContext.h"
#include "KeyboardCommands.h"

namespace Tambo {

PostKey::PostKey(std::shared_ptr<CommandContext> context, std::uint32_t vk)
    : ICommand(std::move(context), CommandCode(u"PK", {vk})),
      vk(vk),
      description(u"Key Press: '" + this->context->keyNames.Name(vk) + u"'") {}

void PostKey::Execute() {
    context->KeyPoster().SendKey(vk);
}

void PostKey::Press() {
    context->KeyPoster().SendKey(vk);
}

DualPost::DualPost(std::shared_ptr<CommandContext> context, std::uint32_t first,
                   std::uint32_t second)
    : ICommand(std::move(context), CommandCode(u"DP", {first, second})),
      first(first),
      second(second),
      description(DualKeyDescription(*this->context, first, second)) {}

void DualPost::Execute() {
    context->KeyPoster().SendKeys(first, second);
}

void DualPost::Press() {
    context->KeyPoster().SendKeys(first, second);
}

}  // namespace Tambo
