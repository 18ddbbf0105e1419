#include "BindingsCommand.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "DataFolderOption.h"
#include "WholeNumber.h"
#include "engine/Text.h"
#include "profiles/KeyBindingStore.h"

namespace pindeckctl {
namespace {

nlohmann::json ModelMaps(const Tambo::BoxModels& models) {
    nlohmann::json maps = nlohmann::json::object();
    for (std::int32_t model = 0; model < Tambo::BoxModels::kModelCount; ++model) {
        nlohmann::json map = nlohmann::json::object();
        for (const auto& [code, slot] : models.CodeToSlot(model)) {
            map[std::to_string(code)] = slot;
        }
        maps[std::to_string(model)] = map;
    }
    return maps;
}

int RunBindings(bool json, CliContext& cli) {
    const auto folder = OpenDataFolder(cli);
    if (!folder) {
        return kOperationFailed;
    }
    Tambo::KeyBindingStore store(*folder, Tambo::Console{cli.out, cli.err});
    Tambo::BoxModels models;
    const bool loaded = Tambo::BuildBoxModels(models, store);
    // No file is the normal case (built-in mappings); a file that could not be read is a failure.
    std::error_code error;
    const int status =
        !loaded && std::filesystem::exists(store.FilePath(), error) ? kOperationFailed : kSuccess;
    if (json) {
        cli.out << ModelMaps(models).dump() << '\n';
        return status;
    }
    for (std::int32_t model = 0; model < Tambo::BoxModels::kModelCount; ++model) {
        cli.out << model << ' ' << Tambo::Utf16ToUtf8(Tambo::BoxModels::Label(model)) << " ("
                << models.SlotCount(model) << " slots):";
        for (const auto& [code, slot] : models.CodeToSlot(model)) {
            cli.out << ' ' << code << "->" << slot;
        }
        cli.out << '\n';
    }
    return status;
}

struct BindOptions {
    std::string model;
    std::vector<std::string> codes;
};

int RunBind(const BindOptions& options, CliContext& cli) {
    const std::optional<std::int32_t> model = ParseWholeNumber<std::int32_t>(options.model);
    Tambo::BoxModels models;
    if (!model || !Tambo::BoxModels::IsModelNumber(*model)) {
        cli.err << "pindeckctl bind: the box model must be 0 to 5, got \"" << options.model
                << "\"\n";
        return kRejectedValue;
    }
    const auto slotCount = static_cast<std::size_t>(models.SlotCount(*model));
    if (options.codes.size() != slotCount) {
        cli.err << "pindeckctl bind: box model " << *model << " has " << slotCount
                << " slots; give one code per slot (38 for none), got " << options.codes.size()
                << "\n";
        return kRejectedValue;
    }
    std::vector<std::int32_t> codes;
    for (const std::string& text : options.codes) {
        const std::optional<std::int32_t> code = ParseWholeNumber<std::int32_t>(text);
        if (!code || *code < 0) {
            cli.err << "pindeckctl bind: \"" << text << "\" is not a controller code\n";
            return kRejectedValue;
        }
        codes.push_back(*code);
    }
    const auto folder = OpenDataFolder(cli);
    if (!folder) {
        return kOperationFailed;
    }
    Tambo::KeyBindingStore store(*folder, Tambo::Console{cli.out, cli.err});
    Tambo::BuildBoxModels(models, store);
    return store.UpdateBindings(models, *model, codes) ? kSuccess : kOperationFailed;
}

}  // namespace

void AddBindingsCommands(CLI::App& app, CliContext& cli) {
    auto json = std::make_shared<bool>(false);
    CLI::App* bindings = app.add_subcommand(
        "bindings", "Show every box model's controller-code-to-slot map with stored bindings");
    bindings->add_flag("--json", *json, "Last line: one JSON object, model -> {code: slot}");
    bindings->callback([json, &cli] { cli.exitCode = RunBindings(*json, cli); });

    auto options = std::make_shared<BindOptions>();
    CLI::App* bind = app.add_subcommand(
        "bind", "Store a box model's binding: one controller code per slot, 38 for none");
    bind->add_option("MODEL", options->model, "Box model, 0 to 5")->required();
    bind->add_option("CODE", options->codes, "Controller code of each slot, in slot order")
        ->required();
    bind->callback([options, &cli] { cli.exitCode = RunBind(*options, cli); });
}

}  // namespace pindeckctl
