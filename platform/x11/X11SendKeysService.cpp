#include "X11SendKeysService.h"

#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "X11Connection.h"
#include "X11KeycodeTable.h"
#include "engine/Text.h"
#include "keyposter/SendKeysNotation.h"

namespace platform_x11 {
namespace {

// A stroke as keycodes: the modifiers' keys, then the key.
struct KeycodeStroke {
    std::vector<KeyCode> modifiers;
    KeyCode key = 0;
};

// The text for a one-line message: control characters become '?'.
std::string OneLine(std::u16string_view text) {
    std::string utf8 = Tambo::Utf16ToUtf8(text);
    std::ranges::replace_if(
        utf8, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    return utf8;
}

class X11SendKeysService final : public keyposter::SendKeysService {
public:
    explicit X11SendKeysService(X11Connection connection)
        : connection_(std::move(connection)), keycodes_(connection_.get()) {
        XTestGrabControl(connection_.get(), True);
    }

    void SendWait(std::u16string_view text) override {
        std::string error;
        const std::optional<std::vector<KeycodeStroke>> strokes = Resolve(text, error);
        if (!strokes) {
            std::fprintf(stderr, "keyposter: cannot send \"%s\": %s; nothing sent\n",
                         OneLine(text).c_str(), error.c_str());
            return;
        }
        std::lock_guard lock(mutex_);
        Display* display = connection_.get();
        for (const KeycodeStroke& stroke : *strokes) {
            for (const KeyCode modifier : stroke.modifiers) {
                XTestFakeKeyEvent(display, modifier, True, CurrentTime);
            }
            XTestFakeKeyEvent(display, stroke.key, True, CurrentTime);
            XTestFakeKeyEvent(display, stroke.key, False, CurrentTime);
            for (auto modifier = stroke.modifiers.rbegin(); modifier != stroke.modifiers.rend();
                 ++modifier) {
                XTestFakeKeyEvent(display, *modifier, False, CurrentTime);
            }
        }
        // Returns only once the server has processed every key.
        XSync(display, False);
    }

private:
    // The whole text as keycodes, or nothing when any part of it cannot be typed here.
    std::optional<std::vector<KeycodeStroke>> Resolve(std::u16string_view text,
                                                      std::string& error) const {
        const auto strokes = keyposter::ParseSendKeys(text, error);
        if (!strokes) {
            return std::nullopt;
        }
        std::vector<KeycodeStroke> resolved;
        for (const keyposter::KeyStroke& stroke : *strokes) {
            KeycodeStroke keys{{}, keycodes_.ForVirtualKey(stroke.key)};
            for (const std::uint32_t modifier : stroke.modifiers) {
                keys.modifiers.push_back(keycodes_.ForVirtualKey(modifier));
            }
            if (keys.key == 0 || std::ranges::find(keys.modifiers, 0) != keys.modifiers.end()) {
                error = "a key of it is missing from the X keyboard map";
                return std::nullopt;
            }
            resolved.push_back(std::move(keys));
        }
        return resolved;
    }

    std::mutex mutex_;  // guards the connection's use
    X11Connection connection_;
    const X11KeycodeTable keycodes_;
};

}  // namespace

std::unique_ptr<keyposter::SendKeysService> OpenX11SendKeysService(const char* displayName,
                                                                   std::string& whyNot) {
    std::optional<X11Connection> connection = X11Connection::OpenWithXTest(displayName, whyNot);
    if (!connection) {
        return nullptr;
    }
    return std::make_unique<X11SendKeysService>(std::move(*connection));
}

}  // namespace platform_x11
