#pragma once

// The commands that inject nothing: ProfileSwitch and SleepCommand.

#include <cstdint>
#include <memory>

#include "ICommand.h"

namespace Tambo {

// Makes the profile at a list position the active one and tells the user interface.
class ProfileSwitch : public ICommand {
public:
    static constexpr std::int64_t kPauseMs = 300;

    ProfileSwitch(std::shared_ptr<CommandContext> context, std::int32_t index);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override;
    void Release() override {}

private:
    std::int32_t index;
    std::u16string description;
};

// A pause inside a sequence.
class SleepCommand : public ICommand {
public:
    SleepCommand(std::shared_ptr<CommandContext> context, std::int32_t ms);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override {}
    void Release() override {}

private:
    std::int32_t ms;
    std::u16string description;
};

}  // namespace Tambo
