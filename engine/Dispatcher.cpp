#include "Dispatcher.h"

#include <exception>
#include <utility>

namespace Tambo {

Dispatcher::Dispatcher(EventQueue& queue, const BoxModels& models,
                       std::shared_ptr<const ActiveProfileSource> profiles, Reports reports)
    : queue_(queue),
      models_(models),
      profiles_(std::move(profiles)),
      reports_(std::move(reports)) {}

Dispatcher::~Dispatcher() {
    Stop();
}

void Dispatcher::StartDispatcher() {
    if (!thread_.joinable()) {
        thread_ = std::jthread([this](std::stop_token stop) { Loop(stop); });
    }
}

void Dispatcher::Stop() {
    if (thread_.joinable()) {
        thread_.request_stop();
        queue_.ready.notify_all();
        thread_.join();
    }
    ReleaseHeldKeys();
}

void Dispatcher::ReleaseHeldKeys() {
    std::lock_guard lock(queue_.mutex);
    ReleaseHeldLocked();
}

void Dispatcher::ReleaseHeldLocked() {
    std::map<std::uint32_t, CommandPtr> held;
    held.swap(heldCommands_);
    for (const auto& [code, command] : held) {
        Release(command);
    }
}

void Dispatcher::Release(const CommandPtr& command) {
    try {
        command->Release();
    } catch (const std::exception& error) {
        if (reports_.playFailed) {
            reports_.playFailed(error.what());
        }
    }
}

void Dispatcher::SetDispatchPaused(bool paused) {
    {
        std::lock_guard lock(queue_.mutex);
        dispatchPaused = paused;
    }
    queue_.ready.notify_all();
}

void Dispatcher::Loop(std::stop_token stop) {
    std::unique_lock lock(queue_.mutex);
    while (!stop.stop_requested()) {
        const bool ready = queue_.ready.wait(
            lock, stop, [this] { return queue_.eventsReady && !dispatchPaused.load(); });
        if (!ready) {
            break;  // stop requested
        }
        HandleQueuedEvents();
        queue_.eventsReady = false;
    }
}

void Dispatcher::HandleQueuedEvents() {
    while (!queue_.events.empty()) {
        const ControllerEvent event = queue_.events.front();
        queue_.events.pop_front();
        if (event.code == C_Code::kDeviceLost || event.code == C_Code::kDeviceBack) {
            if (event.code == C_Code::kDeviceLost) {
                ReleaseHeldLocked();  // the up events of held buttons will never come
            }
            const auto& report = event.code == C_Code::kDeviceLost ? reports_.showControllerLost
                                                                   : reports_.showControllerBack;
            if (report) {
                report();
            }
            queue_.events.clear();
            return;
        }
        // What this button's press holds down, whatever the profile now says.
        CommandPtr held;
        if (event.pressed == ControllerEvent::kUp) {
            if (const auto found = heldCommands_.find(event.code); found != heldCommands_.end()) {
                held = found->second;
                heldCommands_.erase(found);
            }
        }
        const std::shared_ptr<const PlayableProfile> profile = profiles_->ActivePlayable();
        SequencePtr sequence;
        if (profile) {
            const std::int32_t slot = models_.SlotForCode(profile->BoxConfiguration(),
                                                          static_cast<std::int32_t>(event.code));
            sequence = profile->Slot(slot);
            if (sequence) {
                Play(event, sequence);
            }
        }
        // A release the current slot does not make itself (the profile changed or went away
        // while the button was down) is made here, so the key does not stay down.
        if (held &&
            (!sequence || sequence->commands.empty() || sequence->commands.front() != held)) {
            Release(held);
        }
        if (!profile) {
            queue_.events.clear();
            return;
        }
    }
}

void Dispatcher::Play(const ControllerEvent& event, const SequencePtr& sequence) {
    const auto& commands = sequence->commands;
    try {
        switch (event.pressed) {
            case ControllerEvent::kDown:
                if (commands.size() == 1) {
                    heldCommands_[event.code] = commands.front();
                    commands.front()->Press();
                } else if (commands.size() > 1) {
                    sequence->Run();
                }
                break;
            case ControllerEvent::kUp:
                if (!commands.empty()) {
                    commands.front()->Release();
                }
                break;
            case ControllerEvent::kRepeat:
                if (commands.size() == 1) {
                    commands.front()->Repeat();
                }
                break;
            default:
                break;
        }
    } catch (const std::exception& error) {
        // One failed play must not end dispatching for the rest of the session.
        if (reports_.playFailed) {
            reports_.playFailed(error.what());
        }
    }
}

}  // namespace Tambo
