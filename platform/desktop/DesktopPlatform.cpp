#include "DesktopPlatform.h"

namespace platform_desktop {

std::optional<Tambo::PlatformServices> OpenDesktopPlatform(std::string& whyNot) {
    whyNot = "no input backend is available in this build; input cannot be injected";
    return std::nullopt;
}

}  // namespace platform_desktop
