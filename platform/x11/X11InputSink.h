#pragma once

#include <memory>
#include <string>

#include "engine/platform/InputSink.h"

namespace platform_x11 {

// The input sink of an X display: keyboard and mouse records injected with XTest over a
// connection of its own. Empty, with a one-line reason in `whyNot`, when the display cannot be
// opened or has no XTest. `displayName` nullptr means the display DISPLAY names.
std::shared_ptr<Tambo::platform::InputSink> OpenX11InputSink(const char* displayName,
                                                             std::string& whyNot);

}  // namespace platform_x11
