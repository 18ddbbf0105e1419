#include "DescribeCommand.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "CommandCodes.h"
#include "JsonText.h"
#include "engine/Text.h"
#include "platform/fake/RecordingPlatform.h"

namespace pindeckctl {
namespace {

struct DescribeOptions {
    bool json = false;
    std::vector<std::string> codes;
};

int RunDescribe(const DescribeOptions& options, CliContext& cli) {
    // Descriptions do not depend on the platform; the recording one fills the key names first,
    // as the application does at start.
    platform_fake::RecordingPlatform platform;
    const auto context = platform.MakeContext();

    nlohmann::json results = nlohmann::json::array();
    bool allBuilt = true;
    for (const std::string& code : options.codes) {
        const BuiltCommand built = BuildCommand(context, code);
        if (built.command) {
            results.push_back({{"code", JsonString(built.command->GetCode())},
                               {"description", JsonString(built.command->GetDescription())}});
        } else {
            allBuilt = false;
            results.push_back({{"input", JsonStringFromArgument(code)}, {"error", built.error}});
        }
    }

    if (options.json) {
        cli.out << results.dump() << '\n';
    } else {
        for (const nlohmann::json& result : results) {
            if (result.contains("error")) {
                cli.out << result["input"].get<std::string>()
                        << "\terror: " << result["error"].get<std::string>() << '\n';
            } else {
                cli.out << result["code"].get<std::string>() << '\t'
                        << result["description"].get<std::string>() << '\n';
            }
        }
    }
    return allBuilt ? kSuccess : kRejectedValue;
}

}  // namespace

void AddDescribeCommand(CLI::App& app, CliContext& cli) {
    auto options = std::make_shared<DescribeOptions>();
    CLI::App* describe =
        app.add_subcommand("describe", "Rebuild command codes and show their descriptions");
    describe->add_flag("--json", options->json, "One line of JSON: an array, one element per code");
    describe
        ->add_option("CODE", options->codes, "Command codes, such as \"KC 65\" or \"DU 162 77\"")
        ->required();
    describe->callback([options, &cli] { cli.exitCode = RunDescribe(*options, cli); });
}

}  // namespace pindeckctl
