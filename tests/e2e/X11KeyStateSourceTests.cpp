// The XInput2 key-state source, fed by XTest input from the test's own connection.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "DisplayTest.h"
#include "TestDisplay.h"
#include "platform/x11/X11KeyStateSource.h"

namespace {

using Tambo::platform::AsyncKeyState;
using Tambo::platform::KeyStateSource;

constexpr std::uint32_t kLeftButton = 1;
constexpr std::uint32_t kRightButton = 2;
constexpr std::uint32_t kShift = 16;
constexpr std::uint32_t kLeftShift = 160;
constexpr std::uint32_t kRightShift = 161;

std::string Text(AsyncKeyState state) {
    return std::string(state.downNow ? "down" : "up") +
           (state.pressedSinceLastQuery ? ", pressed" : ", not pressed");
}

// Polls until `condition` holds or two seconds pass: the source learns of input on its own
// thread, a moment after the server processed it.
bool Eventually(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return condition();
}

class X11KeyStateSourceTest : public e2e::DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        std::string whyNot;
        source = platform_x11::OpenX11KeyStateSource(nullptr, whyNot);
        ASSERT_TRUE(source) << whyNot;
    }

    void Tap(KeySym keysym) {
        display->Key(keysym, true);
        display->Key(keysym, false);
    }

    void Click(unsigned button) {
        display->Button(button, true);
        display->Button(button, false);
    }

    // Waits until the press shows, as the recorder would see it on a later tick.
    bool PressShows(std::uint32_t virtualKey) {
        return Eventually([&] { return source->QueryKey(virtualKey).pressedSinceLastQuery; });
    }

    // Waits until everything injected so far has reached the source: its thread handles the
    // events in order, so once a marker key's press shows, every earlier event has been seen.
    bool Settled() {
        constexpr std::uint32_t kMarker = 121;  // F10, pressed by no test
        Tap(XK_F10);
        return PressShows(kMarker);
    }

    bool DownShows(std::uint32_t virtualKey, bool down) {
        return Eventually([&] { return source->QueryKey(virtualKey).downNow == down; });
    }

    std::shared_ptr<KeyStateSource> source;
};

TEST_F(X11KeyStateSourceTest, APressBetweenTwoQueriesIsReportedOnceThoughTheKeyIsUpAgain) {
    struct Case {
        std::uint32_t virtualKey;
        KeySym keysym;
    };
    // Every key the recorder watches, then the modifiers and Caps Lock it samples.
    std::vector<Case> cases = {
        {13, XK_Return}, {27, XK_Escape}, {32, XK_space}, {35, XK_End},  {36, XK_Home},
        {37, XK_Left},   {39, XK_Right},  {38, XK_Up},    {40, XK_Down}, {46, XK_Delete},
    };
    for (std::uint32_t i = 0; i < 10; ++i) {
        cases.push_back({48 + i, XK_0 + i});
        cases.push_back({96 + i, XK_KP_0 + i});
    }
    for (std::uint32_t i = 0; i < 26; ++i) {
        cases.push_back({65 + i, XK_a + i});
    }
    cases.insert(cases.end(), {{160, XK_Shift_L},
                               {162, XK_Control_L},
                               {16, XK_Shift_L},
                               {16, XK_Shift_R},
                               {20, XK_Caps_Lock},
                               {20, XK_Caps_Lock}});  // twice, so the lock ends as it began
    for (const Case& c : cases) {
        source->QueryKey(c.virtualKey);
        Tap(c.keysym);
        EXPECT_TRUE(PressShows(c.virtualKey)) << "virtual key " << c.virtualKey;
        // The release may reach the source's thread a moment after the press.
        EXPECT_TRUE(DownShows(c.virtualKey, false)) << "virtual key " << c.virtualKey;
        EXPECT_FALSE(source->QueryKey(c.virtualKey).pressedSinceLastQuery)
            << "virtual key " << c.virtualKey;
    }
}

TEST_F(X11KeyStateSourceTest, ManyPressesBetweenTwoQueriesAreOnePress) {
    source->QueryKey(65);
    for (int i = 0; i < 5; ++i) {
        Tap(XK_a);
    }
    ASSERT_TRUE(Settled());
    EXPECT_EQ(Text(source->QueryKey(65)), "up, pressed");
    EXPECT_EQ(Text(source->QueryKey(65)), "up, not pressed");
}

TEST_F(X11KeyStateSourceTest, DownNowFollowsAHeldKey) {
    display->Key(XK_a, true);
    EXPECT_TRUE(DownShows(65, true));
    EXPECT_TRUE(source->QueryKey(65).downNow);  // still down on the next query
    display->Key(XK_a, false);
    EXPECT_TRUE(DownShows(65, false));
}

TEST_F(X11KeyStateSourceTest, ShiftIsEitherShiftKeyAndLeftShiftOnlyTheLeftOne) {
    display->Key(XK_Shift_R, true);
    EXPECT_TRUE(DownShows(kShift, true));
    EXPECT_TRUE(source->QueryKey(kRightShift).downNow);
    EXPECT_FALSE(source->QueryKey(kLeftShift).downNow);
    display->Key(XK_Shift_R, false);
    EXPECT_TRUE(DownShows(kShift, false));

    display->Key(XK_Shift_L, true);
    EXPECT_TRUE(DownShows(kShift, true));
    EXPECT_TRUE(source->QueryKey(kLeftShift).downNow);
    display->Key(XK_Shift_L, false);
    EXPECT_TRUE(DownShows(kShift, false));
}

TEST_F(X11KeyStateSourceTest, AQueryOfOneVirtualKeyLeavesThePressForAnotherSharingItsKey) {
    source->QueryKey(kShift);
    source->QueryKey(kLeftShift);
    Tap(XK_Shift_L);
    EXPECT_TRUE(PressShows(kShift));
    EXPECT_TRUE(source->QueryKey(kLeftShift).pressedSinceLastQuery);

    Tap(XK_Shift_R);
    EXPECT_TRUE(PressShows(kShift));
    EXPECT_FALSE(source->QueryKey(kLeftShift).pressedSinceLastQuery);
}

TEST_F(X11KeyStateSourceTest, MouseButtonsOneAndTwoAreTheLeftAndRightButtons) {
    source->QueryKey(kLeftButton);
    source->QueryKey(kRightButton);
    Click(3);
    EXPECT_TRUE(PressShows(kRightButton));
    EXPECT_FALSE(source->QueryKey(kLeftButton).pressedSinceLastQuery);

    display->Button(1, true);
    // The press is counted together with the button going down, so one query sees both.
    EXPECT_TRUE(Eventually([&] { return Text(source->QueryKey(kLeftButton)) == "down, pressed"; }));
    EXPECT_FALSE(source->QueryKey(kRightButton).downNow);
    display->Button(1, false);
    EXPECT_TRUE(DownShows(kLeftButton, false));
}

TEST_F(X11KeyStateSourceTest, KeysHeldBeforeTheSourceOpensAreDownButNotPressed) {
    display->Key(XK_b, true);
    std::string whyNot;
    const auto later = platform_x11::OpenX11KeyStateSource(nullptr, whyNot);
    ASSERT_TRUE(later) << whyNot;
    EXPECT_EQ(Text(later->QueryKey(66)), "down, not pressed");
    display->Key(XK_b, false);
    EXPECT_TRUE(Eventually([&] { return !later->QueryKey(66).downNow; }));
}

TEST_F(X11KeyStateSourceTest, KeysWithoutAMappingReportNothing) {
    for (const std::uint32_t virtualKey : {0u, 7u, 255u, 256u, 70000u}) {
        Tap(XK_a);
        EXPECT_EQ(Text(source->QueryKey(virtualKey)), "up, not pressed")
            << "virtual key " << virtualKey;
    }
}

TEST_F(X11KeyStateSourceTest, TheCursorIsWhereThePointerIs) {
    const int right = display->ScreenWidth() - 1;
    for (const auto& [x, y] : {std::pair{321, 654}, std::pair{0, 0}, std::pair{right, 1}}) {
        display->MovePointer(x, y);
        const auto cursor = source->QueryCursor();
        EXPECT_EQ(cursor.x, x);
        EXPECT_EQ(cursor.y, y);
    }
}

}  // namespace
