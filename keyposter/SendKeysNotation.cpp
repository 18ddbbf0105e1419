#include "SendKeysNotation.h"

#include <algorithm>
#include <array>
#include <utility>

namespace keyposter {
namespace {

constexpr std::uint32_t kLeftShift = 160;
constexpr std::uint32_t kLeftCtrl = 162;
constexpr std::uint32_t kLeftAlt = 164;

constexpr std::pair<std::u16string_view, std::uint32_t> kNamedKeys[] = {
    {u"LEFT", 37},
    {u"UP", 38},
    {u"RIGHT", 39},
    {u"DOWN", 40},
};

std::optional<std::uint32_t> ModifierFor(char16_t c) {
    switch (c) {
        case u'^':
            return kLeftCtrl;
        case u'+':
            return kLeftShift;
        case u'%':
            return kLeftAlt;
        default:
            return std::nullopt;
    }
}

char16_t ToUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::optional<std::uint32_t> NamedKey(std::u16string_view name) {
    for (const auto& [keyName, virtualKey] : kNamedKeys) {
        if (std::ranges::equal(name, keyName, {}, ToUpper)) {
            return virtualKey;
        }
    }
    return std::nullopt;
}

std::string Printable(char16_t c) {
    return c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : "a non-ASCII character";
}

// Reads one key at `pos` (a braced name or a single character) into `stroke` and moves past it.
bool ReadKey(std::u16string_view text, std::size_t& pos, KeyStroke& stroke, std::string& error) {
    const char16_t c = text[pos];
    if (c == u'{') {
        const std::size_t close = text.find(u'}', pos + 1);
        if (close == std::u16string_view::npos) {
            error = "\"{\" without a closing \"}\"";
            return false;
        }
        const std::optional<std::uint32_t> key = NamedKey(text.substr(pos + 1, close - pos - 1));
        if (!key) {
            error = "unknown key name in braces";
            return false;
        }
        stroke.key = *key;
        pos = close + 1;
        return true;
    }
    if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) {
        stroke.key = ToUpper(c);
    } else if (c >= u'A' && c <= u'Z') {
        if (std::ranges::find(stroke.modifiers, kLeftShift) == stroke.modifiers.end()) {
            stroke.modifiers.push_back(kLeftShift);
        }
        stroke.key = c;
    } else {
        error = "\"" + Printable(c) + "\" is not a key this service can send";
        return false;
    }
    ++pos;
    return true;
}

}  // namespace

std::optional<std::vector<KeyStroke>> ParseSendKeys(std::u16string_view text, std::string& error) {
    std::vector<KeyStroke> strokes;
    KeyStroke stroke;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (const std::optional<std::uint32_t> modifier = ModifierFor(text[pos])) {
            if (std::ranges::find(stroke.modifiers, *modifier) != stroke.modifiers.end()) {
                error = "a modifier given twice for one key";
                return std::nullopt;
            }
            stroke.modifiers.push_back(*modifier);
            ++pos;
            continue;
        }
        if (!ReadKey(text, pos, stroke, error)) {
            return std::nullopt;
        }
        strokes.push_back(std::exchange(stroke, KeyStroke{}));
    }
    if (!stroke.modifiers.empty()) {
        error = "a modifier with no key after it";
        return std::nullopt;
    }
    return strokes;
}

}  // namespace keyposter
