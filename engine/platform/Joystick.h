#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace Tambo::platform {

// One reading of the box: 32 buttons and the X and Y axes on 0..65535 (both ends exact).
struct JoystickState {
    static constexpr std::int32_t kAxisMin = 0;
    static constexpr std::int32_t kAxisMax = 65535;
    static constexpr std::int32_t kAxisCentre = 32767;

    std::array<bool, 32> buttons{};
    std::int32_t x = kAxisCentre;
    std::int32_t y = kAxisCentre;

    friend bool operator==(const JoystickState&, const JoystickState&) = default;
};

// The first game controller of the system. Called from the polling thread and from the user
// interface; implementations guard opening and closing against a read in progress.
class Joystick {
public:
    virtual ~Joystick() = default;

    // Opens and acquires the first controller. `exclusive` asks that other programs do not
    // receive its input, where the platform can do that.
    virtual bool Open(bool exclusive) = 0;
    // Acquires the controller again after a failed read (it may have been unplugged and
    // plugged back in).
    virtual bool Reacquire() = 0;
    // The current state; empty when the read failed (the device is no longer readable).
    virtual std::optional<JoystickState> Read() = 0;
    virtual void Close() = 0;
};

}  // namespace Tambo::platform
