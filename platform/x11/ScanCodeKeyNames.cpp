#include "ScanCodeKeyNames.h"

#include <array>

namespace platform_x11 {
namespace {

// Plain set-1 make codes 0x00..0x58 as positions on a PC keyboard, named as XKB names them.
constexpr std::array<std::string_view, 0x59> kPlainKeys = {
    "",     "ESC",  "AE01", "AE02", "AE03", "AE04", "AE05", "AE06",  // 00
    "AE07", "AE08", "AE09", "AE10", "AE11", "AE12", "BKSP", "TAB",   // 08
    "AD01", "AD02", "AD03", "AD04", "AD05", "AD06", "AD07", "AD08",  // 10
    "AD09", "AD10", "AD11", "AD12", "RTRN", "LCTL", "AC01", "AC02",  // 18
    "AC03", "AC04", "AC05", "AC06", "AC07", "AC08", "AC09", "AC10",  // 20
    "AC11", "TLDE", "LFSH", "BKSL", "AB01", "AB02", "AB03", "AB04",  // 28
    "AB05", "AB06", "AB07", "AB08", "AB09", "AB10", "RTSH", "KPMU",  // 30
    "LALT", "SPCE", "CAPS", "FK01", "FK02", "FK03", "FK04", "FK05",  // 38
    "FK06", "FK07", "FK08", "FK09", "FK10", "NMLK", "SCLK", "KP7",   // 40
    "KP8",  "KP9",  "KPSU", "KP4",  "KP5",  "KP6",  "KPAD", "KP1",   // 48
    "KP2",  "KP3",  "KP0",  "KPDL", "",     "",     "LSGT", "FK11",  // 50
    "FK12",                                                          // 58
};

struct ExtendedKey {
    std::uint8_t scanCode;
    std::string_view name;
};

// The E0-prefixed codes: the grey navigation block, the right-hand modifiers and the keypad's
// Enter and divide.
constexpr ExtendedKey kExtendedKeys[] = {
    {0x1C, "KPEN"}, {0x1D, "RCTL"}, {0x35, "KPDV"}, {0x37, "PRSC"}, {0x38, "RALT"},
    {0x45, "NMLK"}, {0x46, "PAUS"}, {0x47, "HOME"}, {0x48, "UP"},   {0x49, "PGUP"},
    {0x4B, "LEFT"}, {0x4D, "RGHT"}, {0x4F, "END"},  {0x50, "DOWN"}, {0x51, "PGDN"},
    {0x52, "INS"},  {0x53, "DELE"}, {0x5B, "LWIN"}, {0x5C, "RWIN"}, {0x5D, "COMP"},
};

}  // namespace

std::string_view XkbKeyNameForScanCode(std::uint8_t scanCode, bool extended) {
    if (extended) {
        for (const ExtendedKey& key : kExtendedKeys) {
            if (key.scanCode == scanCode) {
                return key.name;
            }
        }
        return {};
    }
    return scanCode < kPlainKeys.size() ? kPlainKeys[scanCode] : std::string_view{};
}

}  // namespace platform_x11
