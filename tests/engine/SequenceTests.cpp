// Playing sequences: order, pauses, independent detached plays and lifetime.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "EventText.h"
#include "engine/MakeCommand.h"
#include "engine/Sequence.h"
#include "platform/fake/RecordingPlatform.h"

namespace {

using test_support::EventLines;
using ::testing::ElementsAre;

std::shared_ptr<Tambo::Sequence> SequenceOf(const std::shared_ptr<Tambo::CommandContext>& context,
                                            std::initializer_list<const char*> codes) {
    std::vector<Tambo::CommandPtr> commands;
    for (const char* code : codes) {
        commands.push_back(Tambo::MakeCommand(context, code));
    }
    return std::make_shared<Tambo::Sequence>(u"test", commands);
}

// Waits until the recording holds `count` events; plays run on their own threads.
bool WaitForEvents(const platform_fake::RecordingPlatform& platform, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (platform.Events().size() < count) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(SequencePlay, PausesAfterEveryCommandIncludingTheLast) {
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();
    context->timings.actionsMs = 100;
    SequenceOf(context, {"KC 65", "SL 500", "KC 66"})->PlayNow();
    EXPECT_THAT(EventLines(platform),
                ElementsAre("send key vk=65 scan=30 flags=0", "pause 150 ms",
                            "send key vk=65 scan=30 flags=2", "pause 100 ms", "pause 500 ms",
                            "pause 100 ms", "send key vk=66 scan=48 flags=0", "pause 150 ms",
                            "send key vk=66 scan=48 flags=2", "pause 100 ms"));
}

TEST(SequencePlay, RunPlaysOnAnotherThreadAndKeepsTheSequenceAlive) {
    platform_fake::RecordingPlatform platform({1920, 1080, true});
    const auto context = platform.MakeContext();
    context->timings.pressReleaseMs = 30;
    std::weak_ptr<Tambo::Sequence> watcher;
    {
        auto sequence = SequenceOf(context, {"KC 65"});
        watcher = sequence;
        sequence->Run();
        sequence->Run();  // a second, overlapping play
    }
    // The caller dropped its reference at once; the plays still finish.
    ASSERT_TRUE(WaitForEvents(platform, 2 * 4));
    const auto lines = EventLines(platform);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "send key vk=65 scan=30 flags=0"), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "send key vk=65 scan=30 flags=2"), 2);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!watcher.expired() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(watcher.expired()) << "the finished plays released the sequence";
}

TEST(SequencePlay, ActionsPauseIsReadAtEachPause) {
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();
    // A setting changed while a sequence plays applies to its next pause.
    struct ChangingCommand : Tambo::ICommand {
        explicit ChangingCommand(std::shared_ptr<Tambo::CommandContext> c)
            : ICommand(std::move(c), u"XX") {}
        std::u16string GetDescription() const override { return {}; }
        void Execute() override { context->timings.actionsMs = 7; }
        void Press() override {}
        void Release() override {}
    };
    Tambo::Sequence sequence(u"s", {std::make_shared<ChangingCommand>(context)});
    sequence.PlayNow();
    EXPECT_THAT(EventLines(platform), ElementsAre("pause 7 ms"));
}

TEST(SequenceCodes, JoinAndListTheCodes) {
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();
    EXPECT_EQ(SequenceOf(context, {"KC 65", "SL 500"})->GetCodes(), u"KC 65SL 500");
    EXPECT_THAT(SequenceOf(context, {"DU 162 77", "SC"})->GetCodeList(),
                ElementsAre("DU 162 77", "SC"));
    const Tambo::Sequence empty(u"", {});
    EXPECT_EQ(empty.GetCodes(), u"");
    EXPECT_TRUE(empty.GetCodeList().empty());
}

TEST(SequencePlay, EmptySequenceSendsNothing) {
    platform_fake::RecordingPlatform platform;
    const auto sequence = std::make_shared<Tambo::Sequence>(u"", std::vector<Tambo::CommandPtr>{});
    sequence->Run();
    sequence->PlayNow();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(platform.Events().empty());
}

}  // namespace
