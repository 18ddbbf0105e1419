#pragma once

#include <cstdint>
#include <span>

#include "InputRecord.h"

namespace Tambo::platform {

// The synthetic-input service: delivers keyboard and mouse records to the focused program.
// Implementations must be callable from any thread at once; one Send call is one group whose
// records arrive in order and together.
class InputSink {
public:
    virtual ~InputSink() = default;

    virtual void Send(std::span<const InputRecord> records) = 0;

    // The PC set-1 scan code of a virtual key on a US layout, 0 for a key without one.
    virtual std::uint16_t ScanCodeForVirtualKey(std::uint32_t virtualKey) const = 0;

    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
};

}  // namespace Tambo::platform
