// `pindeckctl play` injecting for real into the X display, as a user runs it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "CliRunner.h"
#include "DisplayTest.h"
#include "TestDisplay.h"

namespace {

using test_support::RunCli;
using ::testing::ElementsAre;

class PindeckctlPlayTest : public e2e::DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        if (!IsSkipped()) {
            display->Discard();
        }
    }
};

TEST_F(PindeckctlPlayTest, DualKeyPressesBothKeysThenReleasesBothInOrder) {
    const auto result = RunCli({"play", "DU 162 77"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(display->Events(4),
                ElementsAre("press Control_L", "press m", "release Control_L", "release m"));
}

TEST_F(PindeckctlPlayTest, MouseCommandClicksAtItsPoint) {
    display->MovePointer(5, 5);
    display->Discard();
    const auto result = RunCli({"play", "MC 1 640 360"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(display->Pointer(), (e2e::PointerPosition{640, 360}));
    EXPECT_THAT(display->Events(2), ElementsAre("press button 1", "release button 1"));
}

TEST_F(PindeckctlPlayTest, DualPostTypesCtrlMThroughTheKeyPostingLibrary) {
    const auto result = RunCli({"play", "DP 162 77"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(display->Events(4),
                ElementsAre("press Control_L", "press m", "release m", "release Control_L"));
}

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(PindeckctlPlayWithoutDisplay, SaysInOneLineThatNothingCanBeInjectedAndExitsThree) {
    struct Case {
        const char* display;  // nullptr: unset
        const char* message;
    };
    const Case cases[] = {
        {nullptr, "pindeckctl play: no X display (DISPLAY is not set); input cannot be injected\n"},
        {":4242",
         "pindeckctl play: cannot open the X display \":4242\"; input cannot be "
         "injected\n"},
    };
    for (const Case& c : cases) {
        const ScopedEnvironment environment("DISPLAY", c.display);
        const auto result = RunCli({"play", "KC 65"});
        EXPECT_EQ(result.exitCode, 3);
        EXPECT_EQ(result.err, c.message);
        EXPECT_EQ(result.out, "");
    }
}

}  // namespace
