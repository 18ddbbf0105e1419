#pragma once

#include <memory>
#include <string>

#include "keyposter/SendKeysService.h"

namespace platform_x11 {

// The send-keys service of an X display: types a send-keys text into the focused program with
// XTest, over a connection of its own, and returns once the server has processed every key. A
// text it cannot read sends nothing and is reported in one line on standard error. Empty, with a
// one-line reason in `whyNot`, when the display cannot be opened or has no XTest.
std::unique_ptr<keyposter::SendKeysService> OpenX11SendKeysService(const char* displayName,
                                                                   std::string& whyNot);

}  // namespace platform_x11
