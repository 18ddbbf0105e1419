#include "DesktopPlatform.h"

#include <utility>

#include "SteadySleeper.h"
#include "keyposter/LibraryKeyPoster.h"

#ifdef PINDECK_HAVE_X11
#include "platform/x11/X11InputSink.h"
#include "platform/x11/X11KeyStateSource.h"
#endif

namespace platform_desktop {

#ifdef PINDECK_HAVE_X11

std::optional<Tambo::PlatformServices> OpenDesktopPlatform(std::string& whyNot) {
    std::string reason;
    std::shared_ptr<Tambo::platform::InputSink> sink =
        platform_x11::OpenX11InputSink(nullptr, reason);
    if (!sink) {
        whyNot = reason + "; input cannot be injected";
        return std::nullopt;
    }
    return Tambo::PlatformServices{std::move(sink), keyposter::MakeLibraryKeyPoster(),
                                   MakeSteadySleeper()};
}

std::shared_ptr<Tambo::platform::KeyStateSource> OpenDesktopKeyStateSource(std::string& whyNot) {
    std::string reason;
    auto source = platform_x11::OpenX11KeyStateSource(nullptr, reason);
    if (!source) {
        whyNot = reason + "; keys and clicks cannot be recorded";
    }
    return source;
}

#else

std::optional<Tambo::PlatformServices> OpenDesktopPlatform(std::string& whyNot) {
    whyNot = "no input backend is available in this build; input cannot be injected";
    return std::nullopt;
}

std::shared_ptr<Tambo::platform::KeyStateSource> OpenDesktopKeyStateSource(std::string& whyNot) {
    whyNot = "no key-state backend is available in this build; keys and clicks cannot be recorded";
    return nullptr;
}

#endif

}  // namespace platform_desktop
