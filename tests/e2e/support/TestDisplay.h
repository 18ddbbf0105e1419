#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

struct PointerPosition {
    int x = 0;
    int y = 0;

    friend bool operator==(const PointerPosition&, const PointerPosition&) = default;
};

// The tests' own connection to an X display, apart from every connection of the code under
// test: it observes what reaches the server as XInput2 raw events of the master devices, reads
// the pointer, and injects with XTest where a test needs input from outside the code under test.
class TestDisplay {
public:
    // nullptr when the display cannot be opened or lacks XTEST or XInput 2.1.
    // `displayName` nullptr means the display DISPLAY names.
    static std::unique_ptr<TestDisplay> Open(const char* displayName);
    ~TestDisplay();
    TestDisplay(const TestDisplay&) = delete;
    TestDisplay& operator=(const TestDisplay&) = delete;

    Display* get() const { return display_; }

    // Forgets every event the server has delivered so far.
    void Discard();

    // The raw events, as lines such as "press Control_L", "release m" (keys by the keysym of
    // their first level) or "press button 3": waits up to `timeout` for `count` of them, then
    // returns every event delivered up to that moment, so extra events show up too.
    std::vector<std::string> Events(std::size_t count,
                                    std::chrono::milliseconds timeout = std::chrono::seconds(2));

    PointerPosition Pointer() const;
    int ScreenWidth() const;
    int ScreenHeight() const;

    // Injection from outside the code under test; each returns once the server has processed it.
    void Key(KeySym keysym, bool press);
    void Button(unsigned button, bool press);
    void MovePointer(int x, int y);

private:
    TestDisplay(Display* display, int inputOpcode) : display_(display), inputOpcode_(inputOpcode) {}

    void ReadPending(std::vector<std::string>& lines);
    std::string Describe(int type, int detail) const;

    Display* display_;
    int inputOpcode_;
};

}  // namespace e2e
