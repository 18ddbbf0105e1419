#include "VirtualKeyKeysyms.h"

#include <X11/keysym.h>

#include <array>
#include <utility>

namespace platform_x11 {
namespace {

struct Entry {
    std::uint8_t virtualKey;
    VirtualKeyKeysyms keysyms;
};

// The keys with a name of their own; letters, digits, F-keys and keypad digits come in ranges
// below.
constexpr Entry kNamedKeys[] = {
    {0x08, {XK_BackSpace}},
    {0x09, {XK_Tab}},
    {0x0D, {XK_Return}},
    {0x10, {XK_Shift_L, XK_Shift_R}},
    {0x11, {XK_Control_L, XK_Control_R}},
    {0x12, {XK_Alt_L, XK_Alt_R}},
    {0x13, {XK_Pause}},
    {0x14, {XK_Caps_Lock}},
    {0x1B, {XK_Escape}},
    {0x20, {XK_space}},
    {0x21, {XK_Prior}},
    {0x22, {XK_Next}},
    {0x23, {XK_End}},
    {0x24, {XK_Home}},
    {0x25, {XK_Left}},
    {0x26, {XK_Up}},
    {0x27, {XK_Right}},
    {0x28, {XK_Down}},
    {0x2C, {XK_Print}},
    {0x2D, {XK_Insert}},
    {0x2E, {XK_Delete}},
    {0x5B, {XK_Super_L}},
    {0x5C, {XK_Super_R}},
    {0x5D, {XK_Menu}},
    {0x6A, {XK_KP_Multiply}},
    {0x6B, {XK_KP_Add}},
    {0x6C, {XK_KP_Separator}},
    {0x6D, {XK_KP_Subtract}},
    {0x6E, {XK_KP_Decimal}},
    {0x6F, {XK_KP_Divide}},
    {0x90, {XK_Num_Lock}},
    {0x91, {XK_Scroll_Lock}},
    {0xA0, {XK_Shift_L}},
    {0xA1, {XK_Shift_R}},
    {0xA2, {XK_Control_L}},
    {0xA3, {XK_Control_R}},
    {0xA4, {XK_Alt_L}},
    {0xA5, {XK_Alt_R}},
    {0xBA, {XK_semicolon}},     // OEM 1
    {0xBB, {XK_equal}},         // OEM plus
    {0xBC, {XK_comma}},         // OEM comma
    {0xBD, {XK_minus}},         // OEM minus
    {0xBE, {XK_period}},        // OEM period
    {0xBF, {XK_slash}},         // OEM 2
    {0xC0, {XK_grave}},         // OEM 3
    {0xDB, {XK_bracketleft}},   // OEM 4
    {0xDC, {XK_backslash}},     // OEM 5
    {0xDD, {XK_bracketright}},  // OEM 6
    {0xDE, {XK_apostrophe}},    // OEM 7
    {0xE2, {XK_less}},          // OEM 102, the extra key left of Z
};

struct Range {
    std::uint8_t firstVirtualKey;
    std::uint8_t lastVirtualKey;
    KeySym firstKeysym;
};

// Virtual keys whose keysyms run in step with them.
constexpr Range kRanges[] = {
    {0x30, 0x39, XK_0},     // digits
    {0x41, 0x5A, XK_a},     // letters, lower case
    {0x60, 0x69, XK_KP_0},  // keypad digits
    {0x70, 0x87, XK_F1},    // F1 to F24
};

constexpr std::array<VirtualKeyKeysyms, 256> BuildTable() {
    std::array<VirtualKeyKeysyms, 256> table{};
    for (const Range& range : kRanges) {
        for (unsigned vk = range.firstVirtualKey; vk <= range.lastVirtualKey; ++vk) {
            table[vk].key = range.firstKeysym + (vk - range.firstVirtualKey);
        }
    }
    for (const Entry& entry : kNamedKeys) {
        table[entry.virtualKey] = entry.keysyms;
    }
    return table;
}

constexpr std::array<VirtualKeyKeysyms, 256> kTable = BuildTable();

}  // namespace

VirtualKeyKeysyms KeysymsForVirtualKey(std::uint32_t virtualKey) {
    return virtualKey < kTable.size() ? kTable[virtualKey] : VirtualKeyKeysyms{};
}

}  // namespace platform_x11
