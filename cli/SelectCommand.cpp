#include "SelectCommand.h"

#include <memory>
#include <ostream>
#include <string>

#include "DataFolderOption.h"
#include "JsonText.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ProfileManager.h"
#include "profiles/SessionDocument.h"

namespace pindeckctl {
namespace {

bool HasProfileNamed(const Tambo::ProfileManager& manager, const std::u16string& name) {
    for (const Tambo::ProfilePtr& profile : manager.Profiles()) {
        if (profile->Name() == name) {
            return true;
        }
    }
    return false;
}

int RunSelect(const std::string& nameArgument, CliContext& cli) {
    const auto folder = OpenDataFolder(cli);
    if (!folder) {
        return kOperationFailed;
    }
    const Tambo::Console console{cli.out, cli.err};
    platform_fake::RecordingPlatform platform;  // profiles are only read, never played
    Tambo::ProfileManager manager(platform.MakeContext(), *folder, console);
    manager.LoadProfiles();  // a missing or damaged file leaves fewer names to choose from

    const std::u16string name = Tambo::Utf8ToUtf16(nameArgument);
    if (!HasProfileNamed(manager, name)) {
        cli.err << "pindeckctl: no profile is named \""
                << JsonStringFromArgument(nameArgument).get<std::string>() << "\"\n";
        return kOperationFailed;
    }
    // Loaded first so that members written by others stay in the file.
    Tambo::SessionDocument session(*folder, console);
    session.LoadSession();
    session.SetSelectedProfileName(name);
    session.SaveSession();
    if (!session.Flush()) {
        return kOperationFailed;
    }
    cli.out << "Selected profile: " << Tambo::Utf16ToUtf8(name) << '\n';
    return kSuccess;
}

}  // namespace

void AddSelectCommand(CLI::App& app, CliContext& cli) {
    auto name = std::make_shared<std::string>();
    CLI::App* select = app.add_subcommand(
        "select", "Make a profile the selected one, which the next start comes back to");
    select->add_option("NAME", *name, "The profile's exact name")->required();
    select->callback([name, &cli] { cli.exitCode = RunSelect(*name, cli); });
}

}  // namespace pindeckctl
