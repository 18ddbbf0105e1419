// profile_data.json: the exact file, reading it back, and what a damaged file does.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <sstream>

#include "FileSizeLimit.h"
#include "TempFolder.h"
#include "engine/MakeCommand.h"
#include "engine/PostCommands.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileManager.h"

namespace {

using Tambo::Utf16ToUtf8;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ProfileFileTest : public ::testing::Test {
protected:
    std::shared_ptr<Tambo::ProfileManager> NewManager() {
        return std::make_shared<Tambo::ProfileManager>(context, folder.Path(),
                                                       Tambo::Console{out, err});
    }

    std::vector<std::string> Names(const Tambo::ProfileManager& manager) {
        std::vector<std::string> names;
        for (const auto& profile : manager.Profiles()) {
            names.push_back(Utf16ToUtf8(profile->Name()));
        }
        return names;
    }

    test_support::TempFolder folder;
    platform_fake::RecordingPlatform platform;
    std::shared_ptr<Tambo::CommandContext> context = platform.MakeContext();
    std::ostringstream out;
    std::ostringstream err;
    std::shared_ptr<Tambo::ProfileManager> manager = NewManager();
};

TEST_F(ProfileFileTest, WritesTheExactFile) {
    auto profile = std::make_shared<Tambo::Profile>(u"Caf\u00e9", 2);
    profile->SetBoxConfiguration(4);
    profile->AddActionToSlot(1, manager->SequenceFromCodes("GSP: Mulligan", {"DU 162 77", "SL 5"}));
    ASSERT_TRUE(manager->AddProfile(profile));
    ASSERT_TRUE(manager->WriteProfiles());
    EXPECT_EQ(folder.Read("profile_data.json"),
              "{\n"
              "    \"user_profiles\": [\n"
              "        {\n"
              "            \"background_path\": \"ms-appx:///Assets/background_primary.png\",\n"
              "            \"box_configuration\": 4,\n"
              "            \"button_path\": \"ms-appx:///Assets/button.png\",\n"
              "            \"profile_name\": \"Caf\xc3\xa9\",\n"
              "            \"sequences\": [\n"
              "                {\n"
              "                    \"actions\": [],\n"
              "                    \"sequence_id\": 0,\n"
              "                    \"sequence_name\": \"\"\n"
              "                },\n"
              "                {\n"
              "                    \"actions\": [\n"
              "                        \"DU 162 77\",\n"
              "                        \"SL 5\"\n"
              "                    ],\n"
              "                    \"sequence_id\": 1,\n"
              "                    \"sequence_name\": \"GSP: Mulligan\"\n"
              "                }\n"
              "            ]\n"
              "        }\n"
              "    ]\n"
              "}\n");
}

TEST_F(ProfileFileTest, RoundTripKeepsEverySlotAndName) {
    auto profile = std::make_shared<Tambo::Profile>(u"\u65e5\u672c \U0001F3CC", 10);
    profile->SetBackgroundPath(u"ms-appx:///Assets/background_red.png");
    profile->SetButtonPath(u"");
    profile->AddActionToSlot(3, manager->SequenceFromCodes("Chord", {"DP 162 77", "MT 1 2 3 4"}));
    manager->AddProfile(profile);
    manager->AddProfile(std::make_shared<Tambo::Profile>(u"Empty", 14));
    ASSERT_TRUE(manager->WriteProfiles());

    auto reloaded = NewManager();
    ASSERT_TRUE(reloaded->LoadProfiles());
    const auto profiles = reloaded->Profiles();
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[0]->Name(), profile->Name());
    EXPECT_EQ(profiles[0]->BackgroundPath(), u"ms-appx:///Assets/background_red.png");
    EXPECT_EQ(profiles[0]->ButtonPath(), u"");
    EXPECT_EQ(profiles[0]->SlotCount(), 10u);
    for (int slot = 0; slot < 10; ++slot) {
        EXPECT_EQ(profiles[0]->Slot(slot) != nullptr, slot == 3) << slot;
    }
    EXPECT_EQ(profiles[0]->Slot(3)->name, u"Chord");
    EXPECT_EQ(profiles[0]->Slot(3)->GetCodes(), u"DP 162 77MT 1 2 3 4");
    EXPECT_TRUE(std::dynamic_pointer_cast<Tambo::DualPost>(profiles[0]->Slot(3)->commands[0]));
    EXPECT_EQ(profiles[1]->SlotCount(), 14u);
    // Writing what was read gives the same bytes.
    const std::string first = folder.Read("profile_data.json");
    ASSERT_TRUE(reloaded->WriteProfiles());
    EXPECT_EQ(folder.Read("profile_data.json"), first);
}

TEST_F(ProfileFileTest, NoProfilesIsAnEmptyList) {
    ASSERT_TRUE(manager->WriteProfiles());
    EXPECT_EQ(folder.Read("profile_data.json"), "{\n    \"user_profiles\": []\n}\n");
    EXPECT_TRUE(NewManager()->LoadProfiles());
}

TEST_F(ProfileFileTest, ReadingRules) {
    folder.Write("profile_data.json", R"({"user_profiles": [
        {"profile_name": "A", "box_configuration": 2.7, "background_path": "b", "button_path": "",
         "extra": 1,
         "sequences": [{"actions": [], "sequence_id": 0, "sequence_name": "dropped"},
                       {"actions": ["KC 65", "ZZ 1", "SC"], "sequence_id": 1, "sequence_name": "x"},
                       {"actions": ["KC 66"], "sequence_id": 1, "sequence_name": "later wins"},
                       {"actions": ["KC 67"], "sequence_id": 7, "sequence_name": "outside"},
                       {"actions": ["KC 68"], "sequence_id": -1, "sequence_name": "outside"}]},
        {"profile_name": "A", "box_configuration": true, "background_path": "", "button_path": "",
         "sequences": []},
        {"profile_name": "B", "box_configuration": true, "background_path": "", "button_path": ""}
    ]} trailing text is ignored)");
    ASSERT_TRUE(manager->LoadProfiles()) << out.str();
    EXPECT_THAT(Names(*manager), ElementsAre("A", "B"));
    const auto a = manager->Profiles()[0];
    EXPECT_EQ(a->BoxConfiguration(), 2);
    EXPECT_EQ(a->SlotCount(), 5u);
    EXPECT_EQ(a->Slot(0), nullptr);
    EXPECT_EQ(a->Slot(1)->name, u"later wins");
    EXPECT_EQ(manager->Profiles()[1]->BoxConfiguration(), 1);
    EXPECT_EQ(manager->Profiles()[1]->SlotCount(), 0u);
    EXPECT_EQ(out.str(),
              "Skipped sequence_id 7 of profile \"A\": the profile has 5 slots\n"
              "Skipped sequence_id -1 of profile \"A\": the profile has 5 slots\n");

    // An unrecognised code is left out of the rebuilt sequence; a slot of nothing but
    // unrecognised codes is empty.
    folder.Write("profile_data.json", R"({"user_profiles": [{"profile_name": "C",
        "box_configuration": 0, "background_path": "", "button_path": "",
        "sequences": [{"actions": ["KC 65", "ZZ 1", "SC"], "sequence_id": 0, "sequence_name": "s"},
                      {"actions": ["D P162 77"], "sequence_id": 1, "sequence_name": "Post"}]}]})");
    auto other = NewManager();
    ASSERT_TRUE(other->LoadProfiles());
    EXPECT_EQ(other->Profiles()[0]->Slot(0)->GetCodes(), u"KC 65SC");
    EXPECT_EQ(other->Profiles()[0]->Slot(1), nullptr);
}

struct DamagedCase {
    std::string name;
    std::string content;
    std::vector<std::string> loadedNames;
    std::string message;  // part of the line on standard output
};

void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.name;
}

class DamagedProfileFile : public ProfileFileTest,
                           public ::testing::WithParamInterface<DamagedCase> {};

const std::string kGoodProfile =
    R"({"profile_name": "Good", "box_configuration": 0, "background_path": "", "button_path": "",
        "sequences": [{"actions": ["KC 65"], "sequence_id": 0, "sequence_name": "a"}]})";

TEST_P(DamagedProfileFile, StopsAtTheErrorKeepsWhatLoadedAndKeepsTheOriginal) {
    const DamagedCase& c = GetParam();
    folder.Write("profile_data.json", c.content);
    EXPECT_FALSE(manager->LoadProfiles());
    EXPECT_EQ(Names(*manager), c.loadedNames);
    const std::string printed = out.str();
    EXPECT_THAT(printed, HasSubstr(c.message));
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;

    // The next write keeps the original beside the file, once.
    ASSERT_TRUE(manager->WriteProfiles());
    EXPECT_EQ(folder.Read("profile_data.json.bad"), c.content);
    EXPECT_THAT(err.str(), HasSubstr("profile_data.json.bad"));
    manager->AddProfile(std::make_shared<Tambo::Profile>(u"New", 10));
    ASSERT_TRUE(manager->WriteProfiles());
    EXPECT_EQ(folder.Read("profile_data.json.bad"), c.content);
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, DamagedProfileFile,
    ::testing::Values(
        DamagedCase{"Empty", "", {}, "parse_error"},
        DamagedCase{"Truncated", R"({"user_profiles": [)" + kGoodProfile, {}, "parse_error"},
        DamagedCase{"Binary", std::string("\x00\xff\xfe", 3), {}, "parse_error"},
        DamagedCase{"InvalidUtf8Name",
                    "{\"user_profiles\": [{\"profile_name\": \"\xff\"}]}",
                    {},
                    "parse_error"},
        DamagedCase{"TopLevelArray", "[1]", {}, "cannot use operator[] with a string argument"},
        DamagedCase{"SecondBoxIsText",
                    R"({"user_profiles": [)" + kGoodProfile +
                        R"(, {"profile_name": "B", "box_configuration": "x"}]})",
                    {"Good"},
                    "type must be number, but is string"},
        DamagedCase{"MissingName",
                    R"({"user_profiles": [{"box_configuration": 0}]})",
                    {},
                    "type must be string, but is null"},
        DamagedCase{"ProfileIsANumber",
                    R"({"user_profiles": [)" + kGoodProfile + R"(, 5]})",
                    {"Good"},
                    "cannot use operator[] with a string argument with number"},
        DamagedCase{"ActionsNotAnArray",
                    R"({"user_profiles": [{"profile_name": "A", "box_configuration": 0,
                        "background_path": "", "button_path": "",
                        "sequences": [{"actions": "KC 65"}]}]})",
                    {},
                    "type must be array, but is string"},
        DamagedCase{"MalformedCode",
                    R"({"user_profiles": [)" + kGoodProfile + R"(, {"profile_name": "B",
                        "box_configuration": 0, "background_path": "", "button_path": "",
                        "sequences": [{"actions": ["KC x"], "sequence_id": 0,
                        "sequence_name": ""}]}]})",
                    {"Good"},
                    "invalid stoi argument"},
        DamagedCase{"BareCode",
                    R"({"user_profiles": [{"profile_name": "B",
                        "box_configuration": 0, "background_path": "", "button_path": "",
                        "sequences": [{"actions": ["KC"], "sequence_id": 0,
                        "sequence_name": ""}]}]})",
                    {},
                    "invalid string position"}),
    [](const auto& info) { return info.param.name; });

TEST_F(ProfileFileTest, MissingFileLoadsNothingSilently) {
    EXPECT_FALSE(manager->LoadProfiles());
    EXPECT_EQ(out.str() + err.str(), "");
    ASSERT_TRUE(manager->WriteProfiles());
    EXPECT_FALSE(std::filesystem::exists(folder.File("profile_data.json.bad")));
}

TEST_F(ProfileFileTest, FullDiskLeavesTheOldFileAndReportsTheReason) {
    manager->AddProfile(std::make_shared<Tambo::Profile>(u"A", 10));
    ASSERT_TRUE(manager->WriteProfiles());
    const std::string before = folder.Read("profile_data.json");
    manager->AddProfile(std::make_shared<Tambo::Profile>(u"B", 10));
    bool written = true;
    {
        test_support::FileSizeLimit limit(before.size());
        written = manager->WriteProfiles();
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(err.str(), "Error writing file: File too large\n");
    EXPECT_EQ(folder.Read("profile_data.json"), before);
}

TEST_F(ProfileFileTest, FolderThatCannotTakeFilesIsReported) {
    auto elsewhere = std::make_shared<Tambo::ProfileManager>(context, folder.File("missing-folder"),
                                                             Tambo::Console{out, err});
    EXPECT_FALSE(elsewhere->WriteProfiles());
    EXPECT_EQ(err.str(), "Error opening file for writing.\n");
}

TEST_F(ProfileFileTest, TenThousandProfilesLoad) {
    std::string file = R"({"user_profiles": [)";
    for (int i = 0; i < 10000; ++i) {
        file += (i ? "," : "") + std::string(R"({"profile_name": ")") + std::to_string(i) +
                R"(", "box_configuration": 4, "background_path": "", "button_path": "",
                "sequences": [{"actions": ["KC 65"], "sequence_id": 0, "sequence_name": "a"}]})";
    }
    folder.Write("profile_data.json", file + "]}");
    ASSERT_TRUE(manager->LoadProfiles());
    EXPECT_EQ(manager->ProfileCount(), 10000u);
    EXPECT_EQ(manager->ProfileNameAt(9999), u"9999");
}

}  // namespace

namespace {

// The file is written straight out as text; it must be exactly what the JSON library would write
// for the same document.
TEST_F(ProfileFileTest, TextWriterMatchesTheLibrarysPrettyPrinting) {
    auto tricky = std::make_shared<Tambo::Profile>(
        u"Quote \" back\\slash \t tab \u0001 \u00e9 \U0001F3CC", 3);
    tricky->SetBackgroundPath(u"line\nbreak\r\b\f");
    tricky->SetButtonPath(u"");
    tricky->SetBoxConfiguration(-7);
    tricky->AddActionToSlot(1, manager->SequenceFromCodes("n\"ame", {"KC 65", "MT 1 2 3 4"}));
    tricky->AddActionToSlot(2, manager->SequenceFromCodes("", {}));
    const std::vector<Tambo::ProfilePtr> lists[] = {
        {}, {tricky}, {tricky, std::make_shared<Tambo::Profile>(u"No slots", 0)}};
    for (const auto& profiles : lists) {
        EXPECT_EQ(Tambo::ProfileFile::ToText(profiles),
                  Tambo::ProfileFile::ToDocument(profiles).dump(4) + "\n");
    }
}

TEST_F(ProfileFileTest, EqualCodesShareOneCommandAfterLoading) {
    folder.Write("profile_data.json", R"({"user_profiles": [{"profile_name": "A",
        "box_configuration": 0, "background_path": "", "button_path": "",
        "sequences": [{"actions": ["KC 65", "SC"], "sequence_id": 0, "sequence_name": "x"},
                      {"actions": ["KC 65"], "sequence_id": 1, "sequence_name": "y"}]}]})");
    ASSERT_TRUE(manager->LoadProfiles());
    const auto profile = manager->Profiles()[0];
    EXPECT_EQ(profile->Slot(0)->commands[0], profile->Slot(1)->commands[0]);
}

}  // namespace
