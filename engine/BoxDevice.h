#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "ControllerEvent.h"
#include "EventQueue.h"
#include "platform/Joystick.h"

namespace Tambo {

// The button box: opens the controller and, while polling, reads it every 16 ms and turns every
// change into controller events in the event queue, with auto-repeat for held buttons.
class BoxDevice {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kPollPeriod = std::chrono::milliseconds(16);
    static constexpr auto kRepeatDelay = std::chrono::milliseconds(500);
    static constexpr auto kRepeatInterval = std::chrono::milliseconds(30);

    // `exclusive` is asked each time the controller is actually opened.
    BoxDevice(std::shared_ptr<platform::Joystick> joystick, EventQueue& queue,
              std::function<bool()> exclusive);
    ~BoxDevice();
    BoxDevice(const BoxDevice&) = delete;
    BoxDevice& operator=(const BoxDevice&) = delete;

    // Opens and acquires the controller; true at once when it already is.
    bool Connect();
    // Starts the polling thread; false when the controller is not acquired.
    bool StartPolling();
    // Stops the polling thread and waits for it; a tick in progress finishes first.
    void StopPolling();
    // Stops polling and releases the controller.
    void Disconnect();

    bool Acquired() const;
    bool Polling() const;

    // One polling tick at time `now`: reads the controller and appends what changed. The polling
    // thread runs this every period; tests call it directly with their own clock.
    void RunTick(Clock::time_point now);

private:
    struct TimedCode {
        Clock::time_point since;
        std::uint32_t code;
    };

    void AddStateChanges(const platform::JoystickState& current,
                         std::vector<ControllerEvent>& events);
    void TrackHeldButtons(const std::vector<ControllerEvent>& events, Clock::time_point now);
    void AddRepeats(Clock::time_point now, std::vector<ControllerEvent>& events);
    void PollUntilStopped(std::stop_token stop);

    std::shared_ptr<platform::Joystick> joystick_;
    EventQueue& queue_;
    std::function<bool()> exclusive_;

    // Guards the device state against Connect/Disconnect on another thread during a tick.
    mutable std::mutex deviceMutex_;
    bool opened_ = false;
    bool acquired = false;
    platform::JoystickState previousState;

    // Touched by ticks only (ticks never overlap).
    std::vector<TimedCode> heldList;
    std::vector<TimedCode> repeatList;

    std::jthread pollingThread;
};

}  // namespace Tambo
