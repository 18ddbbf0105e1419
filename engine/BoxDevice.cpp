#include "BoxDevice.h"

#include <algorithm>
#include <condition_variable>
#include <utility>

namespace Tambo {

using platform::JoystickState;

namespace {

long long WholeMilliseconds(BoxDevice::Clock::duration elapsed) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

// The events of one axis that moved: its maximum end first, then its minimum end.
void AddAxisChanges(std::int32_t previous, std::int32_t current, std::uint32_t maxCode,
                    std::uint32_t minCode, std::vector<ControllerEvent>& events) {
    if (previous == current) {
        return;
    }
    if (current == JoystickState::kAxisMax)
        events.push_back({ControllerEvent::kDown, maxCode});
    if (previous == JoystickState::kAxisMax)
        events.push_back({ControllerEvent::kUp, maxCode});
    if (current == JoystickState::kAxisMin)
        events.push_back({ControllerEvent::kDown, minCode});
    if (previous == JoystickState::kAxisMin)
        events.push_back({ControllerEvent::kUp, minCode});
}

}  // namespace

BoxDevice::BoxDevice(std::shared_ptr<platform::Joystick> joystick, EventQueue& queue,
                     std::function<bool()> exclusive)
    : joystick_(std::move(joystick)), queue_(queue), exclusive_(std::move(exclusive)) {}

BoxDevice::~BoxDevice() {
    StopPolling();
}

bool BoxDevice::Connect() {
    std::lock_guard lock(deviceMutex_);
    if (acquired) {
        return true;
    }
    if (!joystick_->Open(exclusive_ ? exclusive_() : true)) {
        return false;
    }
    opened_ = true;
    const std::optional<JoystickState> state = joystick_->Read();
    if (!state) {
        return false;
    }
    previousState = *state;
    acquired = true;
    return true;
}

bool BoxDevice::StartPolling() {
    {
        std::lock_guard lock(deviceMutex_);
        if (!acquired) {
            return false;
        }
        // Buttons already held now produce no down event.
        if (const std::optional<JoystickState> state = joystick_->Read()) {
            previousState = *state;
        }
    }
    StopPolling();
    pollingThread = std::jthread([this](std::stop_token stop) { PollUntilStopped(stop); });
    return true;
}

void BoxDevice::StopPolling() {
    if (pollingThread.joinable()) {
        pollingThread.request_stop();
        pollingThread.join();
    }
}

void BoxDevice::Disconnect() {
    StopPolling();
    std::lock_guard lock(deviceMutex_);
    if (opened_) {
        joystick_->Close();
    }
    opened_ = false;
    acquired = false;
}

bool BoxDevice::Acquired() const {
    std::lock_guard lock(deviceMutex_);
    return acquired;
}

bool BoxDevice::Polling() const {
    return pollingThread.joinable();
}

void BoxDevice::PollUntilStopped(std::stop_token stop) {
    std::mutex sleepMutex;
    std::condition_variable_any sleeper;
    // Ticks keep a fixed cadence; a stop request ends the wait at once.
    auto nextTick = Clock::now();
    while (!stop.stop_requested()) {
        RunTick(Clock::now());
        nextTick += kPollPeriod;
        const auto now = Clock::now();
        if (nextTick < now) {
            nextTick = now;  // a slow tick delays the next one instead of bunching them up
        }
        std::unique_lock lock(sleepMutex);
        sleeper.wait_until(lock, stop, nextTick, [] { return false; });
    }
}

void BoxDevice::RunTick(Clock::time_point now) {
    std::vector<ControllerEvent> events;
    {
        std::lock_guard lock(deviceMutex_);
        if (!opened_) {
            return;
        }
        if (!acquired) {
            if (!joystick_->Reacquire()) {
                return;  // retried silently every tick
            }
            acquired = true;
            events.push_back({ControllerEvent::kDown, C_Code::kDeviceBack});
        }
        const std::optional<JoystickState> current = joystick_->Read();
        if (current) {
            AddStateChanges(*current, events);
            previousState = *current;
        } else {
            // Nothing valid was read: keep the previous state to compare against later.
            events.push_back({ControllerEvent::kDown, C_Code::kDeviceLost});
            acquired = false;
        }
    }
    TrackHeldButtons(events, now);
    AddRepeats(now, events);
    queue_.Append(events);
}

void BoxDevice::AddStateChanges(const JoystickState& current,
                                std::vector<ControllerEvent>& events) {
    for (std::uint32_t button = 0; button < current.buttons.size(); ++button) {
        if (current.buttons[button] != previousState.buttons[button]) {
            events.push_back(
                {current.buttons[button] ? ControllerEvent::kDown : ControllerEvent::kUp, button});
        }
    }
    AddAxisChanges(previousState.x, current.x, C_Code::kXMax, C_Code::kXMin, events);
    AddAxisChanges(previousState.y, current.y, C_Code::kYMax, C_Code::kYMin, events);
}

void BoxDevice::TrackHeldButtons(const std::vector<ControllerEvent>& events,
                                 Clock::time_point now) {
    for (const ControllerEvent& event : events) {
        if (event.code == C_Code::kDeviceLost || event.code == C_Code::kDeviceBack) {
            continue;
        }
        if (event.pressed == ControllerEvent::kDown) {
            heldList.push_back({now, event.code});
        } else if (event.pressed == ControllerEvent::kUp) {
            const auto sameCode = [&](const TimedCode& entry) { return entry.code == event.code; };
            std::erase_if(heldList, sameCode);
            std::erase_if(repeatList, sameCode);
        }
    }
}

void BoxDevice::AddRepeats(Clock::time_point now, std::vector<ControllerEvent>& events) {
    for (auto it = heldList.begin(); it != heldList.end();) {
        if (WholeMilliseconds(now - it->since) > kRepeatDelay.count()) {
            repeatList.push_back({it->since + kRepeatDelay, it->code});
            it = heldList.erase(it);
        } else {
            ++it;
        }
    }
    for (TimedCode& entry : repeatList) {
        if (WholeMilliseconds(now - entry.since) > kRepeatInterval.count()) {
            events.push_back({ControllerEvent::kRepeat, entry.code});
            entry.since += kRepeatInterval;
        }
    }
}

}  // namespace Tambo
