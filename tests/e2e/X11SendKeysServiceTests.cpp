// The X11 send-keys service, directly and through libkeyposter.so.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DisplayTest.h"
#include "TestDisplay.h"
#include "keyposter/keyposter.h"
#include "platform/x11/X11SendKeysService.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class X11SendKeysServiceTest : public e2e::DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        std::string whyNot;
        service = platform_x11::OpenX11SendKeysService(nullptr, whyNot);
        ASSERT_TRUE(service) << whyNot;
        display->Discard();
    }

    std::unique_ptr<keyposter::SendKeysService> service;
};

TEST_F(X11SendKeysServiceTest, TypesEachTextAsKeyEventsBeforeReturning) {
    struct Case {
        std::u16string text;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {u"{LEFT}", {"press Left", "release Left"}},
        {u"{UP}", {"press Up", "release Up"}},
        {u"{RIGHT}", {"press Right", "release Right"}},
        {u"{DOWN}", {"press Down", "release Down"}},
        {u"m", {"press m", "release m"}},
        {u"^m", {"press Control_L", "press m", "release m", "release Control_L"}},
        {u"m^{left}",
         {"press m", "release m", "press Control_L", "press Left", "release Left",
          "release Control_L"}},
        {u"+%a",
         {"press Shift_L", "press Alt_L", "press a", "release a", "release Alt_L",
          "release Shift_L"}},
        {u"M", {"press Shift_L", "press m", "release m", "release Shift_L"}},
    };
    for (const Case& c : cases) {
        service->SendWait(c.text);
        // Nothing to wait for: the service returns once the server has processed the keys.
        EXPECT_EQ(display->Events(0), c.events);
    }
}

TEST_F(X11SendKeysServiceTest, ATextItCannotReadSendsNothingAndSaysSoInOneLine) {
    for (const std::u16string text :
         {u"^", u"m^", u"^^m", u"{HOME}", u"{LEFT", u"!", u"m\n{PGUP}", u"\u00e9"}) {
        ::testing::internal::CaptureStderr();
        service->SendWait(text);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_THAT(err, StartsWith("keyposter: cannot send"));
        EXPECT_EQ(std::ranges::count(err, '\n'), 1) << err;
        EXPECT_THAT(display->Events(0), ElementsAre()) << err;
    }
}

TEST_F(X11SendKeysServiceTest, TheLibraryPostsCtrlMAndTheArrows) {
    SendKeys(162, 77);
    EXPECT_THAT(display->Events(4),
                ElementsAre("press Control_L", "press m", "release m", "release Control_L"));
    SendKey(40);
    EXPECT_THAT(display->Events(2), ElementsAre("press Down", "release Down"));
    // Keys outside the library's table post nothing at all.
    SendKey(65);
    SendKeys(38, 65);
    EXPECT_THAT(display->Events(0), ElementsAre());
}

}  // namespace
