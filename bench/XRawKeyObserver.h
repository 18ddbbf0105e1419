#pragma once

#include <X11/Xlib.h>

namespace bench {

// A second client of the X server that sees the raw key events of the master keyboard: where
// injected keys are observed as having reached the server.
class XRawKeyObserver {
public:
    explicit XRawKeyObserver(const char* displayName);
    ~XRawKeyObserver();
    XRawKeyObserver(const XRawKeyObserver&) = delete;
    XRawKeyObserver& operator=(const XRawKeyObserver&) = delete;

    // Selects the raw key events; false without XInput 2.1.
    bool Select();

    enum class KeyEvent { Timeout, Press, Release };
    // Blocks until the next raw key event; Timeout after `timeoutMs` without one.
    KeyEvent WaitForKeyEvent(int timeoutMs);

private:
    Display* display_;
    int opcode_ = 0;
};

}  // namespace bench
