#include "PlatformSendKeysService.h"
#include "platform/x11/X11SendKeysService.h"

namespace keyposter {

// On an X desktop the keys are typed into the display DISPLAY names.
std::unique_ptr<SendKeysService> OpenPlatformSendKeysService(std::string& reason) {
    return platform_x11::OpenX11SendKeysService(nullptr, reason);
}

}  // namespace keyposter
