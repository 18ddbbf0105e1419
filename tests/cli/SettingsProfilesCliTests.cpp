// pindeckctl settings and profiles against hand-written files.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "TempFolder.h"

namespace {

using nlohmann::json;
using test_support::RunCli;

json LastLine(const std::string& text) {
    const std::size_t end = text.find_last_not_of('\n');
    const std::size_t start = text.rfind('\n', end);
    return json::parse(text.substr(start == std::string::npos ? 0 : start + 1));
}

TEST(SettingsCli, PrintsTheValuesInEffect) {
    struct Case {
        std::string file;  // empty: no file
        json expected;
    };
    const Case cases[] = {
        {"", json::parse(R"({"Time_Between_Actions_MS":0,"Time_Between_Press_Release_MS":50,
              "Send_Upkey_OnKeyRepeat":false,"Time_Between_Repeat_Press_Release_MS":20,
              "ControllerExclusive":true,"Default_Box_Configuration":null})")},
        {R"({"Default_Box_Configuration": 5.5, "ControllerExclusive": false,
             "Time_Between_Press_Release_MS": "fast", "Send_Upkey_OnKeyRepeat": true})",
         json::parse(R"({"Time_Between_Actions_MS":0,"Time_Between_Press_Release_MS":150,
              "Send_Upkey_OnKeyRepeat":true,"Time_Between_Repeat_Press_Release_MS":20,
              "ControllerExclusive":false,"Default_Box_Configuration":5})")},
        {R"({"Default_Box_Configuration": "4", "Time_Between_Actions_MS": 99999999999})",
         json::parse(R"({"Time_Between_Actions_MS":99999999999,"Time_Between_Press_Release_MS":150,
              "Send_Upkey_OnKeyRepeat":false,"Time_Between_Repeat_Press_Release_MS":20,
              "ControllerExclusive":true,"Default_Box_Configuration":null})")},
    };
    for (const Case& c : cases) {
        test_support::TempFolder folder;
        if (!c.file.empty()) {
            folder.Write("config.json", c.file);
        }
        const auto result = RunCli({"--data-dir", folder.Path().string(), "settings", "--json"});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(LastLine(result.out), c.expected) << c.file;
    }
}

TEST(SettingsCli, CreatesAMissingDataFolderPrivately) {
    test_support::TempFolder folder;
    const auto dataDir = folder.File("a") / "b";
    ASSERT_EQ(RunCli({"--data-dir", dataDir.string(), "settings"}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(dataDir / "config.json"));
    EXPECT_EQ(std::filesystem::status(dataDir).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
}

TEST(ProfilesCli, JsonHasTheShapeOfTheFileAndMessagesComeFirst) {
    test_support::TempFolder folder;
    folder.Write("profile_data.json", R"({"user_profiles": [
        {"profile_name": "A", "box_configuration": 1, "background_path": "bg", "button_path": "",
         "sequences": [{"actions": ["KC 65"], "sequence_id": 0, "sequence_name": "s"},
                       {"actions": ["SC"], "sequence_id": 9, "sequence_name": "gone"}]},
        {"profile_name": "B", "box_configuration": "x"}]})");
    const auto result = RunCli({"--data-dir", folder.Path().string(), "profiles", "--json"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.out, ::testing::StartsWith("Skipped sequence_id 9"));
    EXPECT_EQ(LastLine(result.out), json::parse(R"({"user_profiles": [
        {"profile_name": "A", "box_configuration": 1, "background_path": "bg", "button_path": "",
         "sequences": [{"actions": ["KC 65"], "sequence_id": 0, "sequence_name": "s"},
                       {"actions": [], "sequence_id": 1, "sequence_name": ""}]}]})"));
}

TEST(ProfilesCli, RewriteRepairsAndKeepsTheOriginal) {
    test_support::TempFolder folder;
    const std::string damaged = R"({"user_profiles": [
        {"profile_name": "A", "box_configuration": 0, "background_path": "", "button_path": "",
         "sequences": []}, {"profile_name": 5}]})";
    folder.Write("profile_data.json", damaged);
    const auto result =
        RunCli({"--data-dir", folder.Path().string(), "profiles", "--rewrite", "--json"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(folder.Read("profile_data.json.bad"), damaged);
    EXPECT_EQ(json::parse(folder.Read("profile_data.json")), LastLine(result.out));

    const auto again = RunCli({"--data-dir", folder.Path().string(), "profiles", "--rewrite"});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(folder.Read("profile_data.json.bad"), damaged);
}

}  // namespace

namespace {

TEST(BindingsCli, BindStoresAModelAndBindingsShowsIt) {
    test_support::TempFolder folder;
    const std::string dir = folder.Path().string();
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case rejected[] = {
        {{"bind", "6", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 2},
        {{"bind", "x", "1"}, 2},
        {{"bind", "0", "1", "2"}, 2},
        {{"bind", "4", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 2},
        {{"bind", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "x"}, 2},
        {{"bind", "0"}, 64},
    };
    for (const Case& c : rejected) {
        std::vector<std::string> args = {"--data-dir", dir};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(test_support::RunCli(args).exitCode, c.exitCode)
            << ::testing::PrintToString(c.args);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("keybind_data.json")));

    ASSERT_EQ(test_support::RunCli({"--data-dir", dir, "bind", "3", "38", "1", "2", "3", "4", "5",
                                    "6", "7", "8", "9"})
                  .exitCode,
              0);
    const auto shown = test_support::RunCli({"--data-dir", dir, "bindings", "--json"});
    ASSERT_EQ(shown.exitCode, 0);
    const json maps = LastLine(shown.out);
    EXPECT_EQ(maps["3"],
              json::parse(R"({"38":0,"1":1,"2":2,"3":3,"4":4,"5":5,"6":6,"7":7,"8":8,"9":9})"));
    EXPECT_EQ(maps["0"]["11"], 0);
    EXPECT_EQ(maps.size(), 6u);
}

}  // namespace

namespace {

TEST(BindingsCli, AnUnreadableBindingFileIsAFailureAMissingOneIsNot) {
    test_support::TempFolder folder;
    const std::string dir = folder.Path().string();
    EXPECT_EQ(test_support::RunCli({"--data-dir", dir, "bindings", "--json"}).exitCode, 0);
    folder.Write("keybind_data.json", "");
    const auto broken = test_support::RunCli({"--data-dir", dir, "bindings", "--json"});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_EQ(LastLine(broken.out)["0"]["11"], 0) << "the built-in mappings are shown";
}

}  // namespace
