// A virtual joystick through the real SDL backend, polling thread, queue and dispatcher into the
// recording platform; and pindeckctl monitor and run against it, in this process.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "BoxConnection.h"
#include "CliRunner.h"
#include "EventText.h"
#include "TempFolder.h"
#include "VirtualBox.h"
#include "engine/ControllerEmissary.h"
#include "engine/Dispatcher.h"
#include "platform/fake/RecordingPlatform.h"
#include "platform/sdl/SdlJoystick.h"
#include "profiles/ProfileManager.h"

namespace {

using namespace std::chrono_literals;
using ::testing::Contains;
using ::testing::HasSubstr;

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

class VirtualBoxPlay : public ::testing::Test {
protected:
    void SetUp() override {
        std::string whyNot;
        joystick = platform_sdl::OpenSdlJoystick(whyNot);
        ASSERT_TRUE(joystick) << whyNot;
        emissary =
            std::make_unique<Tambo::ControllerEmissary>(joystick, queue, [] { return true; });
        ASSERT_TRUE(emissary->Device().Acquired());
        context->SetProfileStore(manager);
        dispatcher.StartDispatcher();
        ASSERT_TRUE(emissary->Device().StartPolling());
    }

    void UseSlotZero(const std::vector<std::string>& codes) {
        auto profile = std::make_shared<Tambo::Profile>(u"Wired", 10);
        profile->AddActionToSlot(0, manager->SequenceFromCodes("slot 0", codes));
        manager->AddProfile(profile);
        manager->SelectProfile(u"Wired");
    }

    std::size_t CountLines(const std::string& line) {
        const auto lines = test_support::EventLines(platform);
        return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
    }

    test_support::VirtualBox box;
    std::shared_ptr<Tambo::platform::Joystick> joystick;
    Tambo::EventQueue queue;
    std::unique_ptr<Tambo::ControllerEmissary> emissary;
    platform_fake::RecordingPlatform platform;
    std::shared_ptr<Tambo::CommandContext> context = platform.MakeContext();
    std::shared_ptr<Tambo::ProfileManager> manager =
        std::make_shared<Tambo::ProfileManager>(context, std::filesystem::path());
    Tambo::BoxModels models;
    std::atomic<int> lost{0};
    std::atomic<int> back{0};
    Tambo::Dispatcher dispatcher{
        queue, models, manager,
        Tambo::Dispatcher::Reports{[this] { ++lost; }, [this] { ++back; }, nullptr}};
};

const std::string kADown = "send key vk=65 scan=30 flags=0";
const std::string kAUp = "send key vk=65 scan=30 flags=2";

TEST_F(VirtualBoxPlay, PressHoldAndReleasePlayTheSlotLive) {
    UseSlotZero({"KC 65"});
    box.SetButton(11, true);  // slot 0 of the wired model
    ASSERT_TRUE(WaitUntil([&] { return CountLines(kADown) >= 1; }));
    // Held past the repeat delay: further key downs follow.
    ASSERT_TRUE(WaitUntil([&] { return CountLines(kADown) >= 3; }));
    box.SetButton(11, false);
    ASSERT_TRUE(WaitUntil([&] { return CountLines(kAUp) == 1; }));
    const std::size_t downs = CountLines(kADown);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(CountLines(kADown), downs) << "no repeats after the release";
}

TEST_F(VirtualBoxPlay, MultiCommandSlotPlaysOncePerPress) {
    UseSlotZero({"KC 65", "SC"});
    box.SetButton(11, true);
    ASSERT_TRUE(WaitUntil([&] { return platform.Sends().size() >= 4; }));
    std::this_thread::sleep_for(700ms);  // held past the repeat delay
    EXPECT_EQ(CountLines(kADown), 1u);
    box.SetButton(11, false);
    ASSERT_TRUE(WaitUntil([&] { return CountLines(kAUp) == 2; }));
}

TEST_F(VirtualBoxPlay, UnplugAndReplugAreReported) {
    UseSlotZero({"KC 65"});
    box.Unplug();
    ASSERT_TRUE(WaitUntil([&] { return lost == 1; }));
    box.Plug();
    ASSERT_TRUE(WaitUntil([&] { return back == 1; }));
    box.SetButton(11, true);
    ASSERT_TRUE(WaitUntil([&] { return CountLines(kADown) == 1; }));
    EXPECT_EQ(lost, 1);
}

TEST_F(VirtualBoxPlay, AxisEndsArePressesOnTheWirelessModel) {
    auto profile = std::make_shared<Tambo::Profile>(u"Wireless", 10);
    profile->SetBoxConfiguration(1);
    profile->AddActionToSlot(2, manager->SequenceFromCodes("up", {"KC 65"}));
    manager->AddProfile(profile);
    manager->SelectProfile(u"Wireless");
    box.SetAxis(1, -32768);  // stick up: code 35, slot 2
    ASSERT_TRUE(WaitUntil([&] { return CountLines(kADown) == 1; }));
    box.SetAxis(1, 0);
    ASSERT_TRUE(WaitUntil([&] { return CountLines(kAUp) == 1; }));
}

// Runs pindeckctl in a thread while the test works the box.
std::future<test_support::CliResult> StartCli(std::vector<std::string> args) {
    return std::async(std::launch::async, [args] { return test_support::RunCli(args); });
}

TEST(VirtualBoxCli, MonitorPrintsEventsWithTheirSlots) {
    test_support::VirtualBox box;
    test_support::TempFolder folder;
    // Generous gaps: each change must fall in a poll tick of its own even on a loaded machine.
    auto result = StartCli({"--data-dir", folder.Path().string(), "monitor", "--seconds", "3"});
    std::this_thread::sleep_for(800ms);
    box.SetButton(11, true);
    std::this_thread::sleep_for(200ms);
    box.SetButton(11, false);
    std::this_thread::sleep_for(200ms);
    box.SetButton(0, true);
    std::this_thread::sleep_for(200ms);
    box.Unplug();
    std::this_thread::sleep_for(200ms);
    box.Plug();
    const auto finished = result.get();
    EXPECT_EQ(finished.exitCode, 0) << finished.err;
    // Button 0 was down when the box went away; the box that came back has it up.
    EXPECT_THAT(finished.out,
                HasSubstr("down 11 slot 0\nup 11 slot 0\ndown 0\nlost\nback\nup 0\n"));
}

TEST(VirtualBoxCli, RunPlaysTheNamedProfile) {
    test_support::VirtualBox box;
    test_support::TempFolder folder;
    folder.Write("profile_data.json", R"({"user_profiles": [
        {"profile_name": "Range", "box_configuration": 0, "background_path": "", "button_path": "",
         "sequences": [{"actions": ["KC 65"], "sequence_id": 0, "sequence_name": "a"},
                       {"actions": ["PS 1"], "sequence_id": 1, "sequence_name": "swap"}]},
        {"profile_name": "Course", "box_configuration": 0, "background_path": "", "button_path": "",
         "sequences": [{"actions": ["KC 66"], "sequence_id": 0, "sequence_name": "b"}]}]})");
    auto result = StartCli({"--data-dir", folder.Path().string(), "run", "--profile", "Range",
                            "--dry-run", "--seconds", "3.5"});
    std::this_thread::sleep_for(800ms);
    for (int button : {11, 10, 11}) {  // A, switch to "Course", then B
        box.SetButton(button, true);
        std::this_thread::sleep_for(150ms);
        box.SetButton(button, false);
        std::this_thread::sleep_for(400ms);
    }
    const auto finished = result.get();
    EXPECT_EQ(finished.exitCode, 0) << finished.err;
    EXPECT_THAT(finished.out, HasSubstr(kADown + "\n" + kAUp + "\n"));
    EXPECT_THAT(finished.out, HasSubstr("Active profile: Course\n"));
    EXPECT_THAT(finished.out, HasSubstr("send key vk=66 scan=48 flags=0\n"));
    // The switch made from the box is remembered for the next start.
    EXPECT_EQ(folder.Read("user_session_data.json"), R"({"selected_profile":"Course"})");

    // Without --profile the player comes back to it.
    auto again =
        StartCli({"--data-dir", folder.Path().string(), "run", "--dry-run", "--seconds", "2"});
    std::this_thread::sleep_for(800ms);
    box.SetButton(11, true);
    std::this_thread::sleep_for(150ms);
    box.SetButton(11, false);
    const auto second = again.get();
    EXPECT_THAT(second.out, HasSubstr("Active profile: Course\n"));
    EXPECT_THAT(second.out, HasSubstr("send key vk=66 scan=48 flags=0\n"));
}

TEST(VirtualBoxCli, RunRejectsAnUnknownProfile) {
    test_support::TempFolder folder;
    const auto result = test_support::RunCli({"--data-dir", folder.Path().string(), "run",
                                              "--profile", "Nope", "--dry-run", "--seconds", "0"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr("no profile named \"Nope\""));
}

}  // namespace

namespace {

TEST(RunDeadline, HugeAndNegativeDurationsMeanNoLimit) {
    const auto forever = std::chrono::steady_clock::time_point::max();
    EXPECT_EQ(pindeckctl::DeadlineAfter(-1), forever);
    EXPECT_EQ(pindeckctl::DeadlineAfter(1e300), forever);
    EXPECT_LT(pindeckctl::DeadlineAfter(2), std::chrono::steady_clock::now() + 3s);
}

}  // namespace
