#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

namespace Tambo {

// First-in first-out notices from playing threads to the user interface. The only value in use
// is kProfileChanged. Every access holds the one queue lock.
class NotificationQueue {
public:
    static constexpr std::uint32_t kProfileChanged = 0;

    void Push(std::uint32_t value);
    std::optional<std::uint32_t> TryPop();
    bool Empty() const;

private:
    mutable std::mutex mutex_;
    std::deque<std::uint32_t> values_;
};

}  // namespace Tambo
