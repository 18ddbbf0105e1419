// What each command sends, pauses and posts for each of its four operations.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "EventText.h"
#include "engine/CommandContext.h"
#include "engine/ControlCommands.h"
#include "engine/KeyboardCommands.h"
#include "engine/MakeCommand.h"
#include "engine/MouseCommands.h"
#include "platform/fake/RecordingPlatform.h"

namespace {

using test_support::EventLines;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Lines = std::vector<std::string>;

enum class Op { Execute, Press, Release, Repeat };

void Apply(Tambo::ICommand& command, Op op) {
    switch (op) {
        case Op::Execute:
            return command.Execute();
        case Op::Press:
            return command.Press();
        case Op::Release:
            return command.Release();
        case Op::Repeat:
            return command.Repeat();
    }
}

struct PlayCase {
    std::string code;
    Op op;
    bool upKeyOnRepeat;
    Lines expected;
};

void PrintTo(const PlayCase& c, std::ostream* os) {
    *os << c.code << " op " << static_cast<int>(c.op) << " upKeyOnRepeat " << c.upKeyOnRepeat;
}

class CommandPlay : public ::testing::TestWithParam<PlayCase> {};

// Default engine timings (press-release 150, repeat press-release 20) on a 1920x1080 screen.
TEST_P(CommandPlay, SendsExactlyTheTabledEvents) {
    const PlayCase& c = GetParam();
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();
    context->timings.sendUpKeyOnKeyRepeat = c.upKeyOnRepeat;
    const auto command = Tambo::MakeCommand(context, c.code);
    ASSERT_TRUE(command);
    Apply(*command, c.op);
    EXPECT_THAT(EventLines(platform), ElementsAreArray(c.expected));
}

const std::string kADown = "send key vk=65 scan=30 flags=0";
const std::string kAUp = "send key vk=65 scan=30 flags=2";

INSTANTIATE_TEST_SUITE_P(
    Keyboard, CommandPlay,
    ::testing::Values(
        PlayCase{"KC 65", Op::Execute, false, {kADown, "pause 150 ms", kAUp}},
        PlayCase{"KC 65", Op::Press, false, {kADown}},
        PlayCase{"KC 65", Op::Release, false, {kAUp}},
        PlayCase{"KC 65", Op::Repeat, false, {kADown}},
        PlayCase{"KC 65", Op::Repeat, true, {kADown, "pause 20 ms", kAUp}},
        PlayCase{"NR 65", Op::Execute, false, {kADown, "pause 150 ms", kAUp}},
        PlayCase{"NR 65", Op::Repeat, true, {}},
        PlayCase{
            "EC 28",
            Op::Execute,
            false,
            {"send key vk=13 scan=28 flags=8", "pause 150 ms", "send key vk=13 scan=28 flags=2"}},
        PlayCase{"EC 28", Op::Press, false, {"send key vk=13 scan=28 flags=8"}},
        PlayCase{"EC 28", Op::Release, false, {"send key vk=13 scan=28 flags=2"}},
        PlayCase{"DK 162", Op::Execute, false, {"send key vk=162 scan=29 flags=1"}},
        PlayCase{"DK 162", Op::Press, false, {}}, PlayCase{"DK 162", Op::Release, false, {}},
        PlayCase{"UK 162", Op::Execute, false, {"send key vk=162 scan=29 flags=2", "pause 400 ms"}},
        PlayCase{"UK 162", Op::Press, false, {}},
        PlayCase{"DU 162 77",
                 Op::Execute,
                 false,
                 {"send key vk=162 scan=29 flags=1 | key vk=77 scan=50 flags=1", "pause 150 ms",
                  "send key vk=162 scan=29 flags=2 | key vk=77 scan=50 flags=2"}},
        PlayCase{"DU 162 77",
                 Op::Press,
                 false,
                 {"send key vk=162 scan=29 flags=1 | key vk=77 scan=50 flags=1"}},
        PlayCase{"DU 162 77",
                 Op::Release,
                 false,
                 {"send key vk=162 scan=29 flags=2 | key vk=77 scan=50 flags=2"}},
        PlayCase{"PK 37", Op::Execute, false, {"post \"{LEFT}\""}},
        PlayCase{"PK 37", Op::Press, false, {"post \"{LEFT}\""}},
        PlayCase{"PK 37", Op::Release, false, {}},
        PlayCase{"PK 37", Op::Repeat, true, {"post \"{LEFT}\"", "pause 20 ms"}},
        PlayCase{"PK 65", Op::Execute, false, {}},
        PlayCase{"DP 162 77", Op::Execute, false, {"post \"^m\""}},
        PlayCase{"DP 77 162", Op::Press, false, {"post \"m^\""}},
        PlayCase{"DP 38 65", Op::Execute, false, {}}));

INSTANTIATE_TEST_SUITE_P(
    Mouse, CommandPlay,
    ::testing::Values(
        PlayCase{"SC",
                 Op::Execute,
                 false,
                 {"send mouse dx=0 dy=0 flags=2", "pause 300 ms", "send mouse dx=0 dy=0 flags=4"}},
        PlayCase{"SC", Op::Press, false, {"send mouse dx=0 dy=0 flags=2"}},
        PlayCase{"SC", Op::Release, false, {"send mouse dx=0 dy=0 flags=4"}},
        PlayCase{"RC",
                 Op::Execute,
                 false,
                 {"send mouse dx=0 dy=0 flags=8", "pause 300 ms", "send mouse dx=0 dy=0 flags=16"}},
        PlayCase{"RC", Op::Release, false, {"send mouse dx=0 dy=0 flags=16"}},
        // 65535 / 1919 * 640 + 1 = 21857.6 and 65535 / 1079 * 360 + 1 = 21866.3, truncated.
        PlayCase{"MC 1 640 360",
                 Op::Execute,
                 false,
                 {"send mouse dx=21857 dy=21866 flags=32769", "send mouse dx=0 dy=0 flags=2",
                  "pause 150 ms", "send mouse dx=0 dy=0 flags=4"}},
        PlayCase{"MC 2 0 1079",
                 Op::Press,
                 false,
                 {"send mouse dx=1 dy=65536 flags=32769", "send mouse dx=0 dy=0 flags=8"}},
        PlayCase{"MC 2 0 0", Op::Release, false, {"send mouse dx=0 dy=0 flags=16"}},
        PlayCase{"MC 1 5 5", Op::Repeat, true, {}},
        PlayCase{"MC 1 2147483647 -2147483648",
                 Op::Press,
                 false,
                 {"send mouse dx=2147483647 dy=-2147483648 flags=32769",
                  "send mouse dx=0 dy=0 flags=2"}},
        PlayCase{"MD", Op::Execute, false, {"send mouse dx=0 dy=0 flags=2"}},
        PlayCase{"MD", Op::Press, false, {}},
        PlayCase{"MU", Op::Execute, false, {"send mouse dx=0 dy=0 flags=4"}},
        // 1.3 % of 1080 pixels is 14.04: a 14-pixel step.
        PlayCase{"MS 0", Op::Execute, false, {"send mouse dx=0 dy=-14 flags=1"}},
        PlayCase{"MS 1", Op::Press, false, {"send mouse dx=0 dy=14 flags=1"}},
        PlayCase{"MS 2", Op::Repeat, false, {"send mouse dx=-14 dy=0 flags=1"}},
        PlayCase{"MS 3", Op::Execute, false, {"send mouse dx=14 dy=0 flags=1"}},
        PlayCase{"MS 4", Op::Execute, false, {}}, PlayCase{"MS 3", Op::Release, false, {}},
        PlayCase{"MT", Op::Execute, false, {}},
        PlayCase{
            "MT 0 0", Op::Execute, false, {"send mouse dx=1 dy=1 flags=32769", "pause 300 ms"}},
        PlayCase{"SL 500", Op::Execute, false, {"pause 500 ms"}},
        PlayCase{"SL 500", Op::Press, false, {}}, PlayCase{"PS 0", Op::Execute, false, {}}));

class ToggleTest : public ::testing::Test {
protected:
    platform_fake::RecordingPlatform platform{{11, 11, false}};  // grid step 6553.5 per pixel
    std::shared_ptr<Tambo::CommandContext> context = platform.MakeContext();

    // The x pixel each absolute move went to.
    std::vector<int> VisitedX() {
        std::vector<int> xs;
        for (const auto& send : platform.Sends()) {
            const auto* move = std::get_if<Tambo::platform::MouseRecord>(&send.front());
            if (move && (move->flags & Tambo::platform::MOUSEEVENTF_ABSOLUTE)) {
                xs.push_back(static_cast<int>((move->dx - 1) / 6553.5 + 0.5));
            }
        }
        return xs;
    }
};

TEST_F(ToggleTest, VisitsPointsInOrderAndWraps) {
    const auto toggle = Tambo::MakeCommand(context, "MT 1 0 2 0 3 0");
    for (int step = 0; step < 4; ++step) {
        toggle->Execute();
    }
    EXPECT_THAT(VisitedX(), ElementsAre(1, 2, 3, 1));
}

TEST_F(ToggleTest, KeyPressResetsTheToggle) {
    const auto toggle = Tambo::MakeCommand(context, "MT 1 0 2 0 3 0");
    toggle->Press();
    toggle->Press();
    Tambo::MakeCommand(context, "KC 65")->Press();
    toggle->Press();
    EXPECT_THAT(VisitedX(), ElementsAre(1, 2, 1));
}

TEST_F(ToggleTest, ResettingOperationsFollowTheTable) {
    struct Case {
        std::string code;
        Op op;
        bool resets;
    };
    const Case cases[] = {{"KC 65", Op::Execute, true},   {"KC 65", Op::Release, false},
                          {"EC 13", Op::Press, true},     {"UK 65", Op::Execute, true},
                          {"DU 1 2", Op::Execute, false}, {"DU 1 2", Op::Press, true},
                          {"SC", Op::Execute, false},     {"RC", Op::Execute, true},
                          {"RC", Op::Press, true},        {"MC 1 1 1", Op::Execute, true},
                          {"MS 1", Op::Execute, false},   {"DK 65", Op::Execute, false}};
    for (const Case& c : cases) {
        context->toggleIndex = 2;
        Apply(*Tambo::MakeCommand(context, c.code), c.op);
        EXPECT_EQ(context->toggleIndex.load() == 0, c.resets) << c.code;
    }
}

TEST_F(ToggleTest, AllTogglesShareOneCounter) {
    const auto three = Tambo::MakeCommand(context, "MT 1 0 2 0 3 0");
    const auto two = Tambo::MakeCommand(context, "MT 4 0 5 0");
    three->Execute();
    three->Execute();
    two->Execute();  // index 2 is outside the two-point list: starts at its first point
    EXPECT_THAT(VisitedX(), ElementsAre(1, 2, 4));
    EXPECT_EQ(context->toggleIndex.load(), 1);

    context->toggleIndex = -5;  // a negative index also starts at the first point
    two->Execute();
    EXPECT_THAT(VisitedX(), ElementsAre(1, 2, 4, 4));
}

TEST(ScreenScale, TakenWhenTheCommandIsBuilt) {
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();
    const auto click = Tambo::MakeCommand(context, "MC 1 1919 1079");
    const auto slide = Tambo::MakeCommand(context, "MS 1");
    platform.SetScreenSize(800, 600);
    const auto laterClick = Tambo::MakeCommand(context, "MC 1 799 599");
    click->Press();
    slide->Press();
    laterClick->Press();
    const auto sends = platform.Sends();
    EXPECT_EQ(std::get<Tambo::platform::MouseRecord>(sends[0][0]).dx, 65536);
    EXPECT_EQ(std::get<Tambo::platform::MouseRecord>(sends[2][0]).dy, 14);
    EXPECT_EQ(std::get<Tambo::platform::MouseRecord>(sends[3][0]).dx, 65536);
    EXPECT_EQ(std::get<Tambo::platform::MouseRecord>(sends[3][0]).dy, 65536);
}

// A profile store whose list can be changed under the command.
class ListStore : public Tambo::ProfileStore {
public:
    explicit ListStore(std::vector<std::u16string> names) : names_(std::move(names)) {}

    std::size_t ProfileCount() const override { return names_.size(); }
    std::optional<std::u16string> ProfileNameAt(std::size_t position) const override {
        if (position >= names_.size()) {
            return std::nullopt;
        }
        return names_[position];
    }
    void SelectProfile(const std::u16string& name) override { selected.push_back(name); }

    std::vector<std::u16string> selected;

private:
    std::vector<std::u16string> names_;
};

TEST(ProfileSwitchCommand, SelectsByPositionNotifiesAndPauses) {
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();
    const auto store = std::make_shared<ListStore>(std::vector<std::u16string>{u"A", u"B"});
    context->SetProfileStore(store);

    Tambo::MakeCommand(context, "PS 1")->Press();
    EXPECT_THAT(store->selected, ElementsAre(u"B"));
    EXPECT_EQ(context->notifications.TryPop(), Tambo::NotificationQueue::kProfileChanged);
    EXPECT_TRUE(context->notifications.Empty());
    EXPECT_THAT(EventLines(platform), ElementsAre("pause 300 ms"));

    platform.Clear();
    for (const char* code : {"PS 2", "PS -1", "PS 2147483647"}) {
        Tambo::MakeCommand(context, code)->Execute();
    }
    Tambo::MakeCommand(context, "PS 0")->Release();
    EXPECT_EQ(store->selected.size(), 1u);
    EXPECT_TRUE(context->notifications.Empty());
    EXPECT_TRUE(platform.Events().empty());
}

TEST(CommandConcurrency, OneCommandOnManyThreadsSendsWholeRecords) {
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();
    context->timings.pressReleaseMs = 0;
    const auto chord = Tambo::MakeCommand(context, "DU 162 77");
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 200; ++i) {
                chord->Execute();
                chord->Release();
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    const auto sends = platform.Sends();
    ASSERT_EQ(sends.size(), 4u * 200u * 3u);
    for (const auto& send : sends) {
        ASSERT_EQ(send.size(), 2u);
        const auto& first = std::get<Tambo::platform::KeyboardRecord>(send[0]);
        const auto& second = std::get<Tambo::platform::KeyboardRecord>(send[1]);
        EXPECT_EQ(first.virtualKey, 162);
        EXPECT_EQ(second.virtualKey, 77);
        EXPECT_EQ(first.flags, second.flags);
    }
}

}  // namespace
