#include "XRawKeyObserver.h"

#include <X11/extensions/XInput2.h>
#include <poll.h>

namespace bench {

XRawKeyObserver::XRawKeyObserver(const char* displayName) : display_(XOpenDisplay(displayName)) {}

XRawKeyObserver::~XRawKeyObserver() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

bool XRawKeyObserver::Select() {
    int eventBase = 0;
    int errorBase = 0;
    int major = 2;
    int minor = 2;
    if (display_ == nullptr ||
        !XQueryExtension(display_, "XInputExtension", &opcode_, &eventBase, &errorBase) ||
        XIQueryVersion(display_, &major, &minor) != Success || minor < 1) {
        return false;
    }
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
    XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
    XSync(display_, False);
    return true;
}

XRawKeyObserver::KeyEvent XRawKeyObserver::WaitForKeyEvent(int timeoutMs) {
    for (;;) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.xcookie.type == GenericEvent && event.xcookie.extension == opcode_) {
                return event.xcookie.evtype == XI_RawKeyPress ? KeyEvent::Press : KeyEvent::Release;
            }
        }
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        if (poll(&fd, 1, timeoutMs) <= 0) {
            return KeyEvent::Timeout;
        }
    }
}

}  // namespace bench
