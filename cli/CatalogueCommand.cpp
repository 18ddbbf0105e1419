#include "CatalogueCommand.h"

#include "WholeNumber.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "JsonText.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ActionCatalogue.h"

namespace pindeckctl {
namespace {

namespace Catalogue = Tambo::ActionCatalogue;

struct CatalogueOptions {
    bool json = false;
    std::optional<std::string> category;  // none: every table category
};

// A table category written as plain decimal digits; empty for anything else.
std::optional<std::uint32_t> ParseCategory(const std::string& text) {
    const std::optional<std::uint32_t> value = ParseWholeNumber<std::uint32_t>(text);
    if (!value || *value >= Catalogue::kTableCategoryCount) {
        return std::nullopt;
    }
    return value;
}

nlohmann::json ActionJson(const Tambo::Sequence& action, std::uint32_t category,
                          std::uint32_t index) {
    return {{"category", category},
            {"index", index},
            {"name", JsonString(action.name)},
            {"actions", action.GetCodeList()}};
}

void PrintForPeople(const nlohmann::json& action, std::ostream& out) {
    out << action["category"].get<std::uint32_t>() << '\t' << action["index"].get<std::uint32_t>()
        << '\t' << action["name"].get<std::string>() << '\t';
    const char* separator = "";
    for (const nlohmann::json& code : action["actions"]) {
        out << separator << code.get<std::string>();
        separator = ", ";
    }
    out << '\n';
}

int RunCatalogue(const CatalogueOptions& options, CliContext& cli) {
    std::uint32_t first = 0;
    std::uint32_t last = Catalogue::kTableCategoryCount - 1;
    if (options.category) {
        const std::optional<std::uint32_t> category = ParseCategory(*options.category);
        if (!category) {
            cli.err << "pindeckctl: CATEGORY must be a number from 0 to 7, not \""
                    << JsonStringFromArgument(*options.category).get<std::string>() << "\"\n";
            return kRejectedValue;
        }
        first = last = *category;
    }
    // Actions are only built to be listed, never played.
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();

    nlohmann::json actions = nlohmann::json::array();
    for (std::uint32_t category = first; category <= last; ++category) {
        const auto count = static_cast<std::uint32_t>(Catalogue::ActionCount(category));
        for (std::uint32_t index = 0; index < count; ++index) {
            actions.push_back(
                ActionJson(*Catalogue::GetAction(context, category, index), category, index));
        }
    }
    if (options.json) {
        cli.out << actions.dump() << '\n';
    } else {
        for (const nlohmann::json& action : actions) {
            PrintForPeople(action, cli.out);
        }
    }
    return kSuccess;
}

}  // namespace

void AddCatalogueCommand(CLI::App& app, CliContext& cli) {
    auto options = std::make_shared<CatalogueOptions>();
    CLI::App* catalogue = app.add_subcommand(
        "catalogue", "List the named actions a box button can be given, with their command codes");
    catalogue->add_flag("--json", options->json,
                        "Last line: one JSON array of {category, index, name, actions}");
    catalogue->add_option("CATEGORY", options->category,
                          "Only this category (0 to 7); category 8 is \"Profile Swap\" for any "
                          "profile number");
    catalogue->callback([options, &cli] { cli.exitCode = RunCatalogue(*options, cli); });
}

}  // namespace pindeckctl
