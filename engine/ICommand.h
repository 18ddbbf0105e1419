#pragma once

#include <memory>
#include <string>

namespace Tambo {

class CommandContext;

// One action a box button can do. Commands are immutable after construction and shared by
// sequences, pages and threads; every send builds its records afresh, so one command may play on
// several threads at once.
class ICommand {
public:
    virtual ~ICommand() = default;

    virtual std::u16string GetDescription() const = 0;
    virtual std::u16string GetCode() const { return code; }
    virtual bool GetFlag() const { return flag; }

    // The whole action, as one step of a sequence played from start to end.
    virtual void Execute() = 0;
    // The first half, when a box button whose slot holds only this command goes down.
    virtual void Press() = 0;
    // The second half, when that button comes up.
    virtual void Release() = 0;
    // One auto-repeat step while the button is held: Press, and, when the settings ask for key
    // ups on repeat, a pause and Release.
    virtual void Repeat();

    // The engine this command plays into.
    const CommandContext& Context() const { return *context; }

protected:
    ICommand(std::shared_ptr<CommandContext> context, std::u16string code);

    std::shared_ptr<CommandContext> context;
    std::u16string code;
    bool flag = true;
};

using CommandPtr = std::shared_ptr<ICommand>;

}  // namespace Tambo
