#include "KeyboardCommands.h"

#include <array>
#include <utility>

#include "CommandCode.h"
#include "CommandContext.h"

namespace Tambo {

using platform::KeyboardRecord;
using platform::KEYEVENTF_EXTENDEDKEY;
using platform::KEYEVENTF_KEYUP;
using platform::KEYEVENTF_SCANCODE;

namespace {

constexpr std::uint32_t kEnterVirtualKey = 13;

KeyboardRecord MakeKeyRecord(const CommandContext& context, std::uint32_t vk) {
    return KeyboardRecord{static_cast<std::uint16_t>(vk), context.ScanCode(vk), 0};
}

KeyboardRecord WithFlags(KeyboardRecord record, std::uint32_t flags) {
    record.flags = flags;
    return record;
}

void SendOne(const CommandContext& context, const KeyboardRecord& record) {
    const std::array<platform::InputRecord, 1> records{record};
    context.Send(records);
}

std::u16string KeyPressDescription(const CommandContext& context, std::uint32_t vk) {
    return u"Key Press: '" + context.keyNames.Name(vk) + u"'";
}

}  // namespace

std::u16string DualKeyDescription(const CommandContext& context, std::uint32_t first,
                                  std::uint32_t second) {
    return u"Dual Key: " + context.keyNames.Name(first) + u" + " + context.keyNames.Name(second);
}

// KeyCommand and KeyNoRepeat

KeyCommand::KeyCommand(std::shared_ptr<CommandContext> context, std::uint32_t vk)
    : KeyCommand(std::move(context), vk, u"KC") {}

KeyCommand::KeyCommand(std::shared_ptr<CommandContext> context, std::uint32_t vk,
                       const char16_t* kind)
    : ICommand(std::move(context), CommandCode(kind, {vk})),
      key(MakeKeyRecord(*this->context, vk)),
      description(KeyPressDescription(*this->context, vk)) {}

void KeyCommand::SendKey(std::uint32_t flags) const {
    SendOne(*context, WithFlags(key, flags));
}

void KeyCommand::Execute() {
    context->ResetToggle();
    SendKey(0);
    context->Pause(context->timings.pressReleaseMs.load());
    SendKey(KEYEVENTF_KEYUP);
}

void KeyCommand::Press() {
    context->ResetToggle();
    SendKey(0);
}

void KeyCommand::Release() {
    SendKey(KEYEVENTF_KEYUP);
}

KeyNoRepeat::KeyNoRepeat(std::shared_ptr<CommandContext> context, std::uint32_t vk)
    : KeyCommand(std::move(context), vk, u"NR") {}

// EnterCommand

EnterCommand::EnterCommand(std::shared_ptr<CommandContext> context, std::int32_t n)
    : ICommand(std::move(context), CommandCode(u"EC", {n})),
      enter(MakeKeyRecord(*this->context, kEnterVirtualKey)) {}

void EnterCommand::SendEnter(std::uint32_t flags) const {
    SendOne(*context, WithFlags(enter, flags));
}

void EnterCommand::Execute() {
    context->ResetToggle();
    SendEnter(KEYEVENTF_SCANCODE);
    context->Pause(context->timings.pressReleaseMs.load());
    SendEnter(KEYEVENTF_KEYUP);
}

void EnterCommand::Press() {
    context->ResetToggle();
    SendEnter(KEYEVENTF_SCANCODE);
}

void EnterCommand::Release() {
    SendEnter(KEYEVENTF_KEYUP);
}

// DownKey and UpKey

DownKey::DownKey(std::shared_ptr<CommandContext> context, std::uint32_t vk)
    : ICommand(std::move(context), CommandCode(u"DK", {vk})),
      key(MakeKeyRecord(*this->context, vk)),
      description(u"Realtime Key: '" + this->context->keyNames.Name(vk) + u"'") {}

void DownKey::Execute() {
    SendOne(*context, WithFlags(key, KEYEVENTF_EXTENDEDKEY));
}

UpKey::UpKey(std::shared_ptr<CommandContext> context, std::uint32_t vk)
    : ICommand(std::move(context), CommandCode(u"UK", {vk})),
      key(MakeKeyRecord(*this->context, vk)) {}

void UpKey::Execute() {
    context->ResetToggle();
    SendOne(*context, WithFlags(key, KEYEVENTF_KEYUP));
    context->Pause(kPauseMs);
}

// DualKey

DualKey::DualKey(std::shared_ptr<CommandContext> context, std::uint32_t first, std::uint32_t second)
    : ICommand(std::move(context), CommandCode(u"DU", {first, second})),
      first(MakeKeyRecord(*this->context, first)),
      second(MakeKeyRecord(*this->context, second)),
      description(DualKeyDescription(*this->context, first, second)) {}

void DualKey::SendDowns() const {
    const std::array<platform::InputRecord, 2> downs{WithFlags(first, KEYEVENTF_EXTENDEDKEY),
                                                     WithFlags(second, KEYEVENTF_EXTENDEDKEY)};
    context->Send(downs);
}

void DualKey::SendUps() const {
    const std::array<platform::InputRecord, 2> ups{WithFlags(first, KEYEVENTF_KEYUP),
                                                   WithFlags(second, KEYEVENTF_KEYUP)};
    context->Send(ups);
}

void DualKey::Execute() {
    SendDowns();
    context->Pause(context->timings.pressReleaseMs.load());
    SendUps();
}

void DualKey::Press() {
    context->ResetToggle();
    SendDowns();
}

void DualKey::Release() {
    SendUps();
}

}  // namespace Tambo
