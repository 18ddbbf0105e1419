#pragma once

#include <memory>
#include <string>

#include "SendKeysService.h"

namespace keyposter {

// The platform's send-keys service, or empty with a reason when the platform has none.
std::unique_ptr<SendKeysService> OpenPlatformSendKeysService(std::string& reason);

}  // namespace keyposter
