#include "ActionRecorder.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "ControlCommands.h"
#include "KeyboardCommands.h"

namespace Tambo {
namespace {

constexpr std::uint32_t kLeftButton = 1;
constexpr std::uint32_t kRightButton = 2;
constexpr std::uint32_t kEnter = 13;
constexpr std::uint32_t kShift = 16;
constexpr std::uint32_t kCapsLock = 20;
constexpr std::uint32_t kLeftShift = 160;
constexpr std::uint32_t kLeftCtrl = 162;
// Keys from here up are keyboard keys; below are the mouse buttons.
constexpr std::uint8_t kFirstKeyboardKey = 7;

constexpr std::array<std::uint8_t, 56> BuildScanKeys() {
    std::array<std::uint8_t, 56> keys{13, 27, 32, 35, 36, 37, 39, 38, 40, 46};
    std::size_t next = 10;
    for (std::uint8_t digit = 48; digit <= 57; ++digit)
        keys[next++] = digit;
    for (std::uint8_t letter = 65; letter <= 90; ++letter)
        keys[next++] = letter;
    for (std::uint8_t pad = 96; pad <= 105; ++pad)
        keys[next++] = pad;
    return keys;
}

constexpr std::array<std::uint8_t, 56> kScanKeys = BuildScanKeys();

std::int32_t WholeMilliseconds(ActionRecorder::Clock::duration elapsed) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    return static_cast<std::int32_t>(
        std::clamp<long long>(ms, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

const std::array<std::uint8_t, 56>& ActionRecorder::ScanKeys() {
    return kScanKeys;
}

ActionRecorder::ActionRecorder(Services services, std::function<void()> recordingEnded)
    : services_(std::move(services)), recordingEnded_(std::move(recordingEnded)) {
    recordTimer = services_.makeTimer(kSamplePeriod, [this] { RecordTick(); });
    toggleTimer = services_.makeTimer(kSamplePeriod, [this] { ToggleTick(); });
}

ActionRecorder::~ActionRecorder() {
    recordTimer->Stop();
    toggleTimer->Stop();
}

void ActionRecorder::ArmRecorder() {
    {
        std::lock_guard lock(mutex_);
        recorded.clear();
        lastActionTime = services_.now();
        lastKey = 0;
        // A Caps Lock press from before arming must not count.
        services_.keyState->QueryKey(kCapsLock);
    }
    recordTimer->Start();
}

void ActionRecorder::DisarmRecorder() {
    recordTimer->Stop();
}

void ActionRecorder::BeginToggleCapture() {
    {
        std::lock_guard lock(mutex_);
        recorded.clear();
        togglePoints.clear();
        lastToggleKey = 0;
        services_.keyState->QueryKey(kShift);
    }
    toggleTimer->Start();
}

void ActionRecorder::EndToggleCapture() {
    toggleTimer->Stop();
    std::lock_guard lock(mutex_);
    recorded.push_back(std::make_shared<MouseToggle>(services_.commands, togglePoints));
}

std::vector<CommandPtr> ActionRecorder::Recorded() const {
    std::lock_guard lock(mutex_);
    return recorded;
}

std::vector<ScreenPoint> ActionRecorder::TogglePoints() const {
    std::lock_guard lock(mutex_);
    return togglePoints;
}

bool ActionRecorder::Recording() const {
    std::lock_guard lock(mutex_);
    return recording;
}

void ActionRecorder::RecordTick() {
    bool ended = false;
    {
        std::lock_guard lock(mutex_);
        ended = HandleCapsLock();
        if (recording) {
            currentKey = SampleCurrentKey();
            if (currentKey == 0) {
                lastKey = 0;
            } else if (currentKey != lastKey) {  // a held key is recorded once
                const Clock::time_point now = services_.now();
                AppendAction(currentKey, now);
                lastActionTime = now;
                lastKey = currentKey;
            }
        }
    }
    // Outside the lock: the receiver may disarm (stop this very timer) from its notification.
    if (ended && recordingEnded_) {
        recordingEnded_();
    }
}

bool ActionRecorder::HandleCapsLock() {
    platform::KeyStateSource& keys = *services_.keyState;
    if (!keys.QueryKey(kCapsLock).pressedSinceLastQuery) {
        return false;
    }
    const bool ended = recording;
    recording = !recording;
    // Presses made before this moment are not part of the recording.
    for (const std::uint8_t key : kScanKeys) {
        keys.QueryKey(key);
    }
    keys.QueryKey(kLeftButton);
    keys.QueryKey(kRightButton);
    return ended;
}

std::uint8_t ActionRecorder::SampleCurrentKey() {
    platform::KeyStateSource& keys = *services_.keyState;
    std::uint8_t key = 0;
    for (const std::uint8_t scanKey : kScanKeys) {
        if (keys.QueryKey(scanKey).pressedSinceLastQuery) {
            key = scanKey;  // the last pressed key in list order wins
        }
    }
    const auto left = keys.QueryKey(kLeftButton);
    if (left.downNow || left.pressedSinceLastQuery) {
        return kLeftButton;
    }
    const auto right = keys.QueryKey(kRightButton);
    if (right.downNow || right.pressedSinceLastQuery) {
        return kRightButton;
    }
    return key;
}

void ActionRecorder::AppendAction(std::uint8_t key, Clock::time_point now) {
    const auto& context = services_.commands;
    if (!recorded.empty()) {
        recorded.push_back(
            std::make_shared<SleepCommand>(context, WholeMilliseconds(now - lastActionTime)));
    }
    platform::KeyStateSource& keys = *services_.keyState;
    const bool isKeyboardKey = key >= kFirstKeyboardKey;
    if (keys.QueryKey(kLeftShift).downNow) {
        if (isKeyboardKey)
            recorded.push_back(std::make_shared<DualKey>(context, kLeftShift, key));
    } else if (keys.QueryKey(kLeftCtrl).downNow) {
        if (isKeyboardKey)
            recorded.push_back(std::make_shared<DualKey>(context, kLeftCtrl, key));
    } else if (isKeyboardKey) {
        if (key == kEnter) {
            recorded.push_back(
                std::make_shared<EnterCommand>(context, static_cast<std::int32_t>(kEnter)));
        } else {
            recorded.push_back(std::make_shared<KeyCommand>(context, key));
        }
    } else {
        const platform::CursorPosition cursor = keys.QueryCursor();
        recorded.push_back(std::make_shared<MouseCommand>(context, key, cursor.x, cursor.y));
    }
}

void ActionRecorder::ToggleTick() {
    std::lock_guard lock(mutex_);
    platform::KeyStateSource& keys = *services_.keyState;
    currentToggleKey = keys.QueryKey(kShift).downNow ? kShift : 0;
    if (currentToggleKey == kShift && lastToggleKey != kShift) {
        const platform::CursorPosition cursor = keys.QueryCursor();
        togglePoints.push_back(ScreenPoint{cursor.x, cursor.y});
    }
    lastToggleKey = currentToggleKey;
}

}  // namespace Tambo
