#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

namespace Tambo {

// Told by a Sender; the custom action page learns this way that a recording ended.
class Receiver {
public:
    virtual ~Receiver() = default;

    virtual void Notify(std::uint32_t value) = 0;
    virtual void Notify() = 0;
};

// A minimal observer subject. Receivers are not owned; one that goes away must be removed first
// (ClearReceivers). Notifications may come from any thread: a receiver moves its own work to
// where it belongs.
class Sender {
public:
    virtual ~Sender() = default;

    virtual void AddReceiver(Receiver* receiver);
    virtual void ClearReceivers();
    virtual void NotifyAll(std::uint32_t value);
    virtual void NotifyAll();

private:
    std::vector<Receiver*> Snapshot() const;

    mutable std::mutex receiversMutex_;
    std::vector<Receiver*> receivers;
};

}  // namespace Tambo
