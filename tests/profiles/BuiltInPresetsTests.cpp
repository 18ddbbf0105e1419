// The built-in presets: which appear for each box, their boxes and pictures, slot contents that
// survive the profile file, and appending without a name check.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "TempFolder.h"
#include "engine/PostCommands.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ActionCatalogue.h"
#include "profiles/AppearanceCatalogue.h"
#include "profiles/AssetAddress.h"
#include "profiles/BuiltInPresets.h"
#include "profiles/ProfileManager.h"

namespace {

using Tambo::Utf16ToUtf8;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::vector<std::string> kTenButtonNames = {"TGC",      "TGC 2019",   "GS Pro",
                                                  "Optishot", "E6 Connect", "FSX Play"};
const std::vector<std::string> kFourteenButtonNames = {"Tav-14 Base", "Dex-14 Base"};
const std::vector<std::string> kVenueNames = {"24-7 Rera TGC-2019", "DOZ TGC-2019", "ZED TGC-2019",
                                              "ZED GSPRO"};

class BuiltInPresetsTest : public ::testing::Test {
protected:
    std::shared_ptr<Tambo::ProfileManager> NewManager() {
        return std::make_shared<Tambo::ProfileManager>(context, folder.Path(),
                                                       Tambo::Console{out, err});
    }

    static std::vector<std::string> Names(const Tambo::ProfileManager& manager) {
        std::vector<std::string> names;
        for (const auto& profile : manager.Profiles()) {
            names.push_back(Utf16ToUtf8(profile->Name()));
        }
        return names;
    }

    // The preset of that name among the manager's profiles (the first one).
    Tambo::ProfilePtr Preset(const std::string& name) const {
        for (const auto& profile : manager->Profiles()) {
            if (Utf16ToUtf8(profile->Name()) == name) {
                return profile;
            }
        }
        ADD_FAILURE() << "no preset " << name;
        return std::make_shared<Tambo::Profile>(0);
    }

    // Each slot's sequence name; "" for an empty slot.
    static std::vector<std::string> SlotNames(const Tambo::Profile& profile) {
        std::vector<std::string> names;
        for (const auto& sequence : profile.Sequences()) {
            names.push_back(sequence ? Utf16ToUtf8(sequence->name) : "");
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

TEST_F(BuiltInPresetsTest, EachBoxGetsItsSetInOrderWithItsBoxConfiguration) {
    for (std::int32_t box = -1; box <= 6; ++box) {
        SCOPED_TRACE(box);
        manager = NewManager();
        Tambo::CreateBuiltInPresets(*manager, context, box);
        const bool tenButtons = box < 4;
        std::vector<std::string> expectedNames =
            tenButtons ? kTenButtonNames : kFourteenButtonNames;
        expectedNames.insert(expectedNames.end(), kVenueNames.begin(), kVenueNames.end());
        EXPECT_THAT(Names(*manager), ElementsAreArray(expectedNames));

        std::vector<std::pair<std::int32_t, std::size_t>> boxesAndSlots;
        for (const auto& profile : manager->Profiles()) {
            boxesAndSlots.emplace_back(profile->BoxConfiguration(), profile->SlotCount());
        }
        std::vector<std::pair<std::int32_t, std::size_t>> expected;
        if (tenButtons) {
            expected.assign(kTenButtonNames.size(), {box, 10});
        } else {
            expected = {{4, 14}, {5, 14}};
        }
        expected.insert(expected.end(), kVenueNames.size(), {box, 10});
        EXPECT_EQ(boxesAndSlots, expected);
    }
}

TEST_F(BuiltInPresetsTest, PicturesAreCatalogueEntriesWithImages) {
    Tambo::CreateBuiltInPresets(*manager, context, 0);
    Tambo::CreateBuiltInPresets(*manager, context, 4);
    struct Case {
        std::string name;
        std::size_t background;  // index in the appearance catalogue
        std::size_t button;
    };
    const Case cases[] = {
        {"TGC", 0, 0},          {"TGC 2019", 0, 0},      {"GS Pro", 5, 0},
        {"Optishot", 4, 0},     {"E6 Connect", 6, 1},    {"FSX Play", 0, 0},
        {"Tav-14 Base", 7, 0},  {"Dex-14 Base", 8, 0},   {"24-7 Rera TGC-2019", 11, 0},
        {"DOZ TGC-2019", 9, 0}, {"ZED TGC-2019", 10, 0}, {"ZED GSPRO", 10, 0},
    };
    const auto& pictures = Tambo::AppearanceCatalogue::Instance();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto preset = Preset(c.name);
        EXPECT_EQ(preset->BackgroundPath(), pictures.Backgrounds()[c.background]);
        EXPECT_EQ(preset->ButtonPath(), pictures.Buttons()[c.button]);
        for (const std::u16string& path : {preset->BackgroundPath(), preset->ButtonPath()}) {
            EXPECT_TRUE(std::filesystem::is_regular_file(
                Tambo::ResolveAssetAddress(path, PINDECK_ASSET_IMAGES_DIR)));
        }
    }
}

TEST_F(BuiltInPresetsTest, SlotsHoldFreshCatalogueActionsPlayingIntoTheGivenContext) {
    Tambo::CreateBuiltInPresets(*manager, context, 1);
    Tambo::CreateBuiltInPresets(*manager, context, 5);
    std::size_t filled = 0;
    std::set<const Tambo::ICommand*> commands;
    for (const auto& profile : manager->Profiles()) {
        for (const auto& sequence : profile->Sequences()) {
            if (!sequence) {
                continue;
            }
            ++filled;
            const auto id = Tambo::ActionCatalogue::FindAction(sequence->name);
            ASSERT_TRUE(id) << Utf16ToUtf8(sequence->name);
            const auto action = Tambo::ActionCatalogue::GetAction(context, id->category, id->index);
            EXPECT_EQ(sequence->GetCodeList(), action->GetCodeList());
            for (const auto& command : sequence->commands) {
                EXPECT_EQ(&command->Context(), context.get());
                EXPECT_TRUE(commands.insert(command.get()).second) << "shared command";
            }
        }
    }
    // Filled slots: 43 in the ten-button presets, 22 in the two 14-button ones, 37 per venue set.
    EXPECT_EQ(filled, 43u + 22u + 2 * 37u);
}

TEST_F(BuiltInPresetsTest, SampledSlotsHoldTheirActions) {
    Tambo::CreateBuiltInPresets(*manager, context, 3);
    Tambo::CreateBuiltInPresets(*manager, context, 4);
    EXPECT_THAT(
        SlotNames(*Preset("E6 Connect")),
        ElementsAre("E6: Left Click", "", "", "", "", "", "", "", "E6: Aim Left", "E6: Aim Right"));
    EXPECT_THAT(SlotNames(*Preset("FSX Play")), ElementsAreArray(std::vector<std::string>(10)));
    EXPECT_THAT(SlotNames(*Preset("ZED GSPRO")),
                ElementsAre("", "GSP: Flyover", "GSP: Putt Toggle", "GSP: Mulligan", "",
                            "GSP: Scout/Shot Cam", "GSP: Club Up", "GSP: Club Down",
                            "GSP: Aim Left", "GSP: Aim Right"));
    EXPECT_THAT(
        SlotNames(*Preset("Dex-14 Base")),
        ElementsAre("GSP: Scout/Shot Cam", "GSP: Putt Toggle", "", "GEN: Left Click", "",
                    "GSP: Heat Map", "GSP: Unblock Camera", "", "GSP: Mulligan", "GSP: Flyover",
                    "GSP: Aim Forward", "GSP: Aim Back", "GSP: Aim Left", "GSP: Aim Right"));
    EXPECT_EQ(SlotNames(*Preset("24-7 Rera TGC-2019"))[2], "");
    EXPECT_EQ(SlotNames(*Preset("DOZ TGC-2019"))[7], "TGC19: Escape");
    EXPECT_EQ(SlotNames(*Preset("Tav-14 Base"))[9], "GEN: Left Click");
    EXPECT_EQ(SlotNames(*Preset("Optishot"))[2], "Opti: Shot Type Up");
}

TEST_F(BuiltInPresetsTest, TheProfileFileKeepsEverySlotAndThePostedMulligan) {
    Tambo::CreateBuiltInPresets(*manager, context, 2);
    ASSERT_TRUE(manager->WriteProfiles());
    const auto document = nlohmann::json::parse(folder.Read("profile_data.json"));
    const auto& profiles = document["user_profiles"];
    ASSERT_EQ(profiles.size(), 10u);

    const auto& fsx = profiles[5];
    EXPECT_EQ(fsx["profile_name"], "FSX Play");
    ASSERT_EQ(fsx["sequences"].size(), 10u);
    for (std::size_t slot = 0; slot < 10; ++slot) {
        EXPECT_EQ(fsx["sequences"][slot], nlohmann::json({{"sequence_id", slot},
                                                          {"sequence_name", ""},
                                                          {"actions", nlohmann::json::array()}}));
    }
    EXPECT_EQ(profiles[1]["sequences"][3],
              nlohmann::json::parse(R"({"sequence_id": 3, "sequence_name": "TGC19: Mulligan",
                  "actions": ["KC 27", "SL 1800", "KC 40", "SL 500", "KC 40", "SL 500",
                              "EC 28"]})"));

    auto restarted = NewManager();
    ASSERT_TRUE(restarted->LoadProfiles());
    const auto gsPro = restarted->Profiles()[2];
    ASSERT_EQ(Utf16ToUtf8(gsPro->Name()), "GS Pro");
    const auto postMulligan = gsPro->Slot(3);
    ASSERT_NE(postMulligan, nullptr);
    EXPECT_EQ(postMulligan->name, u"GSP: Post Mulligan");
    ASSERT_EQ(postMulligan->commands.size(), 1u);
    EXPECT_NE(dynamic_cast<Tambo::DualPost*>(postMulligan->commands[0].get()), nullptr);
}

TEST_F(BuiltInPresetsTest, PresetsAreAppendedBehindExistingProfilesWithoutANameCheck) {
    auto own = std::make_shared<Tambo::Profile>(u"TGC", 10);
    own->SetBackgroundPath(u"mine");
    ASSERT_TRUE(manager->AddProfile(own));

    Tambo::CreateBuiltInPresets(*manager, context, 0);
    Tambo::CreateBuiltInPresets(*manager, context, 0);  // first-time setup run twice
    const std::vector<std::string> names = Names(*manager);
    ASSERT_EQ(names.size(), 21u);
    EXPECT_EQ(manager->Profiles()[0], own);
    EXPECT_EQ(std::count(names.begin(), names.end(), "TGC"), 3);
    EXPECT_EQ(std::count(names.begin(), names.end(), "ZED GSPRO"), 2);
    EXPECT_EQ(names[1], "TGC");
    EXPECT_EQ(names[11], "TGC");
    EXPECT_EQ(own->Name(), u"TGC");

    // The file keeps the duplicates; the next load keeps the first of each name.
    ASSERT_TRUE(manager->WriteProfiles());
    EXPECT_EQ(nlohmann::json::parse(folder.Read("profile_data.json"))["user_profiles"].size(), 21u);
    auto restarted = NewManager();
    ASSERT_TRUE(restarted->LoadProfiles());
    EXPECT_EQ(restarted->ProfileCount(), 10u);
    EXPECT_EQ(restarted->Profiles()[0]->BackgroundPath(), u"mine");
}

}  // namespace
