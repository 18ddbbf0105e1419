#pragma once

#include <cstdint>

namespace Tambo::platform {

// Pauses the calling thread for whole milliseconds on a steady clock. Behind an interface so that
// tests and dry runs can record pauses instead of waiting them.
class Sleeper {
public:
    virtual ~Sleeper() = default;

    // A pause of 0 or less returns at once.
    virtual void SleepMs(std::int64_t milliseconds) = 0;
};

}  // namespace Tambo::platform
