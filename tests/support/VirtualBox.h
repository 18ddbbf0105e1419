#pragma once

#include <SDL2/SDL.h>

#include <stdexcept>
#include <string>

namespace test_support {

// A button box made of an SDL virtual joystick (32 buttons, X and Y axes) inside this process:
// what the SDL joystick backend opens as the first joystick. Unplug and Plug detach and attach
// it again.
class VirtualBox {
public:
    VirtualBox() {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
            throw std::runtime_error(std::string("SDL: ") + SDL_GetError());
        }
        Plug();
    }
    ~VirtualBox() {
        Unplug();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    VirtualBox(const VirtualBox&) = delete;
    VirtualBox& operator=(const VirtualBox&) = delete;

    void Plug() {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 32, 0);
        if (index < 0) {
            throw std::runtime_error(std::string("SDL: ") + SDL_GetError());
        }
        handle_ = SDL_JoystickOpen(index);
        if (!handle_) {
            throw std::runtime_error(std::string("SDL: ") + SDL_GetError());
        }
    }

    void Unplug() {
        if (!handle_) {
            return;
        }
        const SDL_JoystickID id = SDL_JoystickInstanceID(handle_);
        SDL_JoystickClose(handle_);
        handle_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) {
                SDL_JoystickDetachVirtual(i);
                break;
            }
        }
    }

    void SetButton(int button, bool down) {
        SDL_JoystickSetVirtualButton(handle_, button, down ? 1 : 0);
    }
    // Axis 0 is X, 1 is Y, in SDL's range -32768..32767.
    void SetAxis(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(handle_, axis, value); }

private:
    SDL_Joystick* handle_ = nullptr;
};

}  // namespace test_support
