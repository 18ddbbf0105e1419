#include "Pindeckctl.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "CliContext.h"
#include "DescribeCommand.h"
#include "PlayCommand.h"
#include "ProfilesCommand.h"
#include "SettingsCommand.h"

namespace pindeckctl {

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"pindeckctl: Pindeck without a window (diagnostics, headless play, scripting)"};
    app.require_subcommand(1);
    CliContext cli{out, err, {}, kSuccess};
    app.add_option("--data-dir", cli.dataDir,
                   "Use this folder instead of the local data folder for every subcommand");

    AddDescribeCommand(app, cli);
    AddPlayCommand(app, cli);
    AddSettingsCommand(app, cli);
    AddProfilesCommand(app, cli);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help, out, err);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help, out, err);
    } catch (const CLI::ParseError& error) {
        app.exit(error, out, err);
        return kUsageError;
    }
    return cli.exitCode;
}

}  // namespace pindeckctl
