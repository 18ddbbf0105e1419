// The profile list, the active profile, and their safety under concurrent play.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "engine/MakeCommand.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ProfileManager.h"

namespace {

using Tambo::Profile;
using Tambo::ProfileManager;

class ProfileManagerTest : public ::testing::Test {
protected:
    platform_fake::RecordingPlatform platform;
    std::shared_ptr<Tambo::CommandContext> context = platform.MakeContext();
    std::shared_ptr<ProfileManager> manager =
        std::make_shared<ProfileManager>(context, std::filesystem::path());
};

TEST_F(ProfileManagerTest, NamesAreUniqueAndCaseSensitive) {
    EXPECT_TRUE(manager->AddProfile(std::make_shared<Profile>(u"Range", 10)));
    EXPECT_FALSE(manager->AddProfile(std::make_shared<Profile>(u"Range", 14)));
    EXPECT_TRUE(manager->AddProfile(std::make_shared<Profile>(u"range", 10)));
    EXPECT_TRUE(manager->AddProfile(std::make_shared<Profile>(u"Range ", 10)));
    EXPECT_FALSE(manager->IsNameFree(u"Range"));
    EXPECT_TRUE(manager->IsNameFree(u"RANGE"));
    EXPECT_EQ(manager->ProfileCount(), 3u);
}

TEST_F(ProfileManagerTest, SelectAndRemove) {
    for (const char16_t* name : {u"A", u"B", u"C"}) {
        manager->AddProfile(std::make_shared<Profile>(name, 10));
    }
    manager->SelectProfile(u"B");
    EXPECT_EQ(manager->ActiveProfile()->Name(), u"B");
    manager->SelectProfile(u"nobody");
    EXPECT_EQ(manager->ActiveProfile()->Name(), u"B");
    manager->RemoveProfile(u"A");
    EXPECT_EQ(manager->ProfileNameAt(0), u"B");
    EXPECT_EQ(manager->ActiveProfile()->Name(), u"B");
    manager->RemoveProfile(u"B");
    EXPECT_EQ(manager->ActiveProfile(), nullptr);
    EXPECT_EQ(manager->ProfileNameAt(0), u"C");
    EXPECT_EQ(manager->ProfileNameAt(1), std::nullopt);
}

TEST_F(ProfileManagerTest, ProfileSwitchCommandSwitchesThroughTheManager) {
    context->SetProfileStore(manager);
    manager->AddProfile(std::make_shared<Profile>(u"First", 10));
    manager->AddProfile(std::make_shared<Profile>(u"Second", 10));
    Tambo::MakeCommand(context, "PS 1")->Execute();
    EXPECT_EQ(manager->ActiveProfile()->Name(), u"Second");
    EXPECT_EQ(context->notifications.TryPop(), 0u);
}

TEST_F(ProfileManagerTest, SlotOperationsStayInsideTheProfile) {
    Profile profile(u"P", 10);
    auto sequence = manager->SequenceFromCodes("s", {"KC 65"});
    testing::internal::CaptureStderr();
    profile.AddActionToSlot(10, sequence);
    profile.AddActionToSlot(-1, sequence);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ERROR: Attempt to add action to slot greater than active slots."
              "ERROR: Attempt to add action to slot greater than active slots.");
    profile.AddActionToSlot(9, sequence);
    profile.SetSlotSequence(12, u"x", {});
    profile.ClearSlot(-3);
    EXPECT_EQ(profile.SlotCount(), 10u);
    EXPECT_EQ(profile.Slot(9), sequence);
    EXPECT_EQ(profile.Slot(10), nullptr);
}

TEST_F(ProfileManagerTest, DeepCopySharesCommandsButNotSequences) {
    Profile original(u"P", 10);
    original.AddActionToSlot(2, manager->SequenceFromCodes("s", {"KC 65", "SC"}));
    Profile copy(original);
    ASSERT_TRUE(copy.Slot(2));
    EXPECT_NE(copy.Slot(2), original.Slot(2));
    EXPECT_EQ(copy.Slot(2)->commands, original.Slot(2)->commands);
    EXPECT_EQ(copy.Slot(0), nullptr);
    copy.ClearSlot(2);
    EXPECT_TRUE(original.Slot(2));
}

// Switches, edits and deletes profiles while other threads play profile switches and read the
// active profile's slots, as the user interface, the dispatcher and sequence threads do.
TEST_F(ProfileManagerTest, ConcurrentEditsNeverFreeWhatPlayersUse) {
    context->SetProfileStore(manager);
    for (int i = 0; i < 8; ++i) {
        auto profile = std::make_shared<Profile>(Tambo::Utf8ToUtf16("P" + std::to_string(i)), 10);
        profile->AddActionToSlot(0, manager->SequenceFromCodes("s", {"KC 65", "PS 3"}));
        manager->AddProfile(profile);
    }
    std::atomic<bool> stop{false};
    std::vector<std::thread> players;
    for (int t = 0; t < 3; ++t) {
        players.emplace_back([&, t] {
            const auto switchCommand = Tambo::MakeCommand(context, "PS " + std::to_string(t));
            while (!stop) {
                switchCommand->Execute();
                if (const Tambo::SequencePtr slot = manager->ActiveSlot(0)) {
                    slot->PlayNow();
                }
                while (context->notifications.TryPop()) {
                }
            }
        });
    }
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        const auto name = Tambo::Utf8ToUtf16("P" + std::to_string(random() % 12));
        switch (random() % 4) {
            case 0:
                manager->RemoveProfile(name);
                break;
            case 1: {
                auto profile = std::make_shared<Profile>(name, 10);
                profile->AddActionToSlot(0, manager->SequenceFromCodes("n", {"PS 1", "KC 66"}));
                manager->AddProfile(profile);
                break;
            }
            case 2:
                if (const auto active = manager->ActiveProfile()) {
                    active->AddActionToSlot(0, manager->SequenceFromCodes("e", {"SL 0"}));
                    active->ClearSlot(1);
                }
                break;
            default:
                manager->SelectProfile(name);
        }
    }
    stop = true;
    for (auto& player : players) {
        player.join();
    }
    SUCCEED();
}

}  // namespace
