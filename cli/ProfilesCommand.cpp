#include "ProfilesCommand.h"

#include <memory>

#include "DataFolderOption.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileManager.h"

namespace pindeckctl {
namespace {

struct ProfilesOptions {
    bool json = false;
    bool rewrite = false;
};

void PrintForPeople(const std::vector<Tambo::ProfilePtr>& profiles, std::ostream& out) {
    out << profiles.size() << (profiles.size() == 1 ? " profile" : " profiles") << '\n';
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const Tambo::Profile& profile = *profiles[i];
        std::size_t filled = 0;
        for (const auto& sequence : profile.Sequences()) {
            filled += sequence ? 1 : 0;
        }
        out << i << '\t' << Tambo::Utf16ToUtf8(profile.Name()) << "\tbox "
            << profile.BoxConfiguration() << '\t' << filled << " of " << profile.SlotCount()
            << " slots set\n";
    }
}

int RunProfiles(const ProfilesOptions& options, CliContext& cli) {
    const auto folder = OpenDataFolder(cli);
    if (!folder) {
        return kOperationFailed;
    }
    // Commands are only rebuilt and written back here, never played.
    platform_fake::RecordingPlatform platform;
    auto manager = std::make_shared<Tambo::ProfileManager>(platform.MakeContext(), *folder,
                                                           Tambo::Console{cli.out, cli.err});
    const bool loaded = manager->LoadProfiles();
    bool written = true;
    if (options.rewrite) {
        written = manager->WriteProfiles();
    }
    if (options.json) {
        cli.out << Tambo::ProfileFile::ToDocument(manager->Profiles()).dump() << '\n';
    } else {
        PrintForPeople(manager->Profiles(), cli.out);
    }
    return loaded && written ? kSuccess : kOperationFailed;
}

}  // namespace

void AddProfilesCommand(CLI::App& app, CliContext& cli) {
    auto options = std::make_shared<ProfilesOptions>();
    CLI::App* profiles =
        app.add_subcommand("profiles", "Load profile_data.json and list the profiles in order");
    profiles->add_flag("--json", options->json,
                       "Last line: what was loaded, shaped exactly like the profile file");
    profiles->add_flag("--rewrite", options->rewrite,
                       "Write the loaded profiles back (repairs a hand-edited file)");
    profiles->callback([options, &cli] { cli.exitCode = RunProfiles(*options, cli); });
}

}  // namespace pindeckctl
