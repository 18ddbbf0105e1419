#include "SettingsCommand.h"

#include <memory>
#include <nlohmann/json.hpp>

#include "DataFolderOption.h"
#include "engine/SettingsDocument.h"

namespace pindeckctl {
namespace {

namespace Keys = Tambo::SettingsKeys;

nlohmann::json EffectiveValues(const Tambo::SettingsDocument& settings) {
    Tambo::EngineTimings timings;
    settings.CopyTimingsTo(timings);
    const std::optional<std::int32_t> box =
        settings.ReadOptionalInt32(Keys::kDefaultBoxConfiguration);
    return {
        {Keys::kActionsMs, timings.actionsMs.load()},
        {Keys::kPressReleaseMs, timings.pressReleaseMs.load()},
        {Keys::kUpKeyOnRepeat, timings.sendUpKeyOnKeyRepeat.load()},
        {Keys::kRepeatPressReleaseMs, timings.repeatPressReleaseMs.load()},
        {Keys::kControllerExclusive, settings.ReadBool(Keys::kControllerExclusive, true)},
        {Keys::kDefaultBoxConfiguration, box ? nlohmann::json(*box) : nlohmann::json(nullptr)},
    };
}

int RunSettings(bool json, CliContext& cli) {
    const auto folder = OpenDataFolder(cli);
    if (!folder) {
        return kOperationFailed;
    }
    Tambo::SettingsDocument settings(*folder, Tambo::Console{cli.out, cli.err});
    settings.LoadSettings();
    const nlohmann::json values = EffectiveValues(settings);
    if (json) {
        cli.out << values.dump() << '\n';
        return kSuccess;
    }
    cli.out << "Settings file: " << settings.FilePath().string() << '\n';
    for (const auto& [key, value] : values.items()) {
        cli.out << key << " = " << value.dump() << '\n';
    }
    return kSuccess;
}

}  // namespace

void AddSettingsCommand(CLI::App& app, CliContext& cli) {
    auto json = std::make_shared<bool>(false);
    CLI::App* settings = app.add_subcommand(
        "settings",
        "Load config.json as the application does at start and show the values in effect");
    settings->add_flag("--json", *json, "Last line: one JSON object of the values in effect");
    settings->callback([json, &cli] { cli.exitCode = RunSettings(*json, cli); });
}

}  // namespace pindeckctl
