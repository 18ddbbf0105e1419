#pragma once

#include <atomic>
#include <cstdint>

namespace Tambo {

// The engine's copies of the four timing settings, in whole milliseconds. Written when the
// settings are loaded, read by playing threads at the moment of use, hence atomics.
struct EngineTimings {
    static constexpr std::int64_t kDefaultPressReleaseMs = 150;
    static constexpr std::int64_t kDefaultRepeatPressReleaseMs = 20;
    static constexpr std::int64_t kDefaultActionsMs = 0;

    std::atomic<std::int64_t> pressReleaseMs{kDefaultPressReleaseMs};
    std::atomic<std::int64_t> repeatPressReleaseMs{kDefaultRepeatPressReleaseMs};
    std::atomic<bool> sendUpKeyOnKeyRepeat{false};
    std::atomic<std::int64_t> actionsMs{kDefaultActionsMs};
};

}  // namespace Tambo
