#pragma once

#include <optional>
#include <string>

#include "engine/CommandContext.h"

namespace platform_desktop {

// Chooses the platform backends for real play, in this one place. Empty, with a one-line reason
// in `whyNot`, when input cannot be injected on this desktop.
std::optional<Tambo::PlatformServices> OpenDesktopPlatform(std::string& whyNot);

}  // namespace platform_desktop
