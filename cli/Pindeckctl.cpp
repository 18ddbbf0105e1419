#include "Pindeckctl.h"

#include <CLI/CLI.hpp>
#include <condition_variable>
#include <mutex>
#include <ostream>

#include "BindingsCommand.h"
#include "CatalogueCommand.h"
#include "CliContext.h"
#include "DescribeCommand.h"
#include "MonitorCommand.h"
#include "PlayCommand.h"
#include "ProfilesCommand.h"
#include "RecordCommand.h"
#include "RunCommand.h"
#include "SelectCommand.h"
#include "SettingsCommand.h"
#include "SetupCommand.h"

namespace pindeckctl {

bool WaitUnlessStopped(std::stop_token stop, std::chrono::milliseconds duration) {
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    return !wake.wait_for(lock, stop, duration, [] { return false; }) && !stop.stop_requested();
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        std::stop_token stop) {
    CLI::App app{"pindeckctl: Pindeck without a window (diagnostics, headless play, scripting)"};
    app.require_subcommand(1);
    CliContext cli{out, err, {}, kSuccess, stop};
    app.add_option("--data-dir", cli.dataDir,
                   "Use this folder instead of the local data folder for every subcommand");

    AddDescribeCommand(app, cli);
    AddPlayCommand(app, cli);
    AddSettingsCommand(app, cli);
    AddProfilesCommand(app, cli);
    AddBindingsCommands(app, cli);
    AddMonitorCommand(app, cli);
    AddRunCommand(app, cli);
    AddRecordCommand(app, cli);
    AddCatalogueCommand(app, cli);
    AddSetupCommand(app, cli);
    AddSelectCommand(app, cli);

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
