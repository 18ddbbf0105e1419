// pindeckctl catalogue, setup and select.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "TempFolder.h"

namespace {

using nlohmann::json;
using test_support::RunCli;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

json LastLine(const std::string& text) {
    const std::size_t end = text.find_last_not_of('\n');
    const std::size_t start = text.rfind('\n', end);
    return json::parse(text.substr(start == std::string::npos ? 0 : start + 1));
}

std::vector<std::string> ProfileNames(const json& profileFile) {
    std::vector<std::string> names;
    for (const json& profile : profileFile["user_profiles"]) {
        names.push_back(profile["profile_name"]);
    }
    return names;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CatalogueCli, JsonListsEveryTableActionInOrder) {
    const auto result = RunCli({"catalogue", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json actions = LastLine(result.out);
    ASSERT_EQ(actions.size(), 187u);
    std::uint32_t category = 0;
    std::uint32_t index = 0;
    for (const json& action : actions) {
        if (action["category"] != category) {
            ++category;
            index = 0;
        }
        ASSERT_EQ(action["category"], category);
        ASSERT_EQ(action["index"], index++);
    }
    EXPECT_EQ(category, 7u);
    EXPECT_EQ(actions[0], json::parse(R"({"category":0,"index":0,"name":"GEN: Left Click",
                                          "actions":["SC"]})"));
    EXPECT_EQ(actions[39 + 22 + 17 + 17],
              json::parse(R"({"category":3,"index":17,"name":"TGC19: Mulligan V2","actions":
                  ["DK 27","SL 250","UK 27","SL 1800","KC 40","SL 500","KC 40","SL 500",
                   "EC 28"]})"));
    EXPECT_EQ(actions.back(), json::parse(R"({"category":7,"index":19,
                                              "name":"FSX: Dashboard Menu","actions":["KC 77"]})"));
}

TEST(CatalogueCli, OneCategoryAndPlainText) {
    const auto gsPro = RunCli({"catalogue", "--json", "5"});
    ASSERT_EQ(gsPro.exitCode, 0);
    const json actions = LastLine(gsPro.out);
    ASSERT_EQ(actions.size(), 37u);
    EXPECT_EQ(actions[36], json::parse(R"({"category":5,"index":36,"name":"GSP: Post Mulligan",
                                           "actions":["DP 162 77"]})"));

    const auto text = RunCli({"catalogue", "2"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 17);
    EXPECT_THAT(text.out, ::testing::HasSubstr(
                              "2\t4\tTGC: Mulligan\tKC 27, SL 1800, KC 40, SL 500, KC 39\n"));
}

TEST(CatalogueCli, RejectsACategoryOutsideTheTables) {
    for (const std::string category : {"8", "9", "-1", "x", "1x", "4294967296", " 1", ""}) {
        const auto result = RunCli({"catalogue", "--json", category});
        EXPECT_EQ(result.exitCode, 2) << category;
        EXPECT_THAT(result.out, IsEmpty()) << category;
        EXPECT_THAT(result.err, ::testing::HasSubstr("CATEGORY")) << category;
    }
}

TEST(SetupCli, WritesTheSettingAndThePresetsOfEachBox) {
    const std::vector<std::string> tenButton = {"TGC",      "TGC 2019",   "GS Pro",
                                                "Optishot", "E6 Connect", "FSX Play"};
    const std::vector<std::string> fourteenButton = {"Tav-14 Base", "Dex-14 Base"};
    const std::vector<std::string> venues = {"24-7 Rera TGC-2019", "DOZ TGC-2019", "ZED TGC-2019",
                                             "ZED GSPRO"};
    for (int box = 0; box <= 5; ++box) {
        SCOPED_TRACE(box);
        test_support::TempFolder folder;
        folder.Write("config.json", R"({"Time_Between_Actions_MS": 7, "Mine": "kept"})");
        const auto result =
            RunCli({"--data-dir", folder.Path().string(), "setup", std::to_string(box)});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_THAT(result.err, IsEmpty());

        EXPECT_EQ(json::parse(folder.Read("config.json")),
                  json({{"Time_Between_Actions_MS", 7},
                        {"Mine", "kept"},
                        {"Default_Box_Configuration", box}}));
        const json file = json::parse(folder.Read("profile_data.json"));
        std::vector<std::string> expected = box < 4 ? tenButton : fourteenButton;
        expected.insert(expected.end(), venues.begin(), venues.end());
        EXPECT_THAT(ProfileNames(file), ElementsAreArray(expected));
        for (const json& profile : file["user_profiles"]) {
            const std::string name = profile["profile_name"];
            const int expectedBox = name == "Tav-14 Base" ? 4 : name == "Dex-14 Base" ? 5 : box;
            EXPECT_EQ(profile["box_configuration"], expectedBox) << name;
        }
    }
}

TEST(SetupCli, ASecondRunAppendsASecondSetBehindTheUsersProfiles) {
    test_support::TempFolder folder;
    folder.Write("profile_data.json", R"({"user_profiles": [{"profile_name": "Mine",
        "box_configuration": 1, "background_path": "", "button_path": "",
        "sequences": [{"sequence_id": 0, "sequence_name": "x", "actions": ["KC 65"]}]}]})");
    const std::string dataDir = folder.Path().string();
    ASSERT_EQ(RunCli({"--data-dir", dataDir, "setup", "1"}).exitCode, 0);
    ASSERT_EQ(RunCli({"--data-dir", dataDir, "setup", "1"}).exitCode, 0);

    const std::vector<std::string> names =
        ProfileNames(json::parse(folder.Read("profile_data.json")));
    ASSERT_EQ(names.size(), 21u);
    EXPECT_EQ(names[0], "Mine");
    EXPECT_EQ(names[1], "TGC");
    EXPECT_EQ(names[11], "TGC");
    // Loading drops the later duplicates again.
    const auto listed = RunCli({"--data-dir", dataDir, "profiles", "--json"});
    EXPECT_EQ(ProfileNames(LastLine(listed.out)).size(), 11u);
}

TEST(SetupCli, RejectsABoxModelAndWritesNothing) {
    for (const std::string box : {"6", "-1", "x", "", "4.0", "04 "}) {
        test_support::TempFolder folder;
        const auto dataDir = folder.File("data");
        const auto result = RunCli({"--data-dir", dataDir.string(), "setup", box});
        EXPECT_EQ(result.exitCode, 2) << box;
        EXPECT_THAT(result.err, ::testing::HasSubstr("BOX")) << box;
        EXPECT_FALSE(std::filesystem::exists(dataDir)) << box;
    }
    EXPECT_EQ(RunCli({"setup"}).exitCode, 64);
}

TEST(SetupCli, ADamagedProfileFileIsKeptAndReported) {
    test_support::TempFolder folder;
    folder.Write("profile_data.json", "{\"user_profiles\": [");
    const auto result = RunCli({"--data-dir", folder.Path().string(), "setup", "0"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(folder.Read("profile_data.json.bad"), "{\"user_profiles\": [");
    EXPECT_EQ(ProfileNames(json::parse(folder.Read("profile_data.json"))).size(), 10u);
}

TEST(SelectCli, StoresTheSelectionCompactlyAndNonAsciiNamesExactly) {
    test_support::TempFolder folder;
    const std::string dataDir = folder.Path().string();
    const std::string name = "Caf\xc3\xa9 \xe2\x9b\xb3 \xf0\x9d\x84\x9e";
    folder.Write("profile_data.json", R"({"user_profiles": [
        {"profile_name": "GS Pro", "box_configuration": 0, "background_path": "",
         "button_path": "", "sequences": []},
        {"profile_name": ")" + name + R"(", "box_configuration": 0, "background_path": "",
         "button_path": "", "sequences": []}]})");

    auto result = RunCli({"--data-dir", dataDir, "select", "GS Pro"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folder.Read("user_session_data.json"), R"({"selected_profile":"GS Pro"})");

    result = RunCli({"--data-dir", dataDir, "select", name});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folder.Read("user_session_data.json"), "{\"selected_profile\":\"" + name + "\"}");
}

TEST(SelectCli, KeepsOtherSessionMembers) {
    test_support::TempFolder folder;
    const std::string dataDir = folder.Path().string();
    ASSERT_EQ(RunCli({"--data-dir", dataDir, "setup", "0"}).exitCode, 0);
    folder.Write("user_session_data.json", R"({"selected_profile":"TGC","other":[1]})");
    ASSERT_EQ(RunCli({"--data-dir", dataDir, "select", "FSX Play"}).exitCode, 0);
    EXPECT_EQ(json::parse(folder.Read("user_session_data.json")),
              json::parse(R"({"selected_profile":"FSX Play","other":[1]})"));
}

TEST(SelectCli, AnUnknownNameChangesNothing) {
    test_support::TempFolder folder;
    const std::string dataDir = folder.Path().string();
    ASSERT_EQ(RunCli({"--data-dir", dataDir, "setup", "0"}).exitCode, 0);
    const auto before = FolderEntries(folder.Path());
    for (const std::string name : {"gs pro", "GS Pro ", "Nobody", ""}) {
        const auto result = RunCli({"--data-dir", dataDir, "select", name});
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_THAT(result.err, ::testing::HasSubstr("no profile")) << name;
    }
    EXPECT_EQ(FolderEntries(folder.Path()), before);

    folder.Write("user_session_data.json", R"({"selected_profile":"TGC"})");
    EXPECT_EQ(RunCli({"--data-dir", dataDir, "select", "Nobody"}).exitCode, 1);
    EXPECT_EQ(folder.Read("user_session_data.json"), R"({"selected_profile":"TGC"})");
}

}  // namespace
