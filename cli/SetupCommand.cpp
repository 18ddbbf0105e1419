#include "SetupCommand.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "DataFolderOption.h"
#include "JsonText.h"
#include "WholeNumber.h"
#include "engine/BoxModels.h"
#include "engine/SettingsDocument.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/BuiltInPresets.h"
#include "profiles/ProfileManager.h"

namespace pindeckctl {
namespace {

// A box model (0 to 5) written as plain decimal digits; empty for anything else.
std::optional<std::int32_t> ParseBoxModel(const std::string& text) {
    const std::optional<std::int32_t> value = ParseWholeNumber<std::int32_t>(text);
    if (!value || !Tambo::BoxModels::IsModelNumber(*value)) {
        return std::nullopt;
    }
    return value;
}

int RunSetup(const std::string& boxArgument, CliContext& cli) {
    const std::optional<std::int32_t> box = ParseBoxModel(boxArgument);
    if (!box) {
        cli.err << "pindeckctl: BOX must be a number from 0 to 5, not \""
                << JsonStringFromArgument(boxArgument).get<std::string>() << "\"\n";
        return kRejectedValue;
    }
    const auto folder = OpenDataFolder(cli);
    if (!folder) {
        return kOperationFailed;
    }
    const Tambo::Console console{cli.out, cli.err};
    Tambo::SettingsDocument settings(*folder, console);
    settings.LoadSettings();

    // The presets' commands are only built and written, never played.
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();
    Tambo::ProfileManager manager(context, *folder, console);
    std::error_code error;
    const bool hadProfileFile = std::filesystem::exists(manager.FilePath(), error);
    // A damaged file is handled as the application does: what could be read stays, and the
    // original is kept beside the new file when it is written.
    const bool loadFailed = !manager.LoadProfiles() && hadProfileFile;

    settings.Assign(Tambo::SettingsKeys::kDefaultBoxConfiguration, *box);
    const bool settingsSaved = settings.SaveSettings();

    const std::size_t before = manager.ProfileCount();
    Tambo::CreateBuiltInPresets(manager, context, *box);
    const bool written = manager.WriteProfiles();

    const auto profiles = manager.Profiles();
    cli.out << Tambo::SettingsKeys::kDefaultBoxConfiguration << " = " << *box << '\n';
    cli.out << "Added " << profiles.size() - before << " built-in presets:";
    for (std::size_t i = before; i < profiles.size(); ++i) {
        cli.out << (i == before ? " " : ", ") << Tambo::Utf16ToUtf8(profiles[i]->Name());
    }
    cli.out << '\n';
    if (written) {
        cli.out << "Wrote " << profiles.size() << " profiles to " << manager.FilePath().string()
                << '\n';
    }
    return !loadFailed && settingsSaved && written ? kSuccess : kOperationFailed;
}

}  // namespace

void AddSetupCommand(CLI::App& app, CliContext& cli) {
    auto box = std::make_shared<std::string>();
    CLI::App* setup = app.add_subcommand(
        "setup", "First-time setup: choose the box model and add the built-in presets");
    setup
        ->add_option("BOX", *box,
                     "Box model: 0 Wired, 1 Wireless, 2 Bluetooth, 3 Wired V3, 4 Tav-14, "
                     "5 Dex-14")
        ->required();
    setup->callback([box, &cli] { cli.exitCode = RunSetup(*box, cli); });
}

}  // namespace pindeckctl
