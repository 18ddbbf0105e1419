#pragma once

#include <cstdint>

namespace Tambo::platform {

// The two functions of the key-posting library, as the post-key commands call them.
class KeyPoster {
public:
    virtual ~KeyPoster() = default;

    virtual void SendKey(std::uint32_t key) = 0;
    virtual void SendKeys(std::uint32_t modifier, std::uint32_t key) = 0;
};

}  // namespace Tambo::platform
