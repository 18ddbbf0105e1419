#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/CommandContext.h"
#include "engine/platform/InputRecord.h"
#include "keyposter/SendKeysService.h"

namespace platform_fake {

// One thing the engine asked of the platform: a send call with its records, a pause, or a text
// handed to the send-keys service.
struct RecordedEvent {
    enum class Kind { Send, Pause, Post };

    Kind kind = Kind::Send;
    std::vector<Tambo::platform::InputRecord> records;  // Send
    std::int64_t pauseMs = 0;                           // Pause
    std::u16string text;                                // Post

    friend bool operator==(const RecordedEvent&, const RecordedEvent&) = default;
};

RecordedEvent SendEvent(std::vector<Tambo::platform::InputRecord> records);
RecordedEvent PauseEvent(std::int64_t milliseconds);
RecordedEvent PostEvent(std::u16string text);

// A platform that performs nothing and records everything, in order, from any thread. Pauses are
// recorded, not waited, unless waitPauses is set.
class RecordingPlatform {
public:
    struct Options {
        int screenWidth = 1920;
        int screenHeight = 1080;
        bool waitPauses = false;
    };

    explicit RecordingPlatform(Options options);
    RecordingPlatform() : RecordingPlatform(Options{}) {}

    // Services for a command context; they record into this platform.
    Tambo::PlatformServices Services();
    // A context over these services with the engine's defaults and the key names filled.
    std::shared_ptr<Tambo::CommandContext> MakeContext();

    void SetScreenSize(int width, int height);

    // Called for every event as it is recorded, under the recording lock.
    void SetObserver(std::function<void(const RecordedEvent&)> observer);

    std::vector<RecordedEvent> Events() const;
    // The send events only.
    std::vector<std::vector<Tambo::platform::InputRecord>> Sends() const;
    // The requested pauses only.
    std::vector<std::int64_t> Pauses() const;
    void Clear();

    struct State;

private:
    // Shared with the services, so a detached playing thread never outlives what it records into.
    std::shared_ptr<State> state_;
};

}  // namespace platform_fake
