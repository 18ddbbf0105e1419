#pragma once

#include <X11/X.h>

#include <cstdint>

namespace platform_x11 {

// The X keysyms of a Windows virtual key on a US layout. `key` is the one injected for it;
// `otherSide` is the right-hand twin that also counts as the key when its state is asked for
// (Shift, Ctrl and Alt without a side are either key). NoSymbol where there is none.
struct VirtualKeyKeysyms {
    KeySym key = NoSymbol;
    KeySym otherSide = NoSymbol;
};

// Letters map to their lower-case keysym and the numeric-keypad keys to the keypad's digits
// and operators, so that the key found for them is the physical key a Windows keyboard would
// press. A virtual key without an X counterpart gives NoSymbol.
VirtualKeyKeysyms KeysymsForVirtualKey(std::uint32_t virtualKey);

}  // namespace platform_x11
