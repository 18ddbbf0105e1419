#include "X11InputSink.h"

#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <utility>
#include <variant>

#include "AbsoluteGridInverse.h"
#include "X11Connection.h"
#include "X11KeycodeTable.h"
#include "engine/platform/ScanCodes.h"

namespace platform_x11 {
namespace {

using Tambo::platform::InputRecord;
using Tambo::platform::InputSink;
using Tambo::platform::KeyboardRecord;
using Tambo::platform::KEYEVENTF_EXTENDEDKEY;
using Tambo::platform::KEYEVENTF_KEYUP;
using Tambo::platform::KEYEVENTF_SCANCODE;
using Tambo::platform::MOUSEEVENTF_ABSOLUTE;
using Tambo::platform::MOUSEEVENTF_LEFTDOWN;
using Tambo::platform::MOUSEEVENTF_LEFTUP;
using Tambo::platform::MOUSEEVENTF_MOVE;
using Tambo::platform::MOUSEEVENTF_RIGHTDOWN;
using Tambo::platform::MOUSEEVENTF_RIGHTUP;
using Tambo::platform::MouseRecord;

struct ButtonFlag {
    std::uint32_t flag;
    unsigned button;  // X button: 1 left, 3 right
    Bool press;
};

// In the order a record's button flags take effect.
constexpr ButtonFlag kButtonFlags[] = {
    {MOUSEEVENTF_LEFTDOWN, 1, True},
    {MOUSEEVENTF_LEFTUP, 1, False},
    {MOUSEEVENTF_RIGHTDOWN, 3, True},
    {MOUSEEVENTF_RIGHTUP, 3, False},
};

// XTest carries motion as 16-bit coordinates.
int ClampToInt16(std::int32_t value) {
    return std::clamp<std::int32_t>(value, -32768, 32767);
}

class X11InputSink final : public InputSink {
public:
    explicit X11InputSink(X11Connection connection)
        : connection_(std::move(connection)),
          keycodes_(connection_.get()),
          screen_(DefaultScreen(connection_.get())),
          width_(DisplayWidth(connection_.get(), screen_)),
          height_(DisplayHeight(connection_.get(), screen_)) {
        // Injection keeps working while another client grabs the server.
        XTestGrabControl(connection_.get(), True);
    }

    // The records go out in order under one lock, so groups from different threads never
    // interleave; the sync makes the server process them before the call returns, so what is
    // sent afterwards on another connection (the send-keys service) comes after them.
    void Send(std::span<const InputRecord> records) override {
        std::lock_guard lock(mutex_);
        for (const InputRecord& record : records) {
            std::visit([this](const auto& r) { Inject(r); }, record);
        }
        XSync(connection_.get(), False);
    }

    std::uint16_t ScanCodeForVirtualKey(std::uint32_t virtualKey) const override {
        return Tambo::platform::Set1ScanCodeForVirtualKey(virtualKey);
    }

    int ScreenWidth() const override { return width_; }
    int ScreenHeight() const override { return height_; }

private:
    // A record sent by virtual key names its key by the virtual key alone; a scan-code record by
    // the scan code, with the extended flag choosing the E0 variant. Keys the keyboard map lacks
    // are skipped.
    void Inject(const KeyboardRecord& record) {
        const KeyCode code = (record.flags & KEYEVENTF_SCANCODE)
                                 ? keycodes_.ForScanCode(
                                       record.scanCode, (record.flags & KEYEVENTF_EXTENDEDKEY) != 0)
                                 : keycodes_.ForVirtualKey(record.virtualKey);
        if (code == 0) {
            return;
        }
        const Bool press = (record.flags & KEYEVENTF_KEYUP) ? False : True;
        XTestFakeKeyEvent(connection_.get(), code, press, CurrentTime);
    }

    // The move comes first, then the buttons, in the order of their flag bits.
    void Inject(const MouseRecord& record) {
        Display* display = connection_.get();
        if (record.flags & MOUSEEVENTF_MOVE) {
            if (record.flags & MOUSEEVENTF_ABSOLUTE) {
                XTestFakeMotionEvent(display, screen_, PixelForAbsoluteGrid(width_, record.dx),
                                     PixelForAbsoluteGrid(height_, record.dy), CurrentTime);
            } else {
                XTestFakeRelativeMotionEvent(display, ClampToInt16(record.dx),
                                             ClampToInt16(record.dy), CurrentTime);
            }
        }
        for (const ButtonFlag& button : kButtonFlags) {
            if (record.flags & button.flag) {
                XTestFakeButtonEvent(display, button.button, button.press, CurrentTime);
            }
        }
    }

    std::mutex mutex_;  // guards the connection
    X11Connection connection_;
    const X11KeycodeTable keycodes_;
    const int screen_;
    const int width_;
    const int height_;
};

}  // namespace

std::shared_ptr<InputSink> OpenX11InputSink(const char* displayName, std::string& whyNot) {
    std::optional<X11Connection> connection = X11Connection::OpenWithXTest(displayName, whyNot);
    if (!connection) {
        return nullptr;
    }
    return std::make_shared<X11InputSink>(std::move(*connection));
}

}  // namespace platform_x11
