#include "X11Connection.h"

#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

namespace platform_x11 {

PointerState QueryPointer(Display* display) {
    Window root = 0;
    Window child = 0;
    PointerState state;
    int windowX = 0;
    int windowY = 0;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &state.x, &state.y, &windowX,
                  &windowY, &state.buttonMask);
    return state;
}

void SelectRawKeyAndButtonEvents(Display* display) {
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XSync(display, False);
}

std::string QuotedDisplayName(const char* displayName) {
    return '"' + std::string(XDisplayName(displayName)) + '"';
}

std::optional<X11Connection> X11Connection::Open(const char* displayName, std::string& whyNot) {
    // Every backend opens its own connection, possibly from different threads; Xlib must be made
    // thread-aware before the first of them. Repeated calls are harmless.
    XInitThreads();
    const std::string name = XDisplayName(displayName);
    if (name.empty()) {
        whyNot = "no X display (DISPLAY is not set)";
        return std::nullopt;
    }
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) {
        whyNot = "cannot open the X display " + QuotedDisplayName(displayName);
        return std::nullopt;
    }
    return X11Connection(display);
}

std::optional<X11Connection> X11Connection::OpenWithXTest(const char* displayName,
                                                          std::string& whyNot) {
    std::optional<X11Connection> connection = Open(displayName, whyNot);
    if (!connection) {
        return std::nullopt;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(connection->get(), &eventBase, &errorBase, &major, &minor)) {
        whyNot = "the X display " + QuotedDisplayName(displayName) + " has no XTEST extension";
        return std::nullopt;
    }
    return connection;
}

}  // namespace platform_x11
