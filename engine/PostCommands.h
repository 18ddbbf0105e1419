#pragma once

// The commands that post keys through the key-posting library: PostKey and DualPost.

#include <cstdint>
#include <memory>

#include "ICommand.h"

namespace Tambo {

class PostKey : public ICommand {
public:
    PostKey(std::shared_ptr<CommandContext> context, std::uint32_t vk);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override;
    void Release() override {}

private:
    std::uint32_t vk;
    std::u16string description;
};

class DualPost : public ICommand {
public:
    DualPost(std::shared_ptr<CommandContext> context, std::uint32_t first, std::uint32_t second);

    std::u16string GetDescription() const override { return description; }
    void Execute() override;
    void Press() override;
    void Release() override {}

private:
    std::uint32_t first;
    std::uint32_t second;
    std::u16string description;
};

}  // namespace Tambo
