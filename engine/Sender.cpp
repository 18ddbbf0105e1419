#include "Sender.h"

namespace Tambo {

void Sender::AddReceiver(Receiver* receiver) {
    std::lock_guard lock(receiversMutex_);
    receivers.push_back(receiver);
}

void Sender::ClearReceivers() {
    std::lock_guard lock(receiversMutex_);
    receivers.clear();
}

std::vector<Receiver*> Sender::Snapshot() const {
    std::lock_guard lock(receiversMutex_);
    return receivers;
}

// Receivers are called outside the lock, so one may clear the list from its own Notify.
void Sender::NotifyAll(std::uint32_t value) {
    for (Receiver* receiver : Snapshot()) {
        receiver->Notify(value);
    }
}

void Sender::NotifyAll() {
    for (Receiver* receiver : Snapshot()) {
        receiver->Notify();
    }
}

}  // namespace Tambo
