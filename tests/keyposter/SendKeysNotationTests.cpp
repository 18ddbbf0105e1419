#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Text.h"
#include "keyposter/SendKeysNotation.h"

namespace {

using keyposter::KeyStroke;
using keyposter::ParseSendKeys;

constexpr std::uint32_t kShift = 160;
constexpr std::uint32_t kCtrl = 162;
constexpr std::uint32_t kAlt = 164;

TEST(SendKeysNotation, ReadsKeysWithTheModifiersThatApplyToThem) {
    struct Case {
        std::u16string text;
        std::vector<KeyStroke> strokes;
    };
    const Case cases[] = {
        {u"", {}},
        {u"{LEFT}", {{{}, 37}}},
        {u"{UP}", {{{}, 38}}},
        {u"{RIGHT}", {{{}, 39}}},
        {u"{DOWN}", {{{}, 40}}},
        {u"{down}", {{{}, 40}}},
        {u"m", {{{}, 77}}},
        {u"^m", {{{kCtrl}, 77}}},
        // A modifier applies to the next key only.
        {u"^mm", {{{kCtrl}, 77}, {{}, 77}}},
        {u"^{LEFT}{UP}", {{{kCtrl}, 37}, {{}, 38}}},
        {u"%+7", {{{kAlt, kShift}, 55}}},
        {u"M", {{{kShift}, 77}}},
        {u"+M", {{{kShift}, 77}}},
        {u"^M", {{{kCtrl, kShift}, 77}}},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto strokes = ParseSendKeys(c.text, error);
        ASSERT_TRUE(strokes) << Tambo::Utf16ToUtf8(c.text) << ": " << error;
        EXPECT_EQ(*strokes, c.strokes) << Tambo::Utf16ToUtf8(c.text);
        EXPECT_EQ(error, "");
    }
}

TEST(SendKeysNotation, RejectsWhatItCannotTypeWithAReason) {
    for (const std::u16string text : {u"^", u"m^", u"^^m", u"{HOME}", u"{}", u"{LEFT", u"}", u"!",
                                      u" ", u"m\n", u"\u00e9", u"(m)", u"~"}) {
        std::string error;
        EXPECT_FALSE(ParseSendKeys(text, error)) << Tambo::Utf16ToUtf8(text);
        EXPECT_NE(error, "") << Tambo::Utf16ToUtf8(text);
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

}  // namespace
