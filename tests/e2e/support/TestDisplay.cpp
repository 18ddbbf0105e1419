#include "TestDisplay.h"

#include "platform/x11/X11Connection.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <poll.h>

namespace e2e {

std::unique_ptr<TestDisplay> TestDisplay::Open(const char* displayName) {
    XInitThreads();
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) {
        return nullptr;
    }
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    int major = 2;
    int minor = 2;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &eventBase, &errorBase) ||
        XIQueryVersion(display, &major, &minor) != Success || minor < 1 ||
        !XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(display);
        return nullptr;
    }
    platform_x11::SelectRawKeyAndButtonEvents(display);
    return std::unique_ptr<TestDisplay>(new TestDisplay(display, opcode));
}

TestDisplay::~TestDisplay() {
    XCloseDisplay(display_);
}

void TestDisplay::Discard() {
    std::vector<std::string> ignored;
    XSync(display_, False);
    ReadPending(ignored);
}

std::vector<std::string> TestDisplay::Events(std::size_t count, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::vector<std::string> lines;
    ReadPending(lines);
    while (lines.size() < count && std::chrono::steady_clock::now() < deadline) {
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        poll(&fd, 1, 10);
        ReadPending(lines);
    }
    // A round trip, so that whatever the server delivered up to now is read as well.
    XSync(display_, False);
    ReadPending(lines);
    return lines;
}

void TestDisplay::ReadPending(std::vector<std::string>& lines) {
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        XGenericEventCookie& cookie = event.xcookie;
        if (cookie.type != GenericEvent || cookie.extension != inputOpcode_ ||
            !XGetEventData(display_, &cookie)) {
            continue;
        }
        const auto& raw = *static_cast<const XIRawEvent*>(cookie.data);
        lines.push_back(Describe(raw.evtype, raw.detail));
        XFreeEventData(display_, &cookie);
    }
}

std::string TestDisplay::Describe(int type, int detail) const {
    const bool press = type == XI_RawKeyPress || type == XI_RawButtonPress;
    const std::string what = press ? "press " : "release ";
    if (type == XI_RawButtonPress || type == XI_RawButtonRelease) {
        return what + "button " + std::to_string(detail);
    }
    const KeySym keysym = XkbKeycodeToKeysym(display_, static_cast<KeyCode>(detail), 0, 0);
    const char* name = XKeysymToString(keysym);
    return what + (name != nullptr ? name : "keycode " + std::to_string(detail));
}

PointerPosition TestDisplay::Pointer() const {
    const platform_x11::PointerState pointer = platform_x11::QueryPointer(display_);
    return PointerPosition{pointer.x, pointer.y};
}

int TestDisplay::ScreenWidth() const {
    return DisplayWidth(display_, DefaultScreen(display_));
}

int TestDisplay::ScreenHeight() const {
    return DisplayHeight(display_, DefaultScreen(display_));
}

void TestDisplay::Key(KeySym keysym, bool press) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), press ? True : False,
                      CurrentTime);
    XSync(display_, False);
}

void TestDisplay::Button(unsigned button, bool press) {
    XTestFakeButtonEvent(display_, button, press ? True : False, CurrentTime);
    XSync(display_, False);
}

void TestDisplay::MovePointer(int x, int y) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    XSync(display_, False);
}

}  // namespace e2e
