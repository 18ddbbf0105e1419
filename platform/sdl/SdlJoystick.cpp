#include "SdlJoystick.h"

#include <SDL2/SDL.h>

#include <mutex>

namespace platform_sdl {
namespace {

using Tambo::platform::JoystickState;

// SDL's axes run from -32768 to 32767; the box reports 0 to 65535 with both ends exact.
std::int32_t ToBoxAxis(Sint16 value) {
    return static_cast<std::int32_t>(value) + 32768;
}

class SdlJoystick final : public Tambo::platform::Joystick {
public:
    SdlJoystick() = default;
    ~SdlJoystick() override {
        Close();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    // On Linux SDL always opens the device shared: other programs keep receiving the box's
    // input, so `exclusive` has no effect here.
    bool Open(bool /*exclusive*/) override {
        std::lock_guard lock(mutex_);
        return OpenFirst();
    }

    bool Reacquire() override {
        std::lock_guard lock(mutex_);
        return OpenFirst();
    }

    std::optional<JoystickState> Read() override {
        std::lock_guard lock(mutex_);
        SDL_JoystickUpdate();
        if (!joystick_ || !SDL_JoystickGetAttached(joystick_)) {
            return std::nullopt;
        }
        JoystickState state;
        const int buttons = SDL_JoystickNumButtons(joystick_);
        for (int i = 0; i < static_cast<int>(state.buttons.size()) && i < buttons; ++i) {
            state.buttons[i] = SDL_JoystickGetButton(joystick_, i) != 0;
        }
        const int axes = SDL_JoystickNumAxes(joystick_);
        if (axes > 0)
            state.x = ToBoxAxis(SDL_JoystickGetAxis(joystick_, 0));
        if (axes > 1)
            state.y = ToBoxAxis(SDL_JoystickGetAxis(joystick_, 1));
        return state;
    }

    void Close() override {
        std::lock_guard lock(mutex_);
        CloseHandle();
    }

private:
    // A handle is closed before the device is opened again, so a replugged box gets a fresh one.
    bool OpenFirst() {
        CloseHandle();
        SDL_JoystickUpdate();
        if (SDL_NumJoysticks() < 1) {
            return false;
        }
        joystick_ = SDL_JoystickOpen(0);
        return joystick_ != nullptr;
    }

    void CloseHandle() {
        if (joystick_) {
            SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
        }
    }

    std::mutex mutex_;
    SDL_Joystick* joystick_ = nullptr;
};

}  // namespace

std::shared_ptr<Tambo::platform::Joystick> OpenSdlJoystick(std::string& whyNot) {
    // SDL must not install its own SIGINT/SIGTERM handlers: the program handles those itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        whyNot = std::string("cannot start SDL's joystick support: ") + SDL_GetError();
        return nullptr;
    }
    // Only polled: no joystick events pile up in SDL's event queue.
    SDL_JoystickEventState(SDL_IGNORE);
    return std::make_shared<SdlJoystick>();
}

}  // namespace platform_sdl
