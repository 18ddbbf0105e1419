// Data files survive a kill at any moment: a child process rewrites every data file in a loop
// and is killed with SIGKILL at random moments; each file must then hold the old or a new
// content, whole.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <random>
#include <set>
#include <sstream>

#include "TempFolder.h"
#include "engine/SettingsDocument.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/KeyBindingStore.h"
#include "profiles/ProfileManager.h"
#include "profiles/SessionDocument.h"

namespace {

// Writes one of two variants of every data file into a folder, through the program's writers.
class DataWriters {
public:
    explicit DataWriters(const std::filesystem::path& folder)
        : settings_(folder, Tambo::Console{sink_, sink_}),
          bindings_(folder, Tambo::Console{sink_, sink_}),
          session_(folder, Tambo::Console{sink_, sink_}) {
        for (int variant = 0; variant < 2; ++variant) {
            managers_[variant] = std::make_shared<Tambo::ProfileManager>(
                context_, folder, Tambo::Console{sink_, sink_});
            for (int i = 0; i < 40 + variant * 25; ++i) {
                auto profile = std::make_shared<Tambo::Profile>(
                    Tambo::Utf8ToUtf16("v" + std::to_string(variant) + " #" + std::to_string(i)),
                    14);
                profile->AddActionToSlot(i % 14, managers_[variant]->SequenceFromCodes(
                                                     "s", {"KC 65", "SL 500", "DU 162 77"}));
                managers_[variant]->AddProfile(profile);
            }
        }
    }

    void Write(int variant) {
        managers_[variant]->WriteProfiles();
        settings_.Assign("Default_Box_Configuration", variant);
        settings_.Assign("Padding", std::string(2000 + 3000 * variant, 'x'));
        settings_.SaveSettings();
        std::vector<std::int32_t> codes(14, 38);
        codes[0] = variant;
        bindings_.UpdateBindings(models_, 4, codes);
        session_.SetSelectedProfileName(variant == 0 ? u"v0 #1" : u"v1 #\u00e9 longer name");
        session_.SaveSession();
        session_.Flush();
    }

private:
    std::ostringstream sink_;
    platform_fake::RecordingPlatform platform_;
    std::shared_ptr<Tambo::CommandContext> context_ = platform_.MakeContext();
    std::shared_ptr<Tambo::ProfileManager> managers_[2];
    Tambo::SettingsDocument settings_;
    Tambo::KeyBindingStore bindings_;
    Tambo::BoxModels models_;
    Tambo::SessionDocument session_;
};

const char* const kDataFiles[] = {"profile_data.json", "config.json", "keybind_data.json",
                                  "user_session_data.json"};

TEST(CrashSafety, EveryDataFileIsWholeAfterAKillAtAnyMoment) {
    // The contents each file may legitimately hold: variant 0 and variant 1.
    std::map<std::string, std::set<std::string>> allowed;
    for (int variant = 0; variant < 2; ++variant) {
        test_support::TempFolder reference;
        DataWriters(reference.Path()).Write(variant);
        for (const char* file : kDataFiles) {
            allowed[file].insert(reference.Read(file));
        }
    }
    test_support::TempFolder folder;
    DataWriters(folder.Path()).Write(0);

    std::mt19937 random(12345);
    int killedWhileWriting = 0;
    for (int round = 0; round < 200; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            DataWriters writers(folder.Path());
            for (int i = 0;; ++i) {
                writers.Write(i % 2);
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        killedWhileWriting += WIFSIGNALED(status) ? 1 : 0;
        for (const char* file : kDataFiles) {
            ASSERT_EQ(allowed[file].count(folder.Read(file)), 1u)
                << file << " is neither old nor new after kill " << round;
        }
    }
    EXPECT_EQ(killedWhileWriting, 200);
}

}  // namespace
