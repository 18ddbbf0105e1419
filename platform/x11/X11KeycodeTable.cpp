#include "X11KeycodeTable.h"

#include <X11/XKBlib.h>

#include <cstring>
#include <memory>
#include <string_view>

#include "ScanCodeKeyNames.h"
#include "VirtualKeyKeysyms.h"

namespace platform_x11 {
namespace {

constexpr std::uint16_t kExtendedPrefix = 0xE0;

struct KeyboardFree {
    void operator()(XkbDescPtr keyboard) const { XkbFreeKeyboard(keyboard, 0, True); }
};
using KeyboardPtr = std::unique_ptr<XkbDescRec, KeyboardFree>;

// XKB key names are four bytes, padded with zero bytes when shorter.
bool NameIs(const char (&xkbName)[XkbKeyNameLength], std::string_view name) {
    return name.size() <= XkbKeyNameLength &&
           std::strncmp(xkbName, name.data(), name.size()) == 0 &&
           (name.size() == XkbKeyNameLength || xkbName[name.size()] == '\0');
}

KeyCode KeycodeNamed(const XkbDescRec& keyboard, std::string_view name) {
    for (int code = keyboard.min_key_code; code <= keyboard.max_key_code; ++code) {
        if (NameIs(keyboard.names->keys[code].name, name)) {
            return static_cast<KeyCode>(code);
        }
    }
    return 0;
}

// The key a name stands for, directly or through one of the keymap's aliases (<MENU> for
// <COMP>, <LMTA> for <LWIN>, ...).
KeyCode KeycodeForName(const XkbDescRec& keyboard, std::string_view name) {
    if (const KeyCode code = KeycodeNamed(keyboard, name)) {
        return code;
    }
    for (int i = 0; i < keyboard.names->num_key_aliases; ++i) {
        const XkbKeyAliasRec& alias = keyboard.names->key_aliases[i];
        if (NameIs(alias.alias, name)) {
            const std::string_view real(alias.real, strnlen(alias.real, XkbKeyNameLength));
            return KeycodeNamed(keyboard, real);
        }
    }
    return 0;
}

}  // namespace

X11KeycodeTable::X11KeycodeTable(Display* display) {
    ReadVirtualKeys(display);
    ReadScanCodes(display);
}

void X11KeycodeTable::ReadVirtualKeys(Display* display) {
    for (std::uint32_t vk = 0; vk < virtualKeys_.size(); ++vk) {
        const VirtualKeyKeysyms keysyms = KeysymsForVirtualKey(vk);
        if (keysyms.key != NoSymbol) {
            virtualKeys_[vk][0] = XKeysymToKeycode(display, keysyms.key);
        }
        if (keysyms.otherSide != NoSymbol) {
            virtualKeys_[vk][1] = XKeysymToKeycode(display, keysyms.otherSide);
        }
    }
}

void X11KeycodeTable::ReadScanCodes(Display* display) {
    // Without XKB there are no key names; scan-code records then find no key and are skipped.
    const KeyboardPtr keyboard(XkbGetMap(display, 0, XkbUseCoreKbd));
    if (!keyboard ||
        XkbGetNames(display, XkbKeyNamesMask | XkbKeyAliasesMask, keyboard.get()) != Success ||
        keyboard->names == nullptr || keyboard->names->keys == nullptr) {
        return;
    }
    for (std::uint8_t scan = 0; scan < scanCodes_.size(); ++scan) {
        for (const bool extended : {false, true}) {
            const std::string_view name = XkbKeyNameForScanCode(scan, extended);
            if (!name.empty()) {
                scanCodes_[scan][extended ? 1 : 0] = KeycodeForName(*keyboard, name);
            }
        }
    }
}

KeyCode X11KeycodeTable::ForVirtualKey(std::uint32_t virtualKey) const {
    return virtualKey < virtualKeys_.size() ? virtualKeys_[virtualKey][0] : 0;
}

std::array<KeyCode, 2> X11KeycodeTable::StateKeysForVirtualKey(std::uint32_t virtualKey) const {
    return virtualKey < virtualKeys_.size() ? virtualKeys_[virtualKey] : std::array<KeyCode, 2>{};
}

KeyCode X11KeycodeTable::ForScanCode(std::uint16_t scanCode, bool extended) const {
    // Some callers put the E0 prefix into the high byte (0xE048) instead of setting the flag.
    if ((scanCode >> 8) == kExtendedPrefix) {
        extended = true;
        scanCode &= 0xFF;
    }
    return scanCode < scanCodes_.size() ? scanCodes_[scanCode][extended ? 1 : 0] : 0;
}

}  // namespace platform_x11
