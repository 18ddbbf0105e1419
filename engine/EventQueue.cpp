#include "EventQueue.h"

namespace Tambo {

void EventQueue::Append(const std::vector<ControllerEvent>& newEvents) {
    if (newEvents.empty()) {
        return;
    }
    {
        std::lock_guard lock(mutex);
        events.insert(events.end(), newEvents.begin(), newEvents.end());
        eventsReady = true;
    }
    ready.notify_all();
}

}  // namespace Tambo
