#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "ActiveProfileSource.h"
#include "BoxModels.h"
#include "ControllerEvent.h"
#include "EventQueue.h"

namespace Tambo {

// Turns controller events into play: translates each code into a slot of the active profile's
// box model and plays that slot. A one-command slot plays live (Press on down, Repeat while
// held, Release on up); a longer one plays whole on its own thread when the button goes down.
class Dispatcher {
public:
    // Called on the dispatcher thread, with the event queue locked: keep them short (post the
    // real work elsewhere).
    struct Reports {
        std::function<void()> showControllerLost;
        std::function<void()> showControllerBack;
        // A command or a play that raised an error; the dispatcher goes on with the next event.
        std::function<void(const std::string&)> playFailed;
    };

    Dispatcher(EventQueue& queue, const BoxModels& models,
               std::shared_ptr<const ActiveProfileSource> profiles, Reports reports);
    ~Dispatcher();
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // Starts the dispatch loop on its own thread (once).
    void StartDispatcher();
    // Ends the loop and waits for it; keys still held down by a live slot are released.
    void Stop();
    // Releases what held one-command slots still hold down (the box was switched off, or the
    // program is leaving), so no key or button stays down in the target program.
    void ReleaseHeldKeys();

    // While paused the dispatcher leaves events in the queue for another consumer, and sleeps
    // instead of spinning until it is resumed.
    void SetDispatchPaused(bool paused);
    bool DispatchPaused() const { return dispatchPaused.load(); }

private:
    void Loop(std::stop_token stop);
    // Handles the queued events; false when the rest of the batch was discarded.
    void HandleQueuedEvents();
    void Play(const ControllerEvent& event, const SequencePtr& sequence);
    // Call with the queue mutex held.
    void ReleaseHeldLocked();
    void Release(const CommandPtr& command);

    EventQueue& queue_;
    const BoxModels& models_;
    std::shared_ptr<const ActiveProfileSource> profiles_;
    Reports reports_;
    std::atomic<bool> dispatchPaused{false};
    // Live one-command slots whose button is down, by controller code (guarded by the queue
    // mutex): released when the device is lost or dispatching ends.
    std::map<std::uint32_t, CommandPtr> heldCommands_;
    std::jthread thread_;
};

}  // namespace Tambo
