#pragma once

#include <memory>

#include "engine/platform/Sleeper.h"

namespace platform_desktop {

// Real pauses on the steady clock.
std::shared_ptr<Tambo::platform::Sleeper> MakeSteadySleeper();

}  // namespace platform_desktop
