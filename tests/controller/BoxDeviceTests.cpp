// Polling ticks: state changes, axis ends, auto-repeat and device loss, on a scripted joystick
// and a clock the test controls.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>

#include "engine/BoxDevice.h"

namespace {

using Tambo::BoxDevice;
using Tambo::ControllerEvent;
using Tambo::platform::JoystickState;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::chrono_literals;

// Reads return the scripted state; a read can be made to fail, and re-acquiring to fail.
class ScriptedJoystick : public Tambo::platform::Joystick {
public:
    bool Open(bool) override { return present; }
    bool Reacquire() override { return present; }
    std::optional<JoystickState> Read() override {
        if (!present)
            return std::nullopt;
        return state;
    }
    void Close() override {}

    JoystickState state;
    bool present = true;
};

class BoxDeviceTest : public ::testing::Test {
protected:
    // Runs one tick at `ms` after the start and returns the events it appended.
    std::vector<ControllerEvent> TickAt(int ms) {
        device.RunTick(start + std::chrono::milliseconds(ms));
        std::vector<ControllerEvent> events(queue.events.begin(), queue.events.end());
        queue.events.clear();
        queue.eventsReady = false;
        return events;
    }

    std::shared_ptr<ScriptedJoystick> joystick = std::make_shared<ScriptedJoystick>();
    Tambo::EventQueue queue;
    BoxDevice device{joystick, queue, [] { return true; }};
    BoxDevice::Clock::time_point start = BoxDevice::Clock::now();
};

ControllerEvent Down(std::uint32_t code) {
    return {ControllerEvent::kDown, code};
}
ControllerEvent Up(std::uint32_t code) {
    return {ControllerEvent::kUp, code};
}
ControllerEvent Repeat(std::uint32_t code) {
    return {ControllerEvent::kRepeat, code};
}

TEST_F(BoxDeviceTest, ButtonChangesBecomeEventsAndBlipsWithinATickAreUnseen) {
    ASSERT_TRUE(device.Connect());
    joystick->state.buttons[5] = true;
    joystick->state.buttons[0] = true;
    EXPECT_THAT(TickAt(0), ElementsAre(Down(0), Down(5)));
    EXPECT_THAT(TickAt(16), IsEmpty());
    joystick->state.buttons[5] = false;
    EXPECT_THAT(TickAt(32), ElementsAre(Up(5)));
}

TEST_F(BoxDeviceTest, AxisEndsCountOnlyAtTheExactEnds) {
    ASSERT_TRUE(device.Connect());
    struct Step {
        std::int32_t x;
        std::int32_t y;
        std::vector<ControllerEvent> expected;
    };
    const Step steps[] = {
        {0, 32767, {Down(32)}},
        {1, 32767, {Up(32)}},
        {65535, 32767, {Down(33)}},
        {0, 32767, {Up(33), Down(32)}},  // one end straight to the other in one tick
        {65535, 32767, {Down(33), Up(32)}},
        {32767, 65535, {Up(33), Down(34)}},
        {32767, 0, {Up(34), Down(35)}},
        {32767, 65534, {Up(35)}},
    };
    int ms = 0;
    for (const Step& step : steps) {
        joystick->state.x = step.x;
        joystick->state.y = step.y;
        EXPECT_EQ(TickAt(ms += 16), step.expected) << "x " << step.x << " y " << step.y;
    }
}

TEST_F(BoxDeviceTest, HeldButtonRepeatsAfterHalfASecondThenEveryThirtyMilliseconds) {
    ASSERT_TRUE(device.Connect());
    joystick->state.buttons[3] = true;
    EXPECT_THAT(TickAt(0), ElementsAre(Down(3)));
    std::vector<int> repeatTimes;
    for (int ms = 16; ms <= 640; ms += 16) {
        for (const ControllerEvent& event : TickAt(ms)) {
            EXPECT_EQ(event, Repeat(3));
            repeatTimes.push_back(ms);
        }
    }
    // Each repeat moves its time stamp on by 30 ms, so with 16 ms ticks the gaps are 32 or 16 ms.
    EXPECT_THAT(repeatTimes, ElementsAre(544, 576, 592, 624));
    joystick->state.buttons[3] = false;
    EXPECT_THAT(TickAt(656), ElementsAre(Up(3)));
    EXPECT_THAT(TickAt(1200), IsEmpty());
}

TEST_F(BoxDeviceTest, ButtonsHeldWhenPollingStartsGiveNoDownButTheirUp) {
    joystick->state.buttons[7] = true;
    ASSERT_TRUE(device.Connect());
    EXPECT_THAT(TickAt(0), IsEmpty());
    joystick->state.buttons[7] = false;
    EXPECT_THAT(TickAt(16), ElementsAre(Up(7)));
}

TEST_F(BoxDeviceTest, LossIsReportedOnceAndReacquisitionOnce) {
    ASSERT_TRUE(device.Connect());
    joystick->present = false;
    EXPECT_THAT(TickAt(0), ElementsAre(Down(36)));
    EXPECT_FALSE(device.Acquired());
    EXPECT_THAT(TickAt(16), IsEmpty());
    EXPECT_THAT(TickAt(32), IsEmpty());
    joystick->present = true;
    joystick->state.buttons[2] = true;
    EXPECT_THAT(TickAt(48), ElementsAre(Down(37), Down(2)));
    EXPECT_TRUE(device.Acquired());
}

TEST_F(BoxDeviceTest, ConnectFailsWithoutADeviceAndPollingNeedsOne) {
    joystick->present = false;
    EXPECT_FALSE(device.Connect());
    EXPECT_FALSE(device.StartPolling());
    joystick->present = true;
    EXPECT_TRUE(device.Connect());
    EXPECT_TRUE(device.StartPolling());
    device.Disconnect();
    EXPECT_FALSE(device.Acquired());
    EXPECT_FALSE(device.Polling());
}

}  // namespace
