#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ICommand.h"

namespace Tambo {

// A named, immutable list of commands: what one box slot does. Always held as a shared object;
// each play runs on a detached thread that keeps the sequence alive until the play ends.
class Sequence : public std::enable_shared_from_this<Sequence> {
public:
    Sequence(std::u16string name, std::vector<CommandPtr> commands);
    virtual ~Sequence() = default;

    // Starts one independent play on a thread of its own and returns at once. Throws
    // std::system_error when no thread can be started.
    virtual void Run();
    // The codes of all commands joined with nothing in between.
    virtual std::u16string GetCodes() const;

    // The codes of all commands in order, as UTF-8.
    std::vector<std::string> GetCodeList() const;

    // One play on the calling thread: each command's Execute, then the pause between actions.
    void PlayNow() const;

    const std::u16string name;
    const std::vector<CommandPtr> commands;
};

using SequencePtr = std::shared_ptr<Sequence>;

}  // namespace Tambo
