// The action catalogue: sizes, a sample of exact entries (every multi-command action among
// them), codes that survive a round trip, fresh objects, and what lies outside the tables.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <typeinfo>

#include "engine/ControlCommands.h"
#include "engine/KeyboardCommands.h"
#include "engine/MakeCommand.h"
#include "engine/PostCommands.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ActionCatalogue.h"

namespace {

namespace Catalogue = Tambo::ActionCatalogue;
using Tambo::Utf16ToUtf8;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class ActionCatalogueTest : public ::testing::Test {
protected:
    // Every table action, in category and index order.
    std::vector<std::pair<Catalogue::ActionId, Tambo::SequencePtr>> AllActions() {
        std::vector<std::pair<Catalogue::ActionId, Tambo::SequencePtr>> actions;
        for (std::uint32_t category = 0; category < Catalogue::kTableCategoryCount; ++category) {
            for (std::uint32_t index = 0; index < Catalogue::ActionCount(category); ++index) {
                actions.emplace_back(Catalogue::ActionId{category, index},
                                     Catalogue::GetAction(context, category, index));
            }
        }
        return actions;
    }

    platform_fake::RecordingPlatform platform;
    std::shared_ptr<Tambo::CommandContext> context = platform.MakeContext();
};

TEST_F(ActionCatalogueTest, CategoriesHoldTheirNumberOfActions) {
    std::vector<std::size_t> counts;
    for (std::uint32_t category = 0; category <= Catalogue::kProfileSwapCategory + 1; ++category) {
        counts.push_back(Catalogue::ActionCount(category));
    }
    EXPECT_THAT(counts, ElementsAre(39, 22, 17, 21, 27, 37, 4, 20, 0, 0));
    EXPECT_EQ(AllActions().size(), 187u);
}

TEST_F(ActionCatalogueTest, SampledEntriesHaveTheirExactNamesAndCommands) {
    struct Case {
        std::uint32_t category;
        std::uint32_t index;
        std::string name;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {0, 0, "GEN: Left Click", {"SC"}},
        {0, 1, "GEN: Right Click", {"RC"}},
        {0, 2, "GEN: Escape", {"KC 27"}},
        {0, 3, "GEN: A Key", {"KC 65"}},
        {0, 28, "GEN: Z Key", {"KC 90"}},
        {0, 29, "GEN: Up Arrow", {"KC 38"}},
        {0, 32, "GEN: Right Arrow", {"KC 39"}},
        {0, 33, "GEN: Spacebar", {"KC 32"}},
        {0, 34, "GEN: Enter", {"EC 13"}},
        {0, 35, "GEN: Mouse UP", {"MS 0"}},
        {0, 38, "GEN: Mouse RIGHT", {"MS 3"}},
        {1, 0, "GEN: 0 Key", {"KC 48"}},
        {1, 9, "GEN: 9 Key", {"KC 57"}},
        {1, 10, "GEN: F1 Key", {"KC 112"}},
        {1, 18, "GEN: F9 Key", {"KC 120"}},
        {1, 19, "GEN: F10 Key", {"KC 121"}},
        {1, 21, "GEN: F12 Key", {"KC 123"}},
        {2, 0, "TGC: Scout Camera/Target View", {"KC 81"}},
        {2, 4, "TGC: Mulligan", {"KC 27", "SL 1800", "KC 40", "SL 500", "KC 39"}},
        {2, 7, "TGC: Hole Flyover", {"KC 74"}},
        {2, 14, "TGC: Enter", {"EC 13"}},
        {2, 15, "TGC: Driver", {"KC 192"}},
        {2, 16, "TGC: Putter", {"KC 80"}},
        {3,
         6,
         "TGC19: Mulligan",
         {"KC 27", "SL 1800", "KC 40", "SL 500", "KC 40", "SL 500", "EC 28"}},
        {3, 9, "TGC19: Hole Flyover", {"KC 72"}},
        {3,
         17,
         "TGC19: Mulligan V2",
         {"DK 27", "SL 250", "UK 27", "SL 1800", "KC 40", "SL 500", "KC 40", "SL 500", "EC 28"}},
        {3, 18, "TGC19: Mode", {"KC 67"}},
        {3, 20, "TGC19: Putter", {"KC 80"}},
        {4, 5, "Opti: Shot Type Up", {"DU 162 38"}},
        {4, 9, "Opti: Change View", {"KC 120"}},
        {4, 22, "Opti: Scoreboard Window", {"DU 162 83"}},
        {4, 24, "Opti: Cancel Flyby, Close Scorecard", {"KC 27"}},
        {4, 26, "Opti: Quit", {"KC 81"}},
        {5, 2, "GSP: Mulligan", {"DU 162 77"}},
        {5, 4, "GSP: Aim Point", {"KC 114"}},
        {5, 13, "GSP: Toggle HUD", {"KC 72"}},
        {5, 21, "GSP: Increase Shadow Quality", {"KC 190"}},
        {5, 22, "GSP: Decrease Shadow Quality", {"KC 188"}},
        {5, 23, "GSP: Mute Game", {"KC 189"}},
        {5, 30, "GSP: Fullscreen", {"KC 122"}},
        {5, 32, "GSP: Post Left Arrow", {"PK 37"}},
        {5, 35, "GSP: Post Down Arrow", {"PK 40"}},
        {5, 36, "GSP: Post Mulligan", {"DP 162 77"}},
        {6, 2, "E6: Left Click", {"SC"}},
        {6, 3, "E6: Flag Toggle", {"KC 71"}},
        {7, 0, "FSX: Aim Left", {"NR 37"}},
        {7, 2, "FSX: Bird's Eye", {"KC 69"}},
        {7, 5, "FSX: Drop Balls", {"DU 18 71"}},
        {7, 7, "FSX: Course FlyBy", {"DU 18 72"}},
        {7, 12, "FSX: Previous Hole", {"KC 188"}},
        {7, 19, "FSX: Dashboard Menu", {"KC 77"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Tambo::SequencePtr action = Catalogue::GetAction(context, c.category, c.index);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(Utf16ToUtf8(action->name), c.name);
        EXPECT_THAT(action->GetCodeList(), ElementsAreArray(c.codes));
    }
}

TEST_F(ActionCatalogueTest, CommandsAreOfTheClassesTheirCodesName) {
    const auto postMulligan = Catalogue::GetAction(context, 5, 36);
    ASSERT_EQ(postMulligan->commands.size(), 1u);
    EXPECT_NE(dynamic_cast<Tambo::DualPost*>(postMulligan->commands[0].get()), nullptr);

    const auto aimLeft = Catalogue::GetAction(context, 7, 0);
    EXPECT_NE(dynamic_cast<Tambo::KeyNoRepeat*>(aimLeft->commands[0].get()), nullptr);
    const auto clubUp = Catalogue::GetAction(context, 2, 5);
    EXPECT_EQ(dynamic_cast<Tambo::KeyNoRepeat*>(clubUp->commands[0].get()), nullptr);
}

TEST_F(ActionCatalogueTest, EveryCodeRebuildsTheSameCommandIntoTheSameContext) {
    for (const auto& [id, action] : AllActions()) {
        SCOPED_TRACE(Utf16ToUtf8(action->name));
        ASSERT_FALSE(action->commands.empty());
        for (const Tambo::CommandPtr& command : action->commands) {
            EXPECT_EQ(&command->Context(), context.get());
            const std::string code = Utf16ToUtf8(command->GetCode());
            const Tambo::CommandPtr rebuilt = Tambo::MakeCommand(context, code);
            ASSERT_NE(rebuilt, nullptr) << code;
            EXPECT_EQ(rebuilt->GetCode(), command->GetCode());
            const Tambo::ICommand& original = *command;
            const Tambo::ICommand& copy = *rebuilt;
            EXPECT_EQ(typeid(copy), typeid(original)) << code;
            EXPECT_EQ(rebuilt->GetDescription(), command->GetDescription()) << code;
        }
    }
}

TEST_F(ActionCatalogueTest, OnlyTheMulligansHaveMoreThanOneCommand) {
    std::set<std::string> multiCommand;
    for (const auto& [id, action] : AllActions()) {
        if (action->commands.size() > 1) {
            multiCommand.insert(Utf16ToUtf8(action->name));
        }
    }
    EXPECT_THAT(multiCommand,
                ElementsAre("TGC19: Mulligan", "TGC19: Mulligan V2", "TGC: Mulligan"));
}

TEST_F(ActionCatalogueTest, NamesCarryTheirCategoryPrefixAndFindLeadsBack) {
    const char* const prefixes[] = {
        "GEN: ", "GEN: ", "TGC: ", "TGC19: ", "Opti: ", "GSP: ", "E6: ", "FSX: "};
    for (const auto& [id, action] : AllActions()) {
        const std::string name = Utf16ToUtf8(action->name);
        EXPECT_THAT(name, ::testing::StartsWith(prefixes[id.category]));
        EXPECT_EQ(Catalogue::FindAction(action->name), id) << name;  // unique names
    }
    EXPECT_EQ(Catalogue::FindAction(u"Profile Swap"), std::nullopt);
    EXPECT_EQ(Catalogue::FindAction(u"gsp: club up"), std::nullopt);
}

TEST_F(ActionCatalogueTest, EveryCallBuildsNewObjects) {
    const auto first = Catalogue::GetAction(context, 2, 4);
    const auto second = Catalogue::GetAction(context, 2, 4);
    ASSERT_NE(first, second);
    EXPECT_EQ(first->name, second->name);
    EXPECT_EQ(first->GetCodeList(), second->GetCodeList());
    for (std::size_t i = 0; i < first->commands.size(); ++i) {
        EXPECT_NE(first->commands[i], second->commands[i]);
    }
}

TEST_F(ActionCatalogueTest, ProfileSwapForAnyIndexAndNothingOutsideTheTables) {
    for (const std::uint32_t index : {0u, 3u, 40u}) {
        const auto swap = Catalogue::GetAction(context, 8, index);
        ASSERT_NE(swap, nullptr);
        EXPECT_EQ(swap->name, u"Profile Swap");
        EXPECT_THAT(swap->GetCodeList(), ElementsAre("PS " + std::to_string(index)));
        EXPECT_NE(dynamic_cast<Tambo::ProfileSwitch*>(swap->commands[0].get()), nullptr);
    }
    const std::pair<std::uint32_t, std::uint32_t> outside[] = {
        {0, 39}, {1, 22}, {6, 4}, {7, 20}, {9, 0}, {2, 0xFFFFFFFFu}, {0xFFFFFFFFu, 0}};
    for (const auto& [category, index] : outside) {
        EXPECT_EQ(Catalogue::GetAction(context, category, index), nullptr)
            << category << ", " << index;
    }
}

}  // namespace
