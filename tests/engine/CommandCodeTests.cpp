// Codes, descriptions and the rebuilding of commands from their codes.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "engine/ControlCommands.h"
#include "engine/KeyboardCommands.h"
#include "engine/MakeCommand.h"
#include "engine/MouseCommands.h"
#include "engine/PostCommands.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"

namespace {

using Tambo::MakeCommand;
using Tambo::Utf16ToUtf8;

class CommandCodeTest : public ::testing::Test {
protected:
    platform_fake::RecordingPlatform platform;
    std::shared_ptr<Tambo::CommandContext> context = platform.MakeContext();
};

struct CodeCase {
    std::string input;
    std::string code;
    std::string description;
};

void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << '"' << c.input << '"';
}

class RebuiltCommand : public CommandCodeTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(RebuiltCommand, HasCanonicalCodeAndDescription) {
    const CodeCase& expected = GetParam();
    const Tambo::CommandPtr command = MakeCommand(context, expected.input);
    ASSERT_TRUE(command);
    EXPECT_EQ(Utf16ToUtf8(command->GetCode()), expected.code);
    EXPECT_EQ(Utf16ToUtf8(command->GetDescription()), expected.description);
    EXPECT_TRUE(command->GetFlag());
    // The code is stable: rebuilding it gives the same code again.
    EXPECT_EQ(MakeCommand(context, expected.code)->GetCode(), command->GetCode());
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, RebuiltCommand,
    ::testing::Values(
        CodeCase{"KC 65", "KC 65", "Key Press: 'A'"},
        CodeCase{"NR 13", "NR 13", "Key Press: 'ENTER'"},
        CodeCase{"EC 28", "EC 28", "Key Press: 'ENTER'"},
        CodeCase{"EC -5", "EC -5", "Key Press: 'ENTER'"},
        CodeCase{"DK 18", "DK 18", "Realtime Key: 'Alt'"}, CodeCase{"UK 162", "UK 162", ""},
        CodeCase{"DU 162 77", "DU 162 77", "Dual Key: LEFT CTRL + M"},
        CodeCase{"DU 160 49", "DU 160 49", "Dual Key:  + 1"},
        CodeCase{"PK 37", "PK 37", "Key Press: 'LEFT ARROW'"},
        CodeCase{"DP 162 77", "DP 162 77", "Dual Key: LEFT CTRL + M"},
        CodeCase{"SC", "SC", "Left Click"}, CodeCase{"RC", "RC", "Right Click"},
        CodeCase{"MD", "MD", "Left Mouse RealTime"}, CodeCase{"MU", "MU", "Left Mouse RealTime"},
        CodeCase{"SCxyz", "SC", "Left Click"},
        CodeCase{"MC 1 640 360", "MC 1 640 360", "Mouse Left Click. X:640, Y:360"},
        CodeCase{"MC 2 -3 7", "MC 2 -3 7", "Mouse Right Click. X:-3, Y:7"},
        CodeCase{"MC 7 1 2 99", "MC 7 1 2", "Mouse Left Click. X:1, Y:2"},
        CodeCase{"MS 0", "MS 0", "Move Mouse UP"}, CodeCase{"MS 3", "MS 3", "Move Mouse RIGHT"},
        CodeCase{"MS 7", "MS 7", "Move Mouse "},
        CodeCase{"MT 10 20 30 40", "MT 10 20 30 40",
                 "Mouse Toggle Locations: \n\t< X: 10 , Y: 20 >\n\t< X: 30 , Y: 40 >\n"},
        CodeCase{"MT 1 2 3", "MT 1 2", "Mouse Toggle Locations: \n\t< X: 1 , Y: 2 >\n"},
        CodeCase{"MT 1 2 ", "MT 1 2", "Mouse Toggle Locations: \n\t< X: 1 , Y: 2 >\n"},
        CodeCase{"MT ", "MT", "Mouse Toggle Locations: \n"},
        CodeCase{"MT", "MT", "Mouse Toggle Locations: \n"},
        CodeCase{"PS 3", "PS 3", "Go to Profile: 3"},
        CodeCase{"PS -1", "PS -1", "Go to Profile: -1"},
        CodeCase{"SL 500", "SL 500", "Delay for 500 milliseconds"},
        // The standard conversion: leading white space skipped, a sign, trailing text ignored.
        CodeCase{"KC  \t+65xyz", "KC 65", "Key Press: 'A'"},
        CodeCase{"SL -2147483648", "SL -2147483648", "Delay for -2147483648 milliseconds"},
        CodeCase{"KC 255", "KC 255", "Key Press: ''"}, CodeCase{"KC 0", "KC 0", "Key Press: ''"}));

struct ErrorCase {
    std::string input;
    std::string message;  // empty: an unrecognised code, so an empty result
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << '"' << c.input << '"';
}

class RejectedCode : public CommandCodeTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(RejectedCode, GivesTheConversionErrorOrNothing) {
    const ErrorCase& expected = GetParam();
    if (expected.message.empty()) {
        EXPECT_FALSE(MakeCommand(context, expected.input));
        return;
    }
    try {
        MakeCommand(context, expected.input);
        FAIL() << "accepted " << expected.input;
    } catch (const std::exception& error) {
        EXPECT_EQ(std::string(error.what()), expected.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, RejectedCode,
    ::testing::Values(
        ErrorCase{"", ""}, ErrorCase{"K", ""}, ErrorCase{"XY 1", ""}, ErrorCase{"kc 65", ""},
        ErrorCase{"\xc3\xa9\xc3\xa9 1", ""}, ErrorCase{"KC", "invalid string position"},
        ErrorCase{"DU", "invalid string position"}, ErrorCase{"KC ", "invalid stoi argument"},
        ErrorCase{"KC x", "invalid stoi argument"},
        ErrorCase{"KC \xc3\xa9", "invalid stoi argument"},
        ErrorCase{"KC -", "invalid stoi argument"},
        ErrorCase{"SL 2147483648", "stoi argument out of range"},
        ErrorCase{"SL -2147483649", "stoi argument out of range"},
        ErrorCase{"SL 99999999999999999999999999", "stoi argument out of range"},
        ErrorCase{"KC -1", "stoi argument out of range"},
        ErrorCase{"KC 256", "stoi argument out of range"},
        ErrorCase{"DU 162 4294967295", "stoi argument out of range"},
        ErrorCase{"DU 162  77", "invalid stoi argument"},
        ErrorCase{"DU 162", "invalid stoi argument"}, ErrorCase{"DP 162", "invalid stoi argument"},
        ErrorCase{"MC 1 640", "invalid stoi argument"},
        ErrorCase{"MT 1 x", "invalid stoi argument"},
        ErrorCase{"MT 1  2", "invalid stoi argument"}));

TEST_F(CommandCodeTest, MakeCommandEqualsDirectConstruction) {
    const auto direct = std::make_shared<Tambo::KeyCommand>(context, 65);
    const auto rebuilt = MakeCommand(context, "KC 65");
    EXPECT_EQ(rebuilt->GetCode(), direct->GetCode());
    EXPECT_EQ(rebuilt->GetDescription(), direct->GetDescription());
    EXPECT_TRUE(std::dynamic_pointer_cast<Tambo::DualPost>(MakeCommand(context, "DP 162 77")));
    EXPECT_TRUE(std::dynamic_pointer_cast<Tambo::KeyNoRepeat>(MakeCommand(context, "NR 65")));
}

TEST(CommandDescriptions, CarryEmptyNamesBeforeTheKeyNamesAreFilled) {
    platform_fake::RecordingPlatform platform;
    const auto context = std::make_shared<Tambo::CommandContext>(platform.Services());
    EXPECT_EQ(MakeCommand(context, "KC 65")->GetDescription(), u"Key Press: ''");
    EXPECT_EQ(MakeCommand(context, "DU 162 77")->GetDescription(), u"Dual Key:  + ");
    EXPECT_EQ(MakeCommand(context, "EC 13")->GetDescription(), u"Key Press: 'ENTER'");
}

TEST_F(CommandCodeTest, DirectConstructionWithVirtualKeysAboveAByteHasEmptyNames) {
    const auto command = std::make_shared<Tambo::KeyCommand>(context, 70000);
    EXPECT_EQ(command->GetCode(), u"KC 70000");
    EXPECT_EQ(command->GetDescription(), u"Key Press: ''");
}

TEST_F(CommandCodeTest, HugeCodesDoNotCrash) {
    std::string toggle = "MT";
    for (int i = 0; i < 200000; ++i) {
        toggle += " " + std::to_string(i);
    }
    const auto command =
        std::dynamic_pointer_cast<Tambo::MouseToggle>(MakeCommand(context, toggle));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->Points().size(), 100000u);
    EXPECT_EQ(Utf16ToUtf8(command->GetCode()), toggle);

    const std::string longNumber = "KC " + std::string(100000, '9');
    EXPECT_THROW(MakeCommand(context, longNumber), std::out_of_range);
}

}  // namespace
