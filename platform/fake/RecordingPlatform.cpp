#include "RecordingPlatform.h"

#include <chrono>
#include <mutex>
#include <thread>
#include <utility>

#include "engine/platform/ScanCodes.h"
#include "keyposter/CoreKeyPoster.h"

namespace platform_fake {

using Tambo::platform::InputRecord;

struct RecordingPlatform::State {
    mutable std::mutex mutex;
    Options options;
    std::vector<RecordedEvent> events;
    std::function<void(const RecordedEvent&)> observer;

    void Record(RecordedEvent event) {
        std::lock_guard lock(mutex);
        if (observer) {
            observer(event);
        }
        events.push_back(std::move(event));
    }

    Options CurrentOptions() const {
        std::lock_guard lock(mutex);
        return options;
    }
};

namespace {

class RecordingInputSink final : public Tambo::platform::InputSink {
public:
    explicit RecordingInputSink(std::shared_ptr<RecordingPlatform::State> state)
        : state_(std::move(state)) {}

    void Send(std::span<const InputRecord> records) override {
        state_->Record(SendEvent(std::vector<InputRecord>(records.begin(), records.end())));
    }
    std::uint16_t ScanCodeForVirtualKey(std::uint32_t virtualKey) const override {
        return Tambo::platform::Set1ScanCodeForVirtualKey(virtualKey);
    }
    int ScreenWidth() const override { return state_->CurrentOptions().screenWidth; }
    int ScreenHeight() const override { return state_->CurrentOptions().screenHeight; }

private:
    std::shared_ptr<RecordingPlatform::State> state_;
};

class RecordingSleeper final : public Tambo::platform::Sleeper {
public:
    explicit RecordingSleeper(std::shared_ptr<RecordingPlatform::State> state)
        : state_(std::move(state)) {}

    void SleepMs(std::int64_t milliseconds) override {
        state_->Record(PauseEvent(milliseconds));
        if (state_->CurrentOptions().waitPauses && milliseconds > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        }
    }

private:
    std::shared_ptr<RecordingPlatform::State> state_;
};

class RecordingSendKeysService final : public keyposter::SendKeysService {
public:
    explicit RecordingSendKeysService(std::shared_ptr<RecordingPlatform::State> state)
        : state_(std::move(state)) {}

    void SendWait(std::u16string_view text) override {
        state_->Record(PostEvent(std::u16string(text)));
    }

private:
    std::shared_ptr<RecordingPlatform::State> state_;
};

}  // namespace

RecordedEvent SendEvent(std::vector<InputRecord> records) {
    RecordedEvent event;
    event.kind = RecordedEvent::Kind::Send;
    event.records = std::move(records);
    return event;
}

RecordedEvent PauseEvent(std::int64_t milliseconds) {
    RecordedEvent event;
    event.kind = RecordedEvent::Kind::Pause;
    event.pauseMs = milliseconds;
    return event;
}

RecordedEvent PostEvent(std::u16string text) {
    RecordedEvent event;
    event.kind = RecordedEvent::Kind::Post;
    event.text = std::move(text);
    return event;
}

RecordingPlatform::RecordingPlatform(Options options) : state_(std::make_shared<State>()) {
    state_->options = options;
}

Tambo::PlatformServices RecordingPlatform::Services() {
    return Tambo::PlatformServices{
        std::make_shared<RecordingInputSink>(state_),
        keyposter::MakeCoreKeyPoster(std::make_shared<RecordingSendKeysService>(state_)),
        std::make_shared<RecordingSleeper>(state_),
    };
}

std::shared_ptr<Tambo::CommandContext> RecordingPlatform::MakeContext() {
    auto context = std::make_shared<Tambo::CommandContext>(Services());
    context->keyNames.Fill();
    return context;
}

void RecordingPlatform::SetScreenSize(int width, int height) {
    std::lock_guard lock(state_->mutex);
    state_->options.screenWidth = width;
    state_->options.screenHeight = height;
}

void RecordingPlatform::SetObserver(std::function<void(const RecordedEvent&)> observer) {
    std::lock_guard lock(state_->mutex);
    state_->observer = std::move(observer);
}

std::vector<RecordedEvent> RecordingPlatform::Events() const {
    std::lock_guard lock(state_->mutex);
    return state_->events;
}

std::vector<std::vector<InputRecord>> RecordingPlatform::Sends() const {
    std::vector<std::vector<InputRecord>> sends;
    for (const RecordedEvent& event : Events()) {
        if (event.kind == RecordedEvent::Kind::Send) {
            sends.push_back(event.records);
        }
    }
    return sends;
}

std::vector<std::int64_t> RecordingPlatform::Pauses() const {
    std::vector<std::int64_t> pauses;
    for (const RecordedEvent& event : Events()) {
        if (event.kind == RecordedEvent::Kind::Pause) {
            pauses.push_back(event.pauseMs);
        }
    }
    return pauses;
}

void RecordingPlatform::Clear() {
    std::lock_guard lock(state_->mutex);
    state_->events.clear();
}

}  // namespace platform_fake
