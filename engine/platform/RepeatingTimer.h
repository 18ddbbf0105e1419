#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace Tambo::platform {

// A timer whose expiries run one after another on a worker thread: a tick that takes longer than
// the period delays the next one, ticks never overlap.
class RepeatingTimer {
public:
    virtual ~RepeatingTimer() = default;

    // Starts ticking; does nothing when already running. Not to be called from a tick.
    virtual void Start() = 0;
    // Stops ticking. From any other thread it waits for a tick in progress to end; from the
    // timer's own tick (or what that tick calls) it returns at once and no further tick follows.
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};

using TimerFactory = std::function<std::unique_ptr<RepeatingTimer>(std::chrono::milliseconds period,
                                                                   std::function<void()> tick)>;

}  // namespace Tambo::platform
