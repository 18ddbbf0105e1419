#pragma once

#include <X11/Xlib.h>

#include <array>
#include <cstdint>

namespace platform_x11 {

// Which X keycodes the virtual keys and scan codes press on one display's keyboard map. The
// map is read once, when the table is built; 0 stands for "no key".
class X11KeycodeTable {
public:
    explicit X11KeycodeTable(Display* display);

    // The key injected for a virtual key: the one the layout gives the virtual key's keysym, so
    // that letters and punctuation follow the user's layout as they do on Windows.
    KeyCode ForVirtualKey(std::uint32_t virtualKey) const;

    // The keys whose state makes up the virtual key's state: its own key, plus the right-hand
    // key for Shift, Ctrl and Alt without a side. Unused places are 0.
    std::array<KeyCode, 2> StateKeysForVirtualKey(std::uint32_t virtualKey) const;

    // The physical key of a set-1 scan code, found by its XKB key name so that a scan code means
    // the same key position whatever the layout; `extended`, or an E0 high byte (0xE048),
    // selects the E0 variant.
    KeyCode ForScanCode(std::uint16_t scanCode, bool extended) const;

private:
    void ReadVirtualKeys(Display* display);
    void ReadScanCodes(Display* display);

    std::array<std::array<KeyCode, 2>, 256> virtualKeys_{};
    // Indexed by plain scan code, then by extended (0 or 1).
    std::array<std::array<KeyCode, 2>, 128> scanCodes_{};
};

}  // namespace platform_x11
