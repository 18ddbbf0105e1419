#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "ICommand.h"
#include "MouseCommands.h"
#include "platform/KeyStateSource.h"
#include "platform/RepeatingTimer.h"

namespace Tambo {

class CommandContext;

// Turns live keystrokes, clicks and cursor positions into commands by sampling the key state
// every 75 ms. Caps Lock starts and ends a recording; in toggle capture each Shift press adds
// the cursor position.
//
// One lock guards the lists, `recording`, the current/last key pairs and `lastActionTime`.
// The two capture modes keep separate current/last pairs, so they may run at the same time.
class ActionRecorder {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kSamplePeriod = std::chrono::milliseconds(75);

    struct Services {
        std::shared_ptr<platform::KeyStateSource> keyState;
        std::shared_ptr<CommandContext> commands;  // what recorded commands play into
        platform::TimerFactory makeTimer;
        std::function<Clock::time_point()> now = [] { return Clock::now(); };
    };

    // `recordingEnded` is called, outside the recorder's lock, when Caps Lock ends a recording.
    ActionRecorder(Services services, std::function<void()> recordingEnded);
    ~ActionRecorder();

    void ArmRecorder();
    void DisarmRecorder();
    void BeginToggleCapture();
    // Stops the capture and appends one MouseToggle with the captured points to `recorded`.
    void EndToggleCapture();

    std::vector<CommandPtr> Recorded() const;
    std::vector<ScreenPoint> TogglePoints() const;
    bool Recording() const;

    // One sample of each mode; the timers call these, tests may too.
    void RecordTick();
    void ToggleTick();

    // The keys a recording watches, in the order they are checked.
    static const std::array<std::uint8_t, 56>& ScanKeys();

private:
    // Returns true when this tick ended a recording.
    bool HandleCapsLock();
    std::uint8_t SampleCurrentKey();
    void AppendAction(std::uint8_t key, Clock::time_point now);

    Services services_;
    std::function<void()> recordingEnded_;
    std::unique_ptr<platform::RepeatingTimer> recordTimer;
    std::unique_ptr<platform::RepeatingTimer> toggleTimer;

    mutable std::mutex mutex_;
    bool recording = false;
    std::uint8_t currentKey = 0;
    std::uint8_t lastKey = 0;
    std::uint8_t currentToggleKey = 0;
    std::uint8_t lastToggleKey = 0;
    Clock::time_point lastActionTime;
    std::vector<CommandPtr> recorded;
    std::vector<ScreenPoint> togglePoints;
};

}  // namespace Tambo
