#pragma once

#include "engine/platform/RepeatingTimer.h"

namespace platform_desktop {

// Repeating timers on a thread of their own each, paced by the steady clock.
Tambo::platform::TimerFactory ThreadTimerFactory();

}  // namespace platform_desktop
