#pragma once

#include <cstdint>
#include <string_view>

namespace platform_x11 {

// The XKB name of the physical key (such as "AC01" or "KP8") that a PC set-1 scan code stands
// for; `extended` selects the E0-prefixed variant (E0 48 is the Up arrow, plain 48 keypad 8).
// Empty for a code that names no key, including an extended code without an E0 variant.
std::string_view XkbKeyNameForScanCode(std::uint8_t scanCode, bool extended);

}  // namespace platform_x11
