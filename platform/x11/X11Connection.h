#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <string>

namespace platform_x11 {

// One client connection to an X server, closed when the object goes. Xlib connections are not
// shared between threads here: each backend keeps its own, used by one thread or under one lock.
class X11Connection {
public:
    // Opens the display `displayName` (nullptr: the one DISPLAY names). Empty, with a one-line
    // reason in `whyNot`, when the server cannot be reached.
    static std::optional<X11Connection> Open(const char* displayName, std::string& whyNot);
    // As Open, and also empty when the server has no XTEST extension to inject with.
    static std::optional<X11Connection> OpenWithXTest(const char* displayName, std::string& whyNot);

    Display* get() const { return display_.get(); }

private:
    struct Closer {
        void operator()(Display* display) const { XCloseDisplay(display); }
    };

    explicit X11Connection(Display* display) : display_(display) {}

    std::unique_ptr<Display, Closer> display_;
};

// Where the pointer is on the root window, and which buttons and modifiers are down.
struct PointerState {
    int x = 0;
    int y = 0;
    unsigned buttonMask = 0;
};
PointerState QueryPointer(Display* display);

// Selects the raw key and button events of the master devices on the root window (the master
// devices only: each slave's event reaches its master too, so selecting both would see every
// press twice), and waits until the server has taken the selection.
void SelectRawKeyAndButtonEvents(Display* display);

// The name Xlib would connect to for `displayName`, quoted for a message ("" when DISPLAY is
// unset and no name is given).
std::string QuotedDisplayName(const char* displayName);

}  // namespace platform_x11
