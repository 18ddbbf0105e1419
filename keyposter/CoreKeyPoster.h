#pragma once

#include <memory>

#include "SendKeysService.h"
#include "engine/platform/KeyPoster.h"

namespace keyposter {

// The engine's key poster over the key-posting core with any send-keys service; tests and dry
// runs use it with a recording service, so they exercise the same table and logic as the library.
std::shared_ptr<Tambo::platform::KeyPoster> MakeCoreKeyPoster(
    std::shared_ptr<SendKeysService> service);

}  // namespace keyposter
