#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>

#include "EngineTimings.h"
#include "KeyNames.h"
#include "NotificationQueue.h"
#include "ProfileStore.h"
#include "platform/InputRecord.h"
#include "platform/InputSink.h"
#include "platform/KeyPoster.h"
#include "platform/Sleeper.h"

namespace Tambo {

// The shared process state `MouseToggle` steps advance: one counter for every toggle command.
using ToggleIndex = std::atomic<std::int32_t>;

// The platform services commands play through.
struct PlatformServices {
    std::shared_ptr<platform::InputSink> inputSink;
    std::shared_ptr<platform::KeyPoster> keyPoster;
    std::shared_ptr<platform::Sleeper> sleeper;
};

// Everything a command reads or changes besides its own parameters: the platform services, the
// engine timings, the toggle counter, the notice queue, the key names and the profile store.
// One context serves one engine (normally one per process); every command keeps its context
// alive through a shared reference, so detached playing threads never outlive it.
class CommandContext {
public:
    explicit CommandContext(PlatformServices services);

    CommandContext(const CommandContext&) = delete;
    CommandContext& operator=(const CommandContext&) = delete;

    EngineTimings timings;
    ToggleIndex toggleIndex{0};
    NotificationQueue notifications;
    KeyNames keyNames;

    void Send(std::span<const platform::InputRecord> records) const;
    void Pause(std::int64_t milliseconds) const;
    void ResetToggle() { toggleIndex.store(0); }

    std::uint16_t ScanCode(std::uint32_t virtualKey) const;
    int ScreenWidth() const;
    int ScreenHeight() const;

    platform::KeyPoster& KeyPoster() const { return *services_.keyPoster; }

    // The store `ProfileSwitch` reaches; may be replaced while commands play. Held weakly: the
    // store usually owns this context through the commands it holds.
    void SetProfileStore(std::weak_ptr<ProfileStore> store);
    std::shared_ptr<ProfileStore> GetProfileStore() const;

private:
    PlatformServices services_;
    mutable std::mutex profileStoreMutex_;
    std::weak_ptr<ProfileStore> profileStore_;
};

}  // namespace Tambo
