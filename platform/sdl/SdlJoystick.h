#pragma once

#include <memory>
#include <string>

#include "engine/platform/Joystick.h"

namespace platform_sdl {

// The first joystick of the system, read through SDL2 by polling. SDL's joystick subsystem is
// initialised for the life of the returned object; empty, with a reason, when it cannot be.
std::shared_ptr<Tambo::platform::Joystick> OpenSdlJoystick(std::string& whyNot);

}  // namespace platform_sdl
