#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

#include "ControllerEvent.h"

namespace Tambo {

// The controller events between the polling thread (the only producer) and their consumers
// (the dispatcher, the key-binding page, monitors). Consumers lock `mutex`, wait on `ready`
// until `eventsReady`, take events from the front and clear `eventsReady` when done.
struct EventQueue {
    std::mutex mutex;
    // condition_variable_any so that waits can also be ended by a stop request.
    std::condition_variable_any ready;
    std::deque<ControllerEvent> events;
    bool eventsReady = false;

    // Appends one tick's events under one lock and wakes the consumers. Every consumer is woken:
    // a paused dispatcher must not swallow the wake-up meant for the key-binding page.
    void Append(const std::vector<ControllerEvent>& newEvents);
};

}  // namespace Tambo
