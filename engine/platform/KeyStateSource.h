#pragma once

#include <cstdint>

namespace Tambo::platform {

// The asynchronous key state of one virtual key, as the recorder samples it.
struct AsyncKeyState {
    bool downNow = false;                // the key is down at the moment of the query
    bool pressedSinceLastQuery = false;  // it went down since the previous query of that key
};

struct CursorPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Keyboard and mouse state for the recorder. Virtual keys are the Windows codes: 1 and 2 the
// left and right mouse buttons, 16 Shift (either side), 160 Left Shift, 162 Left Ctrl, 20 Caps
// Lock, and the keys the recorder watches. A press between two queries of a key is never missed.
class KeyStateSource {
public:
    virtual ~KeyStateSource() = default;

    virtual AsyncKeyState QueryKey(std::uint32_t virtualKey) = 0;
    // The cursor position in screen pixels.
    virtual CursorPosition QueryCursor() = 0;
};

}  // namespace Tambo::platform
