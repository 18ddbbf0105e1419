#include "PlatformSendKeysService.h"

namespace keyposter {

std::unique_ptr<SendKeysService> OpenPlatformSendKeysService(std::string& reason) {
    reason = "this build has no send-keys backend";
    return nullptr;
}

}  // namespace keyposter
