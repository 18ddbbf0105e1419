#pragma once

// The commands that inject keyboard records: KeyCommand, KeyNoRepeat, EnterCommand, DownKey,
// UpKey and DualKey.

#include <cstdint>
#include <memory>

#include "ICommand.h"
#include "platform/InputRecord.h"

namespace Tambo {

// Press and release one key; the release comes after the press-release pause.
class KeyCommand : public ICommand {
public:
    KeyCommand(std::shared_ptr<CommandContext> context, std::uint32_t vk);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override;
    void Release() override;

protected:
    KeyCommand(std::shared_ptr<CommandContext> context, std::uint32_t vk, const char16_t* kind);

    void SendKey(std::uint32_t flags) const;

    platform::KeyboardRecord key;
    std::u16string description;
};

// A key press that does nothing while the button is held.
class KeyNoRepeat : public KeyCommand {
public:
    KeyNoRepeat(std::shared_ptr<CommandContext> context, std::uint32_t vk);

    void Repeat() override {}
};

// The Enter key, sent in scan-code mode. Its number only travels in its code.
class EnterCommand : public ICommand {
public:
    EnterCommand(std::shared_ptr<CommandContext> context, std::int32_t n);

    std::u16string GetDescription() const override { return u"Key Press: 'ENTER'"; }
    void Execute() override;
    void Press() override;
    void Release() override;

private:
    void SendEnter(std::uint32_t flags) const;

    platform::KeyboardRecord enter;
};

// A key down with no matching up: half of a recorded or real-time chord.
class DownKey : public ICommand {
public:
    DownKey(std::shared_ptr<CommandContext> context, std::uint32_t vk);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override {}
    void Release() override {}

private:
    platform::KeyboardRecord key;
    std::u16string description;
};

// A key up, followed by a fixed pause.
class UpKey : public ICommand {
public:
    static constexpr std::int64_t kPauseMs = 400;

    UpKey(std::shared_ptr<CommandContext> context, std::uint32_t vk);

    std::u16string GetDescription() const override { return {}; }
    void Execute() override;
    void Press() override {}
    void Release() override {}

private:
    platform::KeyboardRecord key;
};

// Two keys pressed together: both downs in one send, both ups in another.
class DualKey : public ICommand {
public:
    DualKey(std::shared_ptr<CommandContext> context, std::uint32_t first, std::uint32_t second);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override;
    void Release() override;

private:
    void SendDowns() const;
    void SendUps() const;

    platform::KeyboardRecord first;
    platform::KeyboardRecord second;
    std::u16string description;
};

// Shared by DualKey and DualPost: "Dual Key: " Name(first) " + " Name(second).
std::u16string DualKeyDescription(const CommandContext& context, std::uint32_t first,
                                  std::uint32_t second);

}  // namespace Tambo
