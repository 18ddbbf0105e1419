#pragma once

#include <cstdint>
#include <variant>

namespace Tambo::platform {

// Flag values of the synthetic-input records. They are the Windows values so that the engine's
// records mean the same thing on every platform; each backend translates them.
inline constexpr std::uint32_t KEYEVENTF_EXTENDEDKEY = 0x0001;
inline constexpr std::uint32_t KEYEVENTF_KEYUP = 0x0002;
inline constexpr std::uint32_t KEYEVENTF_SCANCODE = 0x0008;

inline constexpr std::uint32_t MOUSEEVENTF_MOVE = 0x0001;
inline constexpr std::uint32_t MOUSEEVENTF_LEFTDOWN = 0x0002;
inline constexpr std::uint32_t MOUSEEVENTF_LEFTUP = 0x0004;
inline constexpr std::uint32_t MOUSEEVENTF_RIGHTDOWN = 0x0008;
inline constexpr std::uint32_t MOUSEEVENTF_RIGHTUP = 0x0010;
inline constexpr std::uint32_t MOUSEEVENTF_ABSOLUTE = 0x8000;

struct KeyboardRecord {
    std::uint16_t virtualKey = 0;
    std::uint16_t scanCode = 0;
    std::uint32_t flags = 0;

    friend bool operator==(const KeyboardRecord&, const KeyboardRecord&) = default;
};

struct MouseRecord {
    std::int32_t dx = 0;
    std::int32_t dy = 0;
    std::uint32_t flags = 0;

    friend bool operator==(const MouseRecord&, const MouseRecord&) = default;
};

using InputRecord = std::variant<KeyboardRecord, MouseRecord>;

}  // namespace Tambo::platform
