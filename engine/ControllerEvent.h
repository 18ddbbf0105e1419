#pragma once

#include <cstdint>

namespace Tambo {

// One change of the box, as the polling thread reports it.
struct ControllerEvent {
    static constexpr std::uint32_t kUp = 0;
    static constexpr std::uint32_t kDown = 1;
    static constexpr std::uint32_t kRepeat = 2;

    std::uint32_t pressed = kDown;
    std::uint32_t code = 0;

    friend bool operator==(const ControllerEvent&, const ControllerEvent&) = default;
};

// Controller codes: 0 to 31 are the buttons, then the stick's four ends, then device reports.
namespace C_Code {
inline constexpr std::uint32_t kXMin = 32;
inline constexpr std::uint32_t kXMax = 33;
inline constexpr std::uint32_t kYMax = 34;
inline constexpr std::uint32_t kYMin = 35;
inline constexpr std::uint32_t kDeviceLost = 36;
inline constexpr std::uint32_t kDeviceBack = 37;
inline constexpr std::uint32_t kNoCode = 38;
}  // namespace C_Code

// Box slots: 0 to 13 are the buttons of the drawn box.
namespace UI_Button {
inline constexpr std::int32_t kNoSlot = 16;
}  // namespace UI_Button

}  // namespace Tambo
