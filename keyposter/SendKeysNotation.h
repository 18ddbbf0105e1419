#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keyposter {

// One key typed with the modifiers held around it, all as Windows virtual keys.
struct KeyStroke {
    std::vector<std::uint32_t> modifiers;  // pressed in this order, released in reverse
    std::uint32_t key = 0;

    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// Reads a text in send-keys notation: "{LEFT}", "{UP}", "{RIGHT}", "{DOWN}" (key names in any
// case), a letter (an upper-case one adds Shift), a digit, and the modifiers "^" (Ctrl), "+"
// (Shift) and "%" (Alt), each applying to the key right after it. The modifiers are the
// left-hand keys. Empty, with a short reason in `error`, for a text with anything else in it,
// a modifier without a key after it or a modifier given twice for one key.
std::optional<std::vector<KeyStroke>> ParseSendKeys(std::u16string_view text, std::string& error);

}  // namespace keyposter
