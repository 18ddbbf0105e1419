// The recorder with the real timer and the desktop's key-state source, fed by keys and clicks
// injected through the desktop's input sink (an X server such as Xvfb).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "engine/ActionRecorder.h"
#include "engine/MakeCommand.h"
#include "engine/Sequence.h"
#include "engine/Text.h"
#include "platform/desktop/DesktopPlatform.h"
#include "platform/desktop/ThreadRepeatingTimer.h"
#include "platform/fake/RecordingPlatform.h"

namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::MatchesRegex;

TEST(RecorderOnDisplay, InjectedKeysAndClicksBecomeTheExpectedCodes) {
    std::string whyNot;
    auto keyState = platform_desktop::OpenDesktopKeyStateSource(whyNot);
    auto services = platform_desktop::OpenDesktopPlatform(whyNot);
    if (!keyState || !services) {
        GTEST_SKIP() << "no display to inject into: " << whyNot;
    }
    auto injector = std::make_shared<Tambo::CommandContext>(std::move(*services));
    platform_fake::RecordingPlatform describer;
    std::atomic<bool> ended{false};
    Tambo::ActionRecorder recorder(
        Tambo::ActionRecorder::Services{keyState, describer.MakeContext(),
                                        platform_desktop::ThreadTimerFactory()},
        [&ended] { ended = true; });
    recorder.ArmRecorder();

    std::vector<Tambo::CommandPtr> script;
    for (const char* code : {"KC 20", "SL 200", "KC 65", "SL 300", "DU 160 49", "SL 200",
                             "MC 1 300 400", "SL 200", "EC 13", "SL 200", "KC 20"}) {
        script.push_back(Tambo::MakeCommand(injector, code));
    }
    Tambo::Sequence(u"script", script).PlayNow();

    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!ended && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    recorder.DisarmRecorder();
    ASSERT_TRUE(ended) << "Caps Lock did not end the recording";
    std::vector<std::string> codes;
    for (const auto& command : recorder.Recorded()) {
        codes.push_back(Tambo::Utf16ToUtf8(command->GetCode()));
    }
    EXPECT_THAT(codes, ElementsAre("KC 65", MatchesRegex("SL [0-9]+"), "DU 160 49",
                                   MatchesRegex("SL [0-9]+"), "MC 1 300 400",
                                   MatchesRegex("SL [0-9]+"), "EC 13"));
}

}  // namespace
