// The dispatcher: translating codes through the active profile's box model and playing slots.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "EventText.h"
#include "engine/Dispatcher.h"
#include "engine/MakeCommand.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ProfileManager.h"

namespace {

using Tambo::ControllerEvent;
using test_support::EventLines;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kADown = "send key vk=65 scan=30 flags=0";
const std::string kAUp = "send key vk=65 scan=30 flags=2";
const std::string kBDown = "send key vk=66 scan=48 flags=0";
const std::string kBUp = "send key vk=66 scan=48 flags=2";

class DispatcherTest : public ::testing::Test {
protected:
    DispatcherTest() {
        context->SetProfileStore(manager);
        dispatcher.StartDispatcher();
    }

    // A profile on `model` whose slot 0 plays the codes, made active.
    void UseProfile(std::int32_t model, const std::vector<std::string>& slotZero) {
        auto profile = std::make_shared<Tambo::Profile>(u"P" + std::u16string(1, u'0' + model), 10);
        profile->SetBoxConfiguration(model);
        profile->AddActionToSlot(0, manager->SequenceFromCodes("slot", slotZero));
        manager->AddProfile(profile);
        manager->SelectProfile(profile->Name());
    }

    // Appends events as one tick would, then waits until the dispatcher has taken them.
    void Feed(std::vector<ControllerEvent> events) {
        queue.Append(events);
        WaitUntil([&] {
            std::lock_guard lock(queue.mutex);
            return queue.events.empty() && !queue.eventsReady;
        });
    }

    template <typename Condition>
    static bool WaitUntil(Condition condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    platform_fake::RecordingPlatform platform;
    std::shared_ptr<Tambo::CommandContext> context = platform.MakeContext();
    std::shared_ptr<Tambo::ProfileManager> manager =
        std::make_shared<Tambo::ProfileManager>(context, std::filesystem::path());
    Tambo::EventQueue queue;
    Tambo::BoxModels models;
    int lost = 0;
    int back = 0;
    std::vector<std::string> failures;
    Tambo::Dispatcher dispatcher{queue, models, manager,
                                 Tambo::Dispatcher::Reports{[this] { ++lost; }, [this] { ++back; },
                                                            [this](const std::string& error) {
                                                                failures.push_back(error);
                                                            }}};
};

TEST_F(DispatcherTest, OneCommandSlotPlaysLive) {
    UseProfile(0, {"KC 65"});  // wired model: code 11 is slot 0
    Feed({{ControllerEvent::kDown, 11}});
    Feed({{ControllerEvent::kRepeat, 11}, {ControllerEvent::kRepeat, 11}});
    Feed({{ControllerEvent::kUp, 11}});
    EXPECT_THAT(EventLines(platform), ElementsAre(kADown, kADown, kADown, kAUp));
}

TEST_F(DispatcherTest, LongerSlotPlaysOnceOnItsOwnThreadAndReleasesItsFirstCommand) {
    UseProfile(0, {"KC 65", "KC 66"});
    Feed({{ControllerEvent::kDown, 11}, {ControllerEvent::kRepeat, 11}});
    ASSERT_TRUE(WaitUntil([&] { return platform.Sends().size() >= 4; }));
    Feed({{ControllerEvent::kUp, 11}});
    ASSERT_TRUE(WaitUntil([&] { return platform.Sends().size() >= 5; }));
    const auto lines = EventLines(platform);
    std::vector<std::string> sends;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(sends),
                 [](const std::string& line) { return line.starts_with("send"); });
    EXPECT_THAT(sends, ElementsAre(kADown, kAUp, kBDown, kBUp, kAUp));
}

TEST_F(DispatcherTest, CodesWithoutASlotAndUnknownModelsPlayNothing) {
    UseProfile(0, {"KC 65"});
    Feed({{ControllerEvent::kDown, 0}, {ControllerEvent::kDown, 12}, {ControllerEvent::kDown, 35}});
    UseProfile(7, {"KC 65"});
    Feed({{ControllerEvent::kDown, 11}});
    EXPECT_THAT(platform.Events(), IsEmpty());
}

TEST_F(DispatcherTest, DeviceReportsDropTheRestOfTheirBatch) {
    UseProfile(0, {"KC 65"});
    Feed({{ControllerEvent::kDown, 36}, {ControllerEvent::kDown, 11}});
    Feed({{ControllerEvent::kDown, 37}, {ControllerEvent::kUp, 11}});
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(back, 1);
    EXPECT_THAT(platform.Events(), IsEmpty());
}

TEST_F(DispatcherTest, NoActiveProfilePlaysNothing) {
    Feed({{ControllerEvent::kDown, 11}});
    EXPECT_THAT(platform.Events(), IsEmpty());
}

TEST_F(DispatcherTest, PausedDispatcherLeavesEventsToTheOtherConsumer) {
    UseProfile(0, {"KC 65"});
    dispatcher.SetDispatchPaused(true);
    queue.Append({{ControllerEvent::kDown, 11}});
    // The other consumer (the key-binding page) takes them.
    std::vector<ControllerEvent> taken;
    {
        std::unique_lock lock(queue.mutex);
        queue.ready.wait(lock, [&] { return queue.eventsReady; });
        taken.assign(queue.events.begin(), queue.events.end());
        queue.events.clear();
        queue.eventsReady = false;
    }
    EXPECT_THAT(taken, ElementsAre(ControllerEvent{ControllerEvent::kDown, 11}));
    dispatcher.SetDispatchPaused(false);
    Feed({{ControllerEvent::kUp, 11}});
    EXPECT_THAT(EventLines(platform), ElementsAre(kAUp));
}

TEST_F(DispatcherTest, RebindingChangesTranslation) {
    UseProfile(0, {"KC 65"});
    models.ReplaceBindings(0, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    Feed({{ControllerEvent::kDown, 11}, {ControllerEvent::kDown, 2}});
    EXPECT_THAT(EventLines(platform), ElementsAre(kADown));
}

// A command whose play raises an error.
class FailingCommand : public Tambo::ICommand {
public:
    explicit FailingCommand(std::shared_ptr<Tambo::CommandContext> context)
        : ICommand(std::move(context), u"XX") {}
    std::u16string GetDescription() const override { return {}; }
    void Execute() override {}
    void Press() override { throw std::runtime_error("no thread"); }
    void Release() override {}
};

TEST_F(DispatcherTest, AFailedPlayIsReportedAndDispatchGoesOn) {
    auto profile = std::make_shared<Tambo::Profile>(u"F", 10);
    profile->SetSlotSequence(0, u"bad", {std::make_shared<FailingCommand>(context)});
    profile->AddActionToSlot(1, manager->SequenceFromCodes("good", {"KC 65"}));
    manager->AddProfile(profile);
    manager->SelectProfile(u"F");
    Feed({{ControllerEvent::kDown, 11}, {ControllerEvent::kDown, 10}});
    EXPECT_THAT(failures, ElementsAre("no thread"));
    EXPECT_THAT(EventLines(platform), ElementsAre(kADown));
}

}  // namespace

namespace {

// No key stays down in the target program when the box cannot send the release itself.
TEST_F(DispatcherTest, HeldKeyIsReleasedWhenTheDeviceIsLost) {
    UseProfile(0, {"KC 65"});
    Feed({{ControllerEvent::kDown, 11}});
    Feed({{ControllerEvent::kDown, 36}});
    EXPECT_THAT(EventLines(platform), ElementsAre(kADown, kAUp));
    EXPECT_EQ(lost, 1);
}

TEST_F(DispatcherTest, HeldKeyIsReleasedWhenDispatchingEnds) {
    UseProfile(0, {"KC 65"});
    Feed({{ControllerEvent::kDown, 11}});
    dispatcher.Stop();
    EXPECT_THAT(EventLines(platform), ElementsAre(kADown, kAUp));
}

TEST_F(DispatcherTest, HeldKeyIsReleasedWhenTheProfileChangedMeanwhile) {
    UseProfile(0, {"KC 65"});
    Feed({{ControllerEvent::kDown, 11}});
    UseProfile(1, {"KC 66"});  // wireless: code 11 has no slot there
    Feed({{ControllerEvent::kUp, 11}});
    manager->SelectProfile(u"P0");
    Feed({{ControllerEvent::kDown, 11}});
    manager->RemoveProfile(u"P0");  // no profile is active any more
    Feed({{ControllerEvent::kUp, 11}});
    EXPECT_THAT(EventLines(platform), ElementsAre(kADown, kAUp, kADown, kAUp));
}

}  // namespace
