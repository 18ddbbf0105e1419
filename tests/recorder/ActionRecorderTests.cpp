// The recorder's sampling rules, tick by tick, with scripted key state and clock.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ScriptedKeyState.h"
#include "engine/ControllerEmissary.h"
#include "engine/Text.h"
#include "platform/desktop/ThreadRepeatingTimer.h"
#include "platform/fake/RecordingPlatform.h"

namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint32_t kCapsLock = 20;
constexpr std::uint32_t kLeftShift = 160;
constexpr std::uint32_t kLeftCtrl = 162;
constexpr std::uint32_t kShift = 16;

// A timer the test never lets fire: ticks are called by hand.
class ManualTimer : public Tambo::platform::RepeatingTimer {
public:
    void Start() override { running = true; }
    void Stop() override { running = false; }
    bool Running() const override { return running; }
    bool running = false;
};

class ActionRecorderTest : public ::testing::Test {
protected:
    ActionRecorderTest() {
        Tambo::ActionRecorder::Services services{
            keys, platform.MakeContext(),
            [](std::chrono::milliseconds, std::function<void()>) {
                return std::make_unique<ManualTimer>();
            },
            [this] { return now; }};
        recorder = std::make_unique<Tambo::ActionRecorder>(services, [this] { ++notified; });
    }

    // One sample, `ms` after the previous one.
    void TickAfter(int ms) {
        now += std::chrono::milliseconds(ms);
        recorder->RecordTick();
    }

    std::vector<std::string> Codes() const {
        std::vector<std::string> codes;
        for (const auto& command : recorder->Recorded()) {
            codes.push_back(Tambo::Utf16ToUtf8(command->GetCode()));
        }
        return codes;
    }

    // Starts a recording: Caps Lock in one sample.
    void StartRecording() {
        recorder->ArmRecorder();
        keys->Press(kCapsLock);
        TickAfter(75);
        ASSERT_TRUE(recorder->Recording());
    }

    platform_fake::RecordingPlatform platform;
    std::shared_ptr<test_support::ScriptedKeyState> keys =
        std::make_shared<test_support::ScriptedKeyState>();
    Tambo::ActionRecorder::Clock::time_point now{};
    int notified = 0;
    std::unique_ptr<Tambo::ActionRecorder> recorder;
};

TEST_F(ActionRecorderTest, KeysWithPausesBetweenThemAndCapsLockEndsWithOneNotice) {
    recorder->ArmRecorder();
    keys->Press('A');
    TickAfter(75);  // armed, not recording: nothing
    keys->Press(kCapsLock);
    keys->Press('Z');  // pressed before recording started: discarded
    TickAfter(75);
    keys->Press('A');
    TickAfter(75);
    TickAfter(75);
    keys->Press('B');
    TickAfter(450);
    keys->Press(kCapsLock);
    TickAfter(75);
    EXPECT_THAT(Codes(), ElementsAre("KC 65", "SL 525", "KC 66"));
    EXPECT_EQ(notified, 1);
    EXPECT_FALSE(recorder->Recording());
    TickAfter(75);
    EXPECT_EQ(notified, 1);
}

TEST_F(ActionRecorderTest, HeldKeyIsRecordedOnceAndPressedAgainTwice) {
    StartRecording();
    for (int sample = 0; sample < 20; ++sample) {
        keys->Press('A', true);  // auto-repeat of a held key keeps setting the pressed bit
        TickAfter(75);
    }
    keys->Release('A');
    TickAfter(75);  // nothing pressed: the next A counts again
    keys->Press('A');
    TickAfter(75);
    EXPECT_THAT(Codes(), ElementsAre("KC 65", "SL 1575", "KC 65"));
}

TEST_F(ActionRecorderTest, EnterChordsAndTheLaterKeyOfOneSample) {
    StartRecording();
    keys->Press(13);
    TickAfter(75);
    keys->Hold(kLeftShift);
    keys->Press('1');
    TickAfter(75);
    keys->Release(kLeftShift);
    keys->Hold(kLeftCtrl);
    keys->Press('S');
    TickAfter(75);
    keys->Release(kLeftCtrl);
    keys->Press('D');
    keys->Press('A');  // same sample: D comes later in the watched keys
    TickAfter(75);
    EXPECT_THAT(Codes(),
                ElementsAre("EC 13", "SL 75", "DU 160 49", "SL 75", "DU 162 83", "SL 75", "KC 68"));
}

TEST_F(ActionRecorderTest, ClicksAtTheCursorAndChordedClicksLeaveOnlyThePause) {
    StartRecording();
    keys->MoveCursor(100, 200);
    keys->Press(1, true);
    TickAfter(75);
    TickAfter(75);  // still held: once
    keys->Release(1);
    TickAfter(75);
    keys->MoveCursor(5, 6);
    keys->Press(2);
    TickAfter(1000);
    keys->Hold(kLeftShift);
    keys->Press(1);
    TickAfter(75);
    EXPECT_THAT(Codes(), ElementsAre("MC 1 100 200", "SL 1150", "MC 2 5 6", "SL 75"));
}

TEST_F(ActionRecorderTest, KeysOutsideTheWatchedListAreIgnored) {
    StartRecording();
    for (std::uint32_t key : {18u, 112u, 188u, 161u, 163u}) {
        keys->Press(key);
        TickAfter(75);
    }
    EXPECT_THAT(Codes(), IsEmpty());
}

TEST_F(ActionRecorderTest, ToggleCaptureTakesOnePointPerShiftPress) {
    recorder->BeginToggleCapture();
    const std::pair<int, int> points[] = {{10, 20}, {30, 40}, {50, 60}};
    for (const auto& [x, y] : points) {
        keys->MoveCursor(x, y);
        keys->Hold(kShift);
        recorder->ToggleTick();
        keys->MoveCursor(x + 1, y + 1);
        recorder->ToggleTick();  // held: no second point
        keys->Release(kShift);
        recorder->ToggleTick();
    }
    recorder->EndToggleCapture();
    EXPECT_THAT(Codes(), ElementsAre("MT 10 20 30 40 50 60"));
    EXPECT_EQ(recorder->TogglePoints().size(), 3u);
}

TEST_F(ActionRecorderTest, ArmingForgetsAnEarlierCapsLockPress) {
    keys->Press(kCapsLock);
    recorder->ArmRecorder();
    TickAfter(75);
    EXPECT_FALSE(recorder->Recording());
}

// The real timer: ticks on its own thread, and the receiver stops it from the notification.
class StoppingReceiver : public Tambo::Receiver {
public:
    explicit StoppingReceiver(Tambo::ControllerEmissary*& emissary) : emissary_(emissary) {}
    void Notify(std::uint32_t) override {}
    void Notify() override {
        emissary_->DisarmRecorder();
        ++notices;
    }
    std::atomic<int> notices{0};

private:
    Tambo::ControllerEmissary*& emissary_;
};

class NoJoystick : public Tambo::platform::Joystick {
public:
    bool Open(bool) override { return false; }
    bool Reacquire() override { return false; }
    std::optional<Tambo::platform::JoystickState> Read() override { return std::nullopt; }
    void Close() override {}
};

TEST(RecorderTimer, ReceiverStopsTheTimerFromItsNotification) {
    platform_fake::RecordingPlatform platform;
    auto keys = std::make_shared<test_support::ScriptedKeyState>();
    Tambo::EventQueue queue;
    Tambo::ControllerEmissary* self = nullptr;
    Tambo::ControllerEmissary emissary(
        std::make_shared<NoJoystick>(), queue, [] { return true; },
        Tambo::ActionRecorder::Services{keys, platform.MakeContext(),
                                        platform_desktop::ThreadTimerFactory()});
    self = &emissary;
    StoppingReceiver page(self);
    emissary.ArmRecorder(&page);
    keys->Press(kCapsLock);
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!emissary.Recording() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(5ms);
    }
    ASSERT_TRUE(emissary.Recording());
    keys->Press('Q');
    while (emissary.recorded().empty() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(5ms);
    }
    keys->Press(kCapsLock);
    while (page.notices == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_EQ(page.notices, 1);
    ASSERT_EQ(emissary.recorded().size(), 1u);
    EXPECT_EQ(emissary.recorded()[0]->GetCode(), u"KC 81");
    // Stopped: a later Caps Lock starts nothing.
    keys->Press(kCapsLock);
    std::this_thread::sleep_for(250ms);
    EXPECT_FALSE(emissary.Recording());
}

}  // namespace
