#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engine/CommandContext.h"
#include "engine/platform/KeyStateSource.h"

namespace platform_desktop {

// Chooses the platform backends for real play, in this one place: X11 when a display can be
// opened. Empty, with a one-line reason in `whyNot`, when input cannot be injected on this
// desktop.
std::optional<Tambo::PlatformServices> OpenDesktopPlatform(std::string& whyNot);

// The key state and cursor source for the recorder, chosen the same way. Empty, with a one-line
// reason in `whyNot`, when the desktop offers none.
std::shared_ptr<Tambo::platform::KeyStateSource> OpenDesktopKeyStateSource(std::string& whyNot);

}  // namespace platform_desktop
