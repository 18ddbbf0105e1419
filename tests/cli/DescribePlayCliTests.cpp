// pindeckctl describe and play --dry-run, through the same entry point as the program.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"

namespace {

using nlohmann::json;
using test_support::RunCli;

std::vector<json> JsonLines(const std::string& text) {
    std::vector<json> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(json::parse(line));
    }
    return lines;
}

TEST(DescribeCli, PrintsOneJsonArrayInArgumentOrder) {
    const auto result = RunCli({"describe", "--json", "MT 1 2", "KC", "XY 1", "KC 65\xff"});
    EXPECT_EQ(result.exitCode, 2);
    const json expected = json::parse(R"([
        {"code": "MT 1 2", "description": "Mouse Toggle Locations: \n\t< X: 1 , Y: 2 >\n"},
        {"input": "KC", "error": "invalid string position"},
        {"input": "XY 1", "error": "unrecognised command code"},
        {"code": "KC 65", "description": "Key Press: 'A'"}])");
    EXPECT_EQ(json::parse(result.out), expected);
}

TEST(DescribeCli, InvalidBytesOfAnArgumentBecomeReplacementCharacters) {
    const auto result = RunCli({"describe", "--json", "Q\xff"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(json::parse(result.out)[0]["input"], "Q\xef\xbf\xbd");
}

TEST(DescribeCli, SucceedsWhenEveryCodeIsRebuilt) {
    const auto result = RunCli({"describe", "DU 162 77", "SC"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "DU 162 77\tDual Key: LEFT CTRL + M\nSC\tLeft Click\n");
}

TEST(PlayCli, DryRunPrintsSendsPausesAndPostsInOrder) {
    const auto result = RunCli({"play", "--dry-run", "--json", "--set",
                                "Time_Between_Actions_MS=25", "DU 162 77", "DP 162 77", "SL 0"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<json> expected = {
        json::parse(R"({"send":[{"type":"key","vk":162,"scan":29,"flags":1},
                                {"type":"key","vk":77,"scan":50,"flags":1}]})"),
        json::parse(R"({"pause":150})"),
        json::parse(R"({"send":[{"type":"key","vk":162,"scan":29,"flags":2},
                                {"type":"key","vk":77,"scan":50,"flags":2}]})"),
        json::parse(R"({"pause":25})"),
        json::parse(R"({"post":"^m"})"),
        json::parse(R"({"pause":25})"),
        json::parse(R"({"pause":25})"),
    };
    EXPECT_EQ(JsonLines(result.out), expected);
}

TEST(PlayCli, OperationsRepeatAndScreen) {
    auto result = RunCli({"play", "--dry-run", "--json", "--op", "repeat", "--repeat", "2", "--set",
                          "Send_Upkey_OnKeyRepeat=true", "--set",
                          "Time_Between_Repeat_Press_Release_MS=5", "KC 65"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(JsonLines(result.out).size(), 6u);
    EXPECT_EQ(JsonLines(result.out)[1], json::parse(R"({"pause":5})"));

    result =
        RunCli({"play", "--dry-run", "--json", "--screen", "11x11", "--op", "press", "MC 1 10 0"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(JsonLines(result.out)[0]["send"][0]["dx"], 65536);
}

TEST(PlayCli, ExitStatuses) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{"play", "--dry-run", "KC 65", "KC x"}, 2},
        {{"play", "--dry-run", "KC 65", "ZZ"}, 2},
        {{"play", "--dry-run", "--set", "Unknown_Key=1", "KC 65"}, 64},
        {{"play", "--dry-run", "--set", "Time_Between_Actions_MS=abc", "KC 65"}, 64},
        {{"play", "--dry-run", "--set", "Send_Upkey_OnKeyRepeat=1", "KC 65"}, 64},
        {{"play", "--dry-run", "--screen", "1x1080", "KC 65"}, 64},
        {{"play", "--dry-run", "--screen", "big", "KC 65"}, 64},
        {{"play", "--dry-run", "--op", "hold", "KC 65"}, 64},
        {{"play", "--dry-run"}, 64},
        {{"describe"}, 64},
        {{"no-such-subcommand"}, 64},
        {{}, 64},
        {{"--help"}, 0},
        {{"play", "--dry-run", "--op", "release", "PS 3"}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunCli(c.args).exitCode, c.exitCode) << ::testing::PrintToString(c.args);
    }
}

TEST(PlayCli, RejectedCodePlaysNothing) {
    const auto result = RunCli({"play", "--dry-run", "--json", "KC 65", "KC -1"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, ::testing::HasSubstr("stoi argument out of range"));
}

}  // namespace

namespace {

TEST(PlayCli, ScreenSizesBeyondTheIntegerRangeAreUsageErrors) {
    for (const char* screen : {"1920x4294968376", "4294967298x1080", "2147483648x1080", "x1080",
                               "1920x", "1920x1080x3", "-5x1080", "1920 x1080"}) {
        EXPECT_EQ(test_support::RunCli({"play", "--dry-run", "--screen", screen, "KC 65"}).exitCode,
                  64)
            << screen;
    }
    EXPECT_EQ(test_support::RunCli({"play", "--dry-run", "--screen", "2X2", "KC 65"}).exitCode, 0);
}

}  // namespace
