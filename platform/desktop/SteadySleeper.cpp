#include "SteadySleeper.h"

#include <chrono>
#include <thread>

namespace platform_desktop {
namespace {

class SteadySleeper final : public Tambo::platform::Sleeper {
public:
    void SleepMs(std::int64_t milliseconds) override {
        if (milliseconds <= 0) {
            return;
        }
        // sleep_until on the steady clock, so a change of the wall clock cannot stretch a pause.
        std::this_thread::sleep_until(std::chrono::steady_clock::now() +
                                      std::chrono::milliseconds(milliseconds));
    }
};

}  // namespace

std::shared_ptr<Tambo::platform::Sleeper> MakeSteadySleeper() {
    return std::make_shared<SteadySleeper>();
}

}  // namespace platform_desktop
