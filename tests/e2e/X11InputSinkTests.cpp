// The XTest input sink, observed from a separate connection with XInput2 raw events.

#include <X11/keysym.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "DisplayTest.h"
#include "TestDisplay.h"
#include "XvfbServer.h"
#include "engine/MakeCommand.h"
#include "engine/MouseCommands.h"
#include "engine/platform/InputRecord.h"
#include "platform/fake/RecordingPlatform.h"
#include "platform/x11/X11InputSink.h"

namespace {

using ::testing::ElementsAre;
using namespace Tambo::platform;

std::vector<std::string> PressAndRelease(const std::string& key) {
    return {"press " + key, "release " + key};
}

class X11InputSinkTest : public e2e::DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        std::string whyNot;
        sink = platform_x11::OpenX11InputSink(nullptr, whyNot);
        ASSERT_TRUE(sink) << whyNot;
        display->Discard();
    }

    void Send(const std::vector<InputRecord>& records) { sink->Send(records); }

    std::shared_ptr<InputSink> sink;
};

TEST_F(X11InputSinkTest, KeysByVirtualKeyAloneWhateverTheExtendedFlagSays) {
    struct Case {
        std::uint16_t virtualKey;
        std::uint32_t downFlags;
        const char* keysym;  // of the key's first level
    };
    const Case cases[] = {
        {65, 0, "a"},
        {90, 0, "z"},
        {48, 0, "0"},
        {57, 0, "9"},
        {112, 0, "F1"},
        {123, 0, "F12"},
        {37, 0, "Left"},
        {38, 0, "Up"},
        {39, 0, "Right"},
        {40, 0, "Down"},
        {13, 0, "Return"},
        {27, 0, "Escape"},
        {32, 0, "space"},
        {36, 0, "Home"},
        {35, 0, "End"},
        {46, 0, "Delete"},
        {9, 0, "Tab"},
        {8, 0, "BackSpace"},
        {96, 0, "KP_Insert"},  // keypad 0
        {101, 0, "KP_Begin"},  // keypad 5
        {105, 0, "KP_Prior"},  // keypad 9
        {106, 0, "KP_Multiply"},
        {107, 0, "KP_Add"},
        {109, 0, "KP_Subtract"},
        {110, 0, "KP_Decimal"},  // the key the layout gives the keypad's decimal point
        {111, 0, "KP_Divide"},
        {186, 0, "semicolon"},
        {187, 0, "equal"},
        {188, 0, "comma"},
        {189, 0, "minus"},
        {190, 0, "period"},
        {191, 0, "slash"},
        {192, 0, "grave"},
        {219, 0, "bracketleft"},
        {220, 0, "backslash"},
        {221, 0, "bracketright"},
        {222, 0, "apostrophe"},
        {16, 0, "Shift_L"},
        {17, 0, "Control_L"},
        {18, 0, "Alt_L"},
        {160, 0, "Shift_L"},
        {161, 0, "Shift_R"},
        {162, 0, "Control_L"},
        {163, 0, "Control_R"},
        {164, 0, "Alt_L"},
        {165, 0, "Alt_R"},
        {20, 0, "Caps_Lock"},
        {20, 0, "Caps_Lock"},  // twice, so the lock ends as it began
        // As DownKey and DualKey send them: the flag never turns a key into its E0 twin.
        {162, KEYEVENTF_EXTENDEDKEY, "Control_L"},
        {18, KEYEVENTF_EXTENDEDKEY, "Alt_L"},
        {13, KEYEVENTF_EXTENDEDKEY, "Return"},
        {37, KEYEVENTF_EXTENDEDKEY, "Left"},
        {96, KEYEVENTF_EXTENDEDKEY, "KP_Insert"},
    };
    for (const Case& c : cases) {
        // The scan code is wrong on purpose: without the scan-code flag it must not matter.
        Send({KeyboardRecord{c.virtualKey, 0x1E, c.downFlags},
              KeyboardRecord{c.virtualKey, 0x1E, KEYEVENTF_KEYUP}});
        EXPECT_EQ(display->Events(2), PressAndRelease(c.keysym)) << "virtual key " << c.virtualKey;
    }
}

TEST_F(X11InputSinkTest, KeysByScanCodeWithTheExtendedFlagSelectingTheE0Variant) {
    struct Case {
        std::uint16_t scanCode;
        std::uint32_t flags;  // besides KEYEVENTF_SCANCODE
        const char* keysym;
    };
    const Case cases[] = {
        {0x1E, 0, "a"},
        {0x01, 0, "Escape"},
        {0x02, 0, "1"},
        {0x3B, 0, "F1"},
        {0x58, 0, "F12"},
        {0x1C, 0, "Return"},
        {0x1C, KEYEVENTF_EXTENDEDKEY, "KP_Enter"},
        {0x1D, 0, "Control_L"},
        {0x1D, KEYEVENTF_EXTENDEDKEY, "Control_R"},
        {0x38, 0, "Alt_L"},
        {0x38, KEYEVENTF_EXTENDEDKEY, "Alt_R"},
        {0x48, 0, "KP_Up"},
        {0x48, KEYEVENTF_EXTENDEDKEY, "Up"},
        {0x4B, 0, "KP_Left"},
        {0x4B, KEYEVENTF_EXTENDEDKEY, "Left"},
        {0x47, KEYEVENTF_EXTENDEDKEY, "Home"},
        {0x4F, KEYEVENTF_EXTENDEDKEY, "End"},
        {0x53, 0, "KP_Delete"},
        {0x53, KEYEVENTF_EXTENDEDKEY, "Delete"},
        {0x35, 0, "slash"},
        {0x35, KEYEVENTF_EXTENDEDKEY, "KP_Divide"},
        {0xE048, 0, "Up"},  // the E0 prefix in the high byte counts as the flag
    };
    for (const Case& c : cases) {
        // The virtual key is wrong on purpose: with the scan-code flag it must not matter.
        const std::uint32_t down = KEYEVENTF_SCANCODE | c.flags;
        Send({KeyboardRecord{90, c.scanCode, down},
              KeyboardRecord{90, c.scanCode, down | KEYEVENTF_KEYUP}});
        EXPECT_EQ(display->Events(2), PressAndRelease(c.keysym))
            << "scan code " << c.scanCode << " flags " << c.flags;
    }
}

TEST_F(X11InputSinkTest, EnterDownByScanCodeAndUpByVirtualKeyIsOneKey) {
    // EnterCommand's pair: the down carries the scan-code flag, the up only KEYEVENTF_KEYUP.
    Send({KeyboardRecord{13, 0x1C, KEYEVENTF_SCANCODE}});
    Send({KeyboardRecord{13, 0x1C, KEYEVENTF_KEYUP}});
    EXPECT_EQ(display->Events(2), PressAndRelease("Return"));
}

TEST_F(X11InputSinkTest, KeysWithoutAMappingAreSkipped) {
    Send({
        KeyboardRecord{0, 0, 0},                                               // no key at all
        KeyboardRecord{7, 0, 0},                                               // unassigned
        KeyboardRecord{255, 0, 0},                                             // reserved
        KeyboardRecord{0xFFFF, 0, 0},                                          // beyond the table
        KeyboardRecord{65, 0x7F, KEYEVENTF_SCANCODE},                          // no such make code
        KeyboardRecord{65, 0xFFFF, KEYEVENTF_SCANCODE},                        // beyond the table
        KeyboardRecord{65, 0x1E, KEYEVENTF_SCANCODE | KEYEVENTF_EXTENDEDKEY},  // no E0 variant
        KeyboardRecord{66, 0x30, 0},
        KeyboardRecord{66, 0x30, KEYEVENTF_KEYUP},
    });
    EXPECT_EQ(display->Events(2), PressAndRelease("b"));
}

TEST_F(X11InputSinkTest, ChordKeepsItsOrderWithinAndAcrossGroups) {
    // DualKey 162 77: one group of both downs, one of both ups.
    Send({KeyboardRecord{162, 0x1D, KEYEVENTF_EXTENDEDKEY},
          KeyboardRecord{77, 0x32, KEYEVENTF_EXTENDEDKEY}});
    Send({KeyboardRecord{162, 0x1D, KEYEVENTF_KEYUP}, KeyboardRecord{77, 0x32, KEYEVENTF_KEYUP}});
    EXPECT_THAT(display->Events(4),
                ElementsAre("press Control_L", "press m", "release Control_L", "release m"));
}

TEST_F(X11InputSinkTest, GroupsSentFromSeveralThreadsAtOnceNeverInterleave) {
    constexpr int kGroupsPerThread = 100;
    constexpr int kTapsPerGroup = 8;
    constexpr std::size_t kGroupSize = 2 * kTapsPerGroup;
    const auto sendGroups = [this](std::uint16_t virtualKey) {
        std::vector<InputRecord> group;
        for (int i = 0; i < kTapsPerGroup; ++i) {
            group.push_back(KeyboardRecord{virtualKey, 0, 0});
            group.push_back(KeyboardRecord{virtualKey, 0, KEYEVENTF_KEYUP});
        }
        for (int i = 0; i < kGroupsPerThread; ++i) {
            sink->Send(group);
        }
    };
    std::vector<std::string> keys;
    {
        std::vector<std::jthread> threads;
        for (const std::uint16_t virtualKey : {65, 66, 67}) {
            threads.emplace_back(sendGroups, virtualKey);
            keys.push_back(std::string(1, static_cast<char>(virtualKey - 'A' + 'a')));
        }
    }
    const std::vector<std::string> events =
        display->Events(keys.size() * kGroupsPerThread * kGroupSize);
    ASSERT_EQ(events.size(), keys.size() * kGroupsPerThread * kGroupSize);
    for (std::size_t start = 0; start < events.size(); start += kGroupSize) {
        // Every group is one key's taps, whichever thread's group comes first.
        const std::string key = events[start].substr(events[start].find(' ') + 1);
        std::vector<std::string> expected;
        for (int i = 0; i < kTapsPerGroup; ++i) {
            expected.push_back("press " + key);
            expected.push_back("release " + key);
        }
        ASSERT_EQ(std::vector(events.begin() + start, events.begin() + start + kGroupSize),
                  expected)
            << "group starting at event " << start;
    }
}

TEST_F(X11InputSinkTest, ClicksPressAndReleaseTheLeftAndRightButtons) {
    struct Case {
        std::uint32_t flags;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {MOUSEEVENTF_LEFTDOWN, {"press button 1"}},
        {MOUSEEVENTF_LEFTUP, {"release button 1"}},
        {MOUSEEVENTF_RIGHTDOWN, {"press button 3"}},
        {MOUSEEVENTF_RIGHTUP, {"release button 3"}},
        {MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, {"press button 1", "release button 1"}},
        {MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP, {"press button 3", "release button 3"}},
    };
    for (const Case& c : cases) {
        Send({MouseRecord{0, 0, c.flags}});
        EXPECT_EQ(display->Events(c.events.size()), c.events) << "flags " << c.flags;
    }
}

TEST_F(X11InputSinkTest, MoveAndClickInOneRecordClicksAtTheNewPosition) {
    const int width = sink->ScreenWidth();
    const int height = sink->ScreenHeight();
    Send({MouseRecord{Tambo::AbsoluteGridCoordinate(static_cast<float>(width - 1), 200),
                      Tambo::AbsoluteGridCoordinate(static_cast<float>(height - 1), 100),
                      MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN}});
    EXPECT_EQ(display->Pointer(), (e2e::PointerPosition{200, 100}));
    Send({MouseRecord{0, 0, MOUSEEVENTF_LEFTUP}});
    EXPECT_THAT(display->Events(2), ElementsAre("press button 1", "release button 1"));
}

TEST_F(X11InputSinkTest, RelativeMovesShiftThePointer) {
    display->MovePointer(500, 400);
    // MouseSlide's steps on a screen 1080 pixels high.
    const struct {
        std::int32_t dx;
        std::int32_t dy;
        e2e::PointerPosition after;
    } steps[] = {{14, 0, {514, 400}},
                 {0, -14, {514, 386}},
                 {-14, 0, {500, 386}},
                 {0, 14, {500, 400}},
                 {-3, 2, {497, 402}}};
    for (const auto& step : steps) {
        Send({MouseRecord{step.dx, step.dy, MOUSEEVENTF_MOVE}});
        EXPECT_EQ(display->Pointer(), step.after) << step.dx << "," << step.dy;
    }
}

// Absolute moves as the engine encodes them land on the intended pixel, corners included.
void ExpectAbsoluteMovesLand(InputSink& sink, const e2e::TestDisplay& display) {
    const int width = display.ScreenWidth();
    const int height = display.ScreenHeight();
    ASSERT_EQ(sink.ScreenWidth(), width);
    ASSERT_EQ(sink.ScreenHeight(), height);
    const e2e::PointerPosition points[] = {
        {0, 0},
        {width - 1, height - 1},
        {width - 1, 0},
        {0, height - 1},
        {640, 360},
        {1, 1},
        {width - 2, height - 2},
        {123, 457},
        {width / 2, height / 2},
        {width / 3, height / 7},
    };
    for (const e2e::PointerPosition& point : points) {
        sink.Send(std::vector<InputRecord>{
            MouseRecord{Tambo::AbsoluteGridCoordinate(static_cast<float>(width - 1), point.x),
                        Tambo::AbsoluteGridCoordinate(static_cast<float>(height - 1), point.y),
                        MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE}});
        EXPECT_EQ(display.Pointer(), point) << "on " << width << "x" << height;
    }
}

TEST_F(X11InputSinkTest, AbsoluteMovesLandOnTheIntendedPixel) {
    ExpectAbsoluteMovesLand(*sink, *display);
}

TEST(X11InputSinkOwnServer, AbsoluteMovesLandOnTheIntendedPixelOfAnotherScreenSize) {
    std::string whyNot;
    const auto server = e2e::XvfbServer::Start(1280, 720, whyNot);
    if (!server) {
        GTEST_SKIP() << whyNot;
    }
    const auto display = e2e::TestDisplay::Open(server->Name().c_str());
    ASSERT_TRUE(display);
    const auto sink = platform_x11::OpenX11InputSink(server->Name().c_str(), whyNot);
    ASSERT_TRUE(sink) << whyNot;
    EXPECT_EQ(sink->ScreenWidth(), 1280);
    EXPECT_EQ(sink->ScreenHeight(), 720);
    ExpectAbsoluteMovesLand(*sink, *display);

    // Through the engine: a right click at the far corner, as MouseCommand encodes it for the
    // sink's screen size.
    platform_fake::RecordingPlatform recording;
    Tambo::PlatformServices services = recording.Services();
    services.inputSink = sink;
    const auto context = std::make_shared<Tambo::CommandContext>(services);
    display->Discard();
    Tambo::MakeCommand(context, "MC 2 1279 719")->Execute();
    EXPECT_EQ(display->Pointer(), (e2e::PointerPosition{1279, 719}));
    EXPECT_THAT(display->Events(2), ElementsAre("press button 3", "release button 3"));
}

TEST(X11InputSinkOpen, AnUnreachableDisplayGivesAReasonInsteadOfASink) {
    std::string whyNot;
    EXPECT_FALSE(platform_x11::OpenX11InputSink(":4242", whyNot));
    EXPECT_EQ(whyNot, "cannot open the X display \":4242\"");
}

}  // namespace
