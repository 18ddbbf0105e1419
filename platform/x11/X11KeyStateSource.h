#pragma once

#include <memory>
#include <string>

#include "engine/platform/KeyStateSource.h"

namespace platform_x11 {

// Key state and cursor of an X display for the recorder. A listener thread of its own follows
// the XInput2 raw key and button events of the master devices, so a press that comes and goes
// between two queries is still reported. Empty, with a one-line reason in `whyNot`, when the
// display cannot be opened or lacks XInput 2.1. `displayName` nullptr means DISPLAY's display.
std::shared_ptr<Tambo::platform::KeyStateSource> OpenX11KeyStateSource(const char* displayName,
                                                                       std::string& whyNot);

}  // namespace platform_x11
