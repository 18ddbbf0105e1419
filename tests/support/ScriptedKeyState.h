#pragma once

#include <map>
#include <mutex>

#include "engine/platform/KeyStateSource.h"

namespace test_support {

// Key state the test scripts sample by sample: Press marks a key pressed (and, with `hold`,
// down); each query of a key reports and clears its "pressed since the last query" bit, as the
// real source does.
class ScriptedKeyState : public Tambo::platform::KeyStateSource {
public:
    void Press(std::uint32_t key, bool hold = false) {
        std::lock_guard lock(mutex_);
        keys_[key].pressedSinceLastQuery = true;
        keys_[key].downNow = hold;
    }
    void Hold(std::uint32_t key) {
        std::lock_guard lock(mutex_);
        keys_[key].downNow = true;
    }
    void Release(std::uint32_t key) {
        std::lock_guard lock(mutex_);
        keys_[key].downNow = false;
    }
    void MoveCursor(std::int32_t x, std::int32_t y) {
        std::lock_guard lock(mutex_);
        cursor_ = {x, y};
    }

    Tambo::platform::AsyncKeyState QueryKey(std::uint32_t key) override {
        std::lock_guard lock(mutex_);
        Tambo::platform::AsyncKeyState& state = keys_[key];
        const Tambo::platform::AsyncKeyState result = state;
        state.pressedSinceLastQuery = false;
        return result;
    }
    Tambo::platform::CursorPosition QueryCursor() override {
        std::lock_guard lock(mutex_);
        return cursor_;
    }

private:
    std::mutex mutex_;
    std::map<std::uint32_t, Tambo::platform::AsyncKeyState> keys_;
    Tambo::platform::CursorPosition cursor_;
};

}  // namespace test_support
