#include "NotificationQueue.h"

namespace Tambo {

void NotificationQueue::Push(std::uint32_t value) {
    std::lock_guard lock(mutex_);
    values_.push_back(value);
}

std::optional<std::uint32_t> NotificationQueue::TryPop() {
    std::lock_guard lock(mutex_);
    if (values_.empty()) {
        return std::nullopt;
    }
    const std::uint32_t value = values_.front();
    values_.pop_front();
    return value;
}

bool NotificationQueue::Empty() const {
    std::lock_guard lock(mutex_);
    return values_.empty();
}

}  // namespace Tambo
