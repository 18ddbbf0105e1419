#include "BoxConnection.h"

#include <algorithm>
#include <string>

#include "platform/sdl/SdlJoystick.h"

namespace pindeckctl {

using Clock = std::chrono::steady_clock;

std::chrono::steady_clock::time_point DeadlineAfter(double seconds) {
    // Negative means no limit; so does anything beyond a century, which would also overflow the
    // clock's nanosecond count.
    constexpr double kCentury = 100.0 * 365 * 24 * 3600;
    if (seconds < 0 || !(seconds < kCentury)) {
        return Clock::time_point::max();
    }
    return Clock::now() +
           std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

std::unique_ptr<Tambo::ControllerEmissary> ConnectBox(Tambo::EventQueue& queue,
                                                      const Tambo::SettingsDocument& settings,
                                                      Clock::time_point deadline,
                                                      LinePrinter& printer, CliContext& cli) {
    std::string whyNot;
    auto joystick = platform_sdl::OpenSdlJoystick(whyNot);
    if (!joystick) {
        cli.err << "pindeckctl: " << whyNot << '\n';
        return nullptr;
    }
    const auto exclusive = [&settings] {
        return settings.ReadBool(Tambo::SettingsKeys::kControllerExclusive, true);
    };
    auto emissary = std::make_unique<Tambo::ControllerEmissary>(joystick, queue, exclusive);
    bool saidWaiting = false;
    while (!emissary->Device().Connect()) {
        if (!saidWaiting) {
            printer.Print("Waiting for a controller (a button box) to be connected...");
            saidWaiting = true;
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            return nullptr;
        }
        const auto wait = std::min<Clock::duration>(std::chrono::milliseconds(250), deadline - now);
        if (!WaitUnlessStopped(cli.stop,
                               std::chrono::duration_cast<std::chrono::milliseconds>(wait))) {
            return nullptr;
        }
    }
    emissary->boxConnected = true;
    return emissary;
}

}  // namespace pindeckctl
